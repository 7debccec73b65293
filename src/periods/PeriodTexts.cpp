#include "periods/PeriodTexts.h"

#include <array>

namespace velkor {

namespace {

template <typename E, size_t N>
std::optional<E> fromText(const std::array<std::pair<E, QString>, N>& table, const QString& text) {
    for (const auto& [value, word] : table) {
        if (word == text)
            return value;
    }
    return std::nullopt;
}

template <typename E, size_t N>
QString toText(const std::array<std::pair<E, QString>, N>& table, E value) {
    for (const auto& [v, word] : table) {
        if (v == value)
            return word;
    }
    return {};
}

const std::array<std::pair<PeriodState, QString>, 3>& states() {
    static const std::array<std::pair<PeriodState, QString>, 3> table{{
        {PeriodState::Open, QStringLiteral("Açık")},
        {PeriodState::Closed, QStringLiteral("Kapandı")},
        {PeriodState::Skipped, QStringLiteral("Yapılmadı")},
    }};
    return table;
}

const std::array<std::pair<PeriodKind, QString>, 2>& kinds() {
    static const std::array<std::pair<PeriodKind, QString>, 2> table{{
        {PeriodKind::Legal, QStringLiteral("Yasal")},
        {PeriodKind::Informational, QStringLiteral("Bilgi amaçlı")},
    }};
    return table;
}

const std::array<std::pair<LineStatus, QString>, 5>& statuses() {
    static const std::array<std::pair<LineStatus, QString>, 5> table{{
        {LineStatus::Carried, QStringLiteral("Devreden")},
        {LineStatus::New, QStringLiteral("Yeni")},
        {LineStatus::SimpleAverage, QStringLiteral("Basit Ortalama")},
        {LineStatus::NotComputed, QStringLiteral("Hesaplanmadı")},
        {LineStatus::Outside, QStringLiteral("Dışarıda")},
    }};
    return table;
}

const std::array<std::pair<StockMethod, QString>, 4>& stockMethods() {
    static const std::array<std::pair<StockMethod, QString>, 4> table{{
        {StockMethod::None, QString()},
        {StockMethod::Actual, QStringLiteral("Gerçek Yöntem")},
        {StockMethod::SimpleAverage, QStringLiteral("Basit Ortalama")},
        {StockMethod::MovingWeightedAverage, QStringLiteral("Hareketli Ağırlıklı Ortalama")},
    }};
    return table;
}

enum SettingIndex { Depreciation, Booking, Closing, AverageBaseSetting, FullyDepreciated, Investment };

} // namespace

QString stateText(PeriodState state) {
    return toText(states(), state);
}
std::optional<PeriodState> stateFromText(const QString& text) {
    return fromText(states(), text);
}
QString kindText(PeriodKind kind) {
    return toText(kinds(), kind);
}
std::optional<PeriodKind> kindFromText(const QString& text) {
    return fromText(kinds(), text);
}
QString lineStatusText(LineStatus status) {
    return toText(statuses(), status);
}
std::optional<LineStatus> lineStatusFromText(const QString& text) {
    return fromText(statuses(), text);
}
QString stockMethodText(StockMethod method) {
    return toText(stockMethods(), method);
}
std::optional<StockMethod> stockMethodFromText(const QString& text) {
    return fromText(stockMethods(), text);
}

const std::vector<PeriodSettingChoice>& periodSettingChoices() {
    static const std::vector<PeriodSettingChoice> choices{
        {QStringLiteral("Dönem amortismanı"),
         {QStringLiteral("Birikmişe dahil"), QStringLiteral("Düzeltilmiş değerden yeniden")}},
        {QStringLiteral("Amortisman kaydı"), {QStringLiteral("Aylık"), QStringLiteral("Üç aylık")}},
        {QStringLiteral("698 kapanışı"), {QStringLiteral("690"), QStringLiteral("648/658")}},
        {QStringLiteral("Basit ortalamada önceki dönem"),
         {QStringLiteral("Son düzeltme yapılan dönem"), QStringLiteral("Bir önceki geçici vergi dönemi")}},
        {QStringLiteral("Amortismanı biten kıymetleri düzelt"), {QStringLiteral("Evet"), QStringLiteral("Hayır")}},
        {QStringLiteral("258 farkı"), {QStringLiteral("698"), QStringLiteral("Özel fon (549)")}},
    };
    return choices;
}

QStringList settingValues(const PeriodSettings& s) {
    const auto& c = periodSettingChoices();
    return {
        c[Depreciation].values[s.depreciation == PeriodDepreciation::IncludedInAccumulated ? 0 : 1],
        c[Booking].values[s.booking == DepreciationBooking::Monthly ? 0 : 1],
        c[Closing].values[s.closing == ResultClosing::To690 ? 0 : 1],
        c[AverageBaseSetting].values[s.averageBase == AverageBase::LastAdjustedPeriod ? 0 : 1],
        c[FullyDepreciated].values[s.adjustFullyDepreciated ? 0 : 1],
        c[Investment].values[s.investmentDifference == InvestmentDifference::To698 ? 0 : 1],
    };
}

bool setSetting(PeriodSettings& s, const QString& caption, const QString& value) {
    const auto& c = periodSettingChoices();
    for (size_t i = 0; i < c.size(); ++i) {
        if (c[i].caption != caption)
            continue;
        const qsizetype choice = c[i].values.indexOf(value);
        if (choice < 0)
            return false;
        const bool first = choice == 0;
        switch (static_cast<SettingIndex>(i)) {
        case Depreciation:
            s.depreciation =
                first ? PeriodDepreciation::IncludedInAccumulated : PeriodDepreciation::FromAdjustedValue;
            break;
        case Booking:
            s.booking = first ? DepreciationBooking::Monthly : DepreciationBooking::Quarterly;
            break;
        case Closing:
            s.closing = first ? ResultClosing::To690 : ResultClosing::To648Or658;
            break;
        case AverageBaseSetting:
            s.averageBase = first ? AverageBase::LastAdjustedPeriod : AverageBase::PreviousProvisionalPeriod;
            break;
        case FullyDepreciated:
            s.adjustFullyDepreciated = first;
            break;
        case Investment:
            s.investmentDifference = first ? InvestmentDifference::To698 : InvestmentDifference::SpecialFund549;
            break;
        }
        return true;
    }
    return false;
}

QString periodName(const QDate& end) {
    return end.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate periodEndFromText(const QString& text) {
    return QDate::fromString(text.trimmed(), QStringLiteral("dd.MM.yyyy"));
}

} // namespace velkor
