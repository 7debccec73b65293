#include "engine/FixedAssetSheetControls.h"
#include "storage/PgConnection.h"
#include "support/OfficeInstallation.h"
#include "support/PostgresServer.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace velkor::test {
namespace {

const QString kStale =
    QStringLiteral("Bu kayıt siz açtıktan sonra değiştirildi; yeniden yükleyip tekrar deneyiniz.");

/// Several programs on one office of the test server at once, each a process of its own as
/// on the accountants' computers.
class ServerConcurrencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        VELKOR_REQUIRE_POSTGRES(found);
        server = found;
        office = std::make_unique<OfficeInstallation>(*server, QStringLiteral(VELKOR_CLI_PATH));
        ASSERT_TRUE(office->error().isEmpty()) << office->error().toStdString();
    }

    /// The company's items as `items` lists them: the value of `column` by item code.
    std::map<QString, QString> itemsByCode(const QString& company, const QString& column) {
        QString out;
        QString err;
        EXPECT_EQ(office->cli({QStringLiteral("items"), QStringLiteral("--company"), company}, &out, &err), 0)
            << err.toStdString();
        QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        std::map<QString, QString> values;
        if (lines.isEmpty())
            return values;
        const QStringList header = lines.takeFirst().split(QLatin1Char('\t'));
        const auto find = [&](const QString& name) {
            for (qsizetype i = 0; i < header.size(); ++i) {
                if (header[i].compare(name, Qt::CaseInsensitive) == 0)
                    return i;
            }
            return qsizetype(-1);
        };
        const qsizetype code = find(QStringLiteral("sbk_kodu"));
        const qsizetype wanted = find(column);
        EXPECT_GE(code, 0);
        EXPECT_GE(wanted, 0);
        for (const QString& line : lines) {
            const QStringList cells = line.split(QLatin1Char('\t'));
            EXPECT_TRUE(values.emplace(cells.value(code), cells.value(wanted)).second)
                << "twice: " << cells.value(code).toStdString();
        }
        return values;
    }

    /// Starts `writers` save_worker programs, writer w on companies[w % companies.size()],
    /// each saving `saves` times; fails the test when one of them does not end in time
    /// (a deadlock left hanging) or does not save everything.
    void runWriters(const QStringList& companies, int writers, int saves) {
        std::vector<std::unique_ptr<QProcess>> processes;
        for (int w = 0; w < writers; ++w) {
            auto process = std::make_unique<QProcess>();
            process->setProcessEnvironment(office->environment());
            process->start(QStringLiteral(VELKOR_SAVE_WORKER_PATH),
                           {office->home(), companies[w % companies.size()], QString::number(w),
                            QString::number(saves)});
            processes.push_back(std::move(process));
        }
        const QDeadlineTimer deadline(180000);
        for (int w = 0; w < writers; ++w) {
            QProcess& process = *processes[w];
            const bool ended = process.waitForFinished(std::max<qint64>(1, deadline.remainingTime()));
            if (!ended) {
                for (auto& p : processes)
                    p->kill();
                FAIL() << "writer " << w << " still runs: a save waits for ever";
            }
            const QString out = QString::fromUtf8(process.readAllStandardOutput());
            EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
            EXPECT_EQ(out.trimmed(), QStringLiteral("kaydedildi %1").arg(saves)) << out.toStdString();
        }
    }

    /// Every item each writer saved, with the value of its second save.
    void expectEverySave(const QString& company, const QList<int>& writers, int saves) {
        const auto values = itemsByCode(company, QStringLiteral("VUK_Son_Degeri"));
        EXPECT_EQ(values.size(), size_t(writers.size() * saves / 2));
        for (int w : writers) {
            for (int pair = 0; pair < saves / 2; ++pair) {
                const auto it = values.find(QStringLiteral("Y%1-%2").arg(w).arg(pair));
                ASSERT_NE(it, values.end()) << "lost: writer " << w << " item " << pair;
                EXPECT_EQ(it->second, QStringLiteral("%1.75").arg(500 + pair))
                    << "writer " << w << " item " << pair;
            }
        }
    }

    PostgresServer* server = nullptr;
    std::unique_ptr<OfficeInstallation> office;
};

