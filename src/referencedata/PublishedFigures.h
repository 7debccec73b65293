#pragma once

#include "base/Prompt.h"
#include "storage/Database.h"

#include <QDate>
#include <QVariantList>
#include <optional>
#include <vector>

namespace velkor {

/// The reference tables a user can add published figures to.
enum class FigureKind { Index, Interest, Depreciation };

/// The kind named on the command line: "yi-ufe", "faiz", "amortisman".
std::optional<FigureKind> figureKindOf(const QString& word);
/// The caption of a kind: "Yİ-ÜFE", "Ortalama Faiz", "Amortisman Oranları".
QString figureKindCaption(FigureKind kind);
/// The header line of the kind's CSV, as in the shipped files: "year,month,value",
/// "year,month,rate" or the depreciation list's ten columns.
QString figureHeader(FigureKind kind);

/// One row that a set of figures adds or corrects.
struct FigureChange {
    QString key;     ///< "2024-03" or the full class code
    QString oldText; ///< the value in the table; empty for a new row
    QString newText;
    int year = 0;
    int month = 0;
    double value = 0;
    QVariantList row; ///< depreciation rows: the ten columns
};

/// The outcome of checking figures against the table: an error naming the row, or the
/// changes and the large month-on-month moves of the index to ask about.
struct FigureCheck {
    QString error;
    std::vector<FigureChange> changes;
    QStringList jumps;
};

/// Checks figures in the kind's CSV columns (header first) against the table without
/// writing: months from 2004-01 up to `today`'s month, no key twice, values above 0 with at
/// most two decimals (depreciation rates four, lives whole years). Rows equal to the table
/// are left out of the changes.
FigureCheck checkFigures(Database& rates, FigureKind kind, const QString& csvText,
                         const QDate& today = QDate::currentDate());

/// Adds published figures: checks them (a bad row is shown and nothing written), asks
/// about index moves above 25 %, shows every row it will add or correct and asks to
/// confirm, then writes them and their history entries (date, `source`) in one
/// transaction. The number of rows written; 0 when nothing was.
int addPublishedFigures(Database& rates, FigureKind kind, const QString& csvText, const QString& source,
                        Prompt& prompt);

/// The text of a figures file: a CSV in UTF-8. A workbook or an unreadable file raises
/// a ShownError saying so.
QString readFiguresFile(const QString& path);

/// The table's figures in the kind's CSV columns, header first; only `year` when given.
QString figuresCsv(Database& rates, FigureKind kind, std::optional<int> year = std::nullopt);

} // namespace velkor
