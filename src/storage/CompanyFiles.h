#pragma once

#include <QString>
#include <QStringList>

namespace velkor {

/// Why a company code cannot name a company database file, or empty when it can. The
/// code is used unchanged as the file name under Data/, so it must stay a plain name:
/// no separators, no "..", no control, format or other invisible characters.
QString companyCodeProblem(const QString& code);

/// Whether two codes name one company: codes are unique without regard to case. The
/// Turkish pairs i/İ and ı/I count as one letter, and so does every pair the restore of a
/// backup takes as one file name (plain lower case), so that a backup always restores.
bool sameCompanyCode(const QString& a, const QString& b);

/// The company's database file: home + "Data/" + code + ".mdb". Every path built from
/// a stored or typed code goes through here; a code that is not a plain file name
/// throws ShownError with companyCodeProblem's message, so it never reaches the disk.
QString companyDatabasePath(const QString& home, const QString& code);

/// The name a new company database is written under before it gets its place.
QString companyTemporaryPath(const QString& home, const QString& code);

/// The codes of the company database files in Data/ (file names without ".mdb"), and of
/// the files left under their temporary names by an interrupted creation.
QStringList companyFileCodes(const QString& home);
QStringList interruptedCompanyFileCodes(const QString& home);

/// Why a file cannot serve as a company database, or empty: it must open with the
/// program's key and hold the item table `sabit_kiymet` with all its columns.
QString companyDatabaseProblem(const QString& path);

} // namespace velkor
