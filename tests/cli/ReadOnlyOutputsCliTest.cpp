#include "storage/ConnectionStrings.h"
#include "storage/IniFile.h"
#include "storage/OfficeConnection.h"
#include "storage/OfficeServer.h"
#include "storage/PgConnection.h"
#include "storage/ZipArchive.h"
#include "support/OfficeInstallation.h"
#include "support/PostgresServer.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace velkor::test {
namespace {

const QString kCompany = QStringLiteral("ESK");
const QString kPeriodEnd = QStringLiteral("31.12.2024");

/// What one command gave: its exit code, what it printed and the file it wrote.
struct Output {
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray file;
};

/// An office whose company, with its 31.12.2023 work and an open later period, was prepared
/// by an accountant; an auditor (a login of the reading role) then asks for every report,
/// print, export, voucher and backup of it.
class ReadOnlyOutputsTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        office = std::make_unique<OfficeInstallation>(*server, QStringLiteral(VELKOR_CLI_PATH));
        ASSERT_TRUE(office->error().isEmpty()) << office->error().toStdString();
        const QString database = office->database();
        const OfficeRoles roles = officeRoles(database);
        server->superuserExec(QStringLiteral("CREATE ROLE %1_muhasebeci LOGIN PASSWORD 'yazar' IN ROLE %2; "
                                             "CREATE ROLE %1_denetci LOGIN PASSWORD 'okur' IN ROLE %3")
                                  .arg(database, roles.writer, roles.reader),
                              database);
        // A service for each login, as each user's computer has.
        ASSERT_TRUE(office->addLogin(QStringLiteral("yazar"), database + QStringLiteral("_muhasebeci"),
                                     QStringLiteral("yazar")));
        ASSERT_TRUE(office->addLogin(QStringLiteral("okur"), database + QStringLiteral("_denetci"),
                                     QStringLiteral("okur")));

        // The office's administrator brings the company file of the release before the
        // later periods onto the server.
        const QString data = office->home() + QStringLiteral("/Data/ESK.mdb");
        ASSERT_TRUE(QFile::copy(QStringLiteral(VELKOR_TEST_SOURCE_DIR "/periods/data/ESK.mdb"), data));
        QFile::setPermissions(data, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        expectRuns({QStringLiteral("company"), QStringLiteral("adopt"), kCompany,
                    QStringLiteral("Eski Dosya A.Ş.")});
        expectRuns({QStringLiteral("company"), QStringLiteral("move"), kCompany, QStringLiteral("--to"),
                    QStringLiteral("sunucu")});
        // An accountant prepares the report (the closing rows are stored) and adds a period.
        useService(QStringLiteral("yazar"));
        expectRuns({QStringLiteral("report"), QStringLiteral("--company"), kCompany});
        expectRuns({QStringLiteral("period"), QStringLiteral("add"), QStringLiteral("--company"), kCompany,
                    QStringLiteral("--end"), kPeriodEnd});
    }

    void useService(const QString& service) {
        IniFile(office->home() + QStringLiteral("/Ayarlar.ini"))
            .setValue(kServerSection, kServerServiceKey, service);
    }

    Output cli(const QStringList& args) {
        Output output;
        output.exitCode =
            runCliWith(office->environment(), QStringList{QStringLiteral("--home"), office->home()} + args,
                       &output.out, &output.err);
        return output;
    }

    void expectRuns(const QStringList& args) {
        const Output output = cli(args);
        ASSERT_EQ(output.exitCode, 0) << args.join(QLatin1Char(' ')).toStdString() << "\n"
                                      << (output.out + output.err).toStdString();
    }

