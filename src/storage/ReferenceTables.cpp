#include "storage/ReferenceTables.h"

#include "storage/CsvReader.h"
#include "storage/DatabaseError.h"
#include "storage/ProgramLayout.h"
#include "storage/Statement.h"

#include <QFile>
#include <cmath>

static void initReferenceResources() {
    Q_INIT_RESOURCE(referencedata);
}

namespace velkor {

namespace {

std::vector<QStringList> shippedRows(const QString& name) {
    initReferenceResources();
    // An installed program reads the tables its package put beside it.
    const QString installed = shippedFile(QStringLiteral("data/") + name);
    QFile file(installed.isEmpty() ? QStringLiteral(":/data/") + name : installed);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Başvuru verisi bulunamadı: %1").arg(name));
    std::vector<QStringList> rows = readCsv(QString::fromUtf8(file.readAll()));
    if (!rows.empty())
        rows.erase(rows.begin());
    return rows;
}

MonthlyValues shippedMonthly(const QString& name) {
    MonthlyValues values;
    for (const QStringList& row : shippedRows(name)) {
        if (row.size() >= 3)
            values[row[0].trimmed().toInt()][row[1].trimmed().toInt()] = row[2].trimmed().toDouble();
    }
    return values;
}

QVariant nullable(const QString& text, QMetaType::Type type) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    if (type == QMetaType::Int) {
        const int v = t.toInt(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    if (type == QMetaType::Double) {
        const double v = t.toDouble(&ok);
        return ok ? QVariant(v) : QVariant();
    }
    return QVariant(text);
}

Statement insertStatement(Database& db, const QString& table, const QStringList& columns) {
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return Statement(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
}

void insertYearRows(Database& db, const QString& table, const QStringList& months, const MonthlyValues& data,
                    const std::map<int, double>* yearly = nullptr) {
    QStringList columns = QStringList{QStringLiteral("Yil")} + months;
    if (yearly)
        columns << QStringLiteral("Ortalama");
    Statement insert = insertStatement(db, table, columns);
    for (const auto& [year, values] : data) {
        QVariantList row{year};
        for (int m = 1; m <= 12; ++m) {
            auto it = values.find(m);
            row << (it == values.end() ? QVariant() : QVariant(it->second));
        }
        if (yearly) {
            auto it = yearly->find(year);
            if (it != yearly->end()) {
                row << it->second;
            } else if (values.size() == 12) {
                double sum = 0;
                for (const auto& [month, value] : values)
                    sum += value;
                row << std::round(sum / 12.0 * 100.0) / 100.0;
            } else {
                row << QVariant();
            }
        }
        insert.reset();
        insert.bindAll(row);
        insert.run();
    }
}

} // namespace

const QStringList& monthColumns() {
    static const QStringList columns{"Ocak",   "Subat",   "Mart",  "Nisan", "Mayis", "Haziran",
                                     "Temmuz", "Agustos", "Eylul", "Ekim",  "Kasim", "Aralik"};
    return columns;
}

const QStringList& depreciationColumns() {
    static const QStringList columns{"ana_kodu", "alt1_kodu", "alt2_kodu",        "alt3_kodu", "tum_kodu",
                                     "aciklama", "omur_yil",  "ilave_bilgi_notu", "oran",      "teblig"};
    return columns;
}

QVariantList depreciationRowOf(const QStringList& fields) {
    static const QMetaType::Type types[] = {
        QMetaType::QString, QMetaType::QString, QMetaType::QString, QMetaType::QString, QMetaType::QString,
        QMetaType::QString, QMetaType::Int,     QMetaType::QString, QMetaType::Double,  QMetaType::Int};
    QVariantList row;
    for (int i = 0; i < 10; ++i)
        row << nullable(fields.value(i), types[i]);
    return row;
}

ReferenceTables shippedReferenceTables() {
    ReferenceTables tables;
    tables.index = shippedMonthly(QStringLiteral("yi_ufe.csv"));
    tables.tefe = shippedMonthly(QStringLiteral("tefe.csv"));
    tables.interest = shippedMonthly(QStringLiteral("ortalama_faiz.csv"));
    for (const QStringList& row : shippedRows(QStringLiteral("ortalama_faiz_yearly.csv"))) {
        if (row.size() >= 2)
            tables.interestYearly[row[0].trimmed().toInt()] = row[1].trimmed().toDouble();
    }
    for (const QStringList& row : shippedRows(QStringLiteral("amortisman_oranlari.csv"))) {
        if (row.size() >= 10)
            tables.depreciation.push_back(depreciationRowOf(row));
    }
    return tables;
}

void writeReferenceTables(Database& rates, const ReferenceTables& tables) {
    for (const char* table : {"YI_UFE", "YI_UFE_Yeni", "TEFE", "Ortalama_Faiz", "Amortisman_Oranlari"})
        rates.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table));

    insertYearRows(rates, QStringLiteral("YI_UFE"), monthColumns(), tables.index);
    Statement monthly(rates, QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (?, ?)"));
    for (const auto& [year, months] : tables.index) {
        for (const auto& [month, value] : months) {
            monthly.reset();
            monthly.bindAll({(QString::number(year) + QString::number(month)).toInt(), value});
            monthly.run();
        }
    }
    QStringList tefeMonths;
    for (int m = 1; m <= 12; ++m)
        tefeMonths << QStringLiteral("ay%1").arg(m);
    insertYearRows(rates, QStringLiteral("TEFE"), tefeMonths, tables.tefe);
    insertYearRows(rates, QStringLiteral("Ortalama_Faiz"), monthColumns(), tables.interest,
                   &tables.interestYearly);

    Statement depreciation =
        insertStatement(rates, QStringLiteral("Amortisman_Oranlari"), depreciationColumns());
    for (const QVariantList& row : tables.depreciation) {
        depreciation.reset();
        depreciation.bindAll(row);
        depreciation.run();
    }
}

} // namespace velkor
