#include "periods/PeriodStore.h"

#include "periods/PeriodNames.h"
#include "storage/Database.h"
#include "storage/Statement.h"

#include <unordered_map>
#include <unordered_set>

namespace velkor {

namespace {

const QString kPeriodColumns = QStringLiteral(
    "bitis_tarihi, onceki_donem_id, onceki_bitis_tarihi, tasima_katsayisi, durum, turu, turu_nedeni, "
    "beyan_edildi, donem_amortismani, amortisman_kaydi, kapanis_698, basit_ortalama_onceki, "
    "amortismani_biten, fark_258, kapanis_tarihi");

const QString kLineColumns = QStringLiteral(
    "donem_id, sabit_kiymet_id, onceki_kalem_id, anahesapkodu, sbk_kodu, sbk_adi, durum, ara_verilmis, "
    "son_duzeltme_tarihi, stok_yontemi, giris_tarihi, cikis_tarihi, kalan_oran, kalan_tutar, omur, "
    "amortisman_yontem, amortisman_kodu, gider_hesabi, duzeltilmez, aktarim_kaynagi, defter_degeri, "
    "onceki_birikmis, girilen_donem_amortismani, girilen_eski_aylik, onceki_yeni_aylik, sonradan_ayrilan, "
    "katsayi, duzeltilmis_deger, fark, donem_amortismani, donem_amortismani_hesaplanan, birikmis_oncesi, "
    "duzeltilmis_birikmis, birikmis_fark, eski_aylik, yeni_aylik, telafi_ay, telafi, son_ay_amortismani, "
    "donem_sonu_birikmis, aciklama, notlar");

// The words of a choice stored by its position in the enum's list.
template <typename E> QString choiceText(const QStringList& choices, E value) {
    return choices.value(static_cast<int>(value));
}
template <typename E> E choiceFrom(const QStringList& choices, const QString& text, E fallback) {
    const qsizetype index = choices.indexOf(text);
    return index < 0 ? fallback : static_cast<E>(index);
}

// The lists are formed once: every line read or written looks its words up in them.
const QStringList& stateChoices() {
    static const QStringList choices{periodStateName(PeriodState::Open), periodStateName(PeriodState::Closed),
                                     periodStateName(PeriodState::Skipped)};
    return choices;
}

const QStringList& kindChoices() {
    static const QStringList choices{periodKindName(PeriodKind::Legal),
                                     periodKindName(PeriodKind::Informational)};
    return choices;
}

// The status without "(ara verilmiş)", which is stored in a column of its own.
const QStringList& statusChoices() {
    static const QStringList choices = [] {
        QStringList names;
        for (const LineStatus status : {LineStatus::Carried, LineStatus::New, LineStatus::SimpleAverage,
                                        LineStatus::NotComputed, LineStatus::Outside}) {
            PeriodLine line;
            line.status = status;
            names << lineStatusName(line);
        }
        return names;
    }();
    return choices;
}

const QStringList& stockChoices() {
    static const QStringList choices = stockMethodChoices();
    return choices;
}

QVariant optionalValue(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant();
}

std::optional<double> optionalDouble(const Statement& row, int column) {
    if (row.isNull(column))
        return std::nullopt;
    return row.number(column);
}

QVariant dateValue(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

QString placeholders(const QString& columns) {
    QStringList marks;
    for (qsizetype i = 0, n = columns.split(QLatin1Char(',')).size(); i < n; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

QString assignments(const QString& columns) {
    QStringList parts;
    for (const QString& column : columns.split(QLatin1Char(',')))
        parts << column.trimmed() + QStringLiteral("=?");
    return parts.join(QLatin1Char(','));
}

QVariantList periodValues(const Period& p) {
    const PeriodSettings& s = p.settings;
    return {p.end,
            p.previousId,
            dateValue(p.previousEnd),
            optionalValue(p.carryCoefficient),
            choiceText(stateChoices(), p.state),
            choiceText(kindChoices(), p.kind),
            p.kindReason,
            p.declared ? 1 : 0,
            choiceText(depreciationChoices(), s.depreciation),
            choiceText(bookingChoices(), s.booking),
            choiceText(closingChoices(), s.closing),
            choiceText(averageBaseChoices(), s.averageBase),
            yesNoChoices().value(s.adjustFullyDepreciated ? 0 : 1),
            choiceText(investmentChoices(), s.investmentDifference),
            dateValue(p.closedOn)};
}

Period periodFrom(const Statement& row) {
    Period p;
    p.id = row.integer(0);
    p.end = row.date(1);
    p.previousId = row.integer(2);
    p.previousEnd = row.date(3);
    p.carryCoefficient = optionalDouble(row, 4);
    p.state = choiceFrom(stateChoices(), row.text(5), PeriodState::Open);
    p.kind = choiceFrom(kindChoices(), row.text(6), PeriodKind::Legal);
    p.kindReason = row.text(7);
    p.declared = row.integer(8) != 0;
    PeriodSettings& s = p.settings;
    s.depreciation = choiceFrom(depreciationChoices(), row.text(9), s.depreciation);
    s.booking = choiceFrom(bookingChoices(), row.text(10), s.booking);
    s.closing = choiceFrom(closingChoices(), row.text(11), s.closing);
    s.averageBase = choiceFrom(averageBaseChoices(), row.text(12), s.averageBase);
    s.adjustFullyDepreciated = yesNoChoices().indexOf(row.text(13)) != 1;
    s.investmentDifference = choiceFrom(investmentChoices(), row.text(14), s.investmentDifference);
    p.closedOn = row.date(15);
    return p;
}

QVariantList lineValues(qint64 periodId, const PeriodLine& l) {
    return {periodId,
            l.baseItemId,
            l.previousLineId,
            l.account,
            l.subAccount,
            l.name,
            choiceText(statusChoices(), l.status),
            l.interrupted ? 1 : 0,
            dateValue(l.lastAdjustedEnd),
            choiceText(stockChoices(), l.stockMethod),
            dateValue(l.entryDate),
            dateValue(l.disposalDate),
            optionalValue(l.remainingShare),
            optionalValue(l.remainingAmount),
            l.usefulLife,
            l.depreciationMethod,
            l.depreciationAccount,
            l.expenseAccount,
            l.notAdjusted ? 1 : 0,
            l.transferSource,
            l.bookValue,
            l.accumulatedOfQ,
            optionalValue(l.typedPeriodDepreciation),
            optionalValue(l.typedOldMonthly),
            optionalValue(l.previousNewMonthly),
            l.bookedSinceQ,
            l.coefficient,
            l.adjustedValue,
            l.difference,
            l.periodDepreciation,
            l.periodDepreciationComputed ? 1 : 0,
            l.accumulatedBefore,
            l.adjustedAccumulated,
            l.accumulatedDifference,
            l.oldMonthly,
            l.newMonthly,
            l.catchUpMonths,
            l.catchUp,
            l.lastMonthDepreciation,
            l.closingAccumulated,
            l.explanation,
            l.notes.join(QLatin1Char('\n'))};
}

// Read by column index and type: a period's report reads every line of it.
PeriodLine lineFrom(const Statement& row) {
    PeriodLine l;
    int c = 0;
    l.id = row.integer(c++);
    l.periodId = row.integer(c++);
    l.baseItemId = row.integer(c++);
    l.previousLineId = row.integer(c++);
    l.account = row.text(c++);
    l.subAccount = row.text(c++);
    l.name = row.text(c++);
    l.status = choiceFrom(statusChoices(), row.text(c++), LineStatus::Carried);
    l.interrupted = row.integer(c++) != 0;
    l.lastAdjustedEnd = row.date(c++);
    l.stockMethod = choiceFrom(stockChoices(), row.text(c++), PeriodStockMethod::None);
    l.entryDate = row.date(c++);
    l.disposalDate = row.date(c++);
    l.remainingShare = optionalDouble(row, c++);
    l.remainingAmount = optionalDouble(row, c++);
    l.usefulLife = static_cast<int>(row.integer(c++));
    l.depreciationMethod = row.text(c++);
    l.depreciationAccount = row.text(c++);
    l.expenseAccount = row.text(c++);
    l.notAdjusted = row.integer(c++) != 0;
    l.transferSource = row.text(c++);
    l.bookValue = row.number(c++);
    l.accumulatedOfQ = row.number(c++);
    l.typedPeriodDepreciation = optionalDouble(row, c++);
    l.typedOldMonthly = optionalDouble(row, c++);
    l.previousNewMonthly = optionalDouble(row, c++);
    l.bookedSinceQ = row.number(c++);
    l.coefficient = row.number(c++);
    l.adjustedValue = row.number(c++);
    l.difference = row.number(c++);
    l.periodDepreciation = row.number(c++);
    l.periodDepreciationComputed = row.integer(c++) != 0;
    l.accumulatedBefore = row.number(c++);
    l.adjustedAccumulated = row.number(c++);
    l.accumulatedDifference = row.number(c++);
    l.oldMonthly = row.number(c++);
    l.newMonthly = row.number(c++);
    l.catchUpMonths = static_cast<int>(row.integer(c++));
    l.catchUp = row.number(c++);
    l.lastMonthDepreciation = row.number(c++);
    l.closingAccumulated = row.number(c++);
    l.explanation = row.text(c++);
    const QString notes = row.text(c++);
    if (!notes.isEmpty())
        l.notes = notes.split(QLatin1Char('\n'));
    return l;
}

} // namespace

std::vector<Period> readPeriods(Database& db) {
    std::vector<Period> periods;
    if (!db.hasTable(QStringLiteral("donem")))
        return periods;
    Statement rows(db, QStringLiteral("SELECT id, %1 FROM donem ORDER BY bitis_tarihi").arg(kPeriodColumns));
    while (rows.step())
        periods.push_back(periodFrom(rows));
    return periods;
}

std::optional<Period> readPeriod(Database& db, const QDate& end) {
    if (!db.hasTable(QStringLiteral("donem")))
        return std::nullopt;
    Statement rows(db, QStringLiteral("SELECT id, %1 FROM donem WHERE bitis_tarihi = ?").arg(kPeriodColumns));
    rows.bindAll({end});
    if (!rows.step())
        return std::nullopt;
    return periodFrom(rows);
}

qint64 insertPeriod(Database& db, const Period& period) {
    db.execute(QStringLiteral("INSERT INTO donem (%1) VALUES (%2)")
                   .arg(kPeriodColumns, placeholders(kPeriodColumns)),
               periodValues(period));
    return db.lastInsertId();
}

void updatePeriod(Database& db, const Period& period) {
    db.execute(QStringLiteral("UPDATE donem SET %1 WHERE id = ?").arg(assignments(kPeriodColumns)),
               periodValues(period) + QVariantList{period.id});
}

PeriodTotals readTotals(Database& db, qint64 periodId) {
    PeriodTotals totals;
    Statement row(db, QStringLiteral("SELECT g698, l698, g697, l697, telafi_toplami, beyana_esas_fark, "
                                     "beyana_esas_metin, uyarilar FROM donem WHERE id = ?"));
    row.bindAll({periodId});
    if (!row.step())
        return totals;
    totals.g698 = row.number(0);
    totals.l698 = row.number(1);
    totals.g697 = row.number(2);
    totals.l697 = row.number(3);
    totals.catchUps = row.number(4);
    totals.declarationDifference = row.number(5);
    totals.declarationText = row.text(6);
    const QString warnings = row.text(7);
    if (!warnings.isEmpty())
        totals.warnings = warnings.split(QLatin1Char('\n'));
    return totals;
}

void writeTotals(Database& db, qint64 periodId, const PeriodTotals& totals) {
    db.execute(QStringLiteral("UPDATE donem SET g698=?, l698=?, g697=?, l697=?, telafi_toplami=?, "
                              "beyana_esas_fark=?, beyana_esas_metin=?, uyarilar=? WHERE id = ?"),
               {totals.g698, totals.l698, totals.g697, totals.l697, totals.catchUps,
                totals.declarationDifference, totals.declarationText, totals.warnings.join(QLatin1Char('\n')),
                periodId});
}

std::vector<PeriodLine> readLines(Database& db, qint64 periodId) {
    std::vector<PeriodLine> lines;
    if (!db.hasTable(QStringLiteral("donem_kalem")))
        return lines;
    Statement rows(
        db,
        QStringLiteral("SELECT id, %1 FROM donem_kalem WHERE donem_id = ? ORDER BY id").arg(kLineColumns));
    rows.bindAll({periodId});
    while (rows.step())
        lines.push_back(lineFrom(rows));
    return lines;
}

void writeLines(Database& db, qint64 periodId, std::vector<PeriodLine>& lines) {
    // A period is saved after every "Hesapla" and once more when it is closed, and most of
    // its lines come out as they were stored: only the lines that differ are written.
    const std::vector<PeriodLine> storedLines = readLines(db, periodId);
    std::unordered_map<qint64, const PeriodLine*> stored;
    stored.reserve(storedLines.size());
    for (const PeriodLine& line : storedLines)
        stored.emplace(line.id, &line);
    Statement update(db,
                     QStringLiteral("UPDATE donem_kalem SET %1 WHERE id = ?").arg(assignments(kLineColumns)));
    Statement insert(db, QStringLiteral("INSERT INTO donem_kalem (%1) VALUES (%2)")
                             .arg(kLineColumns, placeholders(kLineColumns)));
    std::unordered_set<qint64> kept;
    kept.reserve(lines.size());
    for (PeriodLine& line : lines) {
        line.periodId = periodId;
        const auto found = line.id > 0 ? stored.find(line.id) : stored.end();
        if (found != stored.end()) {
            // A second line of the same id overwrites the first, as it always did.
            if (*found->second == line && !kept.contains(line.id)) {
                kept.insert(line.id);
                continue;
            }
            update.reset();
            update.bindAll(lineValues(periodId, line) + QVariantList{line.id});
            update.run();
        } else {
            insert.reset();
            insert.bindAll(lineValues(periodId, line));
            insert.run();
            line.id = db.lastInsertId();
        }
        kept.insert(line.id);
    }
    Statement remove(db, QStringLiteral("DELETE FROM donem_kalem WHERE id = ?"));
    for (const PeriodLine& line : storedLines) {
        if (kept.contains(line.id))
            continue;
        remove.reset();
        remove.bindAll({line.id});
        remove.run();
    }
}

std::vector<PeriodEntry> readEntries(Database& db, qint64 periodId) {
    std::vector<PeriodEntry> entries;
    if (!db.hasTable(QStringLiteral("donem_kayit")))
        return entries;
    Statement rows(db, QStringLiteral("SELECT borc_hesap, alacak_hesap, tutar, aciklama, turu, kalem_id FROM "
                                      "donem_kayit WHERE donem_id = ? ORDER BY sira, id"));
    rows.bindAll({periodId});
    while (rows.step()) {
        PeriodEntry e;
        e.debitAccount = rows.text(0);
        e.creditAccount = rows.text(1);
        e.amount = rows.number(2);
        e.explanation = rows.text(3);
        e.kind = static_cast<PeriodEntry::Kind>(rows.integer(4));
        e.lineId = rows.integer(5);
        entries.push_back(e);
    }
    return entries;
}

void writeEntries(Database& db, qint64 periodId, const std::vector<PeriodEntry>& entries) {
    Statement insert(
        db, QStringLiteral("INSERT INTO donem_kayit (donem_id, sira, borc_hesap, alacak_hesap, tutar, "
                           "aciklama, turu, kalem_id) VALUES (?,?,?,?,?,?,?,?)"));
    int order = 0;
    for (const PeriodEntry& e : entries) {
        insert.reset();
        insert.bindAll({periodId, ++order, e.debitAccount, e.creditAccount, e.amount, e.explanation,
                        static_cast<int>(e.kind), e.lineId});
        insert.run();
    }
}

void removeEntries(Database& db, qint64 periodId) {
    if (db.hasTable(QStringLiteral("donem_kayit")))
        db.execute(QStringLiteral("DELETE FROM donem_kayit WHERE donem_id = ?"), {periodId});
}

} // namespace velkor
