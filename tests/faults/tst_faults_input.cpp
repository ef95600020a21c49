// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultSupport.h"
#include "FolderCheckCounter.h"
#include "LauncherRun.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "StandInFolderPicker.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "game/GameFolders.h"
#include "update/AppUpdate.h"
#include "update/UpdateChecker.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include <sys/stat.h>

namespace {

const QString kManifestPath = QStringLiteral("/api/update.json");

QByteArray manifestWithUrl(const QByteArray &url)
{
    return R"({"version":"999.0.0","build":1,"downloadURL":")" + url +
           R"(","releaseNotes":"Notes.","releaseDate":"d","minOSVersion":"11"})";
}

} // namespace

// Hostile or broken input: update manifests (the fuzzing corpus and worse)
// read by the checker and by check-update, download addresses with other
// schemes, and a game folder with 10,000 subfolders.
class TestFaultsInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void manifests_data();
    void manifests();
    void downloadAddresses_data();
    void downloadAddresses();
    void tenThousandSubfolders();

private:
    static LauncherRun::Outcome checkUpdate() { return LauncherRun::run({"check-update"}); }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestFaultsInput::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_UPDATE_URL", m_server->url(kManifestPath).toUtf8());
}

void TestFaultsInput::cleanup()
{
    qunsetenv("VANTOR_UPDATE_URL");
    m_server.reset();
    m_home.reset();
}

void TestFaultsInput::manifests_data()
{
    QTest::addColumn<QByteArray>("body");
    // The command's whole standard output; empty: the manifest is unreadable.
    QTest::addColumn<QString>("out");
    QDirIterator corpus(QStringLiteral(VANTOR_MANIFEST_CORPUS), QDir::Files);
    QMap<QString, QByteArray> files;
    while (corpus.hasNext()) {
        const QString path = corpus.next();
        files.insert(QFileInfo(path).fileName(), readFile(path));
    }
    QCOMPARE(files.size(), 4);
    QTest::newRow("corpus manifest.json")
        << files.value("manifest.json")
        << QStringLiteral("UPDATE AVAILABLE: v1.4.2\nn\nhttps://vantor-online.org/dl\n");
    // The escaped second "build" key replaces the first: 15 beats build 1.
    QTest::newRow("corpus numbers.json")
        << files.value("numbers.json")
        << QStringLiteral("UPDATE AVAILABLE: v\n\n(the download address is not a web address and "
                          "is not shown)\n");
    QTest::newRow("corpus token.txt") << files.value("token.txt") << QString();
    QTest::newRow("corpus versions.txt") << files.value("versions.txt") << QString();

    QTest::newRow("empty body") << QByteArray() << QString();
    QTest::newRow("nesting 100k deep")
        << QByteArray(100000, '[') + QByteArray(100000, ']') << QString();
    QByteArray binary(4096, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) & 0xff);
    QTest::newRow("binary") << binary << QString();
    QTest::newRow("invalid UTF-8 in a text")
        << manifestWithUrl("https://x.org/").replace("Notes.", "\xff\xfe\xc0\xaf") << QString();
    QTest::newRow("array at the top")
        << QByteArray("[" + manifestWithUrl("https://x.org/") + "]") << QString();
}

void TestFaultsInput::manifests()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, out);
    LoopbackHttpServer::Response response;
    response.body = body;
    response.contentType = "application/json";
    m_server->setRoute(kManifestPath, response);

    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    checker.checkForUpdate();
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.first().first().toBool(), !out.isEmpty());
    QCOMPARE(checker.hasUpdate(), !out.isEmpty());

    const LauncherRun::Outcome result = checkUpdate();
    if (out.isEmpty()) {
        QCOMPARE(result.exitCode, 1);
        QCOMPARE(result.out, QString());
        QVERIFY2(result.err.startsWith(
                     "vantor-launcher check-update: could not fetch or read the update manifest "
                     "at " +
                     m_server->url(kManifestPath) + ": the answer is not an update manifest: "),
                 qPrintable(result.err));
    } else {
        QCOMPARE(result.exitCode, 0);
        QCOMPARE(result.out, out);
    }
}

void TestFaultsInput::downloadAddresses_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<QString>("shown"); // empty: never handed on
    QTest::newRow("https") << QByteArray("https://vantor-online.org/dl")
                           << QStringLiteral("https://vantor-online.org/dl");
    QTest::newRow("file") << QByteArray("file:///usr/bin/xterm") << QString();
    QTest::newRow("javascript") << QByteArray("javascript:alert(1)") << QString();
    QTest::newRow("custom scheme") << QByteArray("vantor-helper://install?run=1") << QString();
    QTest::newRow("no scheme") << QByteArray("/usr/bin/xterm") << QString();
    QTest::newRow("http without a host") << QByteArray("http:///etc/passwd") << QString();
    QTest::newRow("smuggled line end") << QByteArray("https://x.org/\\nfile:///etc") << QString();
}

