#pragma once

#include "periods/PeriodJournal.h"

#include <QDateTime>
#include <memory>

namespace velkor {

class AppContext;
class Prompt;

/// A period as the screens and the command line see it: the period, its lines (stored
/// inputs with the results of the last computation), the 31.12.2023 rows not carried and
/// the totals.
struct PeriodView {
    Period period;
    std::vector<PeriodLine> lines;
    std::vector<LeftOutRow> leftOut;
    PeriodTotals totals;
};

/// The later periods of the company the context's company connection points at: adding,
/// listing, computing, saving, closing and reopening. Every refusal is a ShownError with
/// its Turkish message; every question goes through the prompt.
class PeriodWork {
public:
    explicit PeriodWork(AppContext& context);
    ~PeriodWork();
    PeriodWork(const PeriodWork&) = delete;
    PeriodWork& operator=(const PeriodWork&) = delete;

    /// The periods of the company by end date.
    std::vector<Period> periods();
    /// Adds the period ending at `end` (a month end) with the previous period's settings,
    /// asking the questions of an informational period and for the 2023 gross sales when
    /// needed; returns nothing when the user declines.
    std::optional<Period> add(const QDate& end, Prompt& prompt);
    /// As above with the settings given (`period add --set`) instead of the previous period's.
    std::optional<Period> add(const QDate& end, const std::optional<PeriodSettings>& settings,
                              Prompt& prompt);
    /// Changes the settings, kind flags or state "Yapılmadı" of an open period.
    void update(const Period& period);

    /// The period with its lines carried afresh (the 31.12.2023 closing step run first when
    /// Q is the base), the stored inputs applied and every line computed; saves nothing
    /// ("Hesapla").
    PeriodView calculate(const QDate& end);
    /// The same with the lines' inputs as edited on the screen in place of the stored ones
    /// (lines matched by id; lines without an id are new items still to be saved); saves
    /// nothing.
    PeriodView calculate(const QDate& end, const std::vector<PeriodLine>& edited);
    /// The stored state of the period without computing ("Açık" periods as last saved).
    PeriodView load(const QDate& end);
    /// Saves the lines' inputs and results ("Kaydet"); refused for a closed period.
    void save(const PeriodView& view);
    /// A new line ("Yeni Kalem") of an open period; refused with its message when its entry
    /// date is not after Q's end and on or before P's end.
    PeriodLine addLine(const QDate& end, const PeriodLine& line);

    /// The open points "Dönemi Kapat" lists before it asks.
    QStringList closingPoints(const QDate& end);
    /// Closes the period: computes, saves, freezes TK and values; refused while an obstacle exists.
    void close(const QDate& end);
    /// Reopens the latest closed period ("Önce sonraki dönemleri açınız." otherwise),
    /// dropping its closing lines.
    void reopen(const QDate& end);

    /// The journal entries of the period as last computed.
    std::vector<PeriodEntry> entries(const QDate& end);

    /// The clock of the closing date and of the backup's name; tests set a fixed one.
    void setClock(std::function<QDateTime()> clock);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace velkor
