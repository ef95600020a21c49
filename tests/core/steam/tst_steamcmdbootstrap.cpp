// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoopbackHttpServer.h"
#include "RunWait.h"
#include "TestArchives.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>
#include <sys/stat.h>

class TestSteamCMDBootstrap : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pathsFollowHomeAndCreateNothing();
    void assetValidity_data();
    void assetValidity();

    void installsFromTarball();
    void failures_data();
    void failures();
    void cancelDuringTheDownload();

private:
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
    // Any entry of the binary's name counts as installed, a folder too.
    QVERIFY(QDir().mkpath(manager.steamCMDBinary()));
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
    const InstallerResult run = runSteamCMDInstaller();
    QVERIFY(run.succeeded());
    // Linux has no quarantine attributes: the step and its line are macOS's.
    QCOMPARE(run.console, QStringLiteral("[*] Downloading SteamCMD for Linux...\n"
                                         "[*] Extracting SteamCMD...\n"
                                         "[✓] SteamCMD installed successfully\n\n"));
    QVERIFY(manager.isSteamCMDInstalled());
    QVERIFY(QFileInfo::exists(manager.steamCMDDir() + "/linux32/steamcmd"));
    QVERIFY(!QFileInfo::exists(manager.steamCMDDir() + "/steamcmd_linux.tar.gz"));
    struct stat info;
    QCOMPARE(::stat(manager.steamCMDBinary().toLocal8Bit().constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0755));
    QCOMPARE(m_server->requestCount("/client/installer/steamcmd_linux.tar.gz"), 1);
}

void TestSteamCMDBootstrap::failures_data()
{
    QTest::addColumn<int>("status"); // 0: nothing listens
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("console");
    QTest::addColumn<QString>("kept"); // what stays in the SteamCMD folder
    const QString download = "[*] Downloading SteamCMD for Linux...\n";
    const QString extract = download + "[*] Extracting SteamCMD...\n";
    QTest::newRow("no network") << 0 << QByteArray() << "Failed to download SteamCMD tarball"
                                << download << QString();
    // GNU tar exits with 2 on a corrupt archive; the download stays for a look.
    QTest::newRow("plain text") << 200 << QByteArray("this is not a tarball at all\n")
                                << "Failed to extract SteamCMD (exit 2)" << extract
                                << "steamcmd_linux.tar.gz";
    // An error page is a body that arrived; tar is what rejects it.
    QTest::newRow("error page") << 404 << QByteArray("<html>Not Found</html>")
                                << "Failed to extract SteamCMD (exit 2)" << extract
                                << "steamcmd_linux.tar.gz";
    QTest::newRow("no steamcmd.sh inside")
        << 200 << makeTarball({{"linux32/steamcmd", "binary"}})
        << "Installation error: No such file or directory" << extract << "linux32/steamcmd";
}

void TestSteamCMDBootstrap::failures()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, message);
    QFETCH(QString, console);
    QFETCH(QString, kept);
    if (status == 0) {
        qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/s.tar.gz").toUtf8());
    } else {
        LoopbackHttpServer::Response response;
        response.status = status;
        response.body = body;
        m_server->setRoute("/client/installer/steamcmd_linux.tar.gz", response);
    }
    SteamCMDManager manager;
    const InstallerResult run = runSteamCMDInstaller();
    QCOMPARE(run.outcome, Operation::Outcome::Failed);
    QCOMPARE(run.message, message);
    QCOMPARE(run.console, console);
    QVERIFY(!manager.isSteamCMDInstalled());
    if (kept == "steamcmd_linux.tar.gz")
        QCOMPARE(readFile(manager.steamCMDDir() + "/" + kept), body);
    else if (!kept.isEmpty())
        QVERIFY(QFileInfo::exists(manager.steamCMDDir() + "/" + kept));
}

void TestSteamCMDBootstrap::cancelDuringTheDownload()
{
    // A whole run against a tarball that never comes: CANCEL ends it there,
    // SteamCMD never starts and nothing of the install is left.
    LoopbackHttpServer::Response hang;
    hang.hang = true;
    m_server->setRoute("/client/installer/steamcmd_linux.tar.gz", hang);
    SteamCMDManager manager;
    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    manager.startDownload("player", "secret");
    QTRY_COMPARE(m_server->requestCount("/client/installer/steamcmd_linux.tar.gz"), 1);
    QCOMPARE(manager.stateKind(), SteamCMDState::Kind::DownloadingSteamCMD);
    manager.cancel();
    QVERIFY(finished.count() == 1 || finished.wait(5000));
    QCOMPARE(finished.at(0).at(0).value<Operation::Outcome>(), Operation::Outcome::Cancelled);
    QCOMPARE(manager.state(), SteamCMDState::idle());
    QVERIFY(manager.consoleLog().endsWith("\n--- CANCELLED ---\n"));
    QTest::qWait(200);
    QVERIFY(!manager.consoleLog().contains("Launching SteamCMD"));
    QVERIFY(!manager.hasActiveWork());
    QVERIFY(!manager.isSteamCMDInstalled());
    QCOMPARE(QDir(manager.steamCMDDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_GUILESS_MAIN(TestSteamCMDBootstrap)
#include "tst_steamcmdbootstrap.moc"
