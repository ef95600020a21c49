// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"
#include "LoopbackHttpServer.h"
#include "RunWait.h"
#include "StateRecorder.h"
#include "TestArchives.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"
#include "transfer/TransferRate.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Kind = SteamCMDState::Kind;

namespace {

const QString kPatchPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");
const QString kPatchTail = "\n[✓] Vanilla download completed successfully!\n"
                           "[*] DL_Vantor already in correct location\n"
                           "\n[⭳] Downloading Community Patch & Maps...\n"
                           "[*] Unpacking patch...\n"
                           "[✓] Community Patch successfully applied!\n";

} // namespace

class TestSteamCMDRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void fullRunWithDepotAndPatch();
    void installsSteamCMDFirst();
    void classification_data();
    void classification();
    void splitCharactersSurviveReads();
    void steamGuardCodeReachesChild_data();
    void steamGuardCodeReachesChild();
    void submitIgnoredWhenNotWaiting();
    void selfUpdateRestartsWithSameArguments_data();
    void selfUpdateRestartsWithSameArguments();
    void secondStartIgnoredAndCancelStopsChild();
    void cancelledSteamCMDThatExitsZeroGoesNoFurther();
    void restartWhileWaitingForCode();
    void successAfterReportedFailure();
    void launchProblems_data();
    void launchProblems();
    void patchFailures_data();
    void patchFailures();
    void patchProgressFromSlowBody();

private:
    QString fake(const QString &name) const { return m_home->filePath("fake/" + name); }
    qint64 fakePid(int run) const
    {
        return readFile(fake(QString("pid-%1").arg(run))).toLongLong();
    }
    void writeFake(SteamCMDManager &manager, const QByteArray &body)
    {
        QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), fake(""), body));
    }
    StateRecorder *observe(SteamCMDManager &manager);
    void waitForRest(SteamCMDManager &manager);
    // Writes the fake, starts a download as "u"/"p" and waits for its end.
    StateRecorder *runFake(SteamCMDManager &manager, const QByteArray &body);
    void servePatch();
    // On a terminal: the user name, never the password; the limit's rate
    // when one is given.
    QByteArray expectedArgv(SteamCMDManager &manager, const QString &user,
                            const QString &throttle = {});

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QByteArray m_zip;
    std::vector<std::unique_ptr<StateRecorder>> m_observers;
};

void TestSteamCMDRun::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_PATCH_URL", m_server->url(kPatchPath).toUtf8());
    if (m_zip.isEmpty())
        m_zip = makeZip({{"patch.ini", "patched\n"}, {"Maps/Map One.map", "map data\n"}});
    QVERIFY(m_zip.startsWith("PK"));
}

void TestSteamCMDRun::cleanup()
{
    qunsetenv("VANTOR_PATCH_URL");
    qunsetenv("VANTOR_STEAMCMD_URL");
    m_server.reset();
    m_home.reset();
    m_observers.clear();
}

void TestSteamCMDRun::servePatch()
{
    LoopbackHttpServer::Response response;
    response.body = m_zip;
    m_server->setRoute(kPatchPath, response);
}

StateRecorder *TestSteamCMDRun::observe(SteamCMDManager &manager)
{
    m_observers.push_back(std::make_unique<StateRecorder>(manager));
    return m_observers.back().get();
}

void TestSteamCMDRun::waitForRest(SteamCMDManager &manager)
{
    QVERIFY(waitForRunFinished(manager, 20000));
    // A cancelled run rests at idle.
    const Kind kind = manager.state().kind();
    QVERIFY(kind == Kind::Completed || kind == Kind::Failed || kind == Kind::Idle);
    QVERIFY(!manager.hasActiveWork());
}

StateRecorder *TestSteamCMDRun::runFake(SteamCMDManager &manager, const QByteArray &body)
{
    writeFake(manager, body);
    StateRecorder *seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    return seen;
}

QByteArray TestSteamCMDRun::expectedArgv(SteamCMDManager &manager, const QString &user,
                                         const QString &throttle)
{
    QStringList lines{manager.steamCMDDir(), "+@sSteamCmdForcePlatformType", "windows",
                      "+force_install_dir", manager.assetsDir()};
    if (!throttle.isEmpty())
        lines << "+set_download_throttle" << throttle;
    lines << "+login" << user << "+app_update"
          << "4187530"
          << "validate"
          << "+quit";
    return (lines.join('\n') + '\n').toUtf8();
}

