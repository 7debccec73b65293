#include "periods/PeriodReport.h"

#include "base/NumberFormat.h"
#include "base/TextHelpers.h"
#include "engine/ExplanationText.h"
#include "engine/MonthKey.h"
#include "engine/Rounding.h"
#include "periods/PeriodNames.h"
#include "spreadsheet/WorkbookWriter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace velkor {

namespace {

QString coefficient(double value) {
    return FormatFloat(patterns::kCoefficient, value);
}

QString monthText(const QDate& date) {
    return date.isValid()
               ? QStringLiteral("%1.%2").arg(date.month(), 2, 10, QLatin1Char('0')).arg(date.year())
               : QString();
}

// The account that holds a line's accumulated depreciation: its own when set, else 257
// for tangible and 268 for intangible fixed assets.
QString accumulatedAccountOf(const PeriodLine& line) {
    if (!line.depreciationAccount.isEmpty())
        return line.depreciationAccount.left(3);
    return line.account.left(3) >= QLatin1String("260") ? QStringLiteral("268") : QStringLiteral("257");
}

bool isDepreciated(const PeriodLine& line) {
    return line.usefulLife > 0 || line.accumulatedOfQ != 0 || line.adjustedAccumulated != 0;
}

// Lines left out of the totals: not computed, or left outside the period.
bool countsInTotals(const PeriodLine& line) {
    return line.status != LineStatus::NotComputed && line.status != LineStatus::Outside;
}

QString entryAccountsText(const PeriodEntry& entry) {
    return QStringLiteral("%1 / %2").arg(entry.debitAccount, entry.creditAccount);
}

} // namespace

QStringList periodLineHeaders() {
    return {QStringLiteral("Hesap"),
            QStringLiteral("Alt Hesap"),
            QStringLiteral("Adı"),
            QStringLiteral("Durum"),
            QStringLiteral("Düzeltme Öncesi"),
            QStringLiteral("Katsayı"),
            QStringLiteral("Düzeltilmiş"),
            QStringLiteral("Fark"),
            QStringLiteral("Dönem Amortismanı"),
            QStringLiteral("Birikmiş Amortisman"),
            QStringLiteral("Düzeltilmiş Birikmiş Amort."),
            QStringLiteral("Birikmiş Amort. Farkı"),
            QStringLiteral("Eski Aylık"),
            QStringLiteral("Yeni Aylık"),
            QStringLiteral("Amortisman Farkı")};
}

QStringList periodLineCells(const PeriodLine& line) {
    const bool computed = line.status != LineStatus::NotComputed && line.status != LineStatus::Outside;
    auto number = [computed](double value) { return computed ? amountText(value) : QString(); };
    return {line.account,
            line.subAccount,
            line.name,
            lineStatusName(line),
            amountText(line.bookValue),
            computed ? coefficient(line.coefficient) : QString(),
            number(line.adjustedValue),
            number(line.difference),
            number(line.periodDepreciation),
            number(line.accumulatedBefore),
            number(line.adjustedAccumulated),
            number(line.accumulatedDifference),
            number(line.oldMonthly),
            number(line.newMonthly),
            number(line.catchUp)};
}

