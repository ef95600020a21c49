#include "LoopbackHttpServer.h"
#include "SteamCMDManager.h"
#include "TestHome.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

// Builds a real gzip tarball with the given files (relative path -> content),
// using the system's tar, like the published SteamCMD archive: no top folder.
QByteArray makeTarball(const QMap<QString, QByteArray> &files)
{
    QTemporaryDir staging;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeScript(staging.filePath(it.key()), it.value());
    QProcess tar;
    tar.setWorkingDirectory(staging.path());
    QStringList args{"-czf", "-"};
    args += files.keys();
    tar.start("/usr/bin/tar", args);
    tar.waitForFinished(30000);
    return tar.readAllStandardOutput();
}

struct Run
{
    std::optional<bool> result;
    QStringList states;
};

} // namespace

class TestSteamCMDBootstrap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pathsFollowHomeAndCreateNothing();
    void installedTestAcceptsAnyEntry();
    void assetValidity_data();
    void assetValidity();

    void installsFromTarball();
    void noNetworkFailsDownload();
    void notGzipKeepsTarball_data();
    void notGzipKeepsTarball();
    void missingExecutableFails();

private:
    std::unique_ptr<Run> install(SteamCMDManager &manager);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestSteamCMDBootstrap::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_STEAMCMD_URL",
            m_server->url("/client/installer/steamcmd_linux.tar.gz").toUtf8());
}

void TestSteamCMDBootstrap::cleanup()
{
    qunsetenv("VANTOR_STEAMCMD_URL");
    m_server.reset();
    m_home.reset();
}

std::unique_ptr<Run> TestSteamCMDBootstrap::install(SteamCMDManager &manager)
{
    auto run = std::make_unique<Run>();
    Run *raw = run.get();
    connect(&manager, &SteamCMDManager::stateChanged, this,
            [raw, &manager] { raw->states.append(manager.statusText()); });
    manager.installSteamCMD([raw](bool ok) {
        QVERIFY(!raw->result.has_value()); // exactly once
        raw->result = ok;
    });
    [&] {
        QTRY_VERIFY_WITH_TIMEOUT(raw->result.has_value(), 20000);
    }();
    // Let the posted console lines and state changes land.
    QTest::qWait(50);
    return run;
}

void TestSteamCMDBootstrap::pathsFollowHomeAndCreateNothing()
{
    SteamCMDManager manager;
    const QString home = m_home->path();
    QCOMPARE(manager.supportDir(), home + "/.local/share/Vantor Online");
    QCOMPARE(manager.steamCMDDir(), home + "/.local/share/Vantor Online/steamcmd");
    QCOMPARE(manager.steamCMDBinary(), home + "/.local/share/Vantor Online/steamcmd/steamcmd.sh");
    QCOMPARE(manager.installDir(), home + "/Documents/Vantor Online");
    QCOMPARE(manager.assetsDir(), home + "/Documents/Vantor Online/Assets");
    QCOMPARE(manager.baseGameDir(), home + "/Documents/Vantor Online/DL_Vantor");

    QVERIFY(!manager.isSteamCMDInstalled());
    QVERIFY(!manager.areAssetsValid());
    // Reading paths and tests made no folder at all.
    QCOMPARE(QDir(home).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());

    // The data home moves with XDG_DATA_HOME, read afresh on every access.
    qputenv("XDG_DATA_HOME", (home + "/elsewhere").toUtf8());
    QCOMPARE(manager.supportDir(), home + "/elsewhere/Vantor Online");
}

void TestSteamCMDBootstrap::installedTestAcceptsAnyEntry()
{
    SteamCMDManager manager;
    QVERIFY(QDir().mkpath(manager.steamCMDBinary())); // a folder of that name counts
    QVERIFY(manager.isSteamCMDInstalled());
}

void TestSteamCMDBootstrap::assetValidity_data()
{
    QTest::addColumn<QStringList>("files"); // relative to installDir
    QTest::addColumn<bool>("valid");
    QTest::newRow("nothing") << QStringList{} << false;
    QTest::newRow("both in assets") << QStringList{"Assets/inidl.big", "Assets/ini.big"} << true;
    QTest::newRow("split") << QStringList{"Assets/inidl.big", "DL_Vantor/ini.big"} << true;
    QTest::newRow("only ini in assets") << QStringList{"Assets/ini.big"} << false;
    QTest::newRow("only inidl") << QStringList{"Assets/inidl.big"} << false;
    QTest::newRow("upper case") << QStringList{"Assets/INIDL.BIG", "DL_Vantor/Ini.Big"} << true;
    QTest::newRow("inidl in subfolder")
        << QStringList{"Assets/Data/inidl.big", "Assets/ini.big"} << false;
    QTest::newRow("ini only deeper in base")
        << QStringList{"Assets/inidl.big", "DL_Vantor/Data/ini.big"} << false;
    QTest::newRow("inidl in base only")
        << QStringList{"DL_Vantor/inidl.big", "Assets/ini.big"} << false;
    QTest::newRow("folders named like archives")
        << QStringList{"Assets/inidl.big/", "Assets/ini.big/"} << true;
}

