#pragma once

#include "periods/PeriodTypes.h"

namespace velkor {

// The Turkish words of a period's states, kinds, settings and line statuses: the screens show
// them, the command line takes them, and the periods' tables store them.

QString stateText(PeriodState state);           // "Açık", "Kapandı", "Yapılmadı"
std::optional<PeriodState> stateFromText(const QString& text);
QString kindText(PeriodKind kind);              // "Yasal", "Bilgi amaçlı"
std::optional<PeriodKind> kindFromText(const QString& text);
QString lineStatusText(LineStatus status);      // "Devreden", "Yeni", "Basit Ortalama", ...
std::optional<LineStatus> lineStatusFromText(const QString& text);
QString stockMethodText(StockMethod method);    // "", "Gerçek Yöntem", "Basit Ortalama", ...
std::optional<StockMethod> stockMethodFromText(const QString& text);

/// One setting of a period (section "Ayarlar" of the tab, `--set` of `period add`): its
/// caption and the words it takes, the first its default.
struct PeriodSettingChoice {
    QString caption;
    QStringList values;
};
/// The six settings in the order the tab shows them: "Dönem amortismanı", "Amortisman kaydı",
/// "698 kapanışı", "Basit ortalamada önceki dönem", "Amortismanı biten kıymetleri düzelt",
/// "258 farkı".
const std::vector<PeriodSettingChoice>& periodSettingChoices();
/// The settings as their words, in the order of `periodSettingChoices`.
QStringList settingValues(const PeriodSettings& settings);
/// Sets the setting named by its caption to a word it takes; false (nothing changed) when the
/// caption or the word is unknown.
bool setSetting(PeriodSettings& settings, const QString& caption, const QString& value);

/// A period's name in every text: its end as "gg.aa.yyyy".
QString periodName(const QDate& end);
/// The end date of a name "gg.aa.yyyy"; null when the text is no date.
QDate periodEndFromText(const QString& text);

} // namespace velkor
