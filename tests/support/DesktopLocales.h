#pragma once

#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>

namespace velkor::test {

/// A desktop's locale with the separators the program takes from it.
struct Desktop {
    QString locale;
    QChar group;
    QChar decimal;
};

/// The desktops the programs are compared on: Turkish first, as the users have it.
inline const Desktop kDesktops[] = {
    {QStringLiteral("tr_TR.UTF-8"), QLatin1Char('.'), QLatin1Char(',')},
    {QStringLiteral("de_DE.UTF-8"), QLatin1Char('.'), QLatin1Char(',')},
    {QStringLiteral("en_US.UTF-8"), QLatin1Char(','), QLatin1Char('.')},
    {QStringLiteral("C"), QLatin1Char('.'), QLatin1Char(',')},
};

/// The environment of a program started on the desktop: LANG set, no LC_* variables.
inline QProcessEnvironment environmentOf(const Desktop& desktop) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& name : env.keys()) {
        if (name.startsWith(QLatin1String("LC_")) || name == QLatin1String("LANGUAGE"))
            env.remove(name);
    }
    env.insert(QStringLiteral("LANG"), desktop.locale);
    return env;
}

/// An amount written the Turkish way ("900.000,50") as a user of the desktop types it.
inline QString typed(const Desktop& desktop, const QString& turkish) {
    QString text = turkish;
    for (QChar& c : text) {
        if (c == QLatin1Char('.'))
            c = desktop.group;
        else if (c == QLatin1Char(','))
            c = desktop.decimal;
    }
    return text;
}

/// Every amount of a text in the desktop's separators, written plainly ("900000.50"): the
/// figures of two desktops' texts compare equal when these do. Dates ("15.03.2020") and
/// account codes ("253.001") are left as they are.
inline QString plainAmounts(const Desktop& desktop, const QString& text) {
    const QString g = QRegularExpression::escape(desktop.group);
    const QString d = QRegularExpression::escape(desktop.decimal);
    const QRegularExpression amount(
        QStringLiteral("(?<![\\d.,])-?\\d+(?:%1\\d{3})*%2\\d+(?![\\d.,])").arg(g, d));
    QString result;
    qsizetype last = 0;
    for (auto it = amount.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        result += text.mid(last, m.capturedStart() - last);
        result += m.captured().remove(desktop.group).replace(desktop.decimal, QLatin1Char('.'));
        last = m.capturedEnd();
    }
    return result + text.mid(last);
}

} // namespace velkor::test
