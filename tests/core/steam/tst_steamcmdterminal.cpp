// SPDX-License-Identifier: GPL-3.0-or-later
// SteamCMD on a terminal of its own: prompts of a child that buffers its
// output on pipes, what the child sees, and what never comes back out.
#include "FakeSteamCMD.h"
#include "RunWait.h"
#include "ServedPatch.h"
#include "StateRecorder.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"

#include <QTest>

#include <memory>

using Kind = SteamCMDState::Kind;

namespace {

// Like SteamCMD: whatever goes to a pipe or file is held back until exit.
const QByteArray kBuffersOffTerminal =
    "if [ ! -t 1 ]; then exec 3>&1 >\"$F/held\" 2>&1; trap 'cat \"$F/held\" >&3' EXIT; fi\n";

// Asks for a code, records it, then reports progress the way a terminal-aware
// program does: each line ended by a carriage return and overwritten.
const QByteArray kGuardThenProgress =
    "printf 'This computer has not been authenticated for your account using Steam Guard.\\n'\n"
    "printf 'Steam Guard code:'\n"
    "IFS= read -r code\n"
    "printf '%s' \"$code\" > \"$F/code\"\n"
    "printf ' Update state (0x61) downloading, progress: 50.00 (1 / 2)\\r'\n"
    "sleep 0.2\n"
    "printf ' Update state (0x61) downloading, progress: 99.00 (2 / 2)\\r'\n"
    "printf ' Update state (0x5) verifying install, progress: 100.00 (2 / 2)\\r\\n'\n"
    "printf \"Success! App '4187530' fully installed.\\n\"\n";

} // namespace

class TestSteamCMDTerminal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void promptReachesUserAndCodeReachesChild_data();
    void promptReachesUserAndCodeReachesChild();
    void childRunsOnItsOwnTerminal();
    void codeNeverEchoedEvenIfChildTurnsEchoOn();
    void stopReachesSteamCMDsOwnChildren();

private:
    QString fake(const QString &name) const { return m_home->filePath("fake/" + name); }
    void writeFake(SteamCMDManager &manager, const QByteArray &body)
    {
        QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), fake(""), body));
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<ServedPatch> m_patch;
};

void TestSteamCMDTerminal::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_patch = std::make_unique<ServedPatch>();
    QVERIFY(m_patch->isListening());
}

void TestSteamCMDTerminal::cleanup()
{
    m_patch.reset();
    m_home.reset();
}

void TestSteamCMDTerminal::promptReachesUserAndCodeReachesChild_data()
{
    QTest::addColumn<bool>("terminal");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("consoleStart");
    const QString launching = "[*] Launching SteamCMD...\n";
    QTest::newRow("terminal, child buffers off-terminal")
        << true << kBuffersOffTerminal + kGuardThenProgress << launching;
    // Without a terminal only a child that does not hold its output back can
    // be served; the console says why prompts may be late.
    QTest::newRow("pipes as fallback")
        << false << kGuardThenProgress
        << launching + "[!] No terminal for SteamCMD (switched off): "
                       "its prompts may only show when it exits.\n";
}

void TestSteamCMDTerminal::promptReachesUserAndCodeReachesChild()
{
    QFETCH(bool, terminal);
    QFETCH(QByteArray, body);
    QFETCH(QString, consoleStart);
    SteamCMDManager manager;
    manager.setUsePseudoTerminal(terminal);
    writeFake(manager, body);
    StateRecorder recorder(manager);

    manager.startDownload("u", "p");
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    // The prompt arrived while the child still waits for the code.
    QVERIFY(manager.hasSteamCMDChild());
    QVERIFY(!QFileInfo::exists(fake("code")));

    manager.setSteamGuardCode(" 98765 \n");
    manager.submitSteamGuard();
    QVERIFY(waitForRunFinished(manager));

    QCOMPARE(manager.state(), SteamCMDState::completed());
    QCOMPARE(readFile(fake("code")), QByteArray("98765"));
    QCOMPARE(recorder.texts(Kind::Downloading),
             (QStringList{"Update state (0x61) downloading, progress: 50.00 (1 / 2)",
                          "Update state (0x61) downloading, progress: 99.00 (2 / 2)",
                          "Update state (0x5) verifying install, progress: 100.00 (2 / 2)"}));
    const QString log = manager.consoleLog();
    QVERIFY2(log.startsWith(consoleStart + "This computer has not been authenticated"),
             qPrintable(log));
    // Byte for byte: carriage returns kept, no line end turned into "\r\n".
    QVERIFY(log.contains("Steam Guard code:> Steam Guard code submitted\n"
                         " Update state (0x61) downloading, progress: 50.00 (1 / 2)\r"));
    QVERIFY(log.contains("(2 / 2)\r\nSuccess! App '4187530' fully installed.\n"));
    QCOMPARE(log.count("\r\n"), 1);
    QVERIFY(!log.contains("98765"));
}