    /// Runs a command that writes `file` (the placeholder FILE in `args`) into a folder of
    /// the login's own, and gives what it printed, with that folder left out, and the file.
    Output cliWithFile(const QStringList& args, const QString& login, const QString& name) {
        QDir().mkpath(outputs.filePath(login));
        const QString path = outputs.filePath(login + QLatin1Char('/') + name);
        QStringList withPath = args;
        withPath.replaceInStrings(QStringLiteral("FILE"), path);
        Output output = cli(withPath);
        output.out.replace(outputs.filePath(login), QStringLiteral("KLASÖR"));
        output.err.replace(outputs.filePath(login), QStringLiteral("KLASÖR"));
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            output.file = file.readAll();
        return output;
    }

    /// The rows of every table of the company's schema, one checksum each, read by the
    /// server's superuser.
    QStringList companyChecksums() {
        PgConnection admin(server->conninfo(office->database()));
        const QString schema = companySchema(kCompany);
        QStringList sums;
        const PgResult tables = admin.query(
            QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = $1 "
                           "ORDER BY table_name"),
            {schema});
        for (int i = 0; i < tables.rowCount(); ++i) {
            const QString table = tables.value(i, 0).toString();
            const QString qualified =
                admin.quoteIdentifier(schema) + QLatin1Char('.') + admin.quoteIdentifier(table);
            sums << table + QLatin1Char('=') +
                        admin
                            .scalar(
                                QStringLiteral("SELECT count(*) || ':' || coalesce(md5(string_agg(t::text, "
                                               "E'\\n' ORDER BY t::text)), '') FROM %1 t")
                                    .arg(qualified))
                            .toString();
        }
        return sums;
    }

    /// The parts of a workbook, but for the time it was written (docProps/core.xml).
    static std::map<QString, QByteArray> workbookParts(const QByteArray& xlsx) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("k.xlsx"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(xlsx);
        file.close();
        std::map<QString, QByteArray> parts;
        ZipArchive archive(path, ZipArchive::Mode::Read);
        for (int i = 0; i < archive.entryCount(); ++i) {
            if (archive.entryName(i) != QLatin1String("docProps/core.xml"))
                parts[archive.entryName(i)] = archive.read(i);
        }
        return parts;
    }

    static QString pdfText(const QByteArray& pdf) {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("r.pdf")));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(pdf);
        file.close();
        QProcess process;
        process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
                      {QStringLiteral("-layout"), file.fileName(), QStringLiteral("-")});
        process.waitForFinished(30000);
        // The time of printing is the one thing two prints of the same figures may differ in.
        return QString::fromUtf8(process.readAllStandardOutput())
            .replace(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d(:\\d\\d)?")), QStringLiteral("SS:DD"));
    }

    PostgresServer* server = nullptr;
    std::unique_ptr<OfficeInstallation> office;
    QTemporaryDir outputs;
};

