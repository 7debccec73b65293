#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace velkor {

/// The content.xml of an OpenDocument spreadsheet without the empty cells that close its
/// rows: spreadsheet programs pad every row to the sheet's last column with one empty cell
/// repeated some 16.000 times, and the parser steps through each repeat one by one. Only
/// cells without content and without attributes other than the repeat count are dropped,
/// and only at the end of a row, where nothing follows that they could shift; the result
/// reads as the same cells. Content whose root does not bind the "table" prefix to the
/// OpenDocument table namespace is returned unchanged.
QByteArray trimTrailingEmptyCells(QByteArrayView content);

} // namespace velkor
