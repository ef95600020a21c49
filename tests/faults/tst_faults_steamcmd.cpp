// SPDX-License-Identifier: GPL-3.0-or-later
// A SteamCMD that misbehaves: crashes, endless self-updates, garbage and
// giant output, prompts cut by reads, a closed input, a deaf ear to stop
// requests, and credentials no shell should ever see.
#include "FakeSteamCMD.h"
#include "FaultSupport.h"
#include "RunWait.h"
#include "ServedPatch.h"
#include "StateRecorder.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <memory>

using Kind = SteamCMDState::Kind;

namespace {

const QString kLaunching = QStringLiteral("[*] Launching SteamCMD...\n");
const QString kRestart = QStringLiteral("\n[*] SteamCMD updated itself. Restarting process...\n");

// Every message the launcher logs while a test runs.
QStringList g_messages;
QtMessageHandler g_previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    g_messages.append(message);
    g_previousHandler(type, context, message);
}

} // namespace

class TestFaultsSteamCMD : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void childEndsBadly_data();
    void childEndsBadly();
    void promptCutByReadsAndClosedInput_data();
    void promptCutByReadsAndClosedInput();
    void childIgnoringStopIsKilled_data();
    void childIgnoringStopIsKilled();
    void fiftyMegabyteLine();
    void awkwardCredentials_data();
    void awkwardCredentials();

private:
    QString fake(const QString &name) const { return m_home->filePath("fake/" + name); }
    int runs() const { return readFile(fake("runs")).trimmed().toInt(); }
    void writeFake(SteamCMDManager &manager, const QByteArray &body)
    {
        QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), fake(""), body));
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ServedPatch> m_patch;
};

void TestFaultsSteamCMD::initTestCase()
{
    g_previousHandler = qInstallMessageHandler(recordMessage);
}

void TestFaultsSteamCMD::cleanupTestCase()
{
    qInstallMessageHandler(g_previousHandler);
}

void TestFaultsSteamCMD::init()
{
    g_messages.clear();
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_patch = std::make_unique<ServedPatch>();
    QVERIFY(m_patch->isListening());
}

void TestFaultsSteamCMD::cleanup()
{
    m_patch.reset();
    m_home.reset();
}

void TestFaultsSteamCMD::childEndsBadly_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("failure"); // empty: the run completes
    QTest::addColumn<int>("runs");
    QTest::addColumn<QString>("console"); // expected somewhere in the console

    QTest::newRow("killed by SIGKILL mid-download")
        << QByteArray("printf ' Update state (0x61) downloading, progress: 30.72 (26785670 / "
                      "87188267)\\n'\nsleep 0.2\nkill -KILL $$\nsleep 5\n")
        << "SteamCMD crashed (signal 9: Killed)" << 1
        << "progress: 30.72 (26785670 / 87188267)\n\n[✗] SteamCMD crashed (signal 9: Killed)\n";
    QTest::newRow("self-update five times in a row, then done")
        << QByteArray("echo \"run $n\"\n[ $n -le 5 ] && exit 42\nexit 0\n") << QString() << 6
        << "run 5\n" + kRestart + kLaunching + "run 6\n\n[✓] Vanilla download completed";
    // Restarting for ever would spin without end: the run gives up.
    QTest::newRow("self-update for ever")
        << QByteArray("echo \"run $n\"\nexit 42\n")
        << "SteamCMD asked to be restarted 6 times in a row (exit code 42)" << 6
        << "run 6\n\n[✗] SteamCMD asked to be restarted 6 times in a row (exit code 42)\n";
    QTest::newRow("binary garbage and invalid UTF-8")
        << QByteArray("printf 'a\\000b\\001\\377\\376\\300\\200c\\033[0m\\355\\240\\200d\\n'\n"
                      "head -c 3000 /dev/urandom\nprintf '\\nafter\\n'\nexit 0\n")
        << QString() << 1 << "\nafter\n\n[✓] Vanilla download completed";
}

