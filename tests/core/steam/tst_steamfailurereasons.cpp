// SPDX-License-Identifier: GPL-3.0-or-later
// SteamCMD's failure lines in every prefix it has used, in any letter case,
// on open lines and after prompts, and the sentences a player gets. The
// lines are the fake SteamCMD's, which speaks SteamCMD's wording.
#include "FakeSteamCMD.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamFailureReasons.h"

#include <QTest>

#include <sys/stat.h>

using Kind = SteamFailure::Kind;
using Form = FakeSteamCMD::Form;
using W = FakeSteamCMD::Words;
Q_DECLARE_METATYPE(SteamFailure::Kind)

namespace {

const QString kAssets = QStringLiteral("/home/p/Documents/Vantor Online/Assets");
const QString kSteamCMD = QStringLiteral("/home/p/.local/share/Vantor Online/steamcmd");
const QString kAuthFailed = QStringLiteral("Authentication failed — check credentials");
const QString kNotOwned = QStringLiteral("Game not owned — purchase required");
const QString kRateLimited = QStringLiteral("Too many sign-in attempts — wait before trying again");
const QString kNotApproved = QStringLiteral("Sign-in not approved in time");

SteamFailure recognise(const QString &line, bool approval = false)
{
    return SteamFailureReasons::recognise(line, {kAssets, kSteamCMD, std::nullopt, approval});
}

QString says(const char *words, const QString &filling = {})
{
    return FakeSteamCMD::says(words, filling);
}

QString failureLine(Form form, const QString &reason)
{
    return FakeSteamCMD::failureLine(form).arg(reason);
}

struct Reason
{
    const char *text;
    Kind kind;
    QString failure; // empty: the exit status gives the failure
    bool endsRun;
    bool retryOnce;
    bool approval = false; // a phone approval is under way
};

const Reason kReasons[] = {
    {W::rateLimitExceeded, Kind::RateLimited, kRateLimited, true, false},
    {W::codeMismatch, Kind::CodeRejected, kAuthFailed, true, false},
    {W::invalidLoginAuthCode, Kind::CodeRejected, kAuthFailed, true, false},
    {W::accountLogonDenied, Kind::CodeRejected, kAuthFailed, true, false},
    {W::invalidPassword, Kind::InvalidPassword, kAuthFailed, true, false},
    // A time-out is the approval's only while one is under way.
    {W::timeout, Kind::TimedOut, "", false, false},
    {W::timedOut, Kind::TimedOut, "", false, false},
    {W::timeout, Kind::ApprovalTimedOut, kNotApproved, true, false, true},
    {W::timedOut, Kind::ApprovalTimedOut, kNotApproved, true, false, true},
    {W::noConnection, Kind::NoConnection, "", false, false},
    {W::notEnoughDiskSpace, Kind::DiskFull, "", false, false},
    {W::diskWriteFailure, Kind::DiskWriteFailure, "", false, false},
    {W::invalidPlatform, Kind::InvalidPlatform, "", false, false},
    {W::noSubscription, Kind::NotOwned, kNotOwned, false, false},
    {W::noLicense, Kind::NotOwned, kNotOwned, false, false},
    {W::missingConfiguration, Kind::MissingConfiguration, "", false, true},
    // The others the same whatever the approval.
    {W::invalidPassword, Kind::InvalidPassword, kAuthFailed, true, false, true},
};

// Every prefix SteamCMD has put in front of a reason, "%1" being the reason,
// with what comes before it on its line.
QStringList forms()
{
    const QString signIn = says(W::loggingIn, "NAME");
    return {
        signIn + FakeSteamCMD::failureLine(Form::LoginFailure),
        signIn + FakeSteamCMD::failureLine(Form::ResultCode),
        signIn + FakeSteamCMD::failureLine(Form::OpenLine),
        W::reset + FakeSteamCMD::failureLine(Form::Error) + "\n",
        W::twoFactorPrompt + FakeSteamCMD::failureLine(Form::AfterPrompt),
        FakeSteamCMD::failureLine(Form::InstallFailed),
        // The oldest prefixes, alone on their lines.
        FakeSteamCMD::failureLine(Form::LoginFailure),
        FakeSteamCMD::failureLine(Form::ResultCode),
    };
}

// The content log's line for a shortfall, with other numbers.
QString shortfallLine(const QString &needed, const QString &available)
{
    return says(W::shortfall, "/x")
        .replace("5969 MB", needed + " MB")
        .replace("5845 MB", available + " MB");
}

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
    QTest::addColumn<bool>("approval");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("endsRun");
    QTest::addColumn<bool>("retryOnce");
    const auto add = [](const QString &line, const QString &reason, const Reason &r) {
        QTest::addRow("%s%s", qPrintable(line.trimmed()), r.approval ? ", approval" : "")
            << line << r.approval << reason << r.kind << r.failure << r.endsRun << r.retryOnce;
    };
    for (const Reason &r : kReasons) {
        const QString reason = QString::fromUtf8(r.text);
        for (const QString &form : forms())
            add(form.arg(reason), reason, r);
        // Letter case has changed between versions too.
        add(failureLine(Form::OpenLine, reason.toUpper()), reason.toUpper(), r);
        add(FakeSteamCMD::failureLine(Form::LoginFailure).toLower().arg(reason.toLower()),
            reason.toLower(), r);
    }
    // Waits that gave up, in their own words.
    const QString approvalEnd = says(W::approvalTimedOut);
    const QString confirmation = "Timed out waiting for confirmation";
    add(approvalEnd, confirmation, {"", Kind::ApprovalTimedOut, kNotApproved, true, false, true});
    add(approvalEnd, confirmation, {"", Kind::TimedOut, "", false, false, false});
    add(says(W::userInfoTimedOut), W::timedOut, {"", Kind::TimedOut, "", false, false, false});
    add("TIMED OUT WAITING FOR USER INFO", "TIMED OUT WAITING FOR USER INFO",
        {"", Kind::TimedOut, "", false, false, false});
}