TEST_F(ReadOnlyOutputsTest, AnAuditorGetsEveryOutputOfTheAccountantAndStoresNothing) {
    const QStringList company{QStringLiteral("--company"), kCompany};
    const QStringList period{QStringLiteral("--period"), kPeriodEnd};
    const QStringList end{QStringLiteral("--end"), kPeriodEnd};
    // What each command writes besides its printout: nothing, a PDF, or a file taken byte for byte.
    enum class Kind { Printed, Pdf, Bytes };
    struct Command {
        QStringList args;
        Kind kind;
        QString file;
    };
    std::vector<Command> commands{
        {QStringList{QStringLiteral("report")} + company, Kind::Printed, {}},
        {QStringList{QStringLiteral("report")} + company +
             QStringList{QStringLiteral("--filter"), QStringLiteral("253")},
         Kind::Printed,
         {}},
        {QStringList{QStringLiteral("journal")} + company, Kind::Printed, {}},
        {QStringList{QStringLiteral("totals")} + company, Kind::Printed, {}},
        {QStringList{QStringLiteral("items")} + company, Kind::Printed, {}},
        {QStringList{QStringLiteral("period"), QStringLiteral("list")} + company, Kind::Printed, {}},
        {QStringList{QStringLiteral("period"), QStringLiteral("show")} + company + end, Kind::Printed, {}},
        {QStringList{QStringLiteral("period"), QStringLiteral("report")} + company + end, Kind::Printed, {}},
        {QStringList{QStringLiteral("period"), QStringLiteral("journal")} + company + end, Kind::Printed, {}},
    };
    for (const QString& kind : {QStringLiteral("report"), QStringLiteral("totals")})
        commands.push_back({QStringList{QStringLiteral("export"), kind} + company +
                                QStringList{QStringLiteral("--xlsx"), QStringLiteral("FILE")},
                            Kind::Bytes, kind + QStringLiteral(".xlsx")});
    for (const QString& kind : {QStringLiteral("report"), QStringLiteral("report-depreciation"),
                                QStringLiteral("totals"), QStringLiteral("coefficients")})
        commands.push_back({QStringList{QStringLiteral("export"), kind} + company + period +
                                QStringList{QStringLiteral("--xlsx"), QStringLiteral("FILE")},
                            Kind::Bytes, QStringLiteral("donem-") + kind + QStringLiteral(".xlsx")});
    for (const QString& kind : {QStringLiteral("report"), QStringLiteral("report-depreciation"),
                                QStringLiteral("totals"), QStringLiteral("journal")})
        commands.push_back({QStringList{QStringLiteral("print"), kind} + company +
                                QStringList{QStringLiteral("--pdf"), QStringLiteral("FILE")},
                            Kind::Pdf, kind + QStringLiteral(".pdf")});
    commands.push_back(
        {QStringList{QStringLiteral("print"), QStringLiteral("text")} + company +
             QStringList{QStringLiteral("--sheet"), QStringLiteral("fixed"), QStringLiteral("--load"),
                         QStringLiteral("1"), QStringLiteral("--pdf"), QStringLiteral("FILE")},
         Kind::Pdf, QStringLiteral("kalem.pdf")});
    for (const QString& kind :
         {QStringLiteral("report"), QStringLiteral("report-depreciation"), QStringLiteral("totals"),
          QStringLiteral("coefficients"), QStringLiteral("journal")})
        commands.push_back({QStringList{QStringLiteral("print"), kind} + company + period +
                                QStringList{QStringLiteral("--pdf"), QStringLiteral("FILE")},
                            Kind::Pdf, QStringLiteral("donem-") + kind + QStringLiteral(".pdf")});
    const std::vector<std::pair<QString, QString>> vouchers{
        {QStringLiteral("luca"), QStringLiteral("fis.csv")},
        {QStringLiteral("mikro"), QStringLiteral("fis.csv")},
        {QStringLiteral("netsis"), QStringLiteral("fis.xlsx")},
        {QStringLiteral("logo"), QStringLiteral("fis.xml")},
        {QStringLiteral("sentez"), QStringLiteral("fis.xlsx")}};
    for (const auto& [format, name] : vouchers) {
        for (const bool ofPeriod : {false, true})
            commands.push_back({QStringList{QStringLiteral("voucher"), format} + company +
                                    QStringList{QStringLiteral("--out"), QStringLiteral("FILE")} +
                                    (ofPeriod ? period : QStringList()),
                                Kind::Bytes,
                                (ofPeriod ? QStringLiteral("donem-") : QString()) + format + name});
    }

    const auto runAll = [&](const QString& login) {
        std::vector<Output> outputs;
        for (const Command& command : commands)
            outputs.push_back(command.kind == Kind::Printed ? cli(command.args)
                                                            : cliWithFile(command.args, login, command.file));
        return outputs;
    };
    const std::vector<Output> accountant = runAll(QStringLiteral("yazar"));
    const QStringList before = companyChecksums();
    useService(QStringLiteral("okur"));
    const std::vector<Output> auditor = runAll(QStringLiteral("okur"));

    for (size_t i = 0; i < commands.size(); ++i) {
        const std::string what = commands[i].args.join(QLatin1Char(' ')).toStdString();
        ASSERT_EQ(accountant[i].exitCode, 0) << what << "\n"
                                             << (accountant[i].out + accountant[i].err).toStdString();
        EXPECT_EQ(auditor[i].exitCode, 0) << what << "\n" << (auditor[i].out + auditor[i].err).toStdString();
        EXPECT_EQ(auditor[i].out.toStdString(), accountant[i].out.toStdString()) << what;
        EXPECT_EQ(auditor[i].err.toStdString(), accountant[i].err.toStdString()) << what;
        if (commands[i].kind == Kind::Bytes) {
            EXPECT_FALSE(accountant[i].file.isEmpty()) << what;
            if (commands[i].file.endsWith(QLatin1String(".xlsx")))
                EXPECT_EQ(workbookParts(auditor[i].file), workbookParts(accountant[i].file)) << what;
            else
                EXPECT_EQ(auditor[i].file.toStdString(), accountant[i].file.toStdString()) << what;
        } else if (commands[i].kind == Kind::Pdf &&
                   !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
            const QString text = pdfText(accountant[i].file);
            EXPECT_FALSE(text.trimmed().isEmpty()) << what;
            EXPECT_EQ(pdfText(auditor[i].file).toStdString(), text.toStdString()) << what;
        }
    }

    // A backup of the company and of the whole office, as the accountant's.
    const Output companyBackup = cli({QStringLiteral("backup"), QStringLiteral("company"), kCompany});
    EXPECT_EQ(companyBackup.exitCode, 0) << (companyBackup.out + companyBackup.err).toStdString();
    ZipArchive archive(companyBackup.out.trimmed(), ZipArchive::Mode::Read);
    ASSERT_EQ(archive.entryCount(), 1);
    EXPECT_EQ(archive.entryName(0), QStringLiteral("ESK.mdb"));
    const QString all = outputs.filePath(QStringLiteral("hepsi.zip"));
    const Output officeBackup =
        cli({QStringLiteral("backup"), QStringLiteral("all"), QStringLiteral("--out"), all});
    EXPECT_EQ(officeBackup.exitCode, 0) << (officeBackup.out + officeBackup.err).toStdString();

    EXPECT_EQ(companyChecksums(), before);
}

