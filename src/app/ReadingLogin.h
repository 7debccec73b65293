#pragma once

#include <QString>

namespace velkor {

class Program;

/// What the windows say of a login that may only read (beside the company in the main
/// menu's caption).
inline const QString kReadingLoginNotice = QStringLiteral("Salt okunur oturum");

/// Holds (FormModel::hold) the controls of the program's own windows that would change
/// data, for a login that may only read: adding, updating, deleting, moving and restoring
/// companies, the import, "Enflasyon Düzeltme Sil", the compaction, the program update,
/// the published figures and the passwords, and the saving and deleting of the document
/// libraries. Opening, browsing, reports, prints, exports, vouchers and backups stay.
void holdWritingControls(Program& program);

} // namespace velkor