void TestFaultsSteamCMD::childEndsBadly()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, failure);
    QFETCH(int, runs);
    QFETCH(QString, console);

    SteamCMDManager manager;
    writeFake(manager, body);
    manager.startDownload("u", "p");
    QVERIFY(waitForRunFinished(manager));

    const QString log = manager.consoleLog();
    QCOMPARE(this->runs(), runs);
    QVERIFY2(log.contains(console), qPrintable(log.right(300)));
    QCOMPARE(log.count(kRestart),
             failure.startsWith("SteamCMD asked") || failure.isEmpty() ? runs - 1 : 0);
    const QDir install(manager.installDir());
    if (failure.isEmpty()) {
        QCOMPARE(manager.state(), SteamCMDState::completed());
        QCOMPARE(m_patch->requests(), 1);
        QVERIFY(install.exists("patch.ini"));
    } else {
        QCOMPARE(manager.state(), SteamCMDState::failed(failure));
        // A failed run goes no further: no fix-up, no patch, nothing left over.
        QCOMPARE(m_patch->requests(), 0);
        QCOMPARE(install.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"Assets"});
    }
    QVERIFY(!manager.hasSteamCMDChild());
}

void TestFaultsSteamCMD::promptCutByReadsAndClosedInput_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("received"); // what the child read, "-" for nothing

    const QByteArray cut = "printf 'Steam Gu'\nsleep 0.3\nprintf 'ard code:'\n"
                           "IFS= read -r code\nprintf '%s' \"$code\" > \"$F/code\"\nexit 0\n";
    // The child closes its input before asking; the code goes nowhere and
    // the launcher neither stops nor hangs.
    const QByteArray closed = "exec 0<&-\nprintf 'Two-factor code:'\nsleep 0.5\n"
                              "echo '-' > \"$F/code\"\nexit 0\n";
    QTest::newRow("cut prompt, terminal") << true << cut << QByteArray("246810");
    QTest::newRow("cut prompt, pipes") << false << cut << QByteArray("246810");
    QTest::newRow("closed input, terminal") << true << closed << QByteArray("-\n");
    QTest::newRow("closed input, pipes") << false << closed << QByteArray("-\n");
}

void TestFaultsSteamCMD::promptCutByReadsAndClosedInput()
{
    QFETCH(bool, terminal);
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, received);

    SteamCMDManager manager;
    manager.setUsePseudoTerminal(terminal);
    writeFake(manager, body);
    manager.startDownload("u", "p");
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    manager.setSteamGuardCode("246810");
    manager.submitSteamGuard();
    QVERIFY(waitForRunFinished(manager));

    QCOMPARE(manager.state(), SteamCMDState::completed());
    QCOMPARE(readFile(fake("code")), received);
    QVERIFY(manager.consoleLog().contains(" code:> Steam Guard code submitted\n"));
    QVERIFY(!manager.consoleLog().contains("246810"));
}

void TestFaultsSteamCMD::childIgnoringStopIsKilled_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::newRow("terminal") << true;
    QTest::newRow("pipes") << false;
}

void TestFaultsSteamCMD::childIgnoringStopIsKilled()
{
    QFETCH(bool, terminal);
    SteamCMDManager manager;
    manager.setUsePseudoTerminal(terminal);
    manager.setStopGracePeriod(300);
    writeFake(manager, "trap '' TERM\necho started\nwhile :; do sleep 0.1; done\n");
    manager.startDownload("u", "p");
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains("started\n"), 10000);
    const qint64 pid = readFile(fake("pid-1")).trimmed().toLongLong();
    QVERIFY(processAlive(pid));

    QElapsedTimer clock;
    clock.start();
    manager.cancel();
    QVERIFY(waitForRunFinished(manager));
    QVERIFY(clock.elapsed() >= 300);
    // Killed after the grace period because it was asked to stop: no failure.
    QCOMPARE(manager.state(), SteamCMDState::idle());
    QVERIFY(manager.consoleLog().endsWith("started\n\n--- CANCELLED ---\n"));
    QVERIFY(!processAlive(pid));
}

