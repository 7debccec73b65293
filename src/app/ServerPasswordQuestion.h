#pragma once

#include "storage/ServerPassword.h"

namespace velkor {

class Prompt;

/// The title of the question for the office server's password.
inline const QString kServerPasswordTitle = QStringLiteral("Büro Sunucusu Parolası");

/// The password source of a program that asks its user through its prompt: a question
/// with a hidden entry naming the login, and after a refused answer, why it was refused.
PasswordSource serverPasswordQuestion(Prompt& prompt);

} // namespace velkor