void TestSteamCMDBootstrap::assetValidity()
{
    QFETCH(QStringList, files);
    QFETCH(bool, valid);
    SteamCMDManager manager;
    for (const QString &f : files) {
        const QString path = manager.installDir() + "/" + f;
        if (f.endsWith('/'))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(writeFile(path, "x"));
    }
    QCOMPARE(manager.areAssetsValid(), valid);
}

void TestSteamCMDBootstrap::installsFromTarball()
{
    LoopbackHttpServer::Response tarball;
    tarball.body =
        makeTarball({{"steamcmd.sh", "#!/bin/sh\necho hi\n"}, {"linux32/steamcmd", "binary"}});
    QVERIFY(tarball.body.startsWith("\x1f\x8b"));
    m_server->setRoute("/client/installer/steamcmd_linux.tar.gz", tarball);

    SteamCMDManager manager;
    manager.setEchoToStandardOutput(false);
    auto run = install(manager);
    QCOMPARE(run->result, std::optional<bool>(true));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Downloading SteamCMD for Linux...\n"
                                                  "[*] Extracting SteamCMD...\n"
                                                  "[*] Removing quarantine attributes...\n"
                                                  "[✓] SteamCMD installed successfully\n\n"));
    QCOMPARE(run->states, QStringList{"INSTALLING STEAMCMD..."});
    QVERIFY(manager.isSteamCMDInstalled());
    QVERIFY(QFileInfo::exists(manager.steamCMDDir() + "/linux32/steamcmd"));
    QVERIFY(!QFileInfo::exists(manager.steamCMDDir() + "/steamcmd_linux.tar.gz"));
    struct stat info;
    QCOMPARE(::stat(manager.steamCMDBinary().toLocal8Bit().constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0755));
    QCOMPARE(m_server->requestCount("/client/installer/steamcmd_linux.tar.gz"), 1);
}

void TestSteamCMDBootstrap::noNetworkFailsDownload()
{
    qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/steamcmd.tar.gz").toUtf8());
    SteamCMDManager manager;
    manager.setEchoToStandardOutput(false);
    auto run = install(manager);
    QCOMPARE(run->result, std::optional<bool>(false));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Downloading SteamCMD for Linux...\n"
                                                  "\n[✗] Failed to download SteamCMD tarball\n"));
    QCOMPARE(manager.state(), SteamCMDState::failed("Failed to download SteamCMD tarball"));
    QCOMPARE(run->states,
             (QStringList{"INSTALLING STEAMCMD...", "ERROR: Failed to download SteamCMD tarball"}));
    QVERIFY(!manager.isSteamCMDInstalled());
}

void TestSteamCMDBootstrap::notGzipKeepsTarball_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("plain text") << 200 << QByteArray("this is not a tarball at all\n");
    // An error page is a body that arrived; tar is what rejects it.
    QTest::newRow("error page") << 404 << QByteArray("<html>Not Found</html>");
}

void TestSteamCMDBootstrap::notGzipKeepsTarball()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    LoopbackHttpServer::Response response;
    response.status = status;
    response.body = body;
    m_server->setRoute("/client/installer/steamcmd_linux.tar.gz", response);

    SteamCMDManager manager;
    manager.setEchoToStandardOutput(false);
    auto run = install(manager);
    QCOMPARE(run->result, std::optional<bool>(false));
    QVERIFY(manager.state().kind() == SteamCMDState::Kind::Failed);
    // GNU tar exits with 2 on a corrupt archive.
    QCOMPARE(manager.state().text(), QStringLiteral("Failed to extract SteamCMD (exit 2)"));
    QCOMPARE(manager.consoleLog(), QStringLiteral("[*] Downloading SteamCMD for Linux...\n"
                                                  "[*] Extracting SteamCMD...\n"
                                                  "\n[✗] Failed to extract SteamCMD (exit 2)\n"));
    QFile kept(manager.steamCMDDir() + "/steamcmd_linux.tar.gz");
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), body);
}

void TestSteamCMDBootstrap::missingExecutableFails()
{
    LoopbackHttpServer::Response tarball;
    tarball.body = makeTarball({{"linux32/steamcmd", "binary"}});
    m_server->setRoute("/client/installer/steamcmd_linux.tar.gz", tarball);

    SteamCMDManager manager;
    manager.setEchoToStandardOutput(false);
    auto run = install(manager);
    QCOMPARE(run->result, std::optional<bool>(false));
    QCOMPARE(manager.state(),
             SteamCMDState::failed("Installation error: No such file or directory"));
    QVERIFY(manager.consoleLog().endsWith("[*] Removing quarantine attributes...\n"
                                          "\n[✗] Installation error: No such file or directory\n"));
    // What tar unpacked stays.
    QVERIFY(QFileInfo::exists(manager.steamCMDDir() + "/linux32/steamcmd"));
}

QTEST_GUILESS_MAIN(TestSteamCMDBootstrap)
#include "tst_steamcmdbootstrap.moc"