void TestSteamCMDRun::fullRunWithDepotAndPatch()
{
    servePatch();
    SteamCMDManager manager;
    const QString install = manager.installDir();
    // Left from an earlier install: replaced, not merged.
    QVERIFY(writeFile(install + "/DL_Vantor/old.big", "old"));
    QVERIFY(writeFile(install + "/PatchINI.big", "rn"));
    QVERIFY(writeFile(install + "/PatchDL.big", "rn"));
    QVERIFY(writeFile(install + "/patch.ini", "stale\n"));
    QVERIFY(writeFile(install + "/temp_patch.zip", "left by an earlier unzip that never started"));

    writeFake(
        manager,
        "A=\"$4\"\n"
        "echo ' Update state (0x61) downloading, progress: 30.72 (26785670 / 87188267)'\n"
        "sleep 0.2\n"
        "echo ' Update state (0x5) verifying install, progress: 94.34 (82251010 / 87188267)'\n"
        "sleep 0.2; echo 'Validating files...'\n"
        "mkdir -p \"$A/DL_Vantor/Data\" \"$A/Sub\"; echo base > \"$A/DL_Vantor/ini.big\"\n"
        "echo x > \"$A/inidl.big\"; echo rn > \"$A/DL_Vantor/PatchData.big\"\n"
        "for f in PatchINI PatchWindow Sub/PatchDL; do echo rn > \"$A/$f.big\"; done\n"
        "sleep 0.2; echo \"Success! App '4187530' fully installed.\"\n");
    auto seen = observe(manager);
    QSignalSpy activity(&manager, &SteamCMDManager::activeWorkChanged);
    const QString user = "steam user";
    const QString pass = "p\"a ss'$HOME \\x";
    manager.startDownload(user, pass);
    QCOMPARE(manager.lastUsername(), user);
    QVERIFY(manager.hasActiveWork());
    waitForRest(manager);

    QCOMPARE(readFile(fake("argv-1")), expectedArgv(manager, user));
    QCOMPARE(manager.state(), SteamCMDState::completed());
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...",
                          "DOWNLOADING ASSETS... Update state (0x61) downloading, progress: 30.72 "
                          "(26785670 / 87188267)",
                          "DOWNLOADING ASSETS... Update state (0x5) verifying install, progress: "
                          "94.34 (82251010 / 87188267)",
                          "VALIDATING FILES...", "DOWNLOADING PATCH... 0%", "UNPACKING PATCH...",
                          "ASSETS READY"}));
    QCOMPARE(seen->patchFractions().first(), 0.0);
    QCOMPARE(seen->patchFractions().last(), 1.0);
    QCOMPARE(manager.consoleLog(),
             QStringLiteral(
                 "[*] Launching SteamCMD...\n"
                 " Update state (0x61) downloading, progress: 30.72 (26785670 / 87188267)\n"
                 " Update state (0x5) verifying install, progress: 94.34 (82251010 / 87188267)\n"
                 "Validating files...\n"
                 "Success! App '4187530' fully installed.\n"
                 "\n[✓] Vanilla download completed successfully!\n"
                 "[✓] Moved DL_Vantor/ alongside Assets/\n"
                 "[*] Removed RN modern patch file: PatchINI.big\n"
                 "[*] Removed RN modern patch file from root: PatchINI.big\n"
                 "[*] Removed RN modern patch file: PatchWindow.big\n"
                 "[*] Removed RN modern patch file from root: PatchDL.big\n"
                 "\n[⭳] Downloading Community Patch & Maps...\n"
                 "[*] Unpacking patch...\n"
                 "[✓] Community Patch successfully applied!\n"));

    // The base game moved beside the assets, replacing the old one.
    QCOMPARE(readFile(install + "/DL_Vantor/ini.big"), QByteArray("base\n"));
    QVERIFY(QFileInfo(install + "/DL_Vantor/Data").isDir());
    QVERIFY(!QFileInfo::exists(install + "/DL_Vantor/old.big"));
    QVERIFY(!QFileInfo::exists(install + "/Assets/DL_Vantor"));
    // Modern patch archives gone from the two folders looked at, kept elsewhere.
    for (const char *gone :
         {"Assets/PatchINI.big", "Assets/PatchWindow.big", "PatchINI.big", "PatchDL.big"})
        QVERIFY2(!QFileInfo::exists(install + "/" + gone), gone);
    QVERIFY(QFileInfo::exists(install + "/DL_Vantor/PatchData.big"));
    QVERIFY(QFileInfo::exists(install + "/Assets/Sub/PatchDL.big"));
    // The patch overwrote without asking; its temporary archive is gone.
    QCOMPARE(readFile(install + "/patch.ini"), QByteArray("patched\n"));
    QCOMPARE(readFile(install + "/Maps/Map One.map"), QByteArray("map data\n"));
    QVERIFY(!QFileInfo::exists(install + "/temp_patch.zip"));
    QCOMPARE(QDir(install).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(manager.areAssetsValid());
    QVERIFY(!manager.hasSteamCMDChild());
    QVERIFY(activity.count() >= 2);
    QCOMPARE(m_server->requestCount(kPatchPath), 1);
}

