#pragma once

#include <QString>

namespace velkor::windows {

inline const QString kEntry = QStringLiteral("TGirisF");
inline const QString kMainMenu = QStringLiteral("TAnaMenuF");
inline const QString kCompanies = QStringLiteral("TGirisRF");
inline const QString kReferenceData = QStringLiteral("TVerilerF");
inline const QString kWorkspace = QStringLiteral("TSabitKiymetDuzeltmeF");
inline const QString kLegislation = QStringLiteral("TMevzuatF");
inline const QString kRegistration = QStringLiteral("TFirmaKayitF");
inline const QString kExcelImport = QStringLiteral("TExcelVeriAktarF");
inline const QString kProgress = QStringLiteral("TbekleyinF");
inline const QString kUpdate = QStringLiteral("TGuncelleF");
inline const QString kUpdateProgress = QStringLiteral("TForm6");
inline const QString kPasswords = QStringLiteral("TsifreF");

} // namespace velkor::windows
