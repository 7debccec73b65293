#include "periods/PeriodWork.h"

#include "backup/Backups.h"
#include "base/NumberFormat.h"
#include "base/ShownError.h"
#include "engine/IndexLookup.h"
#include "engine/MonthKey.h"
#include "periods/BaseRows.h"
#include "periods/PeriodRules.h"
#include "periods/PeriodStore.h"
#include "storage/AppContext.h"
#include "storage/SchemaUpgrade.h"
#include "storage/Transaction.h"

#include <QHash>
#include <unordered_set>

namespace velkor {

namespace {

const QString kTitle = QStringLiteral("Velkor Enflasyon Düzeltme Programı");

// Where a line of P comes from, which ties a freshly carried line to the inputs stored for it:
// the line of Q (odd keys) or else the 31.12.2023 row (even keys); 0 for none.
qint64 originKey(const PeriodLine& line) {
    if (line.previousLineId > 0)
        return line.previousLineId * 2 + 1;
    if (line.baseItemId > 0)
        return line.baseItemId * 2;
    return 0;
}

// The user's inputs of a stored line laid over the line carried afresh: what the grid lets
// the user change survives every "Hesapla", the values carried from Q are always current.
void applyInputs(PeriodLine& line, const PeriodLine& stored) {
    line.id = stored.id;
    line.disposalDate = stored.disposalDate;
    line.remainingShare = stored.remainingShare;
    line.remainingAmount = stored.remainingAmount;
    line.typedPeriodDepreciation = stored.typedPeriodDepreciation;
    line.typedOldMonthly = stored.typedOldMonthly;
    line.expenseAccount = stored.expenseAccount;
    line.notAdjusted = stored.notAdjusted;
    line.transferSource = stored.transferSource;
    if (stored.stockMethod != PeriodStockMethod::None)
        line.stockMethod = stored.stockMethod;
    // A simple-average balance is typed for the period; it is never carried.
    if (stored.stockMethod == PeriodStockMethod::SimpleAverage)
        line.bookValue = stored.bookValue;
}

QString refusedMessage(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

} // namespace

struct PeriodWork::Impl {
    explicit Impl(AppContext& c) : context(c), index(c.rates()) {}

    AppContext& context;
    IndexLookup index;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };

    Database& db() {
        context.company().ensureOpen();
        return context.company().database();
    }

    Period stored(const QDate& end) {
        std::optional<Period> period = readPeriod(db(), end);
        if (!period)
            throw ShownError(QStringLiteral("Firmanın %1 düzeltme dönemi yok.").arg(FormatDate(end)));
        return *period;
    }

    /// The lines P carries from its Q, with the base rows left out.
    std::vector<PeriodLine> carried(const std::optional<Period>& previous, std::vector<LeftOutRow>& leftOut) {
        std::vector<PeriodLine> lines;
        if (previous) {
            for (const PeriodLine& line : readLines(db(), previous->id)) {
                if (std::optional<PeriodLine> next = carryFromPrevious(line))
                    lines.push_back(*next);
            }
            return lines;
        }
        for (const BaseRow& row : currentBaseRows(context.company())) {
            if (row.mainAccount == QLatin1String("698")) {
                if (std::optional<PeriodLine> result = resultLineFromBase(row))
                    lines.push_back(*result);
                continue;
            }
            BaseCarry carry = carryFromBase(row);
            if (carry.line)
                lines.push_back(*carry.line);
            if (carry.leftOut)
                leftOut.push_back(*carry.leftOut);
        }
        return lines;
    }

