#include "LoopbackHttpServer.h"
#include "SteamCMDManager.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <csignal>
#include <memory>

using Kind = SteamCMDState::Kind;

namespace {

const QString kPatchPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A real zip made by the system's zip: what the community patch unpacks.
QByteArray makeZip(const QMap<QString, QByteArray> &files)
{
    QTemporaryDir staging;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeFile(staging.filePath(it.key()), it.value());
    QProcess zip;
    zip.setWorkingDirectory(staging.path());
    zip.start("/usr/bin/zip", QStringList{"-q", "-r", "-", "."});
    zip.waitForFinished(30000);
    return zip.readAllStandardOutput();
}

bool processAlive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

// Everything a run shows: the status texts in order of change, and the
// patch fractions on their own.
struct Observer
{
    QStringList states;
    QList<double> fractions;
};

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
    void selfUpdateRestartsWithSameArguments();
    void exitStatus_data();
    void exitStatus();
    void cancelStopsChild();
    void cancelWithoutChild();
    void startWhileRunningIsIgnored();
    void restartWhileWaitingForCode();
    void successAfterReportedFailure();
    void launchProblems_data();
    void launchProblems();
    void patchErrorPageIsUnpackFailure();
    void patchWithoutNetwork();
    void patchProgressFromSlowBody();

private:
    // Writes the fake SteamCMD: a preamble that counts runs, records its
    // working folder and arguments, refuses any other argument count, then body.
    void writeFake(SteamCMDManager &manager, const QByteArray &body);
    QString fake(const QString &name) const { return m_home->filePath("fake/" + name); }
    Observer *observe(SteamCMDManager &manager);
    void waitForRest(SteamCMDManager &manager, int timeoutMs = 20000);
    void servePatch();
    QString expectedArgv(SteamCMDManager &manager, const QString &user, const QString &pass) const;

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QByteArray m_zip;
    std::vector<std::unique_ptr<Observer>> m_observers;
};

void TestSteamCMDRun::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(QDir().mkpath(fake(".")));
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

void TestSteamCMDRun::writeFake(SteamCMDManager &manager, const QByteArray &body)
{
    QByteArray script =
        "#!/bin/sh\n"
        "F='" +
        fake("").toUtf8() +
        "'\n"
        "n=$(( $(cat \"$F/runs\" 2>/dev/null || echo 0) + 1 ))\n"
        "echo $n > \"$F/runs\"\n"
        "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$F/argv-$n\"\n"
        "echo $$ > \"$F/pid-$n\"\n"
        "[ $# -eq 11 ] || { echo \"fake: $# arguments\" >&2; exit 99; }\n";
    script += body;
    QVERIFY(writeScript(manager.steamCMDBinary(), script));
}

Observer *TestSteamCMDRun::observe(SteamCMDManager &manager)
{
    m_observers.push_back(std::make_unique<Observer>());
    Observer *raw = m_observers.back().get();
    manager.setEchoToStandardOutput(false);
    connect(&manager, &SteamCMDManager::stateChanged, this, [raw, &manager] {
        const SteamCMDState state = manager.state();
        if (state.kind() == Kind::DownloadingPatch) {
            raw->fractions.append(state.progress());
            // One entry for the whole patch download in the sequence.
            if (raw->states.value(raw->states.size() - 1).startsWith("DOWNLOADING PATCH"))
                return;
        }
        raw->states.append(manager.statusText());
    });
    return raw;
}

void TestSteamCMDRun::waitForRest(SteamCMDManager &manager, int timeoutMs)
{
    const auto atRest = [&manager] {
        const Kind kind = manager.state().kind();
        return !manager.hasActiveWork() && (kind == Kind::Completed || kind == Kind::Failed);
    };
    QTRY_VERIFY_WITH_TIMEOUT(atRest(), timeoutMs);
    // The last console line is posted one turn after the last state.
    QTest::qWait(50);
    QVERIFY(atRest());
}

