#include "periods/PeriodStore.h"

#include "periods/PeriodNames.h"
#include "storage/Database.h"
#include "storage/Statement.h"

#include <QSet>

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
template <typename E> E choiceFrom(const QStringList& choices, const QVariant& text, E fallback) {
    const qsizetype index = choices.indexOf(text.toString());
    return index < 0 ? fallback : static_cast<E>(index);
}

QStringList stateChoices() {
    return {periodStateName(PeriodState::Open), periodStateName(PeriodState::Closed),
            periodStateName(PeriodState::Skipped)};
}

QStringList kindChoices() {
    return {periodKindName(PeriodKind::Legal), periodKindName(PeriodKind::Informational)};
}

// The status without "(ara verilmiş)", which is stored in a column of its own.
QStringList statusChoices() {
    QStringList names;
    for (const LineStatus status : {LineStatus::Carried, LineStatus::New, LineStatus::SimpleAverage,
                                    LineStatus::NotComputed, LineStatus::Outside}) {
        PeriodLine line;
        line.status = status;
        names << lineStatusName(line);
    }
    return names;
}

QVariant optionalValue(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant();
}

std::optional<double> optionalDouble(const QVariant& value) {
    if (value.isNull())
        return std::nullopt;
    return value.toDouble();
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
    p.id = row.value(0).toLongLong();
    p.end = row.value(1).toDate();
    p.previousId = row.value(2).toLongLong();
    p.previousEnd = row.value(3).toDate();
    p.carryCoefficient = optionalDouble(row.value(4));
    p.state = choiceFrom(stateChoices(), row.value(5), PeriodState::Open);
    p.kind = choiceFrom(kindChoices(), row.value(6), PeriodKind::Legal);
    p.kindReason = row.value(7).toString();
    p.declared = row.value(8).toInt() != 0;
    PeriodSettings& s = p.settings;
    s.depreciation = choiceFrom(depreciationChoices(), row.value(9), s.depreciation);
    s.booking = choiceFrom(bookingChoices(), row.value(10), s.booking);
    s.closing = choiceFrom(closingChoices(), row.value(11), s.closing);
    s.averageBase = choiceFrom(averageBaseChoices(), row.value(12), s.averageBase);
    s.adjustFullyDepreciated = yesNoChoices().indexOf(row.value(13).toString()) != 1;
    s.investmentDifference = choiceFrom(investmentChoices(), row.value(14), s.investmentDifference);
    p.closedOn = row.value(15).toDate();
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
            choiceText(stockMethodChoices(), l.stockMethod),
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

PeriodLine lineFrom(const Statement& row) {
    PeriodLine l;
    int c = 0;
    l.id = row.value(c++).toLongLong();
    l.periodId = row.value(c++).toLongLong();
    l.baseItemId = row.value(c++).toLongLong();
    l.previousLineId = row.value(c++).toLongLong();
    l.account = row.value(c++).toString();
    l.subAccount = row.value(c++).toString();
    l.name = row.value(c++).toString();
    l.status = choiceFrom(statusChoices(), row.value(c++), LineStatus::Carried);
    l.interrupted = row.value(c++).toInt() != 0;
    l.lastAdjustedEnd = row.value(c++).toDate();
    l.stockMethod = choiceFrom(stockMethodChoices(), row.value(c++), PeriodStockMethod::None);
    l.entryDate = row.value(c++).toDate();
    l.disposalDate = row.value(c++).toDate();
    l.remainingShare = optionalDouble(row.value(c++));
    l.remainingAmount = optionalDouble(row.value(c++));
    l.usefulLife = row.value(c++).toInt();
    l.depreciationMethod = row.value(c++).toString();
    l.depreciationAccount = row.value(c++).toString();
    l.expenseAccount = row.value(c++).toString();
    l.notAdjusted = row.value(c++).toInt() != 0;
    l.transferSource = row.value(c++).toString();
    l.bookValue = row.value(c++).toDouble();
    l.accumulatedOfQ = row.value(c++).toDouble();
    l.typedPeriodDepreciation = optionalDouble(row.value(c++));
    l.typedOldMonthly = optionalDouble(row.value(c++));
    l.previousNewMonthly = optionalDouble(row.value(c++));
    l.bookedSinceQ = row.value(c++).toDouble();
    l.coefficient = row.value(c++).toDouble();
    l.adjustedValue = row.value(c++).toDouble();
    l.difference = row.value(c++).toDouble();
    l.periodDepreciation = row.value(c++).toDouble();
    l.periodDepreciationComputed = row.value(c++).toInt() != 0;
    l.accumulatedBefore = row.value(c++).toDouble();
    l.adjustedAccumulated = row.value(c++).toDouble();
    l.accumulatedDifference = row.value(c++).toDouble();
    l.oldMonthly = row.value(c++).toDouble();
    l.newMonthly = row.value(c++).toDouble();
    l.catchUpMonths = row.value(c++).toInt();
    l.catchUp = row.value(c++).toDouble();
    l.lastMonthDepreciation = row.value(c++).toDouble();
    l.closingAccumulated = row.value(c++).toDouble();
    l.explanation = row.value(c++).toString();
    const QString notes = row.value(c++).toString();
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
    totals.g698 = row.value(0).toDouble();
    totals.l698 = row.value(1).toDouble();
    totals.g697 = row.value(2).toDouble();
    totals.l697 = row.value(3).toDouble();
    totals.catchUps = row.value(4).toDouble();
    totals.declarationDifference = row.value(5).toDouble();
    totals.declarationText = row.value(6).toString();
    const QString warnings = row.value(7).toString();
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
    QSet<qint64> stored;
    {
        Statement ids(db, QStringLiteral("SELECT id FROM donem_kalem WHERE donem_id = ?"));
        ids.bindAll({periodId});
        while (ids.step())
            stored.insert(ids.value(0).toLongLong());
    }
    Statement update(db,
                     QStringLiteral("UPDATE donem_kalem SET %1 WHERE id = ?").arg(assignments(kLineColumns)));
    Statement insert(db, QStringLiteral("INSERT INTO donem_kalem (%1) VALUES (%2)")
                             .arg(kLineColumns, placeholders(kLineColumns)));
    QSet<qint64> kept;
    for (PeriodLine& line : lines) {
        line.periodId = periodId;
        if (line.id > 0 && stored.contains(line.id)) {
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
    for (const qint64 id : stored) {
        if (kept.contains(id))
            continue;
        remove.reset();
        remove.bindAll({id});
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
        e.debitAccount = rows.value(0).toString();
        e.creditAccount = rows.value(1).toString();
        e.amount = rows.value(2).toDouble();
        e.explanation = rows.value(3).toString();
        e.kind = static_cast<PeriodEntry::Kind>(rows.value(4).toInt());
        e.lineId = rows.value(5).toLongLong();
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
