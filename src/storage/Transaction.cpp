#include "storage/Transaction.h"

namespace velkor {

Transaction::Transaction(Database& db, TransactionKind kind) : m_db(db) {
    m_db.engine().begin(kind);
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_db.engine().rollback();
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    m_db.engine().commit();
    m_done = true;
}

} // namespace velkor
