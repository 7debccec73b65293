#include "base/ProgressWindow.h"

#include "base/ProgressWindowControls.h"
#include "base/WindowManager.h"
#include "base/WindowNames.h"

#include <algorithm>

namespace velkor {

ProgressWindow::ProgressWindow(WindowManager& windows) : m_windows(windows), m_form(windows::kProgress) {
    m_form.setCaption(QStringLiteral("İşlem durumu"));
    m_form.addLabel(ctl::progress::DurumLabel, QStringLiteral("Bekleyin dosyalar güncelleniyor..."));
    m_form.addLabel(ctl::progress::DetayLabel);
    m_form.addLabel(ctl::progress::ToplamLabel, QStringLiteral("Toplam ilerleme durumu"));
    m_form.addEdit(ctl::progress::ToplamGauge, QStringLiteral("0"));
    m_form.addLabel(ctl::progress::AktifLabel, QStringLiteral("Aktif kayıt ilerleme durumu"));
    m_form.addEdit(ctl::progress::AktifGauge, QStringLiteral("0"));
    m_form.addLabel(ctl::progress::GecenSureLabel, QStringLiteral("Geçen süre:"));
    m_form.addLabel(ctl::progress::SureLabel);
    m_form.addButton(ctl::progress::KapatBut, QStringLiteral("KAPAT"));
    m_form.onClick(ctl::progress::KapatBut, [this] { KapatButClick(); });
}

void ProgressWindow::setProgress(int total, int current) {
    m_form.setText(ctl::progress::ToplamGauge, QString::number(std::clamp(total, 0, 100)));
    m_form.setText(ctl::progress::AktifGauge, QString::number(std::clamp(current, 0, 100)));
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