void TestFaultsInput::downloadAddresses()
{
    QFETCH(QByteArray, address);
    QFETCH(QString, shown);
    LoopbackHttpServer::Response response;
    response.body = manifestWithUrl(address);
    m_server->setRoute(kManifestPath, response);

    // The manifest still decodes and the update is published (the banner
    // shows it); only the address is withheld.
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    checker.checkForUpdate();
    QVERIFY(finished.wait(10000));
    QVERIFY(checker.hasUpdate());
    const std::optional<QUrl> url = checker.availableUpdate()->webDownloadURL();
    QCOMPARE(url.has_value(), !shown.isEmpty());
    if (url)
        QCOMPARE(url->toString(), shown);

    const LauncherRun::Outcome result = checkUpdate();
    QCOMPARE(result.exitCode, 0);
    const QString last = shown.isEmpty()
                             ? "(the download address is not a web address and is not shown)\n"
                             : shown + "\n";
    QCOMPARE(result.out, "UPDATE AVAILABLE: v999.0.0\nNotes.\n" + last);
}

void TestFaultsInput::tenThousandSubfolders()
{
    m_home->useForSettings();
    const QString root = m_home->filePath("Huge Game Folder");
    QVERIFY(QDir().mkpath(root));
    for (int i = 0; i < 10000; ++i) {
        const QByteArray name =
            QFile::encodeName(root) + "/Folder " + QByteArray::number(i).rightJustified(5, '0');
        QVERIFY(::mkdir(name.constData(), 0755) == 0);
    }

    // The check as the validate command and the window's hint use it: no
    // markers, so every subfolder is listed.
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!GameFolders::isGameFolder(root));
    const qint64 checkMs = clock.elapsed();

    // The folder chosen in the window, whose console streams SteamCMD's
    // output meanwhile: the folder is listed when chosen, and neither the
    // console nor the window's reads after each chunk list it again.
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    SteamCMDManager *manager = model.steamCMD();
    model.setFolderPicker(std::make_shared<StandInFolderPicker>(root));
    model.setActiveTab(LauncherViewModel::Tab::Local);
    FolderCheckCounter checks;
    model.chooseFolder();
    QTRY_COMPARE(model.installPath(), root);
    QCOMPARE(checks.localFolderChecks(), 1);
    QVERIFY(!model.isPathValid());

    constexpr int kChunks = 2000;
    int reads = 0;
    // The window's reads: the bottom action and the tab after every chunk.
    QObject::connect(manager, &SteamCMDManager::consoleLogChanged, &model,
                     [&] { reads += !model.canLaunch() && !model.isPathValid(); });
    auto plan = startStandInRun(*manager);
    QTRY_VERIFY(plan->current);
    clock.restart();
    for (int i = 0; i < kChunks; ++i) {
        Q_EMIT plan->current->log(
            QStringLiteral(" Update state (0x61) downloading, progress: %1.00\n").arg(i % 100));
    }
    QTRY_COMPARE(reads, kChunks);
    const double perChunkMs = double(clock.nsecsElapsed()) / 1e6 / kChunks;
    qInfo("10,000 subfolders: one check %lld ms; %d console chunks streamed at %.3f ms each "
          "with %d more listings",
          checkMs, kChunks, perChunkMs, checks.localFolderChecks() - 1);
    QCOMPARE(checks.localFolderChecks(), 1);
#ifdef VANTOR_SANITIZED
    // Every memory access is checked there: the time says nothing about the
    // launcher's own cost.
    qInfo("time bound not checked in a sanitizer build");
#else
    QVERIFY2(perChunkMs < 1.0, QByteArray::number(perChunkMs));
#endif

    // Markers added on disk count at the next change: here the tab coming back.
    QVERIFY(writeFile(root + "/Folder 09999/ini.big", "x") &&
            writeFile(root + "/Folder 00000/INIDL.BIG", "x"));
    QVERIFY(!model.isPathValid());
    model.setActiveTab(LauncherViewModel::Tab::Steam);
    model.setActiveTab(LauncherViewModel::Tab::Local);
    QCOMPARE(checks.localFolderChecks(), 2);
    QVERIFY(model.isPathValid());
    QVERIFY(model.canLaunch());
    QVERIFY(GameFolders::isGameFolder(root));
}

QTEST_GUILESS_MAIN(TestFaultsInput)
#include "tst_faults_input.moc"