void TestSteamCMDRun::installsSteamCMDFirst()
{
    servePatch();
    // The published tarball carries the fake, as the real one carries steamcmd.sh.
    LoopbackHttpServer::Response tarball;
    tarball.body = makeTarball({{"steamcmd.sh", "#!/bin/sh\necho \"$# args\"\n"}});
    m_server->setRoute("/steamcmd_linux.tar.gz", tarball);
    qputenv("VANTOR_STEAMCMD_URL", m_server->url("/steamcmd_linux.tar.gz").toUtf8());

    SteamCMDManager manager;
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    QCOMPARE(seen->states,
             (QStringList{"INSTALLING STEAMCMD...", "AUTHENTICATING...", "DOWNLOADING PATCH... 0%",
                          "UNPACKING PATCH...", "ASSETS READY"}));
    QCOMPARE(manager.consoleLog(), "[*] Downloading SteamCMD for Linux...\n"
                                   "[*] Extracting SteamCMD...\n"
                                   "[✓] SteamCMD installed successfully\n\n"
                                   "[*] Launching SteamCMD...\n"
                                   "10 args\n" +
                                       kPatchTail);
}

void TestSteamCMDRun::classification_data()
{
    QTest::addColumn<QByteArray>("output"); // written in one piece
    QTest::addColumn<QString>("ending");    // how the fake ends afterwards
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<bool>("purchaseAlert");
    QTest::addColumn<QString>("explanation"); // the "[!] " line's sentence, if any

    const QString exit3 = "ERROR: SteamCMD exited with code 3";
    const QString guard = "STEAM GUARD CODE REQUIRED";
    const QString owned = "ERROR: Game not owned — purchase required";
    const QString auth = "ERROR: Authentication failed — check credentials";
    const auto row = [](const char *name, const QByteArray &output, const QString &ending,
                        const QStringList &states, bool alert = false,
                        const QString &explanation = {}) {
        QTest::newRow(name) << output << ending << (QStringList{"AUTHENTICATING..."} + states)
                            << alert << explanation;
    };
    const QString notOwned = "This Steam account does not own the game. Buy it on Steam, or sign "
                             "in with the account that owns it.";
    row("mobile code prompt, any case", "Please ENTER THE CURRENT CODE from your app:", "exit 3",
        {guard, exit3});
    row("two-factor alone", "TWO-FACTOR code:", "exit 3", {guard, exit3});
    row("guard wins over progress", " Update state (0x61) downloading\nSteam Guard code:", "exit 3",
        {guard, exit3});
    row("two progress lines, case kept",
        "\x1b[0m UPDATE STATE (0x61) downloading, progress: 1.00 (1 / 100)\r\n"
        "noise\n"
        "  Update State (0x61) downloading, progress: 12,49 (12 / 100)  \n",
        "exit 3",
        {"DOWNLOADING ASSETS... \x1b[0m UPDATE STATE (0x61) downloading, progress: 1.00 (1 / 100)",
         "DOWNLOADING ASSETS... Update State (0x61) downloading, progress: 12,49 (12 / 100)",
         exit3});
    row("progress wins over validating", "Validating\n Update state (0x5) verifying install\n",
        "exit 3", {"DOWNLOADING ASSETS... Update state (0x5) verifying install", exit3});
    row("validating", "VALIDATING install\n", "exit 3", {"VALIDATING FILES...", exit3});
    // The child is not stopped; its own failing exit adds no second failure.
    row("not owned", "ERROR! Failed to install app '4187530' (No Subscription)\n",
        "sleep 0.3; exit 8", {owned}, true, notOwned);
    row("no license", "no LICENSE\n", "exit 8", {owned}, true, notOwned);
    // The child would sleep for a minute: only the terminate request ends it.
    row("invalid password", "Logging in user 'u' to Steam Public...FAILED (Invalid Password)\n",
        "exec sleep 60", {auth}, false,
        "Steam did not accept the password. Check your user name and password, then try again.");
    // A rate limit is no wrong password: a status of its own.
    row("login failure, rate limit", "Login Failure: Rate Limit Exceeded (84)\n", "exec sleep 60",
        {"ERROR: Too many sign-in attempts — wait before trying again"}, false,
        "Steam refuses sign-ins for a while after too many attempts. Wait before you try again: "
        "every attempt in between can make the wait longer.");
    row("nothing known", "Redirecting stderr to 'logs/stderr.txt'\n", "exit 3", {exit3});
    // A child killed by a signal reports the signal number.
    // Signals the launcher did not send are crashes, not exit statuses.
    row("SIGTERM", "", "kill -TERM $$; sleep 5",
        {"ERROR: SteamCMD crashed (signal 15: Terminated)"});
    row("SIGKILL", "", "kill -KILL $$; sleep 5", {"ERROR: SteamCMD crashed (signal 9: Killed)"});
}

