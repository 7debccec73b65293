#include "storage/Transaction.h"

namespace velkor {

Transaction::Transaction(Database& db) : m_db(db) {
    m_db.exec(QStringLiteral("BEGIN"));
}

Transaction::~Transaction() {
    if (!m_done) {
        try {
            m_db.exec(QStringLiteral("ROLLBACK"));
        } catch (...) {
        }
    }
}

void Transaction::commit() {
    m_db.exec(QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace velkor