    /// The period computed with the inputs stored for its lines, or with those of `edited`
    /// (the lines as the screen holds them) when given.
    PeriodView compute(const Period& period, const std::vector<PeriodLine>* edited = nullptr) {
        const std::vector<Period> all = readPeriods(db());
        if (const QString problem = openEarlierPeriodProblem(all, period.end); !problem.isEmpty())
            throw ShownError(problem);
        const std::optional<Period> previous = previousAdjusted(all, period.end);

        PeriodView view;
        view.period = period;
        view.period.previousId = previous ? previous->id : 0;
        view.period.previousEnd = previous ? previous->end : baseEnd();

        std::vector<PeriodLine> fresh = carried(previous, view.leftOut);
        const std::vector<PeriodLine> storedLines = readLines(db(), period.id);
        QHash<qint64, const PeriodLine*> stored;
        stored.reserve(static_cast<qsizetype>(storedLines.size()));
        for (const PeriodLine& line : storedLines) {
            if (const qint64 key = originKey(line); key != 0)
                stored.insert(key, &line);
        }
        QHash<qint64, const PeriodLine*> editedByOrigin;
        QHash<qint64, const PeriodLine*> editedById;
        if (edited) {
            for (const PeriodLine& line : *edited) {
                if (const qint64 key = originKey(line); key != 0)
                    editedByOrigin.insert(key, &line);
                if (line.id > 0)
                    editedById.insert(line.id, &line);
            }
        }
        for (PeriodLine& line : fresh) {
            line.periodId = period.id;
            const qint64 key = originKey(line);
            const PeriodLine* kept = stored.value(key);
            const PeriodLine* onScreen = editedByOrigin.value(key);
            if (!onScreen && kept)
                onScreen = editedById.value(kept->id);
            if (onScreen) {
                applyInputs(line, *onScreen);
                line.id = kept ? kept->id : onScreen->id;
            } else if (kept) {
                applyInputs(line, *kept);
            }
        }
        // Items that came in during P belong to the period only: as the screen holds them,
        // else as stored.
        if (edited) {
            for (const PeriodLine& line : *edited) {
                if (originKey(line) == 0)
                    fresh.push_back(line);
            }
        } else {
            for (const PeriodLine& line : storedLines) {
                if (originKey(line) == 0)
                    fresh.push_back(line);
            }
        }

        PeriodContext context{
            view.period, view.period.previousEnd, adjustedEarlierInYear(period.end, previous),
            afterYearWithoutAdjustment(all, period.end), [this](int key) { return index.LookupIndex(key); }};
        view.period.carryCoefficient = carryCoefficient(context.index, period.end, view.period.previousEnd);
        if (!view.period.carryCoefficient)
            throw ShownError(periodIndexMissingMessage(MonthKey(period.end)));
        context.period = view.period;
        view.totals = computePeriod(context, fresh);
        view.lines = std::move(fresh);
        return view;
    }

    /// The 31.12.2023 rows a period whose Q is the base does not carry, without running the
    /// closing step (a stored period is only read). The rows it holds lines of are carried
    /// and not read again.
    std::vector<LeftOutRow> leftOutOfBase(const Period& period, const std::vector<PeriodLine>& lines) {
        std::vector<LeftOutRow> leftOut;
        if (period.previousId != 0)
            return leftOut;
        std::unordered_set<qint64> carried;
        carried.reserve(lines.size());
        for (const PeriodLine& line : lines) {
            if (line.baseItemId > 0)
                carried.insert(line.baseItemId);
        }
        for (const BaseRow& row : readBaseRowsOtherThan(db(), carried)) {
            if (row.mainAccount == QLatin1String("698"))
                continue;
            if (BaseCarry carry = carryFromBase(row); carry.leftOut)
                leftOut.push_back(*carry.leftOut);
        }
        return leftOut;
    }

