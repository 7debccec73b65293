#include "storage/CompanyFiles.h"

#include "base/ShownError.h"
#include "base/TextHelpers.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/Statement.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace velkor {

namespace {

const QString kExtension = QStringLiteral(".mdb");
const QString kTemporarySuffix = QStringLiteral(".mdb.yeni");

// Characters a user cannot see or that a file system treats specially: controls
// (DEL and C1 included), format characters such as U+200B and U+FEFF, line and
// paragraph separators, spaces other than the plain one, unpaired surrogates and
// private or unassigned code points.
bool isInvisible(QChar c) {
    switch (c.category()) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    case QChar::Separator_Space:
        return c != QLatin1Char(' ');
    default:
        return false;
    }
}

QStringList codesWithSuffix(const QString& home, const QString& suffix) {
    QStringList codes;
    const QDir data(home + QStringLiteral("Data"));
    for (const QString& file :
         data.entryList({QLatin1Char('*') + suffix}, QDir::Files | QDir::Hidden | QDir::CaseSensitive)) {
        if (file.endsWith(suffix) && file.size() > suffix.size())
            codes << file.left(file.size() - suffix.size());
    }
    return codes;
}

} // namespace

QString companyCodeProblem(const QString& code) {
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return QStringLiteral("Firma kodunu boş geçemezsiniz.");
    if (code.size() > 30)
        return QStringLiteral("Firma kodu en fazla 30 karakter olabilir.");
    static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|]"));
    const bool invisible = std::any_of(code.begin(), code.end(), isInvisible);
    if (invisible || code.contains(forbidden) || code.contains(QStringLiteral("..")))
        return QStringLiteral("Firma kodu dosya adı olarak kullanılamaz: \\ / : * ? \" < > | karakterleri, "
                              "kontrol karakterleri, görünmeyen karakterler ve \"..\" firma kodunda "
                              "bulunamaz.");
    if (code != trimmed || code.endsWith(QLatin1Char('.')))
        return QStringLiteral("Firma kodu boşlukla başlayıp bitemez ve nokta ile bitemez.");
    static const QRegularExpression reserved(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(code).hasMatch())
        return QStringLiteral("\"%1\" sistemin ayrılmış bir dosya adıdır; firma kodu olarak kullanılamaz.")
            .arg(code);
    return {};
}

bool sameCompanyCode(const QString& a, const QString& b) {
    return a.toLower() == b.toLower() || TurkishLower(a).toLower() == TurkishLower(b).toLower();
}

QString companyDatabasePath(const QString& home, const QString& code) {
    if (const QString problem = companyCodeProblem(code); !problem.isEmpty())
        throw ShownError(problem);
    return home + QStringLiteral("Data/") + code + kExtension;
}

QString companyTemporaryPath(const QString& home, const QString& code) {
    return companyDatabasePath(home, code) + QStringLiteral(".yeni");
}

QStringList companyFileCodes(const QString& home) {
    return codesWithSuffix(home, kExtension);
}

QStringList interruptedCompanyFileCodes(const QString& home) {
    return codesWithSuffix(home, kTemporarySuffix);
}

QString companyDatabaseProblem(const QString& path) {
    try {
        Database db(path, kDatabasePassword);
        if (!db.hasTable(QStringLiteral("sabit_kiymet")))
            return QStringLiteral("%1 dosyasında sabit_kiymet tablosu yok.").arg(path);
        QSet<QString> present;
        for (const EngineColumn& column : db.tableColumns(QStringLiteral("sabit_kiymet")))
            present.insert(column.name.toLower());
        for (const ColumnDef& column : kItemColumns) {
            if (!present.contains(QString::fromUtf8(column.name).toLower()))
                return QStringLiteral("%1 dosyasının sabit_kiymet tablosunda %2 alanı yok.")
                    .arg(path, QString::fromUtf8(column.name));
        }
    } catch (const ShownError& e) {
        return e.message();
    }
    return {};
}

} // namespace velkor
