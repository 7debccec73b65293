#pragma once

#include "base/FormModel.h"
#include "base/GridColumn.h"
#include "base/Prompt.h"
#include "storage/Query.h"

#include <functional>
#include <vector>

namespace velkor {

/// The page of the reference data window on which users add published figures: the
/// table chosen in `VeriTuruRadio`, the rows typed or pasted into `SatirlarMemo` in the
/// table's CSV columns (or read from a file by "Dosyadan Oku"), their source, and "Ekle",
/// which checks and writes them. It also states what each table covers and lists the
/// recorded changes.
class PublishedFiguresForm {
public:
    PublishedFiguresForm(Connection& rates, Prompt& prompt);

    FormModel& form() { return m_form; }
    /// The recorded changes, newest first.
    Query& historyQuery() { return m_history; }
    static const std::vector<GridColumn>& historyColumns();
    /// The caption of a history entry's table: "Yİ-ÜFE", "Ortalama Faiz", "Amortisman Oranları", "Veri
    /// sürümü".
    static QString tableCaption(const QVariant& table);

    /// Called after figures were written, so that the views and lookups read them afresh.
    void setChanged(std::function<void()> changed) { m_changed = std::move(changed); }

    /// Fills the coverage texts and reads the history.
    void refresh();
    /// "Dosyadan Oku": the chosen file's rows into the memo, its name as the source.
    void DosyadanOkuButClick();
    /// "Kontrol Et ve Ekle": checks the memo's rows and, once confirmed, writes them.
    void EkleButClick();
    /// `VeriTuruRadio` changed: an empty memo gets the header of the table chosen.
    void VeriTuruRadioChange();

private:
    Connection& m_rates;
    Prompt& m_prompt;
    FormModel m_form;
    Query m_history;
    std::function<void()> m_changed;
};

} // namespace velkor
