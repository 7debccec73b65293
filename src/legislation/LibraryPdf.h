#pragma once

#include <QString>

namespace velkor {

class DocumentLibrary;

/// Writes every document of a library, in the order of its list, as one A4 PDF: a title
/// page with the contents, then each document from a new page, with the pictures the
/// documents show and the page number at the foot of each page. The file appears only
/// when it is complete. Throws ShownError (or ZipError for an unreadable library).
/// Returns the number of pages.
int writeLibraryPdf(const DocumentLibrary& library, const QString& title, const QString& path);

} // namespace velkor
