#pragma once

#include "storage/Database.h"

namespace velkor {

/// A transaction that rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Database& db);
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