PeriodTable periodReport(const PeriodView& view, const std::vector<PeriodEntry>& entries) {
    PeriodTable table;
    table.title = QStringLiteral("Dönem Raporu %1").arg(FormatDate(view.period.end));
    table.headers = periodLineHeaders();
    table.numberColumns = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    struct Sums {
        double book = 0, adjusted = 0, difference = 0, before = 0, adjustedAd = 0, adDifference = 0,
               catchUp = 0;
    };
    std::map<QString, Sums> perAccount;
    // The report lists the lines by account and sub-account, as the journal does.
    std::vector<const PeriodLine*> ordered;
    for (const PeriodLine& line : view.lines)
        ordered.push_back(&line);
    std::stable_sort(ordered.begin(), ordered.end(), [](const PeriodLine* a, const PeriodLine* b) {
        return std::tie(a->account, a->subAccount) < std::tie(b->account, b->subAccount);
    });
    for (const PeriodLine* entry : ordered) {
        const PeriodLine& line = *entry;
        table.rows.push_back(periodLineCells(line));
        if (!countsInTotals(line))
            continue;
        Sums& sums = perAccount[line.account.left(3)];
        sums.book += line.bookValue;
        sums.adjusted += line.adjustedValue;
        sums.difference += line.difference;
        sums.before += line.accumulatedBefore;
        sums.adjustedAd += line.adjustedAccumulated;
        sums.adDifference += line.accumulatedDifference;
        sums.catchUp += line.catchUp;
    }
    QStringList& footer = table.footer;
    if (view.period.kind == PeriodKind::Informational)
        footer << kInformationalHeading;
    for (const auto& [account, sums] : perAccount) {
        footer << QStringList{QStringLiteral("TOPLAM %1").arg(account),
                              amountText(sums.book),
                              amountText(sums.adjusted),
                              amountText(sums.difference),
                              amountText(sums.before),
                              amountText(sums.adjustedAd),
                              amountText(sums.adDifference),
                              amountText(sums.catchUp)}
                      .join(QLatin1Char('\t'));
    }
    const PeriodTotals& totals = view.totals;
    footer << QStringLiteral("G698\t") + amountText(totals.g698)
           << QStringLiteral("L698\t") + amountText(totals.l698);
    if (totals.g697 != 0 || totals.l697 != 0)
        footer << QStringLiteral("G697\t") + amountText(totals.g697)
               << QStringLiteral("L697\t") + amountText(totals.l697);
    for (const PeriodEntry& entry : entries) {
        if (entry.kind == PeriodEntry::Kind::Closing697 || entry.kind == PeriodEntry::Kind::Closing698)
            footer << QStringLiteral("Kapanış\t%1\t%2\t%3")
                          .arg(entryAccountsText(entry), amountText(entry.amount), entry.explanation);
    }
    footer << QStringLiteral("Beyana esas fark\t") + amountText(totals.declarationDifference);
    if (!totals.declarationText.isEmpty())
        footer << totals.declarationText;
    footer << totals.warnings;
    for (const PeriodLine& line : view.lines)
        for (const QString& note : line.notes)
            footer << QStringLiteral("%1.%2 %3: %4").arg(line.account, line.subAccount, line.name, note);
    if (!view.leftOut.empty()) {
        footer << QStringLiteral("Devredilmeyen 31.12.2023 kayıtları");
        for (const LeftOutRow& row : view.leftOut)
            footer << QStringList{row.account, row.subAccount, row.name, row.reason}.join(QLatin1Char('\t'));
    }
    return table;
}

PeriodTable balanceSummary(const PeriodView& view) {
    PeriodTable table;
    table.title = QStringLiteral("Düzeltilmiş Bilanço Özeti %1").arg(FormatDate(view.period.end));
    table.headers = {QStringLiteral("Ana Hesap"), QStringLiteral("Düzeltme Öncesi"), QStringLiteral("Fark"),
                     QStringLiteral("Düzeltilmiş"), QStringLiteral("Dönem Sonu Bakiye")};
    table.numberColumns = {1, 2, 3, 4};
    struct Sums {
        double before = 0, difference = 0, after = 0, closing = 0;
        bool accumulated = false;
    };
    std::map<QString, Sums> perAccount;
    for (const PeriodLine& line : view.lines) {
        if (!countsInTotals(line))
            continue;
        Sums& item = perAccount[line.account.left(3)];
        item.before += line.bookValue;
        item.difference += line.difference;
        item.after += line.adjustedValue;
        if (!isDepreciated(line))
            continue;
        Sums& ad = perAccount[accumulatedAccountOf(line)];
        ad.accumulated = true;
        ad.before += line.accumulatedBefore;
        ad.difference += line.accumulatedDifference;
        ad.after += line.adjustedAccumulated;
        // The balance at the period's end also holds what was booked in the period outside
        // the adjusted figure: the last month on the adjusted value and, under "Düzeltilmiş
        // değerden yeniden", the year's months at the old figure and the catch-up.
        ad.closing += line.closingAccumulated;
    }
    for (const auto& [account, sums] : perAccount)
        table.rows.push_back({account, amountText(sums.before), amountText(sums.difference),
                              amountText(sums.after),
                              sums.accumulated ? amountText(sums.closing) : QString()});
    if (view.period.kind == PeriodKind::Informational)
        table.footer << kInformationalHeading;
    return table;
}

