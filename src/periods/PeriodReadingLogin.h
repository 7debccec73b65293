#pragma once

namespace velkor {

class PeriodSheet;

/// Holds (FormModel::hold) the controls of the tab "Dönem Düzeltmesi" that would change a
/// period, for a login that may only read: its settings and declaration ticks, the line
/// editor (and with it the grid's cells), "Yeni Kalem", "Kalemi Ekle", "Kaydet", "Dönemi
/// Kapat" and "Dönemi Aç". "Hesapla" computes on the screen only and stays, as do the
/// reports, the journal and the vouchers.
void holdPeriodWriting(PeriodSheet& period);

} // namespace velkor
