#pragma once

#include "storage/Database.h"

namespace velkor {

/// A transaction that rolls back unless committed. A reading transaction sees one
/// consistent state of the data from its first read to its end, whatever others save.
class Transaction {
public:
    explicit Transaction(Database& db, TransactionKind kind = TransactionKind::Write);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    /// Makes the transaction's changes permanent.
    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

} // namespace velkor