void TestSteamFailureReasons::reasonInEveryForm()
{
    QFETCH(QString, line);
    QFETCH(bool, approval);
    QFETCH(QString, reason);
    QFETCH(Kind, kind);
    QFETCH(QString, failure);
    QFETCH(bool, endsRun);
    QFETCH(bool, retryOnce);
    const SteamFailure f = recognise(line, approval);
    QCOMPARE(f.kind, kind);
    QCOMPARE(f.reason, reason);
    QCOMPARE(f.failure, failure);
    QCOMPARE(f.endsRun, endsRun);
    QCOMPARE(f.retryOnce, retryOnce);
    QVERIFY(!f.explanation.isEmpty());
    // Whatever ends the run at once must say why.
    QVERIFY(!endsRun || !f.failure.isEmpty());
    // The quick search that spares the other lines finds it too.
    QVERIFY(SteamFailureReasons::findCandidate(line) >= 0);
}

void TestSteamFailureReasons::updateJobStatesAndLoader_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("reason");
    const QString job = FakeSteamCMD::failureLine(Form::UpdateJobState);
    QTest::newRow("0x202") << job.arg("0x202") << Kind::DiskFull << "0x202";
    QTest::newRow("0x212") << job.arg("0x212") << Kind::DiskFull << "0x212";
    QTest::newRow("0x402") << job.arg("0x402") << Kind::NoConnection << "0x402";
    QTest::newRow("0x6") << job.arg("0x6") << Kind::NoConnection << "0x6";
    QTest::newRow("0x606") << job.arg("0x606") << Kind::DiskWriteFailure << "0x606";
    QTest::newRow("0x602, no better reading")
        << job.arg("0x602") << Kind::UpdateJobFailed << "0x602";
    QTest::newRow("upper case") << job.arg("0x202").toUpper() << Kind::DiskFull << "0x202";
    QTest::newRow("on an open line")
        << says(W::beforeJobFailed) + "\r" + job.arg("0x606") << Kind::DiskWriteFailure << "0x606";
    const QString loader = "linux32/steamcmd: No such file or directory";
    QTest::newRow("loader missing")
        << says(W::loaderMissing, kSteamCMD) << Kind::Missing32BitRuntime << loader;
    // The folder's name cannot turn the line into another reason.
    QTest::newRow("loader missing, odd folder")
        << says(W::loaderMissing, "/srv/No Connection (Rate Limit Exceeded)")
        << Kind::Missing32BitRuntime << loader;
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
    QVERIFY(SteamFailureReasons::findCandidate(line) >= 0);
}

void TestSteamFailureReasons::noFailureInOrdinaryOutput_data()
{
    QTest::addColumn<QString>("line");
    for (const char *words :
         {W::redirecting, W::localize, W::sdl, W::notShutDown, W::setlocale, W::cachedLogin,
          W::oldCachedLogin, W::confirmed, W::waitingForConfirmation, W::tokenExpires, W::retrying,
          W::guardPrompt, W::guardCodeGiven, W::passwordPrompt, W::downloading, W::success,
          W::updateStarted, W::userInfo})
        QTest::addRow("%s", words) << says(words, "/home/p/.local/share/Steam");
    QTest::newRow("signed in") << says(W::loggingIn, "NAME") + "OK";
    // Near misses.
    QTest::newRow("a time-out that is no result") << "Connection timeout set to 30 s";
    QTest::newRow("a job state without its value")
        << FakeSteamCMD::failureLine(Form::UpdateJobState).arg("");
}