void TestFaultsSteamCMD::fiftyMegabyteLine()
{
    constexpr qint64 kLine = 50'000'000;
    SteamCMDManager manager;
    writeFake(manager, "head -c 50000000 /dev/zero | tr '\\000' x\n"
                       "printf '\\n Update state (0x61) downloading, progress: 100.00 (1 / 1)\\n'\n"
                       "exit 4\n");
    StateRecorder recorder(manager);
    QVERIFY2(resetPeakResident(), "the kernel does not let the peak be reset");
    const qint64 peakBefore = peakResidentKiB();
    QElapsedTimer clock;
    clock.start();
    manager.startDownload("u", "p");
    QVERIFY(waitForRunFinished(manager, 100000));
    const qint64 elapsed = clock.elapsed();

    QCOMPARE(manager.state(), SteamCMDState::failed("SteamCMD exited with code 4"));
    QCOMPARE(recorder.texts(Kind::Downloading).last(),
             QString("Update state (0x61) downloading, progress: 100.00 (1 / 1)"));
    const QString log = manager.consoleLog();
    const QString tail = "\n Update state (0x61) downloading, progress: 100.00 (1 / 1)\n"
                         "\n[✗] SteamCMD exited with code 4\n";
    QCOMPARE(log.size(), kLaunching.size() + kLine + tail.size());
    QVERIFY(log.endsWith(tail));
    QVERIFY(QStringView(log).mid(kLaunching.size(), kLine) == QString(kLine, QLatin1Char('x')));
    // The console holds the line as UTF-16 (100 MB); with the pieces in
    // flight the peak stays under three times that, not a copy per read.
    const qint64 growthMiB = (peakResidentKiB() - peakBefore) / 1024;
    qInfo("50 MB line: %lld ms, peak memory growth %lld MiB", elapsed, growthMiB);
#ifndef VANTOR_SANITIZED
    QVERIFY2(growthMiB < 300, qPrintable(QString::number(growthMiB)));
#endif
}

void TestFaultsSteamCMD::awkwardCredentials_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::newRow("spaces") << "first last"
                            << " pass word ";
    QTest::newRow("quotes") << "o'brien"
                            << "\"double\" 'single' `back`";
    QTest::newRow("leading dashes") << "-u"
                                    << "--password=-x";
    QTest::newRow("non-ASCII") << "Jürgen"
                               << "пароль€😀";
    QTest::newRow("shell syntax") << "a;touch pwned-user"
                                  << "$(touch pwned)|touch pwned2&";
}

void TestFaultsSteamCMD::awkwardCredentials()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    SteamCMDManager manager;
    // Through pipes, where the password still rides on the command line.
    manager.setUsePseudoTerminal(false);
    writeFake(manager, "echo running\nexit 5\n");
    manager.startDownload(user, password);
    QVERIFY(waitForRunFinished(manager));

    // One argument each, as typed: nothing went through a shell.
    const QStringList argv = QString::fromUtf8(readFile(fake("argv-1"))).split('\n');
    QCOMPARE(argv.mid(5, 3), (QStringList{"+login", user, password}));
    QVERIFY(QDir(manager.steamCMDDir()).entryList({"pwned*"}).isEmpty());
    QVERIFY(QDir(m_home->path()).entryList({"pwned*"}).isEmpty());
    QVERIFY(QDir::current().entryList({"pwned*"}).isEmpty());
    // The password shows nowhere: not in the console, not in the log.
    QVERIFY(!manager.consoleLog().contains(password));
    QVERIFY(!g_messages.isEmpty());
    for (const QString &message : std::as_const(g_messages))
        QVERIFY2(!message.contains(password), qPrintable(message));
}

QTEST_GUILESS_MAIN(TestFaultsSteamCMD)
#include "tst_faults_steamcmd.moc"