PeriodTable coefficientTable(const Period& period, const IndexValues& index) {
    PeriodTable table;
    table.title = QStringLiteral("Katsayı Tablosu %1").arg(FormatDate(period.end));
    table.headers = {QStringLiteral("Ay"), QStringLiteral("Yİ-ÜFE"), QStringLiteral("Katsayı"),
                     QStringLiteral("Açıklama")};
    table.numberColumns = {1, 2};
    const QDate previous = period.previousEnd.isValid() ? period.previousEnd : QDate(2023, 12, 31);
    const std::optional<double> atEnd = index(MonthKey(period.end));
    const std::optional<double> atPrevious = index(MonthKey(previous));
    auto value = [](const std::optional<double>& v) { return v ? amountText(*v) : QStringLiteral("yok"); };
    auto ratio = [&atEnd](const std::optional<double>& base) {
        return atEnd && base && *base != 0 ? coefficient(RoundDecimals(*atEnd / *base, 5)) : QString();
    };
    table.rows.push_back({monthText(period.end), value(atEnd), QString(), QStringLiteral("Düzeltme dönemi")});
    table.rows.push_back(
        {monthText(previous), value(atPrevious), ratio(atPrevious), QStringLiteral("Taşıma Katsayısı (TK)")});
    const QDate base = period.settings.averageBase == AverageBase::LastAdjustedPeriod
                           ? previous
                           : QDate(period.end.addMonths(-3).year(), period.end.addMonths(-3).month(), 1)
                                 .addMonths(1)
                                 .addDays(-1);
    const std::optional<double> atBase = index(MonthKey(base));
    QString average;
    if (atEnd && atBase)
        average = coefficient(RoundDecimals(*atEnd / ((*atEnd + *atBase) / 2), 5));
    table.rows.push_back({monthText(base), value(atBase), average,
                          QStringLiteral("Basit ortalama katsayısı (önceki dönem %1)").arg(monthText(base))});
    // Month keys do not sort as months do (20249 < 202410): the months are counted as dates.
    const QDate lastMonth(period.end.year(), period.end.month(), 1);
    for (QDate month = QDate(previous.year(), previous.month(), 1).addMonths(1); month <= lastMonth;
         month = month.addMonths(1)) {
        const std::optional<double> atMonth = index(MonthKey(month));
        table.rows.push_back(
            {monthText(month), value(atMonth), ratio(atMonth), QStringLiteral("Giriş katsayısı")});
    }
    if (!atEnd || !atPrevious)
        table.footer << QStringLiteral("Yİ-ÜFE değeri bulunamadı: %1. Endeks tablosunu güncelleyiniz.")
                            .arg(monthText(atEnd ? previous : period.end));
    return table;
}

PeriodTable depreciationTable(const PeriodView& view) {
    PeriodTable table;
    table.title = QStringLiteral("Amortisman Tablosu %1").arg(FormatDate(view.period.end));
    table.headers = {QStringLiteral("Hesap"),
                     QStringLiteral("Alt Hesap"),
                     QStringLiteral("Adı"),
                     QStringLiteral("Düzeltilmiş Değer"),
                     QStringLiteral("Düzeltilmiş Birikmiş Amort."),
                     QStringLiteral("Yeni Aylık Amortisman"),
                     QStringLiteral("Kalan Ay")};
    table.numberColumns = {3, 4, 5, 6};
    for (const PeriodLine& line : view.lines) {
        if (!countsInTotals(line) || line.usefulLife <= 0)
            continue;
        const double net = line.adjustedValue - line.adjustedAccumulated - line.catchUp;
        const double monthly = line.newMonthly > 0
                                   ? line.newMonthly
                                   : RoundDecimals(line.adjustedValue / (line.usefulLife * 12.0), 2);
        const int monthsLeft = monthly > 0 && net > 0 ? static_cast<int>(std::ceil(net / monthly - 1e-9)) : 0;
        table.rows.push_back({line.account, line.subAccount, line.name, amountText(line.adjustedValue),
                              amountText(line.adjustedAccumulated), amountText(monthly),
                              QString::number(monthsLeft)});
    }
    return table;
}