    void refuseClosed(const Period& period) {
        if (period.state == PeriodState::Closed)
            throw ShownError(QStringLiteral("%1 dönemi kapandı; değiştirmek için önce dönemi açınız.")
                                 .arg(FormatDate(period.end)));
    }
};

PeriodWork::PeriodWork(AppContext& context) : m_impl(std::make_unique<Impl>(context)) {}

PeriodWork::~PeriodWork() = default;

void PeriodWork::setClock(std::function<QDateTime()> clock) {
    m_impl->clock = std::move(clock);
}

std::vector<Period> PeriodWork::periods() {
    return readPeriods(m_impl->db());
}

std::optional<Period> PeriodWork::add(const QDate& end, Prompt& prompt) {
    return add(end, std::nullopt, prompt);
}

std::optional<Period> PeriodWork::add(const QDate& end, const std::optional<PeriodSettings>& settings,
                                      Prompt& prompt) {
    if (const QString problem = periodEndProblem(end); !problem.isEmpty())
        throw ShownError(problem);
    Database& db = m_impl->db();
    const std::vector<Period> all = readPeriods(db);
    for (const Period& p : all) {
        if (p.end == end)
            throw ShownError(QStringLiteral("Firmanın %1 düzeltme dönemi zaten var.").arg(FormatDate(end)));
    }
    const CompanyThreshold threshold =
        readCompanyThreshold(m_impl->context.general(), m_impl->context.companyCode());
    if (needsGrossSales(end, threshold)) {
        prompt.showMessage(
            QStringLiteral("2024 geçici vergi dönemlerinin düzeltilip düzeltilmeyeceği 2023 brüt "
                           "satışlarına bağlıdır (563 Sıra No.lu VUK Genel Tebliği). Önce firma "
                           "bilgilerinde \"2023 Brüt Satışlar\" alanını doldurunuz."),
            kTitle, PromptIcon::Information);
        return std::nullopt;
    }
    const PeriodKindDecision decision = decidePeriodKind(end, threshold);
    if (!decision.question.isEmpty() &&
        prompt.ask(decision.question, kTitle, PromptIcon::Question, Yes | No) != Yes)
        return std::nullopt;

    Period period;
    period.end = end;
    period.kind = decision.kind;
    period.kindReason = decision.reason;
    period.settings = settings ? *settings : settingsForNewPeriod(all, end);
    if (const QString problem = calendarYearProblem(all, period, period.settings); !problem.isEmpty())
        throw ShownError(problem);
    const std::optional<Period> previous = previousAdjusted(all, end);
    period.previousId = previous ? previous->id : 0;
    period.previousEnd = previous ? previous->end : baseEnd();

    upgradeCompanySchema(db);
    Transaction transaction(db);
    period.id = insertPeriod(db, period);
    transaction.commit();
    return period;
}

void PeriodWork::update(const Period& period) {
    Database& db = m_impl->db();
    Period stored = m_impl->stored(period.end);
    m_impl->refuseClosed(stored);
    if (period.state == PeriodState::Closed)
        throw ShownError(QStringLiteral("Dönem \"Dönemi Kapat\" ile kapatılır."));
    const std::vector<Period> all = readPeriods(db);
    if (const QString problem = calendarYearProblem(all, stored, period.settings); !problem.isEmpty())
        throw ShownError(problem);
    stored.settings = period.settings;
    stored.state = period.state;
    if (period.declared != stored.declared)
        applyDeclared(stored, period.declared);
    Transaction transaction(db);
    updatePeriod(db, stored);
    transaction.commit();
}

PeriodView PeriodWork::calculate(const QDate& end) {
    const Period period = m_impl->stored(end);
    if (period.state == PeriodState::Closed)
        return load(end);
    return m_impl->compute(period);
}

PeriodView PeriodWork::calculate(const QDate& end, const std::vector<PeriodLine>& edited) {
    const Period period = m_impl->stored(end);
    if (period.state == PeriodState::Closed)
        return load(end);
    return m_impl->compute(period, &edited);
}

PeriodView PeriodWork::load(const QDate& end) {
    Database& db = m_impl->db();
    PeriodView view;
    view.period = m_impl->stored(end);
    view.lines = readLines(db, view.period.id);
    view.totals = readTotals(db, view.period.id);
    view.leftOut = m_impl->leftOutOfBase(view.period, view.lines);
    return view;
}

void PeriodWork::save(const PeriodView& view) {
    Database& db = m_impl->db();
    Period stored = m_impl->stored(view.period.end);
    m_impl->refuseClosed(stored);
    std::vector<PeriodLine> lines = view.lines;
    stored.carryCoefficient = view.period.carryCoefficient;
    stored.previousId = view.period.previousId;
    stored.previousEnd = view.period.previousEnd;
    upgradeCompanySchema(db);
    Transaction transaction(db);
    writeLines(db, stored.id, lines);
    updatePeriod(db, stored);
    writeTotals(db, stored.id, view.totals);
    transaction.commit();
}

PeriodLine PeriodWork::addLine(const QDate& end, const PeriodLine& line) {
    Database& db = m_impl->db();
    const Period period = m_impl->stored(end);
    m_impl->refuseClosed(period);
    const std::optional<Period> previous = previousAdjusted(readPeriods(db), end);
    const QDate previousEnd = previous ? previous->end : baseEnd();
    if (!line.entryDate.isValid() || line.entryDate <= previousEnd || line.entryDate > end)
        throw ShownError(QStringLiteral("Bu tarihte aktife girmiş bir kalem önceki düzeltme döneminde "
                                        "düzeltilmelidir."));
    std::vector<PeriodLine> lines = readLines(db, period.id);
    PeriodLine added = line;
    added.id = 0;
    added.periodId = period.id;
    added.baseItemId = 0;
    added.previousLineId = 0;
    added.status = LineStatus::New;
    lines.push_back(added);
    Transaction transaction(db);
    writeLines(db, period.id, lines);
    transaction.commit();
    return lines.back();
}

QStringList PeriodWork::closingPoints(const QDate& end) {
    const PeriodView view = calculate(end);
    QStringList points = closingObstacles(view.lines, view.leftOut);
    int computed = 0;
    int investments = 0;
    for (const PeriodLine& line : view.lines) {
        if (line.periodDepreciationComputed)
            ++computed;
        if (line.account == QLatin1String("258"))
            ++investments;
    }
    if (computed > 0)
        points << QStringLiteral(
                      "%1 kalemde dönem amortismanı program tarafından hesaplandı (kontrol ediniz).")
                      .arg(computed);
    if (investments > 0)
        points << QStringLiteral(
                      "%1 kalem 258 hesabında: 7529 sayılı Kanun kapsamındaki özel fon uygulamasını "
                      "kontrol ediniz.")
                      .arg(investments);
    return points;
}

void PeriodWork::close(const QDate& end) {
    Database& db = m_impl->db();
    const Period period = m_impl->stored(end);
    m_impl->refuseClosed(period);
    if (period.state == PeriodState::Skipped)
        throw ShownError(
            QStringLiteral("%1 dönemi 'Yapılmadı' olarak işaretli; kapatılamaz.").arg(FormatDate(end)));
    if (!isLegal(period))
        throw ShownError(QStringLiteral("Yasal olarak düzeltme yapılmayan dönem kapatılamaz."));
    PeriodView view = m_impl->compute(period);
    if (const QStringList obstacles = closingObstacles(view.lines, view.leftOut); !obstacles.isEmpty())
        throw ShownError(refusedMessage(obstacles));
    // As before a record deletion: the company as it stood before the closing stays in Yedek/.
    try {
        Backups(m_impl->context).backupCompany(m_impl->context.companyCode(), m_impl->clock());
    } catch (const std::exception& e) {
        throw ShownError(QStringLiteral("Firma veritabanının yedeği alınamadığı için dönem kapatılmadı.\n") +
                         QString::fromUtf8(e.what()));
    }
    const std::vector<PeriodEntry> entries = periodEntries(view.period, view.lines, view.totals);
    Period closed = view.period;
    closed.state = PeriodState::Closed;
    closed.closedOn = m_impl->clock().date();
    upgradeCompanySchema(db);
    Transaction transaction(db);
    writeLines(db, closed.id, view.lines);
    writeTotals(db, closed.id, view.totals);
    removeEntries(db, closed.id);
    writeEntries(db, closed.id, entries);
    updatePeriod(db, closed);
    transaction.commit();
}

void PeriodWork::reopen(const QDate& end) {
    Database& db = m_impl->db();
    Period period = m_impl->stored(end);
    if (period.state != PeriodState::Closed)
        throw ShownError(QStringLiteral("%1 dönemi kapalı değil.").arg(FormatDate(end)));
    if (const QString problem = laterClosedPeriodProblem(readPeriods(db), end); !problem.isEmpty())
        throw ShownError(problem);
    period.state = PeriodState::Open;
    period.closedOn = QDate();
    Transaction transaction(db);
    removeEntries(db, period.id);
    updatePeriod(db, period);
    transaction.commit();
}

std::vector<PeriodEntry> PeriodWork::entries(const QDate& end) {
    const Period period = m_impl->stored(end);
    if (period.state == PeriodState::Closed)
        return readEntries(m_impl->db(), period.id);
    const PeriodView view = m_impl->compute(period);
    return periodEntries(view.period, view.lines, view.totals);
}

} // namespace velkor