TEST_F(ServerConcurrencyTest, OfTwoSavesOfOneItemTheLaterIsRefusedAndNothingIsLost) {
    ASSERT_TRUE(office->addCompany(QStringLiteral("AYNI"))) << office->error().toStdString();
    const auto set = [](const QString& control, const QString& text) {
        return QStringList{QStringLiteral("--set"), control + QLatin1Char('=') + text};
    };
    const QStringList sheet{QStringLiteral("sheet"), QStringLiteral("fixed"), QStringLiteral("--company"),
                            QStringLiteral("AYNI")};
    const QStringList save{QStringLiteral("--click"), ctl::fixedasset::KaydetButton};
    QString out;
    QString err;
    ASSERT_EQ(office->cli(sheet + set(ctl::fixedasset::DuzeltmeAnaHesapCombo, QStringLiteral("253")) +
                              set(ctl::fixedasset::KoduEdit, QStringLiteral("01")) +
                              set(ctl::fixedasset::AdiEdit, QStringLiteral("Torna")) +
                              set(ctl::fixedasset::GirisTarihiDate, QStringLiteral("15.03.2020")) +
                              set(ctl::fixedasset::KayitliTutariEdit, QStringLiteral("100.000,00")) + save,
                          &out, &err),
              0)
        << (out + err).toStdString();
    QString id;
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(ctl::fixedasset::Kayit_No_Edit + QLatin1Char('=')))
            id = line.section(QLatin1Char('='), 1);
    }
    ASSERT_FALSE(id.isEmpty()) << out.toStdString();
    const QStringList load{QStringLiteral("--load"), id};

    // The first user loads the item and is held there; the second loads and saves it.
    const QString marker = office->home() + QStringLiteral("/yuklendi");
    QProcess first;
    QProcessEnvironment environment = office->environment();
    environment.insert(QStringLiteral("VELKOR_TEST_DURAKLAT"), QStringLiteral("yuklendi:") + marker);
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(VELKOR_CLI_PATH),
                QStringList{QStringLiteral("--home"), office->home()} + sheet + load +
                    set(ctl::fixedasset::AdiEdit, QStringLiteral("Torna (birinci)")) + save);
    const QDeadlineTimer loaded(60000);
    while (!QFileInfo::exists(marker) && !loaded.hasExpired() && first.state() != QProcess::NotRunning)
        QThread::msleep(10);
    ASSERT_TRUE(QFileInfo::exists(marker)) << first.readAllStandardError().toStdString();
    EXPECT_EQ(
        office->cli(sheet + load + set(ctl::fixedasset::AdiEdit, QStringLiteral("Torna (ikinci)")) + save,
                    &out, &err),
        0)
        << (out + err).toStdString();

    // The first user's save comes after it and is refused, with the message.
    QFile::remove(marker);
    ASSERT_TRUE(first.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(first.readAllStandardError()).contains(kStale));
    const auto names = itemsByCode(QStringLiteral("AYNI"), QStringLiteral("sbk_adi"));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names.begin()->second, QStringLiteral("Torna (ikinci)"));
}

TEST_F(ServerConcurrencyTest, FourWritersOnOneCompanyLoseNoSave) {
    ASSERT_TRUE(office->addCompany(QStringLiteral("ORTAK"))) << office->error().toStdString();
    runWriters({QStringLiteral("ORTAK")}, 4, 250);
    expectEverySave(QStringLiteral("ORTAK"), {0, 1, 2, 3}, 250);
}

TEST_F(ServerConcurrencyTest, FourWritersOnFourCompaniesLoseNoSave) {
    const QStringList companies{QStringLiteral("F0"), QStringLiteral("F1"), QStringLiteral("F2"),
                                QStringLiteral("F3")};
    for (const QString& code : companies)
        ASSERT_TRUE(office->addCompany(code)) << office->error().toStdString();
    runWriters(companies, 4, 250);
    for (int w = 0; w < 4; ++w)
        expectEverySave(companies[w], {w}, 250);
}

TEST_F(ServerConcurrencyTest, ALockOfAKilledProgramIsReleased) {
    ASSERT_TRUE(office->addCompany(QStringLiteral("KILIT"))) << office->error().toStdString();
    QProcess holder;
    holder.setProcessEnvironment(office->environment());
    holder.start(QStringLiteral(VELKOR_SAVE_WORKER_PATH),
                 {office->home(), QStringLiteral("KILIT"), QStringLiteral("--hold")});
    const QDeadlineTimer deadline(60000);
    while (!holder.readAllStandardOutput().contains("tutuluyor") && !deadline.hasExpired() &&
           holder.state() != QProcess::NotRunning)
        holder.waitForReadyRead(100);
    ASSERT_EQ(holder.state(), QProcess::Running) << holder.readAllStandardError().toStdString();
    PgConnection watcher(server->conninfo(office->database()));
    const auto advisoryLocks = [&] {
        return watcher.scalar(QStringLiteral("SELECT count(*) FROM pg_locks WHERE locktype = 'advisory'"))
            .toInt();
    };
    ASSERT_GT(advisoryLocks(), 0);

    ::kill(static_cast<pid_t>(holder.processId()), SIGKILL);
    ASSERT_TRUE(holder.waitForFinished(10000));
    // The next exclusive operation gets the company.
    QString out;
    QString err;
    EXPECT_EQ(office->cli({QStringLiteral("--answer"), QStringLiteral("Evet"), QStringLiteral("--answer"),
                           QStringLiteral("Hayir"), QStringLiteral("reset"), QStringLiteral("--company"),
                           QStringLiteral("KILIT")},
                          &out, &err),
              0)
        << (out + err).toStdString();
}

} // namespace
} // namespace velkor::test
