#pragma once

#include <QString>

/// The controls of the tab "Dönem Düzeltmesi": a later period's settings and state, the line
/// editor of the selected line, the buttons and the text box; the grid `DonemGrid` shows the lines.
namespace velkor::ctl::period {

inline const QString DonemBaslikLabel = QStringLiteral("DonemBaslikLabel");
inline const QString DonemDurumLabel = QStringLiteral("DonemDurumLabel");
inline const QString DonemNotLabel = QStringLiteral("DonemNotLabel");
inline const QString RofmNotLabel = QStringLiteral("RofmNotLabel");
inline const QString DonemAmortismaniCombo = QStringLiteral("DonemAmortismaniCombo");
inline const QString AmortismanKaydiCombo = QStringLiteral("AmortismanKaydiCombo");
inline const QString Kapanis698Combo = QStringLiteral("Kapanis698Combo");
inline const QString BasitOrtalamaCombo = QStringLiteral("BasitOrtalamaCombo");
inline const QString BitenKiymetCombo = QStringLiteral("BitenKiymetCombo");
inline const QString Fark258Combo = QStringLiteral("Fark258Combo");
inline const QString BeyanCheck = QStringLiteral("BeyanCheck");
inline const QString YapilmadiCheck = QStringLiteral("YapilmadiCheck");
inline const QString DonemGrid = QStringLiteral("DonemGrid");
inline const QString KalemNoEdit = QStringLiteral("KalemNoEdit");
inline const QString KalemHesapEdit = QStringLiteral("KalemHesapEdit");
inline const QString KalemAltHesapEdit = QStringLiteral("KalemAltHesapEdit");
inline const QString KalemAdiEdit = QStringLiteral("KalemAdiEdit");
inline const QString KalemGirisTarihiEdit = QStringLiteral("KalemGirisTarihiEdit");
inline const QString KalemDefterDegeriEdit = QStringLiteral("KalemDefterDegeriEdit");
inline const QString KalemDonemAmortEdit = QStringLiteral("KalemDonemAmortEdit");
inline const QString KalemEskiAylikEdit = QStringLiteral("KalemEskiAylikEdit");
inline const QString KalemStokYontemiCombo = QStringLiteral("KalemStokYontemiCombo");
inline const QString KalemCikisTarihiEdit = QStringLiteral("KalemCikisTarihiEdit");
inline const QString KalemKalanOranEdit = QStringLiteral("KalemKalanOranEdit");
inline const QString KalemKalanTutarEdit = QStringLiteral("KalemKalanTutarEdit");
inline const QString KalemOmurEdit = QStringLiteral("KalemOmurEdit");
inline const QString KalemAmortYontemiCombo = QStringLiteral("KalemAmortYontemiCombo");
inline const QString KalemAmortHesabiEdit = QStringLiteral("KalemAmortHesabiEdit");
inline const QString KalemGiderHesabiEdit = QStringLiteral("KalemGiderHesabiEdit");
inline const QString KalemDuzeltilmezCheck = QStringLiteral("KalemDuzeltilmezCheck");
inline const QString KalemAktarimEdit = QStringLiteral("KalemAktarimEdit");
inline const QString YeniKalemBut = QStringLiteral("YeniKalemBut");
inline const QString KalemEkleBut = QStringLiteral("KalemEkleBut");
inline const QString HesaplaBut = QStringLiteral("HesaplaBut");
inline const QString KaydetBut = QStringLiteral("KaydetBut");
inline const QString DonemKapatBut = QStringLiteral("DonemKapatBut");
inline const QString DonemAcBut = QStringLiteral("DonemAcBut");
inline const QString RaporCombo = QStringLiteral("RaporCombo");
inline const QString RaporYazBut = QStringLiteral("RaporYazBut");
inline const QString RaporExcelBut = QStringLiteral("RaporExcelBut");
inline const QString DonemYevmiyeBut = QStringLiteral("DonemYevmiyeBut");
inline const QString DonemYevmiyeYazBut = QStringLiteral("DonemYevmiyeYazBut");
inline const QString FisCombo = QStringLiteral("FisCombo");
inline const QString FisAktarBut = QStringLiteral("FisAktarBut");
inline const QString DonemRich = QStringLiteral("DonemRich");

} // namespace velkor::ctl::period
