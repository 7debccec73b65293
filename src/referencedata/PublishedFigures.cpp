#include "referencedata/PublishedFigures.h"

#include "base/NumberFormat.h"
#include "base/ShownError.h"
#include "storage/CsvReader.h"
#include "storage/ReferenceHistory.h"
#include "storage/ReferenceTables.h"
#include "storage/Statement.h"
#include "storage/Transaction.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cmath>
#include <map>
#include <set>

namespace velkor {

namespace {

constexpr int kFirstYear = 2004;
// A move this large from one month to the next is more often a typing error than a figure.
constexpr double kLargeMove = 0.25;
constexpr int kListedChanges = 40;

QString rowError(int line, const QString& text) {
    return QStringLiteral("Satır %1: %2").arg(line).arg(text);
}

bool sameNumber(double a, double b) {
    return std::fabs(a - b) < 0.0000005;
}

QString indexText(double value) {
    return FormatFloat(patterns::kAmount, value);
}

QString depreciationText(const QVariantList& row) {
    QStringList parts;
    for (const QVariant& value : row)
        parts << value.toString();
    return parts.join(QStringLiteral(" | "));
}

int monthNumber(int year, int month) {
    return year * 12 + month - 1;
}

/// The figures of a monthly table as they stand: the index from YI_UFE_Yeni, the rates from Ortalama_Faiz.
std::map<int, double> storedMonths(Database& rates, FigureKind kind) {
    std::map<int, double> months;
    if (kind == FigureKind::Index) {
        Statement select(rates, QStringLiteral("SELECT YilAy, Yi_UFE FROM YI_UFE_Yeni ORDER BY Kimlik"));
        while (select.step()) {
            const QString key = QString::number(select.value(0).toLongLong());
            if (select.value(1).isNull() || key.size() < 5)
                continue;
            const int year = key.left(4).toInt();
            const int month = key.mid(4).toInt();
            if (month >= 1 && month <= 12 && !months.count(monthNumber(year, month)))
                months[monthNumber(year, month)] = select.value(1).toDouble();
        }
    } else {
        Statement select(rates, QStringLiteral("SELECT Yil, %1 FROM Ortalama_Faiz ORDER BY Yil, Kimlik")
                                    .arg(monthColumns().join(QLatin1Char(','))));
        while (select.step()) {
            const int year = select.value(0).toInt();
            for (int month = 1; month <= 12; ++month) {
                if (!select.value(month).isNull() && !months.count(monthNumber(year, month)))
                    months[monthNumber(year, month)] = select.value(month).toDouble();
            }
        }
    }
    return months;
}

std::vector<QStringList> nonEmptyRows(const QString& csvText, std::vector<int>& lines) {
    std::vector<QStringList> rows;
    int line = 0;
    for (const QStringList& row : readCsv(csvText)) {
        ++line;
        if (row.join(QString()).trimmed().isEmpty())
            continue;
        rows.push_back(row);
        lines.push_back(line);
    }
    return rows;
}

void checkMonthly(Database& rates, FigureKind kind, const std::vector<QStringList>& rows,
                  const std::vector<int>& lines, const QDate& today, FigureCheck& check) {
    static const QRegularExpression twoDecimals(QStringLiteral("^\\d+(\\.\\d{1,2})?$"));
    const std::map<int, double> stored = storedMonths(rates, kind);
    std::map<int, double> merged = stored;
    std::map<int, int> seen;
    const int lastMonth = monthNumber(today.year(), today.month());
    for (size_t i = 1; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        const int line = lines[i];
        if (row.size() != 3) {
            check.error = rowError(line, QStringLiteral("üç sütun olmalı (%1).").arg(figureHeader(kind)));
            return;
        }
        bool okYear = false, okMonth = false;
        const int year = row[0].trimmed().toInt(&okYear);
        const int month = row[1].trimmed().toInt(&okMonth);
        if (!okYear || !okMonth || month < 1 || month > 12 || year < kFirstYear ||
            monthNumber(year, month) > lastMonth) {
            check.error = rowError(line, QStringLiteral("yıl ve ay %1-01 ile %2 arasında olmalı: %3,%4")
                                             .arg(kFirstYear)
                                             .arg(monthKeyText(today.year(), today.month()), row[0], row[1]));
            return;
        }
        const QString key = monthKeyText(year, month);
        const int number = monthNumber(year, month);
        if (seen.count(number)) {
            check.error = rowError(
                line, QStringLiteral("%1 dosyada ikinci kez geçiyor (satır %2).").arg(key).arg(seen[number]));
            return;
        }
        seen[number] = line;
        const QString text = row[2].trimmed();
        if (!twoDecimals.match(text).hasMatch()) {
            check.error =
                rowError(line, QStringLiteral("değer en fazla iki ondalık basamaklı bir sayı olmalı, "
                                              "ondalık ayırıcı nokta: %1")
                                   .arg(text));
            return;
        }
        const double value = text.toDouble();
        if (value <= 0) {
            check.error = rowError(line, QStringLiteral("değer sıfırdan büyük olmalı: %1").arg(text));
            return;
        }
        merged[number] = value;
        auto old = stored.find(number);
        if (old != stored.end() && sameNumber(old->second, value))
            continue;
        FigureChange change;
        change.key = key;
        change.year = year;
        change.month = month;
        change.value = value;
        change.newText = indexText(value);
        if (old != stored.end())
            change.oldText = indexText(old->second);
        check.changes.push_back(change);
    }
    if (kind != FigureKind::Index)
        return;
    std::set<int> pairs;
    for (const FigureChange& change : check.changes) {
        const int number = monthNumber(change.year, change.month);
        pairs.insert(number);
        pairs.insert(number + 1);
    }
    for (int later : pairs) {
        auto before = merged.find(later - 1);
        auto after = merged.find(later);
        if (before == merged.end() || after == merged.end() || before->second <= 0)
            continue;
        const double move = after->second / before->second - 1.0;
        if (std::fabs(move) > kLargeMove)
            check.jumps << QStringLiteral("%1: %2 (önceki ay %3; %%4 değişim)")
                               .arg(monthKeyText(later / 12, later % 12 + 1), indexText(after->second),
                                    indexText(before->second), FormatFloat(patterns::kAmount, move * 100));
    }
}

QString depreciationError(const QStringList& row) {
    static const QRegularExpression code(QStringLiteral("^\\d+\\.(\\d+\\.)*$"));
    static const QRegularExpression rate(QStringLiteral("^(0?\\.\\d{1,4}|1(\\.0{1,4})?)$"));
    const QString full = row[kDepreciationCodeColumn].trimmed();
    if (!code.match(full).hasMatch())
        return QStringLiteral("tum_kodu \"1.1.8.1.\" biçiminde olmalı: %1").arg(full);
    const int depth = full.count(QLatin1Char('.'));
    if (depth > 4 || row[depth - 1].trimmed() != full)
        return QStringLiteral("%1 kodu derinliğine göre %2 sütununda da yazılı olmalı.")
            .arg(full, depreciationColumns().value(std::min(depth, 4) - 1));
    if (row[5].trimmed().isEmpty())
        return QStringLiteral("aciklama boş olamaz.");
    const QString life = row[6].trimmed();
    const QString fraction = row[8].trimmed();
    if (life.isEmpty() != fraction.isEmpty())
        return QStringLiteral("omur_yil ile oran birlikte verilmeli ya da ikisi de boş kalmalı.");
    if (!life.isEmpty()) {
        bool ok = false;
        const int years = life.toInt(&ok);
        if (!ok || years <= 0 || years > 100)
            return QStringLiteral("omur_yil 1 ile 100 arasında tam sayı olmalı: %1").arg(life);
        if (!rate.match(fraction).hasMatch() || fraction.toDouble() <= 0)
            return QStringLiteral("oran 0 ile 1 arasında, en fazla dört ondalık basamaklı olmalı "
                                  "(ondalık ayırıcı nokta): %1")
                .arg(fraction);
    }
    const QString communique = row[9].trimmed();
    if (!communique.isEmpty()) {
        bool ok = false;
        if (communique.toInt(&ok) <= 0 || !ok)
            return QStringLiteral("teblig pozitif bir tam sayı olmalı: %1").arg(communique);
    }
    return {};
}

void checkDepreciation(Database& rates, const std::vector<QStringList>& rows, const std::vector<int>& lines,
                       FigureCheck& check) {
    std::map<QString, int> seen;
    Statement find(rates,
                   QStringLiteral("SELECT %1 FROM Amortisman_Oranlari WHERE tum_kodu=? ORDER BY Kimlik "
                                  "LIMIT 1")
                       .arg(depreciationColumns().join(QLatin1Char(','))));
    for (size_t i = 1; i < rows.size(); ++i) {
        const QStringList& row = rows[i];
        const int line = lines[i];
        if (row.size() != depreciationColumns().size()) {
            check.error = rowError(line, QStringLiteral("%1 sütun olmalı (%2).")
                                             .arg(depreciationColumns().size())
                                             .arg(figureHeader(FigureKind::Depreciation)));
            return;
        }
        const QString error = depreciationError(row);
        if (!error.isEmpty()) {
            check.error = rowError(line, error);
            return;
        }
        const QString code = row[kDepreciationCodeColumn].trimmed();
        if (seen.count(code)) {
            check.error = rowError(
                line, QStringLiteral("%1 dosyada ikinci kez geçiyor (satır %2).").arg(code).arg(seen[code]));
            return;
        }
        seen[code] = line;
        QStringList trimmed;
        for (const QString& field : row)
            trimmed << field.trimmed();
        FigureChange change;
        change.key = code;
        change.row = depreciationRowOf(trimmed);
        change.newText = depreciationText(change.row);
        find.reset();
        find.bind(1, code);
        if (find.step()) {
            QVariantList old;
            for (int c = 0; c < depreciationColumns().size(); ++c)
                old << find.value(c);
            if (depreciationText(old) == change.newText)
                continue;
            change.oldText = depreciationText(old);
        }
        check.changes.push_back(change);
    }
}

qint64 yearRow(Database& rates, const QString& table, int year) {
    const QVariant id = rates.scalar(
        QStringLiteral("SELECT Kimlik FROM %1 WHERE Yil=? ORDER BY Kimlik LIMIT 1").arg(table), {year});
    if (!id.isNull())
        return id.toLongLong();
    rates.execute(QStringLiteral("INSERT INTO %1 (Yil) VALUES (?)").arg(table), {year});
    return rates.lastInsertId();
}

void writeMonth(Database& rates, FigureKind kind, const FigureChange& change) {
    const QString column = monthColumns().at(change.month - 1);
    const QString table =
        kind == FigureKind::Index ? QStringLiteral("YI_UFE") : QStringLiteral("Ortalama_Faiz");
    const qint64 id = yearRow(rates, table, change.year);
    rates.execute(QStringLiteral("UPDATE %1 SET %2=? WHERE Kimlik=?").arg(table, column), {change.value, id});
    if (kind == FigureKind::Index) {
        const int key = (QString::number(change.year) + QString::number(change.month)).toInt();
        if (rates.execute(QStringLiteral("UPDATE YI_UFE_Yeni SET Yi_UFE=? WHERE YilAy=?"),
                          {change.value, key}) == 0)
            rates.execute(QStringLiteral("INSERT INTO YI_UFE_Yeni (YilAy, Yi_UFE) VALUES (?, ?)"),
                          {key, change.value});
        return;
    }
    // A year with all twelve rates gets their mean as its yearly figure.
    Statement months(rates, QStringLiteral("SELECT %1 FROM Ortalama_Faiz WHERE Kimlik=?")
                                .arg(monthColumns().join(QLatin1Char(','))));
    months.bind(1, id);
    if (!months.step())
        return;
    double sum = 0;
    for (int m = 0; m < 12; ++m) {
        if (months.value(m).isNull())
            return;
        sum += months.value(m).toDouble();
    }
    rates.execute(QStringLiteral("UPDATE Ortalama_Faiz SET Ortalama=? WHERE Kimlik=?"),
                  {std::round(sum / 12.0 * 100.0) / 100.0, id});
}

void writeDepreciation(Database& rates, const FigureChange& change) {
    QStringList assignments;
    for (const QString& column : depreciationColumns())
        assignments << column + QStringLiteral("=?");
    QVariantList values = change.row;
    if (!change.oldText.isEmpty()) {
        values << change.key;
        rates.execute(QStringLiteral("UPDATE Amortisman_Oranlari SET %1 WHERE tum_kodu=?")
                          .arg(assignments.join(QLatin1Char(','))),
                      values);
        return;
    }
    QStringList marks;
    for (int i = 0; i < depreciationColumns().size(); ++i)
        marks << QStringLiteral("?");
    rates.execute(QStringLiteral("INSERT INTO Amortisman_Oranlari (%1) VALUES (%2)")
                      .arg(depreciationColumns().join(QLatin1Char(',')), marks.join(QLatin1Char(','))),
                  values);
}

QString historyTable(FigureKind kind) {
    switch (kind) {
    case FigureKind::Index:
        return referencetable::kIndex;
    case FigureKind::Interest:
        return referencetable::kInterest;
    case FigureKind::Depreciation:
        break;
    }
    return referencetable::kDepreciation;
}

QString changeList(const std::vector<FigureChange>& changes) {
    QStringList lines;
    for (const FigureChange& change : changes) {
        if (lines.size() == kListedChanges) {
            lines << QStringLiteral("… ve %1 satır daha").arg(changes.size() - kListedChanges);
            break;
        }
        lines << (change.oldText.isEmpty()
                      ? QStringLiteral("%1 eklenecek: %2").arg(change.key, change.newText)
                      : QStringLiteral("%1 düzeltilecek: %2 → %3")
                            .arg(change.key, change.oldText, change.newText));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::optional<FigureKind> figureKindOf(const QString& word) {
    if (word == QLatin1String("yi-ufe"))
        return FigureKind::Index;
    if (word == QLatin1String("faiz"))
        return FigureKind::Interest;
    if (word == QLatin1String("amortisman"))
        return FigureKind::Depreciation;
    return std::nullopt;
}

QString figureKindCaption(FigureKind kind) {
    switch (kind) {
    case FigureKind::Index:
        return QStringLiteral("Yİ-ÜFE");
    case FigureKind::Interest:
        return QStringLiteral("Ortalama Faiz");
    case FigureKind::Depreciation:
        break;
    }
    return QStringLiteral("Amortisman Oranları");
}

QString figureHeader(FigureKind kind) {
    switch (kind) {
    case FigureKind::Index:
        return QStringLiteral("year,month,value");
    case FigureKind::Interest:
        return QStringLiteral("year,month,rate");
    case FigureKind::Depreciation:
        break;
    }
    return depreciationColumns().join(QLatin1Char(','));
}

FigureCheck checkFigures(Database& rates, FigureKind kind, const QString& csvText, const QDate& today) {
    FigureCheck check;
    std::vector<int> lines;
    const std::vector<QStringList> rows = nonEmptyRows(csvText, lines);
    QStringList header;
    if (!rows.empty())
        for (const QString& field : rows.front())
            header << field.trimmed().toLower();
    if (header.join(QLatin1Char(',')) != figureHeader(kind)) {
        check.error = rowError(lines.empty() ? 1 : lines.front(),
                               QStringLiteral("başlık satırı \"%1\" olmalı.").arg(figureHeader(kind)));
        return check;
    }
    if (rows.size() < 2) {
        check.error = QStringLiteral("Dosyada başlıktan başka satır yok.");
        return check;
    }
    if (kind == FigureKind::Depreciation)
        checkDepreciation(rates, rows, lines, check);
    else
        checkMonthly(rates, kind, rows, lines, today, check);
    if (!check.error.isEmpty())
        check.changes.clear();
    return check;
}

int addPublishedFigures(Database& rates, FigureKind kind, const QString& csvText, const QString& source,
                        Prompt& prompt) {
    const FigureCheck check = checkFigures(rates, kind, csvText);
    const QString caption = figureKindCaption(kind);
    if (!check.error.isEmpty()) {
        prompt.showMessage(
            QStringLiteral("%1 verileri eklenmedi, hiçbir satır yazılmadı.\n%2").arg(caption, check.error),
            {}, PromptIcon::Warning);
        return 0;
    }
    if (check.changes.empty()) {
        prompt.showMessage(
            QStringLiteral("%1 tablosu bu değerlerin hepsini zaten içeriyor; değişiklik yok.").arg(caption),
            {}, PromptIcon::Information);
        return 0;
    }
    if (!check.jumps.isEmpty() &&
        prompt.ask(QStringLiteral("Şu aylarda endeks bir önceki aya göre %%1'ten fazla değişiyor:\n%2\n"
                                  "Değerler doğru mu?")
                       .arg(static_cast<int>(kLargeMove * 100))
                       .arg(check.jumps.join(QLatin1Char('\n'))),
                   kApplicationTitle, PromptIcon::Warning,
                   PromptButton::Yes | PromptButton::No) != PromptButton::Yes)
        return 0;
    int corrections = 0;
    for (const FigureChange& change : check.changes)
        corrections += change.oldText.isEmpty() ? 0 : 1;
    QString question = QStringLiteral("%1 tablosuna %2 satır eklenecek, %3 satır düzeltilecek:\n%4")
                           .arg(caption)
                           .arg(check.changes.size() - corrections)
                           .arg(corrections)
                           .arg(changeList(check.changes));
    if (corrections > 0)
        question += QStringLiteral("\nDüzeltilen satırlar programla gelen değerlerin yerine geçer.");
    question += QStringLiteral("\nOnaylıyor musunuz?");
    if (prompt.ask(question, kApplicationTitle, PromptIcon::Question, PromptButton::Yes | PromptButton::No) !=
        PromptButton::Yes)
        return 0;

    const QString origin =
        source.trimmed().isEmpty() ? QStringLiteral("Kaynak belirtilmedi") : source.trimmed();
    const QDateTime now = QDateTime::currentDateTime();
    Transaction transaction(rates);
    ensureReferenceHistoryTables(rates);
    for (const FigureChange& change : check.changes) {
        if (kind == FigureKind::Depreciation)
            writeDepreciation(rates, change);
        else
            writeMonth(rates, kind, change);
        recordReferenceChange(rates,
                              {now, historyTable(kind), change.key, change.oldText, change.newText, origin});
    }
    transaction.commit();
    prompt.showMessage(
        QStringLiteral("%1 tablosuna %2 satır yazıldı.").arg(caption).arg(check.changes.size()), {},
        PromptIcon::Information);
    return static_cast<int>(check.changes.size());
}

QString readFiguresFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("xlsx") || suffix == QLatin1String("xls") || suffix == QLatin1String("ods"))
        throw ShownError(
            QStringLiteral("Çalışma kitabı okunamıyor: %1\nTabloyu aynı sütunlarla CSV olarak kaydedip "
                           "o dosyayı seçin.")
                .arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ShownError(QStringLiteral("Dosya okunamadı: %1").arg(path));
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    return QString::fromUtf8(bytes);
}

QString figuresCsv(Database& rates, FigureKind kind, std::optional<int> year) {
    QStringList lines{figureHeader(kind)};
    if (kind == FigureKind::Depreciation) {
        Statement select(rates, QStringLiteral("SELECT %1 FROM Amortisman_Oranlari ORDER BY Kimlik")
                                    .arg(depreciationColumns().join(QLatin1Char(','))));
        while (select.step()) {
            QStringList fields;
            for (int c = 0; c < depreciationColumns().size(); ++c) {
                QString field = select.value(c).toString();
                if (c == 8 && !select.value(c).isNull())
                    field = QString::number(select.value(c).toDouble(), 'f', 4);
                if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')))
                    field = QLatin1Char('"') + field.replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                            QLatin1Char('"');
                fields << field;
            }
            lines << fields.join(QLatin1Char(','));
        }
    } else {
        for (const auto& [number, value] : storedMonths(rates, kind)) {
            const int y = number / 12;
            if (year && *year != y)
                continue;
            lines
                << QStringLiteral("%1,%2,%3").arg(y).arg(number % 12 + 1).arg(QString::number(value, 'f', 2));
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace velkor