QStringList tabSeparated(const PeriodTable& table) {
    QStringList lines{table.headers.join(QLatin1Char('\t'))};
    for (const QStringList& row : table.rows)
        lines << row.join(QLatin1Char('\t'));
    lines << table.footer;
    return lines;
}

QStringList printedLines(const PeriodTable& table, const Period& period) {
    // The text box of the printed report holds about 96 characters of Courier on a line: a
    // wide table is cut into parts of whole columns, each row printed as one line a part,
    // the later parts indented, so that every column stays under its title.
    constexpr int kWidth = 96;
    constexpr int kIndent = 4;
    const int columns = static_cast<int>(table.headers.size());
    std::vector<int> widths(static_cast<size_t>(columns), 0);
    auto widen = [&widths, columns](const QStringList& cells) {
        for (int c = 0; c < cells.size() && c < columns; ++c)
            widths[static_cast<size_t>(c)] =
                std::max(widths[static_cast<size_t>(c)], static_cast<int>(cells[c].size()));
    };
    widen(table.headers);
    for (const QStringList& row : table.rows)
        widen(row);
    std::vector<int> partStarts{0};
    int used = 0;
    for (int c = 0; c < columns; ++c) {
        const int width = widths[static_cast<size_t>(c)] + 1;
        if (used > 0 && used + width > kWidth) {
            partStarts.push_back(c);
            used = kIndent;
        }
        used += width;
    }
    partStarts.push_back(columns);
    auto isNumber = [&table](int column) {
        return std::find(table.numberColumns.begin(), table.numberColumns.end(), column) !=
               table.numberColumns.end();
    };
    auto layout = [&](const QStringList& cells) {
        QStringList out;
        for (size_t part = 0; part + 1 < partStarts.size(); ++part) {
            QString line = part == 0 ? QString() : QString(kIndent, QLatin1Char(' '));
            for (int c = partStarts[part]; c < partStarts[part + 1]; ++c) {
                const QString cell = cells.value(c);
                const int width = widths[static_cast<size_t>(c)];
                line += (isNumber(c) ? PadLeft(width, cell) : PadRight(width, cell)) + QLatin1Char(' ');
            }
            while (line.endsWith(QLatin1Char(' ')))
                line.chop(1);
            if (!line.isEmpty())
                out << line;
        }
        return out;
    };
    QStringList lines;
    lines << table.title;
    if (period.kind == PeriodKind::Informational)
        lines << kInformationalHeading;
    lines << QString(kWidth, QLatin1Char('-'));
    lines << layout(table.headers);
    lines << QString(kWidth, QLatin1Char('-'));
    for (const QStringList& row : table.rows)
        lines << layout(row);
    lines << QString(kWidth, QLatin1Char('-'));
    for (const QString& text : table.footer) {
        if (text == kInformationalHeading)
            continue;
        lines << QString(text).replace(QLatin1Char('\t'), QStringLiteral("  "));
    }
    return lines;
}

QString periodReportTitle(const QDate& end) {
    return end.toString(QStringLiteral("dd/MM/yyyy")) + QStringLiteral(" ENFLASYON DÜZELTME RAPORU");
}

void writePeriodWorkbook(WorkbookWriter& book, const QString& companyName, const PeriodTable& table) {
    book.setText(1, 1, companyName);
    book.setText(2, 1, table.title);
    book.setBold(QStringLiteral("A1:A2"));
    book.setFontSize(QStringLiteral("A1:A2"), 14);
    for (int c = 0; c < table.headers.size(); ++c)
        book.setText(3, c + 1, table.headers[c]);
    int row = 4;
    for (const QStringList& cells : table.rows) {
        for (int c = 0; c < cells.size(); ++c) {
            const bool number = std::find(table.numberColumns.begin(), table.numberColumns.end(), c) !=
                                table.numberColumns.end();
            if (number && !cells[c].isEmpty()) {
                try {
                    book.setNumber(row, c + 1, ParseAmount(cells[c]));
                    continue;
                } catch (const ConversionError&) {
                }
            }
            book.setText(row, c + 1, cells[c]);
        }
        ++row;
    }
    ++row;
    for (const QString& text : table.footer) {
        const QStringList cells = text.split(QLatin1Char('\t'));
        for (int c = 0; c < cells.size(); ++c)
            book.setText(row, c + 1, cells[c]);
        ++row;
    }
}

} // namespace velkor