QString TestSteamCMDRun::expectedArgv(SteamCMDManager &manager, const QString &user,
                                      const QString &pass) const
{
    const QStringList lines{manager.steamCMDDir(),
                            "+@sSteamCmdForcePlatformType",
                            "windows",
                            "+force_install_dir",
                            manager.assetsDir(),
                            "+login",
                            user,
                            pass,
                            "+app_update",
                            "4187530",
                            "validate",
                            "+quit"};
    return lines.join('\n') + '\n';
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

    writeFake(manager, "A=\"$4\"\n"
                       "printf ' Update state (0x61) downloading, progress: 30.72 (26785670 / "
                       "87188267)\\n'\n"
                       "sleep 0.2\n"
                       "printf ' Update state (0x5) verifying install, progress: 94.34 (82251010 / "
                       "87188267)\\n'\n"
                       "sleep 0.2\n"
                       "printf 'Validating files...\\n'\n"
                       "mkdir -p \"$A/DL_Vantor/Data\" \"$A/Sub\"\n"
                       "echo base > \"$A/DL_Vantor/ini.big\"\n"
                       "echo rn > \"$A/DL_Vantor/PatchData.big\"\n"
                       "echo x > \"$A/inidl.big\"\n"
                       "echo rn > \"$A/PatchINI.big\"\n"
                       "echo rn > \"$A/PatchWindow.big\"\n"
                       "echo rn > \"$A/Sub/PatchDL.big\"\n"
                       "sleep 0.2\n"
                       "printf \"Success! App '4187530' fully installed.\\n\"\n"
                       "exit 0\n");
    auto seen = observe(manager);
    QSignalSpy activity(&manager, &SteamCMDManager::activeWorkChanged);

    const QString user = "steam user";
    const QString pass = "p\"a ss'$HOME \\x";
    manager.startDownload(user, pass);
    QCOMPARE(manager.lastUsername(), user);
    QVERIFY(manager.hasActiveWork());
    waitForRest(manager);

    QCOMPARE(readAll(fake("argv-1")), expectedArgv(manager, user, pass).toUtf8());
    QCOMPARE(manager.state(), SteamCMDState::completed());
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...",
                          "DOWNLOADING ASSETS... Update state (0x61) downloading, progress: 30.72 "
                          "(26785670 / 87188267)",
                          "DOWNLOADING ASSETS... Update state (0x5) verifying install, progress: "
                          "94.34 (82251010 / 87188267)",
                          "VALIDATING FILES...", "DOWNLOADING PATCH... 0%", "UNPACKING PATCH...",
                          "ASSETS READY"}));
    QCOMPARE(seen->fractions.first(), 0.0);
    QCOMPARE(seen->fractions.last(), 1.0);

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

    // Layout: the base game moved beside the assets, replacing the old one.
    QCOMPARE(readAll(install + "/DL_Vantor/ini.big"), QByteArray("base\n"));
    QVERIFY(QFileInfo(install + "/DL_Vantor/Data").isDir());
    QVERIFY(!QFileInfo::exists(install + "/DL_Vantor/old.big"));
    QVERIFY(!QFileInfo::exists(install + "/Assets/DL_Vantor"));
    // Modern patch archives gone from the two folders looked at, kept elsewhere.
    for (const QString &gone : QStringList{"Assets/PatchINI.big", "Assets/PatchWindow.big",
                                           "PatchINI.big", "PatchDL.big"})
        QVERIFY2(!QFileInfo::exists(install + "/" + gone), qPrintable(gone));
    QVERIFY(QFileInfo::exists(install + "/DL_Vantor/PatchData.big"));
    QVERIFY(QFileInfo::exists(install + "/Assets/Sub/PatchDL.big"));
    // The patch overwrote without asking, and its temporary archive is gone.
    QCOMPARE(readAll(install + "/patch.ini"), QByteArray("patched\n"));
    QCOMPARE(readAll(install + "/Maps/Map One.map"), QByteArray("map data\n"));
    QVERIFY(!QFileInfo::exists(install + "/temp_patch.zip"));
    QCOMPARE(QDir(install).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
    QVERIFY(manager.areAssetsValid());

    QVERIFY(!manager.hasActiveWork());
    QVERIFY(!manager.hasSteamCMDChild());
    QVERIFY(activity.count() >= 2);
    QCOMPARE(m_server->requestCount(kPatchPath), 1);
}

