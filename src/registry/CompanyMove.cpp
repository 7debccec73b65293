#include "registry/CompanyMove.h"

#include "base/ShownError.h"
#include "storage/CompanyFiles.h"
#include "storage/CompanyTransfer.h"
#include "storage/ConnectionStrings.h"
#include "storage/Database.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"

#include <QFile>
#include <QFileInfo>

namespace velkor {

namespace {

// The name under which a move holds its company, shown to whoever else wants it meanwhile.
const QString kMoveOperation = QStringLiteral("Firma Taşıma");

QString placeName(CompanyPlace place) {
    return place == CompanyPlace::Server ? QStringLiteral("büro sunucusuna")
                                         : QStringLiteral("bu bilgisayardaki firma dosyasına");
}

} // namespace

CompanyPlace CompanyMove::place(const QString& code) {
    const QString conninfo = officeConnInfo(m_context.home());
    if (conninfo.isEmpty())
        throw ShownError(QStringLiteral("Firmalar yalnızca büro sunucusu kullanan bir kurulumda taşınır: "
                                        "Ayarlar.ini dosyasının [Sunucu] bölümünde Servis belirtilmemiş."));
    m_context.general().ensureOpen();
    if (m_context.general()
            .database()
            .scalar(QStringLiteral("SELECT count(*) FROM firmalar WHERE kodu = ?"), {code})
            .toLongLong() == 0)
        throw ShownError(QStringLiteral("Firma bulunamadı: ") + code);
    return companyOnServer(*connectToOffice(conninfo), code) ? CompanyPlace::Server : CompanyPlace::File;
}

QString CompanyMove::question(const QString& code, CompanyPlace to) {
    return QStringLiteral("%1 firması bütün kayıtlarıyla %2 taşınacaktır. Taşıma bitene kadar firmada "
                          "kimse çalışamaz. Devam edilsin mi?")
        .arg(code, placeName(to));
}

QString CompanyMove::doneMessage(const QString& code, CompanyPlace to) {
    return QStringLiteral("%1 firması %2 taşındı.").arg(code, placeName(to));
}

void CompanyMove::move(const QString& code, CompanyPlace to) {
    const CompanyPlace from = place(code);
    if (from == to)
        throw ShownError(
            to == CompanyPlace::Server
                ? QStringLiteral("%1 firması zaten büro sunucusunda.").arg(code)
                : QStringLiteral("%1 firması zaten bu bilgisayardaki firma dosyasında.").arg(code));
    const QString file = companyDatabasePath(m_context.home(), code);
    // Nobody else works on the company while it changes place; this program lets go of it too.
    const std::unique_ptr<CompanyLock> hold = m_context.companyLocks().exclusive(code, kMoveOperation);
    if (m_context.companyCode() == code)
        m_context.company().close();
    const std::unique_ptr<PgConnection> server = connectToOffice(officeConnInfo(m_context.home()));
    if (to == CompanyPlace::Server) {
        if (!QFileInfo::exists(file))
            throw ShownError(
                QStringLiteral("%1 firmasının veritabanı dosyası bulunamadı: Data/%1.mdb").arg(code));
        {
            Database source(file, kDatabasePassword);
            // One transaction on the server: the whole company arrives, or nothing of it.
            copyCompanyToServer(source, *server, code);
        }
        // From here on the server's copy is the company; the file is what is left of it.
        if (!QFile::remove(file))
            throw ShownError(
                QStringLiteral("%1 firması büro sunucusuna taşındı, ancak eski dosyası silinemedi: "
                               "Data/%1.mdb dosyasını siliniz.")
                    .arg(code));
        return;
    }
    if (QFileInfo::exists(file))
        throw ShownError(QStringLiteral("Data/%1.mdb dosyası zaten var; firma sunucudan dosyaya taşınmadı. "
                                        "Dosyayı başka bir klasöre aldıktan sonra tekrar deneyiniz.")
                             .arg(code));
    // The file is written under a temporary name and takes its place only when complete;
    // the schema is dropped only after that.
    copyCompanyToFile(*server, code, file);
    removeCompanySchema(*server, code);
}

} // namespace velkor
