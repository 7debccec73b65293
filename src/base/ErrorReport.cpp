#include "base/ErrorReport.h"

#include "base/FormModel.h"
#include "base/ShownError.h"

namespace velkor {

void reportError(Prompt& prompt, const std::exception_ptr& error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const ShownError& e) {
        text = e.message();
    } catch (const UnknownFieldError& e) {
        text = QStringLiteral("Program hatası: ") + QString::fromStdString(e.what());
    } catch (const std::bad_alloc&) {
        text = QStringLiteral("Bellek yetersiz; işlem tamamlanamadı.");
    } catch (const std::exception& e) {
        text = QStringLiteral("İşlem tamamlanamadı: ") + QString::fromStdString(e.what());
    } catch (...) {
        text = QStringLiteral("İşlem beklenmeyen bir hata ile sona erdi.");
    }
    prompt.showMessage(text, QStringLiteral("Hata"), PromptIcon::Error);
}

bool runGuarded(Prompt& prompt, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (...) {
        reportError(prompt, std::current_exception());
        return false;
    }
}

} // namespace velkor