void TestSteamCMDRun::installsSteamCMDFirst()
{
    servePatch();
    SteamCMDManager manager;
    // The published tarball carries the fake, as the real one carries steamcmd.sh.
    QTemporaryDir staging;
    QVERIFY(writeScript(staging.filePath("steamcmd.sh"), "#!/bin/sh\n"
                                                         "echo \"$# args\"\n"
                                                         "exit 0\n"));
    QProcess tar;
    tar.setWorkingDirectory(staging.path());
    tar.start("/usr/bin/tar", {"-czf", "-", "steamcmd.sh"});
    QVERIFY(tar.waitForFinished(30000));
    LoopbackHttpServer::Response tarball;
    tarball.body = tar.readAllStandardOutput();
    m_server->setRoute("/steamcmd_linux.tar.gz", tarball);
    qputenv("VANTOR_STEAMCMD_URL", m_server->url("/steamcmd_linux.tar.gz").toUtf8());

    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    QCOMPARE(seen->states,
             (QStringList{"INSTALLING STEAMCMD...", "AUTHENTICATING...", "DOWNLOADING PATCH... 0%",
                          "UNPACKING PATCH...", "ASSETS READY"}));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Downloading SteamCMD for Linux...\n"
                                                  "[*] Extracting SteamCMD...\n"
                                                  "[*] Removing quarantine attributes...\n"
                                                  "[✓] SteamCMD installed successfully\n\n"
                                                  "[*] Launching SteamCMD...\n"
                                                  "11 args\n"
                                                  "\n[✓] Vanilla download completed successfully!\n"
                                                  "[*] DL_Vantor already in correct location\n"
                                                  "\n[⭳] Downloading Community Patch & Maps...\n"
                                                  "[*] Unpacking patch...\n"
                                                  "[✓] Community Patch successfully applied!\n"));
}

void TestSteamCMDRun::classification_data()
{
    QTest::addColumn<QByteArray>("output"); // written in one piece
    QTest::addColumn<QString>("ending");    // how the fake ends afterwards
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<bool>("purchaseAlert");

    const QString exit3 = "ERROR: SteamCMD exited with code 3";
    QTest::newRow("mobile code prompt, any case")
        << QByteArray("Please ENTER THE CURRENT CODE from your app\nTwo-factor code:") << "exit 3"
        << QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", exit3} << false;
    QTest::newRow("two-factor alone")
        << QByteArray("TWO-FACTOR code:") << "exit 3"
        << QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", exit3} << false;
    QTest::newRow("guard wins over progress")
        << QByteArray(" Update state (0x61) downloading\nSteam Guard code:") << "exit 3"
        << QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", exit3} << false;
    QTest::newRow("two progress lines, case kept")
        << QByteArray("\x1b[0m UPDATE STATE (0x61) downloading, progress: 1.00 (1 / 100)\r\n"
                      "noise\n"
                      "  Update State (0x61) downloading, progress: 12,49 (12 / 100)  \n")
        << "exit 3"
        << QStringList{"AUTHENTICATING...",
                       "DOWNLOADING ASSETS... \x1b[0m UPDATE STATE (0x61) downloading, progress: "
                       "1.00 (1 / 100)",
                       "DOWNLOADING ASSETS... Update State (0x61) downloading, progress: 12,49 "
                       "(12 / 100)",
                       exit3}
        << false;
    QTest::newRow("progress wins over validating")
        << QByteArray("Validating\n Update state (0x5) verifying install\n") << "exit 3"
        << QStringList{"AUTHENTICATING...",
                       "DOWNLOADING ASSETS... Update state (0x5) verifying install", exit3}
        << false;
    QTest::newRow("validating") << QByteArray("VALIDATING install\n") << "exit 3"
                                << QStringList{"AUTHENTICATING...", "VALIDATING FILES...", exit3}
                                << false;
    // The child is not stopped; its own failing exit adds no second failure.
    QTest::newRow("not owned")
        << QByteArray("ERROR! Failed to install app '4187530' (No Subscription)\n")
        << "sleep 0.3; exit 8"
        << QStringList{"AUTHENTICATING...", "ERROR: Game not owned — purchase required"} << true;
    QTest::newRow("no license") << QByteArray("no LICENSE\n") << "exit 8"
                                << QStringList{"AUTHENTICATING...",
                                               "ERROR: Game not owned — purchase required"}
                                << true;
    // The child would sleep for a minute: only the terminate request ends it.
    QTest::newRow("invalid password")
        << QByteArray("Logging in user 'u' to Steam Public...FAILED (Invalid Password)\n")
        << "exec sleep 60"
        << QStringList{"AUTHENTICATING...", "ERROR: Authentication failed — check credentials"}
        << false;
    QTest::newRow("login failure")
        << QByteArray("Login Failure: Rate Limit Exceeded (84)\n") << "exec sleep 60"
        << QStringList{"AUTHENTICATING...", "ERROR: Authentication failed — check credentials"}
        << false;
    QTest::newRow("nothing known") << QByteArray("Redirecting stderr to 'logs/stderr.txt'\n")
                                   << "exit 3" << QStringList{"AUTHENTICATING...", exit3} << false;
}

