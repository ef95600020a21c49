// SPDX-License-Identifier: GPL-3.0-or-later
// SteamCMD's failure lines in every prefix it has used, in any letter case,
// on open lines and after prompts, and the sentences a player gets.
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamFailureReasons.h"

#include <QTest>

#include <sys/stat.h>

using Kind = SteamFailure::Kind;
Q_DECLARE_METATYPE(SteamFailure::Kind)

namespace {

const QString kAssets = QStringLiteral("/home/p/Documents/Vantor Online/Assets");
const QString kSteamCMD = QStringLiteral("/home/p/.local/share/Vantor Online/steamcmd");
const QString kAuthFailed = QStringLiteral("Authentication failed — check credentials");
const QString kNotOwned = QStringLiteral("Game not owned — purchase required");

SteamFailure recognise(const QString &line)
{
    return SteamFailureReasons::recognise(line, {kAssets, kSteamCMD, std::nullopt});
}

struct Reason
{
    const char *text;
    Kind kind;
    const char *failure; // empty: the exit status gives the failure
    bool endsRun;
    bool retryOnce;
};

const Reason kReasons[] = {
    {"Rate Limit Exceeded", Kind::RateLimited, "Authentication failed — check credentials", true,
     false},
    {"Two-factor code mismatch", Kind::CodeRejected, "Authentication failed — check credentials",
     true, false},
    {"Invalid Login Auth Code", Kind::CodeRejected, "Authentication failed — check credentials",
     true, false},
    {"Account Logon Denied", Kind::CodeRejected, "Authentication failed — check credentials", true,
     false},
    {"Invalid Password", Kind::InvalidPassword, "Authentication failed — check credentials", true,
     false},
    {"Timeout", Kind::ApprovalTimedOut, "Sign-in not approved in time", true, false},
    {"No Connection", Kind::NoConnection, "", false, false},
    {"Not enough disk space", Kind::DiskFull, "", false, false},
    {"Disk write failure", Kind::DiskWriteFailure, "", false, false},
    {"Invalid platform", Kind::InvalidPlatform, "", false, false},
    {"No subscription", Kind::NotOwned, "Game not owned — purchase required", false, false},
    {"No license", Kind::NotOwned, "Game not owned — purchase required", false, false},
    {"Missing configuration", Kind::MissingConfiguration, "", false, true},
};

// Every prefix SteamCMD has put in front of a reason, "%1" being the reason.
const char *const kForms[] = {
    "Login Failure: %1",
    "FAILED login with result code %1",
    "Logging in user 'NAME' [U:1:59827295] to Steam Public...FAILED (%1)",
    "\x1b[0mERROR (%1)\n",
    "Two-factor code:FAILED (%1)",
    "ERROR! Failed to install app '4187530' (%1)",
};

} // namespace

class TestSteamFailureReasons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reasonInEveryForm_data();
    void reasonInEveryForm();
    void updateJobStatesAndLoader_data();
    void updateJobStatesAndLoader();
    void noFailureInOrdinaryOutput_data();
    void noFailureInOrdinaryOutput();
    void sentences_data();
    void sentences();
    void shortfallFromContentLog();
    void contentLogReadFromItsEndOnly();
};

void TestSteamFailureReasons::reasonInEveryForm_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("endsRun");
    QTest::addColumn<bool>("retryOnce");
    for (const Reason &r : kReasons) {
        const QString reason = QString::fromUtf8(r.text);
        for (const char *form : kForms) {
            const QString line = QString::fromUtf8(form).arg(reason);
            QTest::addRow("%s", qPrintable(line.trimmed()))
                << line << reason << r.kind << QString::fromUtf8(r.failure) << r.endsRun
                << r.retryOnce;
        }
        // Letter case has changed between versions too.
        const QString upper = QStringLiteral("FAILED (%1)").arg(reason.toUpper());
        QTest::addRow("%s", qPrintable(upper))
            << upper << reason.toUpper() << r.kind << QString::fromUtf8(r.failure) << r.endsRun
            << r.retryOnce;
        const QString lower = QStringLiteral("login failure: %1").arg(reason.toLower());
        QTest::addRow("%s", qPrintable(lower))
            << lower << reason.toLower() << r.kind << QString::fromUtf8(r.failure) << r.endsRun
            << r.retryOnce;
    }
    QTest::newRow("approval wait timed out")
        << "Wait for confirmation timed out.Timed out waiting for confirmation."
        << "Timed out waiting for confirmation" << Kind::ApprovalTimedOut
        << "Sign-in not approved in time" << true << false;
}

void TestSteamFailureReasons::reasonInEveryForm()
{
    QFETCH(QString, line);
    QFETCH(QString, reason);
    QFETCH(Kind, kind);
    QFETCH(QString, failure);
    QFETCH(bool, endsRun);
    QFETCH(bool, retryOnce);
    const SteamFailure f = recognise(line);
    QCOMPARE(f.kind, kind);
    QCOMPARE(f.reason, reason);
    QCOMPARE(f.failure, failure);
    QCOMPARE(f.endsRun, endsRun);
    QCOMPARE(f.retryOnce, retryOnce);
    QVERIFY(!f.explanation.isEmpty());
    // Whatever ends the run at once must say why.
    QVERIFY(!endsRun || !f.failure.isEmpty());
}