TEST_F(ReadOnlyOutputsTest, AReportNotPreparedSinceTheLastChangeIsLeftToTheAccountant) {
    // A change after the accountant prepared the report: the 698 row is out of date.
    server->superuserExec(
        QStringLiteral("UPDATE %1.sabit_kiymet SET enflasyon_farki = enflasyon_farki + 1000 "
                       "WHERE anahesapkodu = '253'")
            .arg(companySchema(kCompany)),
        office->database());
    const QStringList report{QStringLiteral("report"), QStringLiteral("--company"), kCompany};
    const QStringList periodReport{QStringLiteral("period"),    QStringLiteral("report"),
                                   QStringLiteral("--company"), kCompany,
                                   QStringLiteral("--end"),     kPeriodEnd};
    const QStringList before = companyChecksums();
    useService(QStringLiteral("okur"));
    for (const QStringList& command : {report, periodReport}) {
        const Output refused = cli(command);
        EXPECT_EQ(refused.exitCode, 1) << command.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(
            refused.err.contains(QStringLiteral("yazma yetkisi olan bir kullanıcının hazırlaması gerekir")))
            << (refused.out + refused.err).toStdString();
    }
    EXPECT_EQ(companyChecksums(), before);

    // Once the accountant has prepared it, the auditor reads it as the accountant does.
    useService(QStringLiteral("yazar"));
    const Output prepared = cli(report);
    ASSERT_EQ(prepared.exitCode, 0) << prepared.err.toStdString();
    EXPECT_NE(companyChecksums(), before);
    useService(QStringLiteral("okur"));
    const Output read = cli(report);
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(read.out.toStdString(), prepared.out.toStdString());
}

} // namespace
} // namespace velkor::test