void TestSteamCMDRun::classification()
{
    QFETCH(QByteArray, output);
    QFETCH(QString, ending);
    QFETCH(QStringList, states);
    QFETCH(bool, purchaseAlert);

    SteamCMDManager manager;
    QVERIFY(writeFile(fake("out"), output));
    writeFake(manager, "cat \"$F/out\"\n" + ending.toUtf8() + "\n");
    auto seen = observe(manager);
    QElapsedTimer clock;
    clock.start();
    manager.startDownload("u", "p");
    waitForRest(manager);
    QVERIFY2(clock.elapsed() < 20000, "the child was not stopped");

    QCOMPARE(seen->states, states);
    QCOMPARE(manager.showPurchaseAlert(), purchaseAlert);
    // The raw output reached the console before the one failure line.
    const QString failure = states.last().mid(QStringLiteral("ERROR: ").size());
    QCOMPARE(manager.consoleLog(),
             "[*] Launching SteamCMD...\n" + QString::fromUtf8(output) + "\n[✗] " + failure + "\n");
}

void TestSteamCMDRun::splitCharactersSurviveReads()
{
    SteamCMDManager manager;
    // "ü" and "€" cut between two writes with a pause; an invalid byte; a
    // character cut off by the end of the stream.
    writeFake(manager, "printf 'gr\\303'; sleep 0.3; printf '\\274n\\n'; sleep 0.3\n"
                       "printf 'A\\342\\202' >&2; sleep 0.3; printf '\\254\\n' >&2; sleep 0.3\n"
                       "printf 'bad \\377 byte\\n'; sleep 0.3\n"
                       "printf 'cut \\342\\202'\n"
                       "exit 5\n");
    observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Launching SteamCMD...\n"
                                                  "grün\n"
                                                  "A€\n"
                                                  "bad \uFFFD byte\n"
                                                  "cut \uFFFD"
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

    QCOMPARE(readAll(fake("code")), received);
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
    manager.submitSteamGuard(); // idle
    QTest::qWait(50);
    QCOMPARE(manager.steamGuardCode(), QString("12345"));
    QCOMPARE(states.count(), 0);
    QCOMPARE(console.count(), 0);
}

void TestSteamCMDRun::selfUpdateRestartsWithSameArguments()
{
    servePatch();
    SteamCMDManager manager;
    writeFake(manager, "echo \"run $n\"\n"
                       "[ $n -le 2 ] && exit 42\n"
                       "exit 0\n");
    auto seen = observe(manager);
    manager.startDownload("user", "secret");
    waitForRest(manager);

    QCOMPARE(readAll(fake("runs")), QByteArray("3\n"));
    QCOMPARE(readAll(fake("argv-1")), expectedArgv(manager, "user", "secret").toUtf8());
    QCOMPARE(readAll(fake("argv-3")), readAll(fake("argv-1")));
    QCOMPARE(seen->states.mid(0, 3),
             (QStringList{"AUTHENTICATING...", "DOWNLOADING PATCH... 0%", "UNPACKING PATCH..."}));
    QCOMPARE(manager.consoleLog(),
             QStringLiteral("[*] Launching SteamCMD...\n"
                            "run 1\n"
                            "\n[*] SteamCMD updated itself. Restarting process...\n"
                            "[*] Launching SteamCMD...\n"
                            "run 2\n"
                            "\n[*] SteamCMD updated itself. Restarting process...\n"
                            "[*] Launching SteamCMD...\n"
                            "run 3\n"
                            "\n[✓] Vanilla download completed successfully!\n"
                            "[*] DL_Vantor already in correct location\n"
                            "\n[⭳] Downloading Community Patch & Maps...\n"
                            "[*] Unpacking patch...\n"
                            "[✓] Community Patch successfully applied!\n"));
}

void TestSteamCMDRun::exitStatus_data()
{
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<QString>("message");
    QTest::newRow("plain exit") << QByteArray("exit 8") << "SteamCMD exited with code 8";
    // A child killed by a signal reports the signal number.
    QTest::newRow("SIGTERM") << QByteArray("kill -TERM $$; sleep 5")
                             << "SteamCMD exited with code 15";
    QTest::newRow("SIGKILL") << QByteArray("kill -KILL $$; sleep 5")
                             << "SteamCMD exited with code 9";
}