void TestSteamFailureReasons::updateJobStatesAndLoader_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("reason");
    const QString job = QStringLiteral("Error! App '4187530' state is %1 after update job.");
    QTest::newRow("0x202") << job.arg("0x202") << Kind::DiskFull << "0x202";
    QTest::newRow("0x212") << job.arg("0x212") << Kind::DiskFull << "0x212";
    QTest::newRow("0x402") << job.arg("0x402") << Kind::NoConnection << "0x402";
    QTest::newRow("0x6") << job.arg("0x6") << Kind::NoConnection << "0x6";
    QTest::newRow("0x606") << job.arg("0x606") << Kind::DiskWriteFailure << "0x606";
    QTest::newRow("0x602, no better reading")
        << job.arg("0x602") << Kind::UpdateJobFailed << "0x602";
    QTest::newRow("upper case") << "ERROR! APP '4187530' STATE IS 0X202 AFTER UPDATE JOB."
                                << Kind::DiskFull << "0x202";
    QTest::newRow("on an open line")
        << " Update state (0x61) downloading, progress: 99.90 (1 / 2)\r" + job.arg("0x606")
        << Kind::DiskWriteFailure << "0x606";
    QTest::newRow("loader missing")
        << "steamcmd.sh: line 37: /home/p/.local/share/Vantor Online/steamcmd/linux32/steamcmd: "
           "No such file or directory"
        << Kind::Missing32BitRuntime << "linux32/steamcmd: No such file or directory";
    // The folder's name cannot turn the line into another reason.
    QTest::newRow("loader missing, odd folder")
        << "steamcmd.sh: line 41: /srv/No Connection (Rate Limit Exceeded)/linux32/steamcmd: No "
           "such file or directory"
        << Kind::Missing32BitRuntime << "linux32/steamcmd: No such file or directory";
}

void TestSteamFailureReasons::updateJobStatesAndLoader()
{
    QFETCH(QString, line);
    QFETCH(Kind, kind);
    QFETCH(QString, reason);
    const SteamFailure f = recognise(line);
    QCOMPARE(f.kind, kind);
    QCOMPARE(f.reason, reason);
    QVERIFY(f.failure.isEmpty());
    QVERIFY(!f.endsRun);
}

void TestSteamFailureReasons::noFailureInOrdinaryOutput_data()
{
    QTest::addColumn<QString>("line");
    for (const char *line : {
             "Redirecting stderr to '/home/p/.local/share/Steam/logs/stderr.txt'",
             "ILocalize::AddFile() failed to load file \"public/steambootstrapper_english.txt\".",
             "Failed to init SDL priority manager: SDL not found",
             "Looks like steam didn't shutdown cleanly, scheduling immediate update check",
             "WARNING: setlocale('en_US.UTF-8') failed, using locale: 'C'.",
             "Logging in using cached credentials.",
             "Logging in user 'NAME' [U:1:59827295] to Steam Public...OK",
             "Waiting for confirmation...OK",
             "Warning: Login token expires at Tue Dec  8 22:31:00 2026",
             "Retrying...",
             "Steam Guard code:",
             "password:",
             " Update state (0x61) downloading, progress: 30.72 (26785670 / 87188267)",
             "Success! App '4187530' fully installed.",
             "Connection timeout set to 30 s",
             "[----] Downloading update (0 of 15,633 KB)...",
             "Error! App '4187530' state is after update job.",
         })
        QTest::addRow("%s", line) << QString::fromUtf8(line);
}

void TestSteamFailureReasons::noFailureInOrdinaryOutput()
{
    QFETCH(QString, line);
    const SteamFailure f = recognise(line);
    QCOMPARE(f.kind, Kind::None);
    QVERIFY(f.isNull());
    QVERIFY(f.explanation.isEmpty() && f.failure.isEmpty() && !f.endsRun && !f.retryOnce);
}

