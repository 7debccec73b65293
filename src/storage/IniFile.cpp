#include "storage/IniFile.h"

#include "storage/DatabaseError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace velkor {

namespace {

// A FIFO or a device would block start-up or never end; an oversized file is no
// settings file of the program.
QString problemOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    if (!info.isFile())
        return QStringLiteral("Ayar dosyası okunmadı: %1 düzenli bir dosya değil; varsayılan değerler "
                              "kullanılıyor.")
            .arg(path);
    if (info.size() > IniFile::kSizeLimit)
        return QStringLiteral("Ayar dosyası okunmadı: %1 1 MB'tan büyük; varsayılan değerler kullanılıyor.")
            .arg(path);
    return {};
}

QStringList readLines(const QString& path) {
    if (!problemOf(path).isEmpty())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.read(IniFile::kSizeLimit));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

QString sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']')))
        return t.mid(1, t.size() - 2).trimmed();
    return {};
}

} // namespace

IniFile::IniFile(const QString& path) : m_path(path) {}

QString IniFile::readProblem() const {
    return problemOf(m_path);
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const {
    QString current;
    for (const QString& line : readLines(m_path)) {
        const QString s = sectionOf(line);
        if (!s.isEmpty()) {
            current = s;
            continue;
        }
        if (current.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1);
    }
    return defaultValue;
}

int IniFile::intValue(const QString& section, const QString& key, int defaultValue) const {
    bool ok = false;
    const int v = value(section, key).trimmed().toInt(&ok);
    return ok ? v : defaultValue;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
    const QFileInfo info(m_path);
    if ((info.exists() || info.isSymLink()) && !info.isFile())
        throw DatabaseError(
            QStringLiteral("Ayar dosyası yazılamadı: %1 düzenli bir dosya değil.").arg(m_path));
    QStringList lines = readLines(m_path);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    int sectionStart = -1;
    int insertAt = -1;
    bool written = false;
    QString current;
    for (int i = 0; i < lines.size() && !written; ++i) {
        const QString s = sectionOf(lines.at(i));
        if (!s.isEmpty()) {
            current = s;
            if (s.compare(section, Qt::CaseInsensitive) == 0)
                sectionStart = i;
            continue;
        }
        if (current.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        if (!lines.at(i).trimmed().isEmpty())
            insertAt = i + 1;
        const int eq = lines.at(i).indexOf(QLatin1Char('='));
        if (eq > 0 && lines.at(i).left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) {
            lines[i] = key + QLatin1Char('=') + value;
            written = true;
        }
    }
    if (!written) {
        if (sectionStart < 0) {
            if (!lines.isEmpty())
                lines << QString();
            lines << QLatin1Char('[') + section + QLatin1Char(']');
            lines << key + QLatin1Char('=') + value;
        } else {
            lines.insert(insertAt < 0 ? sectionStart + 1 : insertAt, key + QLatin1Char('=') + value);
        }
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        throw DatabaseError(
            QStringLiteral("Ayar dosyası yazılamadı: %1 (%2)").arg(m_path, file.errorString()));
    file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    if (!file.commit())
        throw DatabaseError(
            QStringLiteral("Ayar dosyası yazılamadı: %1 (%2)").arg(m_path, file.errorString()));
}

} // namespace velkor
