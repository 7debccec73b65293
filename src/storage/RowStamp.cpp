#include "storage/RowStamp.h"

#include "storage/Database.h"
#include "storage/PgConnection.h"
#include "storage/Statement.h"

#include <QCryptographicHash>
#include <QDate>

namespace velkor {

StaleRowError::StaleRowError()
    : ShownError(
          QStringLiteral("Bu kayıt siz açtıktan sonra değiştirildi; yeniden yükleyip tekrar deneyiniz.")) {}

RowStamp RowStamp::of(const QVariantList& values) {
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QVariant& value : values) {
        // Each value with its kind and length, so that neither a null and an empty text
        // nor two neighbouring texts can pass for one another; numbers in one form, as an
        // engine may give a whole-numbered double as an integer.
        QByteArray bytes;
        char kind = 't';
        if (value.isNull()) {
            kind = 'n';
        } else if (value.typeId() == QMetaType::QByteArray) {
            kind = 'b';
            bytes = value.toByteArray();
        } else if (value.typeId() == QMetaType::QDate) {
            kind = 'd';
            bytes = value.toDate().toString(Qt::ISODate).toLatin1();
        } else if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
                   value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Bool) {
            kind = 'f';
            bytes = QByteArray::number(value.toDouble(), 'g', 17);
        } else {
            bytes = value.toString().toUtf8();
        }
        const QByteArray length = QByteArray::number(bytes.size());
        hash.addData(QByteArrayView(&kind, 1));
        hash.addData(length);
        hash.addData(QByteArrayView(":", 1));
        hash.addData(bytes);
    }
    RowStamp stamp;
    stamp.m_digest = hash.result();
    return stamp;
}

std::optional<QVariantList> storedRow(Database& file, const QString& table, qint64 id) {
    Statement select(file, QStringLiteral("SELECT * FROM \"%1\" WHERE id = ?").arg(table));
    select.bind(1, id);
    if (!select.step())
        return std::nullopt;
    QVariantList values;
    for (int c = 0; c < select.columnCount(); ++c)
        values << select.value(c);
    return values;
}

std::optional<QVariantList> storedRow(PgConnection& server, const QString& schema, const QString& table,
                                      qint64 id, bool lockRow) {
    const PgResult row =
        server.query(QStringLiteral("SELECT * FROM %1.%2 WHERE id = $1%3")
                         .arg(server.quoteIdentifier(schema), server.quoteIdentifier(table.toLower()),
                              lockRow ? QStringLiteral(" FOR UPDATE") : QString()),
                     {id});
    if (row.rowCount() == 0)
        return std::nullopt;
    QVariantList values;
    for (int c = 0; c < row.columnCount(); ++c)
        values << row.value(0, c);
    return values;
}

void requireUnchanged(const RowStamp& loaded, const std::optional<QVariantList>& current) {
    if (loaded.isEmpty())
        return;
    if (!current || RowStamp::of(*current) != loaded)
        throw StaleRowError();
}

} // namespace velkor