void TestSteamCMDRun::exitStatus()
{
    QFETCH(QByteArray, ending);
    QFETCH(QString, message);
    SteamCMDManager manager;
    writeFake(manager, ending + "\n");
    observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    QCOMPARE(manager.state(), SteamCMDState::failed(message));
    QCOMPARE(manager.consoleLog(), "[*] Launching SteamCMD...\n\n[✗] " + message + "\n");
    QVERIFY(!QFileInfo::exists(manager.installDir() + "/temp_patch.zip"));
}

void TestSteamCMDRun::cancelStopsChild()
{
    SteamCMDManager manager;
    writeFake(manager, "echo started\nexec sleep 60\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains("started"), 10000);
    const qint64 pid = readAll(fake("pid-1")).trimmed().toLongLong();
    QVERIFY(processAlive(pid));

    manager.cancel();
    waitForRest(manager);
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...", "READY", "ERROR: SteamCMD exited with code 15"}));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Launching SteamCMD...\n"
                                                  "started\n"
                                                  "\n--- CANCELLED ---\n"
                                                  "\n[✗] SteamCMD exited with code 15\n"));
    QVERIFY(!processAlive(pid));
    QVERIFY(!manager.hasSteamCMDChild());
}

void TestSteamCMDRun::cancelWithoutChild()
{
    SteamCMDManager manager;
    auto seen = observe(manager);
    manager.fail("earlier");
    QTRY_COMPARE(manager.state(), SteamCMDState::failed("earlier"));
    manager.cancel();
    QTRY_COMPARE(manager.state(), SteamCMDState::idle());
    QTRY_VERIFY(manager.consoleLog().endsWith("\n--- CANCELLED ---\n"));
    QTest::qWait(50);
    QCOMPARE(manager.consoleLog(), QStringLiteral("\n[✗] earlier\n\n--- CANCELLED ---\n"));
    QCOMPARE(seen->states, (QStringList{"ERROR: earlier", "READY"}));
}

void TestSteamCMDRun::startWhileRunningIsIgnored()
{
    SteamCMDManager manager;
    writeFake(manager, "echo started\nexec sleep 60\n");
    observe(manager);
    manager.startDownload("first", "p");
    QTRY_VERIFY_WITH_TIMEOUT(manager.consoleLog().contains("started"), 10000);
    QCOMPARE(manager.state(), SteamCMDState::authenticating());

    manager.startDownload("second", "p");
    QTest::qWait(300);
    QCOMPARE(readAll(fake("runs")), QByteArray("1\n"));
    QCOMPARE(manager.lastUsername(), QString("first"));
    QVERIFY(manager.consoleLog().startsWith("[*] Launching SteamCMD...\nstarted\n"));

    manager.cancel();
    QTRY_VERIFY_WITH_TIMEOUT(!manager.hasActiveWork(), 10000);
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
                       "[ \"$code\" = 424242 ] || exit 3\n"
                       "exit 0\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    const qint64 first = readAll(fake("pid-1")).trimmed().toLongLong();
    QVERIFY(processAlive(first));

    seen->states.clear();
    manager.startDownload("u", "p");
    QCOMPARE(manager.consoleLog(), QString());
    // The first child is stopped and its end is handled before the second
    // one asks for its code.
    QTRY_VERIFY_WITH_TIMEOUT(!processAlive(first), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(manager.state(), SteamCMDState::waitingSteamGuard(), 10000);
    QVERIFY(manager.hasSteamCMDChild());
    manager.setSteamGuardCode("424242");
    manager.submitSteamGuard();
    waitForRest(manager);

    QCOMPARE(manager.state(), SteamCMDState::completed());
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...", "STEAM GUARD CODE REQUIRED", "AUTHENTICATING...",
                          "DOWNLOADING PATCH... 0%", "UNPACKING PATCH...", "ASSETS READY"}));
    QVERIFY(!manager.consoleLog().contains("exited with code"));
    QVERIFY(manager.consoleLog().startsWith("[*] Launching SteamCMD...\nSteam Guard code:> Steam "
                                            "Guard code submitted\n\n[✓] Vanilla download"));
}

