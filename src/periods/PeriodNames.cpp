#include "periods/PeriodNames.h"

namespace velkor {

QString periodStateName(PeriodState state) {
    switch (state) {
    case PeriodState::Open:
        return QStringLiteral("Açık");
    case PeriodState::Closed:
        return QStringLiteral("Kapandı");
    case PeriodState::Skipped:
        return QStringLiteral("Yapılmadı");
    }
    return {};
}

QString periodKindName(PeriodKind kind) {
    return kind == PeriodKind::Legal ? QStringLiteral("Yasal") : QStringLiteral("Bilgi amaçlı");
}

QString lineStatusName(const PeriodLine& line) {
    switch (line.status) {
    case LineStatus::Carried:
        return line.interrupted ? QStringLiteral("Devreden (ara verilmiş)") : QStringLiteral("Devreden");
    case LineStatus::New:
        return QStringLiteral("Yeni");
    case LineStatus::SimpleAverage:
        return QStringLiteral("Basit Ortalama");
    case LineStatus::NotComputed:
        return QStringLiteral("Hesaplanmadı");
    case LineStatus::Outside:
        return QStringLiteral("Dışarıda");
    }
    return {};
}

QStringList depreciationChoices() {
    return {QStringLiteral("Birikmişe dahil"), QStringLiteral("Düzeltilmiş değerden yeniden")};
}

QStringList bookingChoices() {
    return {QStringLiteral("Aylık"), QStringLiteral("Üç aylık")};
}

QStringList closingChoices() {
    return {QStringLiteral("690"), QStringLiteral("648/658")};
}

QStringList averageBaseChoices() {
    return {QStringLiteral("Son düzeltme yapılan dönem"), QStringLiteral("Bir önceki geçici vergi dönemi")};
}

QStringList yesNoChoices() {
    return {QStringLiteral("Evet"), QStringLiteral("Hayır")};
}

QStringList investmentChoices() {
    return {QStringLiteral("698"), QStringLiteral("Özel fon (549)")};
}

QStringList stockMethodChoices() {
    return {QString(), QStringLiteral("Gerçek Yöntem"), QStringLiteral("Basit Ortalama"),
            QStringLiteral("Hareketli Ağırlıklı Ortalama")};
}

} // namespace velkor