void TestSteamCMDRun::classification()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, ending);
    QFETCH(QStringList, states);
    QFETCH(bool, purchaseAlert);
    QFETCH(QString, explanation);

    SteamCMDManager manager;
    QVERIFY(writeFile(fake("out"), output));
    QElapsedTimer clock;
    clock.start();
    auto seen = runFake(manager, "cat \"$F/out\"\n" + ending.toUtf8() + "\n");
    QVERIFY2(clock.elapsed() < 20000, "the child was not stopped");
    QCOMPARE(seen->states, states);
    QCOMPARE(manager.showPurchaseAlert(), purchaseAlert);
    // The raw output reached the console before the one failure line, and
    // the reason's sentence between them.
    QCOMPARE(manager.failureExplanation(), explanation);
    const QString explained = explanation.isEmpty() ? QString() : "\n[!] " + explanation + "\n";
    QCOMPARE(manager.consoleLog(), "[*] Launching SteamCMD...\n" + QString::fromUtf8(output) +
                                       explained + "\n[✗] " + states.last().mid(7) + "\n");
}

void TestSteamCMDRun::splitCharactersSurviveReads()
{
    SteamCMDManager manager;
    // "ü" and "€" cut between two writes with a pause; an invalid byte; a
    // character cut off by the end of the stream.
    runFake(manager, "printf 'gr\\303'; sleep 0.3; printf '\\274n\\n'; sleep 0.3\n"
                     "printf 'A\\342\\202' >&2; sleep 0.3; printf '\\254\\n' >&2; sleep 0.3\n"
                     "printf 'bad \\377 byte\\n'; sleep 0.3\n"
                     "printf 'broken \\360\\237'; sleep 0.3; printf '\\nkept\\n'; sleep 0.3\n"
                     "printf 'cut \\342\\202'\n"
                     "exit 5\n");
    QCOMPARE(manager.consoleLog(),
             QStringLiteral("[*] Launching SteamCMD...\n"
                            "grün\nA€\nbad \uFFFD byte\nbroken \uFFFD\nkept\ncut \uFFFD"
                            "\n[✗] SteamCMD exited with code 5\n"));
}

void TestSteamCMDRun::steamGuardCodeReachesChild_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("received"); // the line the child read
    QTest::newRow("trimmed") << "  12345 \n" << QByteArray("12345");
    QTest::newRow("blanks only send a bare line") << "   " << QByteArray("");
}