void TestSteamCMDRun::successAfterReportedFailure()
{
    servePatch();
    SteamCMDManager manager;
    writeFake(manager, "echo \"ERROR! Failed to install app '4187530' (No subscription)\"\n"
                       "sleep 0.3\nexit 0\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    QCOMPARE(seen->states,
             (QStringList{"AUTHENTICATING...", "ERROR: Game not owned — purchase required",
                          "DOWNLOADING PATCH... 0%", "UNPACKING PATCH...", "ASSETS READY"}));
    QVERIFY(manager.showPurchaseAlert());
    QVERIFY(manager.consoleLog().contains("\n[✗] Game not owned — purchase required\n"
                                          "\n[✓] Vanilla download completed successfully!\n"));
}

void TestSteamCMDRun::launchProblems_data()
{
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("messageStart");
    QTest::newRow("not executable") << "mode"
                                    << "Failed to launch SteamCMD: ";
    QTest::newRow("install folder is a file") << "file"
                                              << "Cannot create assets directory: ";
}

void TestSteamCMDRun::launchProblems()
{
    QFETCH(QString, problem);
    QFETCH(QString, messageStart);
    SteamCMDManager manager;
    writeFake(manager, "exit 0\n");
    if (problem == "mode")
        QVERIFY(QFile::setPermissions(manager.steamCMDBinary(), QFile::ReadOwner));
    else
        QVERIFY(writeFile(manager.installDir(), "a file where the folder should be"));
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);

    QCOMPARE(manager.state().kind(), Kind::Failed);
    const QString message = manager.state().text();
    QVERIFY2(message.startsWith(messageStart) && message.size() > messageStart.size(),
             qPrintable(message));
    QCOMPARE(seen->states, (QStringList{"AUTHENTICATING...", "ERROR: " + message}));
    QCOMPARE(manager.consoleLog(), "[*] Launching SteamCMD...\n\n[✗] " + message + "\n");
    QVERIFY(!QFileInfo::exists(fake("runs")));
    // Nothing was started, so there is nothing to stop.
    manager.cancel();
    QTRY_COMPARE(manager.state(), SteamCMDState::idle());
}

void TestSteamCMDRun::patchErrorPageIsUnpackFailure()
{
    LoopbackHttpServer::Response page;
    page.status = 404;
    page.contentType = "text/html";
    page.body = "<html><body>Not Found</body></html>";
    m_server->setRoute(kPatchPath, page);
    SteamCMDManager manager;
    writeFake(manager, "exit 0\n");
    observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    // unzip says 9: "the specified zipfiles were not found" (no zip signature).
    const QString message = "Failed to unpack patch (unzip exited with code 9)";
    QCOMPARE(manager.state(), SteamCMDState::failed(message));
    QVERIFY(manager.consoleLog().endsWith("[*] Unpacking patch...\n\n[✗] " + message + "\n"));
    QVERIFY(!QFileInfo::exists(manager.installDir() + "/temp_patch.zip"));
}

void TestSteamCMDRun::patchWithoutNetwork()
{
    qputenv("VANTOR_PATCH_URL", LoopbackHttpServer::closedPortUrl(kPatchPath).toUtf8());
    SteamCMDManager manager;
    writeFake(manager, "exit 0\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    const QString message = manager.state().text();
    QVERIFY2(message.startsWith("Failed to download patch: ") &&
                 message.size() > QString("Failed to download patch: ").size(),
             qPrintable(message));
    QVERIFY(manager.consoleLog().endsWith(
        "\n[⭳] Downloading Community Patch & Maps...\n\n[✗] " + message + "\n"));
    QCOMPARE(seen->states.last(), "ERROR: " + message);
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
    writeFake(manager, "exit 0\n");
    auto seen = observe(manager);
    manager.startDownload("u", "p");
    waitForRest(manager);
    QCOMPARE(manager.state(), SteamCMDState::completed());
    // Four pieces: at least four fractions after the first 0, rising to 1.
    QVERIFY2(seen->fractions.size() >= 5, qPrintable(QString::number(seen->fractions.size())));
    QCOMPARE(seen->fractions.first(), 0.0);
    QCOMPARE(seen->fractions.last(), 1.0);
    for (qsizetype i = 1; i < seen->fractions.size(); ++i)
        QVERIFY(seen->fractions[i] > seen->fractions[i - 1]);
    QVERIFY(seen->fractions[1] > 0.0 && seen->fractions[1] < 0.5);
}

QTEST_GUILESS_MAIN(TestSteamCMDRun)
#include "tst_steamcmdrun.moc"
