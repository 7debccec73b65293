#include "app/ServerPasswordQuestion.h"

#include "base/Prompt.h"

namespace velkor {

PasswordSource serverPasswordQuestion(Prompt& prompt) {
    return [&prompt](const PasswordRequest& request) {
        QString text =
            QStringLiteral("Büro sunucusu parola istiyor.\nKullanıcı: %1\n\nParola:").arg(request.login);
        if (!request.refusal.isEmpty())
            text = QStringLiteral("%1 Tekrar deneyiniz (%2/%3).\n\n")
                       .arg(request.refusal)
                       .arg(request.attempt)
                       .arg(kPasswordAttempts) +
                   text;
        return prompt.askText(text, kServerPasswordTitle, true);
    };
}

} // namespace velkor