void TestSteamCMDRun::steamGuardCodeReachesChild()
{
    QFETCH(QString, typed);
    QFETCH(QByteArray, received);
    SteamCMDManager manager;
    writeFake(manager, "printf 'This computer has not been authenticated for your account using "
                       "Steam Guard.\\nSteam Guard code:'\n"
                       "IFS= read -r code\n"
                       "printf '%s' \"$code\" > \"$F/code\"\n"
                       "exit 7\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    QVERIFY(!manager.isRunning());
    manager.setSteamGuardCode(typed);
    manager.submitSteamGuard();
    QCOMPARE(manager.steamGuardCode(), QString());
    waitForRest(manager);

    QCOMPARE(readFile(fake("code")), received);
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", "AUTHENTICATING...",
                          "ERROR: SteamCMD exited with code 7"}));
    QVERIFY(manager.consoleLog().endsWith("Steam Guard code:> Steam Guard code submitted\n"
                                          "\n[✗] SteamCMD exited with code 7\n"));
    if (!received.isEmpty())
        QVERIFY(!manager.consoleLog().contains(QString::fromUtf8(received)));
}

void TestSteamCMDRun::submitIgnoredWhenNotWaiting()
{
    SteamCMDManager manager;
    observe(manager);
    QSignalSpy states(&manager, &SteamCMDManager::stateChanged);
    QSignalSpy console(&manager, &SteamCMDManager::consoleLogChanged);
    manager.setSteamGuardCode("12345");
    manager.submitSteamGuard();
    QTest::qWait(50);
    QCOMPARE(manager.steamGuardCode(), QString("12345"));
    QCOMPARE(states.count() + console.count(), 0);
}

void TestSteamCMDRun::selfUpdateRestartsWithSameArguments_data()
{
    QTest::addColumn<int>("limitKBps"); // the stored download limit
    QTest::addColumn<QString>("throttle");
    QTest::newRow("no limit") << 0 << QString();
    // Kilobytes per second as SteamCMD's kilobits.
    QTest::newRow("1500 KB/s") << 1500 << "12000";
}

void TestSteamCMDRun::selfUpdateRestartsWithSameArguments()
{
    QFETCH(int, limitKBps);
    QFETCH(QString, throttle);
    m_home->useForSettings();
    QVERIFY(LauncherSettings::store(LauncherSettings::downloadLimitKey(), limitKBps));
    servePatch();
    SteamCMDManager manager;
    writeFake(manager, "echo \"run $n\"\n[ $n -le 2 ] && exit 42\nexit 0\n");
    auto seen = observe(manager);
    manager.startDownload("user", "secret");
    waitForRest(manager);

    QCOMPARE(readFile(fake("runs")), QByteArray("3\n"));
    QCOMPARE(readFile(fake("argv-1")), expectedArgv(manager, "user", throttle));
    QCOMPARE(readFile(fake("argv-3")), readFile(fake("argv-1")));
    QCOMPARE(seen->states.mid(0, 3),
             (QStringList{"AUTHENTICATING...", "DOWNLOADING PATCH... 0%", "UNPACKING PATCH..."}));
    const QString restart = "\n[*] SteamCMD updated itself. Restarting process...\n";
    QCOMPARE(manager.consoleLog(), "[*] Launching SteamCMD...\nrun 1\n" + restart +
                                       "[*] Launching SteamCMD...\nrun 2\n" + restart +
                                       "[*] Launching SteamCMD...\nrun 3\n" + kPatchTail);
}

void TestSteamCMDRun::secondStartIgnoredAndCancelStopsChild()
{
    SteamCMDManager manager;
    writeFake(manager, "echo started\nexec sleep 60\n");
    auto seen = observe(manager);
    manager.startDownload("first", "p");
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains("started"), 10000);
    QVERIFY(processAlive(fakePid(1)));
    manager.startDownload("second", "p");
    QTest::qWait(300);
    QCOMPARE(readFile(fake("runs")), QByteArray("1\n"));
    QCOMPARE(manager.lastUsername(), QString("first"));

    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    manager.cancel();
    waitForRest(manager);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).value<DownloadRun::Outcome>(), DownloadRun::Outcome::Cancelled);
    // The stop asked for is no failure: no "exited with code 15".
    QCOMPARE(seen->states, (QStringList{"AUTHENTICATING...", "READY"}));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Launching SteamCMD...\nstarted\n"
                                                  "\n--- CANCELLED ---\n"));
    QVERIFY(!processAlive(fakePid(1)));
    QVERIFY(!manager.hasSteamCMDChild());
}