void TestSteamFailureReasons::noFailureInOrdinaryOutput()
{
    QFETCH(QString, line);
    for (bool approval : {false, true}) {
        const SteamFailure f = recognise(line, approval);
        QCOMPARE(f.kind, Kind::None);
        QVERIFY(f.isNull());
        QVERIFY(f.explanation.isEmpty() && f.failure.isEmpty() && !f.endsRun && !f.retryOnce);
    }
}

void TestSteamFailureReasons::sentences_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<qint64>("needed"); // -1: no shortfall known
    QTest::addColumn<qint64>("available");
    QTest::addColumn<bool>("approval");
    QTest::addColumn<QString>("explanation");
    const QString assets = kAssets;
    const QString job = FakeSteamCMD::failureLine(Form::UpdateJobState);
    const auto row = [](const char *name, const QString &line, const QString &explanation,
                        qint64 needed = -1, qint64 available = -1, bool approval = false) {
        QTest::newRow(name) << line << needed << available << approval << explanation;
    };
    row("disk full, numbers known", job.arg("0x202"),
        "There is not enough free disk space for the game in " + assets +
            ": it needs 5969 MB and only 5845 MB are free. Free up space there, then try again.",
        5969, 5845);
    row("disk full, numbers unknown", failureLine(Form::InstallFailed, W::notEnoughDiskSpace),
        "There is not enough free disk space for the game in " + assets +
            ". Free up space there, then try again.");
    row("disk write failure", job.arg("0x606"),
        "SteamCMD could not write the game's files to " + assets +
            ". Make sure that folder belongs to you and is not read-only, then try again.");
    row("loader", says(W::loaderMissing, "x"),
        "SteamCMD cannot start: it needs the 32-bit C runtime, which is not installed. Install "
        "the package lib32gcc-s1, then try again.");
    row("approval timed out", failureLine(Form::Error, W::timeout),
        "The sign-in was not approved in time. Start the download again and approve the sign-in "
        "in the Steam Mobile app on your phone right away.",
        -1, -1, true);
    row("no answer in time", says(W::userInfoTimedOut),
        "SteamCMD did not hear back from Steam in time. Check your internet connection and try "
        "again.");
    row("rate limit", failureLine(Form::OpenLine, W::rateLimitExceeded),
        "Steam refuses sign-ins for a while after too many attempts. Wait before you try again: "
        "every attempt in between can make the wait longer.");
    row("unknown job state", job.arg("0x602"),
        "SteamCMD stopped before the game was complete (state 0x602). Try again; if it keeps "
        "happening, the reason is in " +
            kSteamCMD + "/logs/content_log.txt.");
}

void TestSteamFailureReasons::sentences()
{
    QFETCH(QString, line);
    QFETCH(qint64, needed);
    QFETCH(qint64, available);
    QFETCH(bool, approval);
    QFETCH(QString, explanation);
    SteamFailureReasons::Context context{kAssets, kSteamCMD, std::nullopt, approval};
    if (needed >= 0)
        context.shortfall = DiskShortfall{needed, available};
    QCOMPARE(SteamFailureReasons::recognise(line, context).explanation, explanation);
}

void TestSteamFailureReasons::shortfallFromContentLog()
{
    TestHome home;
    const QString steamcmd = home.filePath("steamcmd");
    const QString assets = home.filePath("Assets");
    const QString line = FakeSteamCMD::failureLine(Form::UpdateJobState).arg("0x212");

    // No log at all: the sentence without numbers.
    SteamFailure f = SteamFailureReasons::recogniseWithLog(line, assets, steamcmd);
    QCOMPARE(f.kind, Kind::DiskFull);
    QVERIFY(!f.explanation.contains("MB"));

    // Several shortfalls over time: the last one counts.
    const QString log = shortfallLine("9000", "100") + "\n" + says(W::paused) + "\n" +
                        says(W::shortfall, "/x") + "\n" + says(W::paused) + "\n";
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt", log.toUtf8()));
    f = SteamFailureReasons::recogniseWithLog(line, assets, steamcmd);
    QVERIFY2(f.explanation.contains("in " + assets +
                                    ": it needs 5969 MB and only 5845 MB are "
                                    "free. Free up space there"),
             qPrintable(f.explanation));

    // Numbers too long for a 64-bit count are not taken.
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt",
                      shortfallLine("99999999999999999999", "1").toUtf8()));
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
    const QByteArray early = shortfallLine("1000", "10").toUtf8() + '\n';
    const QByteArray filler(100000, 'x');
    QVERIFY(writeFile(steamcmd + "/logs/content_log.txt",
                      early + filler + '\n' + shortfallLine("300", "200").toUtf8() + '\n'));
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
