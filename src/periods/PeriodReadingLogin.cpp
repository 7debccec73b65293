#include "periods/PeriodReadingLogin.h"

#include "periods/PeriodSheet.h"
#include "periods/PeriodSheetControls.h"

namespace velkor {

void holdPeriodWriting(PeriodSheet& period) {
    namespace c = ctl::period;
    period.hold(QStringList{c::DonemAmortismaniCombo,
                            c::AmortismanKaydiCombo,
                            c::Kapanis698Combo,
                            c::BasitOrtalamaCombo,
                            c::BitenKiymetCombo,
                            c::Fark258Combo,
                            c::BeyanCheck,
                            c::YapilmadiCheck,
                            c::KalemNoEdit,
                            c::KalemHesapEdit,
                            c::KalemAltHesapEdit,
                            c::KalemAdiEdit,
                            c::KalemGirisTarihiEdit,
                            c::KalemDefterDegeriEdit,
                            c::KalemDonemAmortEdit,
                            c::KalemEskiAylikEdit,
                            c::KalemStokYontemiCombo,
                            c::KalemCikisTarihiEdit,
                            c::KalemKalanOranEdit,
                            c::KalemKalanTutarEdit,
                            c::KalemOmurEdit,
                            c::KalemAmortYontemiCombo,
                            c::KalemAmortHesabiEdit,
                            c::KalemGiderHesabiEdit,
                            c::KalemDuzeltilmezCheck,
                            c::KalemAktarimEdit,
                            c::YeniKalemBut,
                            c::KalemEkleBut,
                            c::KaydetBut,
                            c::DonemKapatBut,
                            c::DonemAcBut});
}

} // namespace velkor
