#include "storage/ReferenceData.h"

#include "storage/CsvReader.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QFile>
#include <map>

static void initReferenceResources() {
    Q_INIT_RESOURCE(referencedata);
}

namespace velkor {

namespace {

const QStringList kIndexMonths = {"Ocak",   "Subat",   "Mart",  "Nisan", "Mayis", "Haziran",
                                  "Temmuz", "Agustos", "Eylul", "Ekim",  "Kasim", "Aralik"};

std::vector<QStringList> shippedTable(const QString& name) {
    initReferenceResources();
    QFile file(QStringLiteral(":/data/") + name);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(QStringLiteral("Başvuru verisi bulunamadı: %1").arg(name));
    std::vector<QStringList> rows = readCsv(QString::fromUtf8(file.readAll()));
    if (!rows.empty())
        rows.erase(rows.begin());
    return rows;
}

QVariant numberOrNull(const QString& text) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? QVariant(v) : QVariant();
}

QVariant integerOrNull(const QString& text) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    return ok ? QVariant(v) : QVariant();
}

QVariant textOrNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

/// Monthly values by year and month, in the order read.
using MonthlyTable = std::map<int, std::map<int, double>>;

MonthlyTable monthly(const QString& name) {
    MonthlyTable table;
    for (const QStringList& row : shippedTable(name)) {
        if (row.size() >= 3)
            table[row[0].toInt()][row[1].toInt()] = row[2].toDouble();
    }
    return table;
}

void insertYearRows(Database& db, const QString& table, const QStringList& monthColumns,
                    const MonthlyTable& data, const std::map<int, double>& extra = {},
                    const QString& extraColumn = {}) {
    QStringList columns = QStringList{QStringLiteral("Yil")} + monthColumns;
    if (!extraColumn.isEmpty())
        columns << extraColumn;
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    Statement insert(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                             .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
    for (const auto& [year, months] : data) {
        QVariantList values{year};
        for (int m = 1; m <= 12; ++m) {
            auto it = months.find(m);
            values << (it == months.end() ? QVariant() : QVariant(it->second));
        }
        if (!extraColumn.isEmpty()) {
            auto it = extra.find(year);
            values << (it == extra.end() ? QVariant() : QVariant(it->second));
        }
        insert.reset();
        insert.bindAll(values);
        insert.run();
    }
}

} // namespace

void fillReferenceData(Database& rates) {
    Transaction transaction(rates);

    const MonthlyTable index = monthly(QStringLiteral("yi_ufe.csv"));
    insertYearRows(rates, QStringLiteral("YI_UFE"), kIndexMonths, index);
    {
        Statement insert(rates, QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (?, ?)"));
        for (const auto& [year, months] : index) {
            for (const auto& [month, value] : months) {
                insert.reset();
                insert.bindAll({(QString::number(year) + QString::number(month)).toInt(), value});
                insert.run();
            }
        }
    }

    QStringList tefeMonths;
    for (int m = 1; m <= 12; ++m)
        tefeMonths << QStringLiteral("ay%1").arg(m);
    insertYearRows(rates, QStringLiteral("TEFE"), tefeMonths, monthly(QStringLiteral("tefe.csv")));

    std::map<int, double> yearly;
    for (const QStringList& row : shippedTable(QStringLiteral("ortalama_faiz_yearly.csv"))) {
        if (row.size() >= 2)
            yearly[row[0].toInt()] = row[1].toDouble();
    }
    insertYearRows(rates, QStringLiteral("Ortalama_Faiz"), kIndexMonths,
                   monthly(QStringLiteral("ortalama_faiz.csv")), yearly, QStringLiteral("Ortalama"));

    Statement insert(rates, QStringLiteral("INSERT INTO Amortisman_Oranlari (ana_kodu, alt1_kodu, alt2_kodu, "
                                           "alt3_kodu, tum_kodu, aciklama, omur_yil, ilave_bilgi_notu, oran, "
                                           "teblig) VALUES (?,?,?,?,?,?,?,?,?,?)"));
    for (const QStringList& row : shippedTable(QStringLiteral("amortisman_oranlari.csv"))) {
        if (row.size() < 10)
            continue;
        insert.reset();
        insert.bindAll({textOrNull(row[0]), textOrNull(row[1]), textOrNull(row[2]), textOrNull(row[3]),
                        textOrNull(row[4]), textOrNull(row[5]), integerOrNull(row[6]), textOrNull(row[7]),
                        numberOrNull(row[8]), integerOrNull(row[9])});
        insert.run();
    }
    transaction.commit();
}

void DuzeltmeVeritabanAktar(Database& rates) {
    Transaction transaction(rates);
    Statement years(
        rates, QStringLiteral("SELECT Yil, %1 FROM YI_UFE ORDER BY Yil ASC").arg(kIndexMonths.join(',')));
    Statement find(rates,
                   QStringLiteral("SELECT Kimlik FROM YI_UFE_Yeni WHERE YilAy=? ORDER BY Kimlik LIMIT 1"));
    Statement update(rates, QStringLiteral("UPDATE YI_UFE_Yeni SET YilAy=?, Yi_UFE=? WHERE Kimlik=?"));
    Statement insert(rates, QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (?, ?)"));
    while (years.step()) {
        const QString year = QString::number(years.value(0).toLongLong());
        for (int month = 1; month <= 12; ++month) {
            const int key = (year + QString::number(month)).toInt();
            const double value = years.value(month).isNull() ? 0.0 : years.value(month).toDouble();
            find.reset();
            find.bind(1, key);
            if (find.step()) {
                const QVariant id = find.value(0);
                update.reset();
                update.bindAll({key, value, id});
                update.run();
            } else {
                insert.reset();
                insert.bindAll({key, value});
                insert.run();
            }
        }
    }
    transaction.commit();
}

} // namespace velkor
