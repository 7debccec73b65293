#include "base/ProgressWindow.h"

#include "base/WindowManager.h"
#include "base/WindowNames.h"

#include <algorithm>

namespace velkor {

ProgressWindow::ProgressWindow(WindowManager& windows) : m_windows(windows), m_form(windows::kProgress) {
    m_form.setCaption(QStringLiteral("İşlem durumu"));
    m_form.addLabel(QStringLiteral("DurumLabel"), QStringLiteral("Bekleyin dosyalar güncelleniyor..."));
    m_form.addLabel(QStringLiteral("DetayLabel"));
    m_form.addLabel(QStringLiteral("ToplamLabel"), QStringLiteral("Toplam ilerleme durumu"));
    m_form.addEdit(QStringLiteral("ToplamGauge"), QStringLiteral("0"));
    m_form.addLabel(QStringLiteral("AktifLabel"), QStringLiteral("Aktif kayıt ilerleme durumu"));
    m_form.addEdit(QStringLiteral("AktifGauge"), QStringLiteral("0"));
    m_form.addLabel(QStringLiteral("GecenSureLabel"), QStringLiteral("Geçen süre:"));
    m_form.addLabel(QStringLiteral("SureLabel"));
    m_form.addButton(QStringLiteral("KapatBut"), QStringLiteral("KAPAT"));
    m_form.onClick(QStringLiteral("KapatBut"), [this] { KapatButClick(); });
}

void ProgressWindow::setProgress(int total, int current) {
    m_form.setText(QStringLiteral("ToplamGauge"), QString::number(std::clamp(total, 0, 100)));
    m_form.setText(QStringLiteral("AktifGauge"), QString::number(std::clamp(current, 0, 100)));
}

void ProgressWindow::showOnTop() {
    m_windows.show(windows::kProgress);
    m_windows.setStayOnTop(windows::kProgress, true);
}

void ProgressWindow::KapatButClick() {
    m_windows.hide(windows::kProgress);
    m_windows.setStayOnTop(windows::kProgress, false);
}

} // namespace velkor