void TestSteamFailureReasons::sentences_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<qint64>("needed"); // -1: no shortfall known
    QTest::addColumn<qint64>("available");
    QTest::addColumn<QString>("explanation");
    const QString assets = kAssets;
    QTest::newRow("disk full, numbers known")
        << "Error! App '4187530' state is 0x202 after update job." << qint64(5969) << qint64(5845)
        << "There is not enough free disk space for the game in " + assets +
               ": it needs 5969 MB and only 5845 MB are free. Free up space there, then try "
               "again.";
    QTest::newRow("disk full, numbers unknown")
        << "ERROR! Failed to install app '4187530' (Not enough disk space)" << qint64(-1)
        << qint64(-1)
        << "There is not enough free disk space for the game in " + assets +
               ". Free up space there, then try again.";
    QTest::newRow("disk write failure")
        << "Error! App '4187530' state is 0x606 after update job." << qint64(-1) << qint64(-1)
        << "SteamCMD could not write the game's files to " + assets +
               ". Make sure that folder belongs to you and is not read-only, then try again.";
    QTest::newRow("loader") << "steamcmd.sh: line 37: x/linux32/steamcmd: No such file or directory"
                            << qint64(-1) << qint64(-1)
                            << "SteamCMD cannot start: it needs the 32-bit C runtime, which is "
                               "not installed. Install the package lib32gcc-s1, then try again.";
    QTest::newRow("approval timed out")
        << "ERROR (Timeout)" << qint64(-1) << qint64(-1)
        << "The sign-in was not approved in time. Start the download again and approve the "
           "sign-in in the Steam Mobile app on your phone right away.";
    QTest::newRow("rate limit")
        << "FAILED (Rate Limit Exceeded)" << qint64(-1) << qint64(-1)
        << "Steam refuses sign-ins for a while after too many attempts. Wait before you try "
           "again: every attempt in between can make the wait longer.";
    QTest::newRow("unknown job state")
        << "Error! App '4187530' state is 0x602 after update job." << qint64(-1) << qint64(-1)
        << "SteamCMD stopped before the game was complete (state 0x602). Try again; if it keeps "
           "happening, the reason is in " +
               kSteamCMD + "/logs/content_log.txt.";
}

void TestSteamFailureReasons::sentences()
{
    QFETCH(QString, line);
    QFETCH(qint64, needed);
    QFETCH(qint64, available);
    QFETCH(QString, explanation);
    SteamFailureReasons::Context context{kAssets, kSteamCMD, std::nullopt};
    if (needed >= 0)
        context.shortfall = DiskShortfall{needed, available};
    QCOMPARE(SteamFailureReasons::recognise(line, context).explanation, explanation);
}

void TestSteamFailureReasons::shortfallFromContentLog()
{
    TestHome home;
    const QString steamcmd = home.filePath("steamcmd");
    const QString assets = home.filePath("Assets");
    const QString line = QStringLiteral("Error! App '4187530' state is 0x212 after update job.");

    // No log at all: the sentence without numbers.
    SteamFailure f = SteamFailureReasons::recogniseWithLog(line, assets, steamcmd);
    QCOMPARE(f.kind, Kind::DiskFull);
    QVERIFY(!f.explanation.contains("MB"));

    // Several shortfalls over time: the last one counts.
    const QByteArray log =
        "[2026-12-08 20:00:01] AppID 4187530 update canceled : Not enough disk space available "
        "in \"/x\", 9000 MB needed, 100 MB available (Not enough disk space)\n"
        "[2026-12-08 22:00:01] AppID 4187530 state changed : Update Required,Update Started,\n"
        "[2026-12-08 22:10:41] AppID 4187530 update canceled : Not enough disk space available "
        "in \"/x\", 5969 MB needed, 5845 MB available (Not enough disk space)\n"
        "[2026-12-08 22:10:42] AppID 4187530 state changed : Update Required,Update Paused,\n";
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt", log));
    f = SteamFailureReasons::recogniseWithLog(line, assets, steamcmd);
    QVERIFY2(f.explanation.contains("in " + assets +
                                    ": it needs 5969 MB and only 5845 MB are "
                                    "free. Free up space there"),
             qPrintable(f.explanation));

    // Numbers too long for a 64-bit count are not taken.
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt",
                      "99999999999999999999 MB needed, 1 MB available\n"));
    QVERIFY(!SteamFailureReasons::readDiskShortfall(steamcmd).has_value());

    // A fifo in the log's place is not opened (reading it would block).
    QVERIFY(QFile::remove(steamcmd + "/logs/content_log.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(steamcmd + "/logs/content_log.txt").constData(), 0600), 0);
    QVERIFY(!SteamFailureReasons::readDiskShortfall(steamcmd).has_value());
}

void TestSteamFailureReasons::contentLogReadFromItsEndOnly()
{
    TestHome home;
    const QString steamcmd = home.filePath("steamcmd");
    const QByteArray early = "1000 MB needed, 10 MB available\n";
    const QByteArray filler(100000, 'x');
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt",
                      early + filler + "\n300 MB needed, 200 MB available\n"));
    auto shortfall = SteamFailureReasons::readDiskShortfall(steamcmd, 4096);
    QVERIFY(shortfall.has_value());
    QCOMPARE(shortfall->neededMB, 300);
    QCOMPARE(shortfall->availableMB, 200);

    // Only the early one, before the bound: not seen.
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt", early + filler));
    QVERIFY(!SteamFailureReasons::readDiskShortfall(steamcmd, 4096).has_value());
    shortfall = SteamFailureReasons::readDiskShortfall(steamcmd, 200000);
    QVERIFY(shortfall.has_value());
    QCOMPARE(shortfall->neededMB, 1000);
}

QTEST_GUILESS_MAIN(TestSteamFailureReasons)
#include "tst_steamfailurereasons.moc"
