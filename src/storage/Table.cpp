#include "storage/Table.h"

#include "storage/Statement.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace velkor {

namespace {

QString quoted(const QString& name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

Table::Table(Connection& connection, const QString& tableName) : Dataset(connection), m_table(tableName) {}

Table::~Table() = default;

Table::Kind Table::kindOf(const QString& type) {
    static const std::map<QString, Kind> kinds{
        {QStringLiteral("TEXT"), Kind::Text},         {QStringLiteral("LONGTEXT"), Kind::LongText},
        {QStringLiteral("SMALLINT"), Kind::SmallInt}, {QStringLiteral("INTEGER"), Kind::Integer},
        {QStringLiteral("DOUBLE"), Kind::Double},     {QStringLiteral("DATE"), Kind::Date}};
    const auto it = kinds.find(type);
    return it == kinds.end() ? Kind::Other : it->second;
}

void Table::readColumnTypes() {
    m_types.clear();
    m_declared.clear();
    m_key.clear();
    m_stored.clear();
    static const QRegularExpression textType(QStringLiteral("^TEXT\\((\\d+)\\)$"));
    for (const EngineColumn& column : connection().database().tableColumns(m_table)) {
        ColumnType type;
        const auto match = textType.match(column.type);
        if (match.hasMatch()) {
            type.kind = Kind::Text;
            type.length = match.captured(1).toInt();
        } else {
            type.kind = kindOf(column.type);
        }
        if (column.key)
            m_key = column.name;
        m_types[column.name.toLower()] = type;
        m_stored << quoted(column.name);
    }
    if (m_types.empty())
        throw DatabaseError(QStringLiteral("Tablo bulunamadı: %1").arg(m_table));
}

void Table::open() {
    if (isOpen())
        return;
    readColumnTypes();
    // The engine's row key addresses rows for updates and deletes, also in tables
    // without a key column.
    m_rowKey = connection().database().engine().rowKey(m_table);
    Statement statement(connection().database(),
                        QStringLiteral("SELECT %1, %2 FROM %3 ORDER BY %1")
                            .arg(m_rowKey, m_stored.join(QLatin1Char(',')), quoted(m_table)));
    load(statement, &m_rowIds);
    for (int i = 0; i < m_columns.size(); ++i) {
        auto it = m_types.find(m_columns.at(i).toLower());
        if (it != m_types.end()) {
            it->second.index = i;
            m_declared[m_columns.at(i)] = &it->second;
        }
    }
    m_keyIndex = m_key.isEmpty() ? -1 : columnIndex(m_key);
    m_state = State::Browse;
    m_buffer.assign(m_columns.size(), QVariant());
    m_set.clear();
    setOpen(true);
}

void Table::close() {
    m_state = State::Browse;
    m_buffer.clear();
    m_set.clear();
    // Prepared statements are let go before the connection closes its file.
    m_inserts.clear();
    Dataset::close();
}

void Table::edit() {
    if (!isOpen())
        throw DatabaseError(QStringLiteral("Tablo açık değil: %1").arg(m_table));
    if (m_state != State::Browse)
        return;
    if (isEmpty())
        throw DatabaseError(QStringLiteral("Düzenlenecek kayıt yok: %1").arg(m_table));
    m_state = State::Edit;
    clearBuffer();
}

void Table::append() {
    if (!isOpen())
        throw DatabaseError(QStringLiteral("Tablo açık değil: %1").arg(m_table));
    m_state = State::Insert;
    clearBuffer();
}

void Table::clearBuffer() {
    for (int column : m_set)
        m_buffer[column] = QVariant();
    m_set.clear();
}

const Table::ColumnType& Table::columnType(const QString& column) const {
    if (auto declared = m_declared.find(column); declared != m_declared.end())
        return **declared;
    auto it = m_types.find(column.toLower());
    if (it == m_types.end() || it->second.index < 0)
        throw DatabaseError(QStringLiteral("Alan bulunamadı: %1").arg(column));
    return it->second;
}

void Table::check(const QString& column, const ColumnType& type, const QVariant& value) const {
    if (value.isNull())
        return;
    if (type.kind == Kind::Text) {
        const int length = value.toString().size();
        if (length > type.length)
            throw DatabaseError(
                QStringLiteral("\"%1\" alanına en fazla %2 karakter yazılabilir; verilen metin %3 karakter.")
                    .arg(column)
                    .arg(type.length)
                    .arg(length));
    } else if (type.kind == Kind::SmallInt || type.kind == Kind::Integer) {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (!ok || !std::isfinite(v) || v != std::floor(v))
            throw DatabaseError(QStringLiteral("\"%1\" alanına tam sayı yazılmalıdır.").arg(column));
        if (type.kind == Kind::SmallInt && (v < -32768 || v > 32767))
            throw DatabaseError(
                QStringLiteral("\"%1\" alanının değeri -32768 ile 32767 arasında olmalıdır.").arg(column));
    } else if (type.kind == Kind::Double) {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (!ok || !std::isfinite(v))
            throw DatabaseError(QStringLiteral("\"%1\" alanına sayı yazılmalıdır.").arg(column));
    } else if (type.kind == Kind::Date) {
        if (!value.toDate().isValid())
            throw DatabaseError(QStringLiteral("\"%1\" alanına geçerli bir tarih yazılmalıdır.").arg(column));
    }
}

void Table::setValue(const QString& column, const QVariant& value) {
    if (m_state == State::Browse)
        throw DatabaseError(QStringLiteral("Tablo düzenleme durumunda değil: %1").arg(m_table));
    const ColumnType& type = columnType(column);
    check(column, type, value);
    QVariant& stored = m_buffer[type.index];
    if (value.isNull())
        stored = value;
    else if (type.kind == Kind::Date)
        stored = value.toDate();
    else if (type.kind == Kind::Double)
        stored = value.toDouble();
    else if (type.kind == Kind::SmallInt || type.kind == Kind::Integer)
        stored = static_cast<qint64>(value.toDouble());
    else if (type.kind == Kind::Text || type.kind == Kind::LongText)
        stored = value.toString();
    else
        stored = value;
    // The positions stay in ascending order: an insert's columns are named in table order.
    const auto at = std::lower_bound(m_set.begin(), m_set.end(), type.index);
    if (at == m_set.end() || *at != type.index)
        m_set.insert(at, type.index);
}

QVariant Table::value(const QString& column) const {
    if (m_state != State::Browse) {
        const int c = columnIndex(column);
        if (c >= 0) {
            if (std::binary_search(m_set.begin(), m_set.end(), c))
                return m_buffer[c];
            if (m_state == State::Insert)
                return {};
        }
    }
    return Dataset::value(column);
}

Statement& Table::insertStatement(const std::vector<int>& columns) {
    std::unique_ptr<Statement>& statement = m_inserts[columns];
    if (!statement) {
        QStringList names;
        QStringList marks;
        for (int c : columns) {
            names << quoted(m_columns.at(c));
            marks << QStringLiteral("?");
        }
        statement = std::make_unique<Statement>(
            connection().database(),
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(quoted(m_table), names.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    }
    return *statement;
}

void Table::post() {
    if (m_state == State::Browse)
        return;
    Database& db = connection().database();
    if (m_state == State::Edit) {
        if (!m_set.empty()) {
            QStringList sets;
            QVariantList values;
            for (int column : m_set) {
                sets << quoted(m_columns.at(column)) + QStringLiteral("=?");
                values << m_buffer[column];
            }
            values << m_rowIds[currentIndex()];
            db.execute(QStringLiteral("UPDATE %1 SET %2 WHERE %3=?")
                           .arg(quoted(m_table), sets.join(QLatin1Char(',')), m_rowKey),
                       values);
            for (int column : m_set)
                m_rows[currentIndex()][column] = m_buffer[column];
            notifyRow(currentIndex());
        }
    } else {
        if (m_set.empty()) {
            db.execute(QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(m_table)));
        } else {
            Statement& insert = insertStatement(m_set);
            insert.reset();
            int parameter = 0;
            for (int column : m_set)
                insert.bind(++parameter, m_buffer[column]);
            insert.run();
        }
        // The row takes the values over; the buffer is left empty for the next row.
        std::vector<QVariant> row(m_columns.size());
        for (int column : m_set)
            row[column] = std::move(m_buffer[column]);
        m_set.clear();
        const qint64 rowId = db.lastInsertId();
        if (m_keyIndex >= 0)
            row[m_keyIndex] = rowId;
        m_rows.push_back(std::move(row));
        m_rowIds.push_back(rowId);
        notifyReset();
        moveTo(recordCount());
    }
    m_state = State::Browse;
    clearBuffer();
}

void Table::cancel() {
    m_state = State::Browse;
    clearBuffer();
}

void Table::remove() {
    if (isEmpty())
        throw DatabaseError(QStringLiteral("Silinecek kayıt yok: %1").arg(m_table));
    cancel();
    const int index = currentIndex();
    connection().database().execute(
        QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(quoted(m_table), m_rowKey), {m_rowIds[index]});
    m_rows.erase(m_rows.begin() + index);
    m_rowIds.erase(m_rowIds.begin() + index);
    notifyReset();
    if (!isEmpty())
        moveTo(std::min(index, recordCount() - 1) + 1);
}

} // namespace velkor