void TestSteamCMDRun::cancelledSteamCMDThatExitsZeroGoesNoFurther()
{
    // SteamCMD's own verdict counts, but not after a cancel: neither the
    // fix-up nor the patch download follows.
    servePatch();
    SteamCMDManager manager;
    writeFake(manager, "trap 'echo bye; exit 0' TERM\necho started\n"
                       "while :; do sleep 0.1; done\n");
    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    manager.startDownload("u", "p");
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains("started"), 10000);
    manager.cancel();
    waitForRest(manager);
    QCOMPARE(finished.at(0).at(0).value<DownloadRun::Outcome>(), DownloadRun::Outcome::Cancelled);
    QTRY_VERIFY(manager.consoleLog().contains("bye"));
    QCOMPARE(manager.state(), SteamCMDState::idle());
    QVERIFY(!manager.consoleLog().contains("Vanilla download completed"));
    QCOMPARE(m_server->requestCount(kPatchPath), 0);
}

void TestSteamCMDRun::restartWhileWaitingForCode()
{
    servePatch();
    SteamCMDManager manager;
    // The first child waits for a code it never gets; the second one asks
    // for a code too and only succeeds if it receives it.
    writeFake(manager, "if [ $n -eq 1 ]; then printf 'Steam Guard code:'; exec sleep 60; fi\n"
                       "sleep 0.5\n"
                       "printf 'Steam Guard code:'\n"
                       "IFS= read -r code\n"
                       "[ \"$code\" = 424242 ] || exit 3\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    QVERIFY(processAlive(fakePid(1)));

    seen->clear();
    QSignalSpy cleared(&manager, &SteamCMDManager::consoleCleared);
    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    manager.startDownload("u", "p");
    // Emptied, then the new run's first line at once.
    QCOMPARE(cleared.count(), 1);
    QCOMPARE(manager.consoleLog(), QString("[*] Launching SteamCMD...\n"));
    // The first child's end is handled before the second one asks for its code.
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(fakePid(1)), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    QVERIFY(manager.hasSteamCMDChild());
    manager.setSteamGuardCode("424242");
    manager.submitSteamGuard();
    waitForRest(manager);

    QCOMPARE(manager.state(), SteamCMDState::completed());
    // The replaced run ended silently: one end, the new run's.
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0).at(0).value<DownloadRun::Outcome>(), DownloadRun::Outcome::Succeeded);
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", "AUTHENTICATING...",
                          "DOWNLOADING PATCH... 0%", "UNPACKING PATCH...", "ASSETS READY"}));
    QCOMPARE(manager.consoleLog(),
             "[*] Launching SteamCMD...\nSteam Guard code:> Steam Guard code submitted\n" +
                 kPatchTail);
}

void TestSteamCMDRun::successAfterReportedFailure()
{
    servePatch();
    SteamCMDManager manager;
    auto seen =
        runFake(manager, "echo \"ERROR! Failed to install app '4187530' (No subscription)\"\n"
                         "sleep 0.3\nexit 0\n");
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...", "ERROR: Game not owned — purchase required",
                          "DOWNLOADING PATCH... 0%", "UNPACKING PATCH...", "ASSETS READY"}));
    QVERIFY(manager.showPurchaseAlert());
    QVERIFY(manager.consoleLog().contains("\n[✗] Game not owned — purchase required\n"
                                          "\n[✓] Vanilla download completed successfully!\n"));
}

void TestSteamCMDRun::launchProblems_data()
{
    QTest::addColumn<bool>("folderIsFile");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("not executable") << false << "Failed to launch SteamCMD: ";
    QTest::newRow("install folder is a file") << true << "Cannot create assets directory: ";
}

void TestSteamCMDRun::launchProblems()
{
    QFETCH(bool, folderIsFile);
    QFETCH(QString, messageStart);
    SteamCMDManager manager;
    writeFake(manager, "exit 0\n");
    if (folderIsFile)
        QVERIFY(writeFile(manager.installDir(), "a file where the folder should be"));
    else
        QVERIFY(QFile::setPermissions(manager.steamCMDBinary(), QFile::ReadOwner));
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);

    const QString message = manager.state().text();
    QCOMPARE(manager.state().kind(), Kind::Failed);
    QVERIFY2(message.startsWith(messageStart) && message.size() > messageStart.size(),
             qPrintable(message));
    QCOMPARE(seen->states, (QStringList{"AUTHENTICATING...", "ERROR: " + message}));
    QCOMPARE(manager.consoleLog(), "[*] Launching SteamCMD...\n\n[✗] " + message + "\n");
    QVERIFY(!QFileInfo::exists(fake("runs")));
    // Nothing was started, so there is nothing to stop: cancel only resets.
    manager.cancel();
    QTRY_VERIFY(manager.consoleLog().endsWith("[✗] " + message + "\n\n--- CANCELLED ---\n"));
    QCOMPARE(manager.state(), SteamCMDState::idle());
    QCOMPARE(seen->states.last(), QString("READY"));
}

