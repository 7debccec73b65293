#pragma once

#include <QString>
#include <vector>

namespace velkor {

/// A cell of the first sheet whose text is stored in the sheet itself (an inline string),
/// rows and columns counted from 1.
struct InlineCell {
    int row = 0;
    int column = 0;
    QString text;
};

/// What the scan found that the parser does not give.
struct ZippedWorkbookFacts {
    /// The first sheet's inline strings (xlsx), in the order they stand.
    std::vector<InlineCell> inlineStrings;
};

/// Walks an .xlsx or .ods file entry by entry before the parser sees it, inflating each in
/// pieces and keeping nothing but counts, since the parser reads whole entries into memory
/// at the sizes their zip directory declares. Refuses, by throwing WorkbookError naming
/// the file, a workbook whose entries declare or really inflate to more than
/// kMaxWorkbookBytes in all, whose entries inflate to other sizes than declared, whose XML
/// is not well formed, or one of whose sheets has cells (values, formulas, array formula
/// ranges, repeated cells) beyond kMaxSheetCells counted from A1.
ZippedWorkbookFacts scanZippedWorkbook(const QString& path);

} // namespace velkor