void TestSteamCMDTerminal::childRunsOnItsOwnTerminal()
{
    SteamCMDManager manager;
    writeFake(manager,
              "for fd in 0 1 2; do [ -t $fd ] && echo \"fd $fd tty\" >> \"$F/seen\"; done\n"
              // Fields 6 and 7 of stat: the session and the controlling terminal.
              "set -- $(cut -d' ' -f6,7 /proc/$$/stat)\n"
              "[ \"$1\" = $$ ] && echo leader >> \"$F/seen\"\n"
              "[ \"$2\" != 0 ] && echo controlling >> \"$F/seen\"\n"
              "stty -a > \"$F/stty\"\n"
              "printf 'one\\ntwo\\n'\n"
              "printf 'to stderr\\n' >&2\n"
              "exit 6\n");
    manager.startDownload("u", "p");
    QVERIFY(waitForRunFinished(manager));

    QCOMPARE(readFile(fake("seen")),
             QByteArray("fd 0 tty\nfd 1 tty\nfd 2 tty\nleader\ncontrolling\n"));
    const QByteArray modes = readFile(fake("stty"));
    const QList<QByteArray> flags = modes.simplified().replace(';', ' ').split(' ');
    QVERIFY2(flags.contains("-echo") && flags.contains("-opost"), modes.constData());
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Launching SteamCMD...\none\ntwo\nto stderr\n"
                                                  "\n[✗] SteamCMD exited with code 6\n"));
}

void TestSteamCMDTerminal::codeNeverEchoedEvenIfChildTurnsEchoOn()
{
    SteamCMDManager manager;
    writeFake(manager, "stty echo\n"
                       "printf 'Two-factor code:'\n"
                       "IFS= read -r code\n"
                       "printf '%s' \"$code\" > \"$F/code\"\n"
                       "echo done\n"
                       "exit 5\n");
    manager.startDownload("u", "p");
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    manager.setSteamGuardCode("ZX81Q");
    manager.submitSteamGuard();
    QVERIFY(waitForRunFinished(manager));

    QCOMPARE(readFile(fake("code")), QByteArray("ZX81Q"));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Launching SteamCMD...\nTwo-factor code:"
                                                  "> Steam Guard code submitted\ndone\n"
                                                  "\n[✗] SteamCMD exited with code 5\n"));
}

void TestSteamCMDTerminal::stopReachesSteamCMDsOwnChildren()
{
    // As SteamCMD's start script does: the real program runs as a child.
    SteamCMDManager manager;
    writeFake(manager, "sleep 60 &\necho $! > \"$F/grandchild\"\necho started\nwait\n");
    manager.startDownload("u", "p");
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains("started"), 10000);
    const qint64 grandchild = readFile(fake("grandchild")).trimmed().toLongLong();
    QVERIFY(grandchild > 0 && processAlive(grandchild));

    manager.cancel();
    QVERIFY(waitForRunFinished(manager));
    // A stop the player asked for is no failure, whatever status it left.
    QCOMPARE(manager.state(), SteamCMDState::idle());
    QVERIFY(!manager.consoleLog().contains("[✗]"));
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(grandchild), 5000);
}

QTEST_GUILESS_MAIN(TestSteamCMDTerminal)
#include "tst_steamcmdterminal.moc"