void TestSteamCMDRun::patchFailures_data()
{
    QTest::addColumn<QString>("serve"); // "page", "closed" or "cut"
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("lineBefore");
    const QString downloading = "[⭳] Downloading Community Patch & Maps...\n";
    // unzip says 9: "the specified zipfiles were not found" (no zip signature).
    QTest::newRow("error page")
        << "page"
        << "Failed to unpack patch (unzip exited with code 9); nothing was changed"
        << "[*] Unpacking patch...\n";
    QTest::newRow("no network") << "closed"
                                << "Failed to download patch: " << downloading;
    QTest::newRow("body cut short") << "cut"
                                    << "Failed to download patch: " << downloading;
}

void TestSteamCMDRun::patchFailures()
{
    QFETCH(QString, serve);
    QFETCH(QString, message);
    QFETCH(QString, lineBefore);
    LoopbackHttpServer::Response response;
    response.body = m_zip;
    response.cutAfter = m_zip.size() / 2;
    if (serve == "page") {
        response.status = 404;
        response.body = "<html><body>Not Found</body></html>";
        response.cutAfter = -1;
    } else if (serve == "closed") {
        qputenv("VANTOR_PATCH_URL", LoopbackHttpServer::closedPortUrl(kPatchPath).toUtf8());
    }
    m_server->setRoute(kPatchPath, response);
    SteamCMDManager manager;
    auto seen = runFake(manager, "exit 0\n");

    const QString text = manager.state().text();
    QCOMPARE(manager.state().kind(), Kind::Failed);
    QVERIFY2(message.endsWith(": ") ? text.startsWith(message) && text.size() > message.size()
                                    : text == message,
             qPrintable(text));
    QCOMPARE(seen->states.last(), "ERROR: " + text);
    QVERIFY2(manager.consoleLog().endsWith(lineBefore + "\n[✗] " + text + "\n"),
             qPrintable(manager.consoleLog()));
    QVERIFY(!QFileInfo::exists(manager.installDir() + "/temp_patch.zip"));
    QCOMPARE(QDir(manager.installDir()).entryList({"*.part"}, QDir::Files | QDir::Hidden),
             QStringList());
}

void TestSteamCMDRun::patchProgressFromSlowBody()
{
    LoopbackHttpServer::Response slow;
    slow.body = m_zip;
    slow.chunkSize = int(m_zip.size() / 4) + 1;
    slow.chunkIntervalMs = 150;
    m_server->setRoute(kPatchPath, slow);
    SteamCMDManager manager;
    QStringList details;
    connect(&manager, &SteamCMDManager::progressDetailChanged, this,
            [&] { details.append(manager.progressDetail()); });
    auto seen = runFake(manager, "exit 0\n");
    QCOMPARE(manager.state(), SteamCMDState::completed());
    // Once, whole: the four pieces and nothing more.
    QCOMPARE(m_server->bodyBytesSent(kPatchPath), qint64(m_zip.size()));
    // Under the status while the body arrives: done of the whole size; gone
    // once the download is over.
    const QString whole = " of " + TransferRate::formatBytes(m_zip.size());
    QVERIFY2(details.size() >= 2 && details.first().endsWith(whole), qPrintable(details.join('|')));
    QCOMPARE(details.last(), QString());
    QCOMPARE(manager.progressDetail(), QString());
    // Four pieces: at least four fractions after the first 0, rising to 1.
    const QList<double> fractions = seen->patchFractions();
    QVERIFY2(fractions.size() >= 5, qPrintable(QString::number(fractions.size())));
    QCOMPARE(fractions.first(), 0.0);
    QCOMPARE(fractions.last(), 1.0);
    for (qsizetype i = 1; i < fractions.size(); ++i)
        QVERIFY(fractions[i] > fractions[i - 1]);
    QVERIFY(fractions[1] > 0.0 && fractions[1] < 0.5);
}

QTEST_GUILESS_MAIN(TestSteamCMDRun)
#include "tst_steamcmdrun.moc"
