// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeEngine.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "StandInEngineStarter.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "credentials/KeychainHelper.h"
#include "settings/LauncherSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Tab = LauncherViewModel::Tab;

class TestGameLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void startsEngineAndQuitsLater_data();
    void startsEngineAndQuitsLater();
    void relativeFolderIsHandedOnAbsolute();
    void nothingHappensWhenLaunchIsNotAllowed_data();
    void nothingHappensWhenLaunchIsNotAllowed();
    void missingEngine_data();
    void missingEngine();
    void engineThatCannotStart_data();
    void engineThatCannotStart();
    void launchOptionsReachTheStart();

private:
    QString localFolder() const { return m_home->filePath("Games/Vantor Online (Windows)"); }
    // A model on the local tab with a valid folder, not polling for updates.
    std::unique_ptr<LauncherViewModel> localModel();

    std::unique_ptr<TestHome> m_home;
};

void TestGameLaunch::initTestCase()
{
    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json").toUtf8());
}

void TestGameLaunch::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_home->useForSettings();
    KeychainHelper::setStore(std::make_shared<MemoryCredentialStore>());
}

void TestGameLaunch::cleanup()
{
    qunsetenv("VANTOR_ENGINE_PATH");
    qunsetenv("VANTOR_INSTALL_PATH");
    KeychainHelper::setStore(nullptr);
    m_home.reset();
}

std::unique_ptr<LauncherViewModel> TestGameLaunch::localModel()
{
    auto model = std::make_unique<LauncherViewModel>(LauncherViewModel::UpdateChecks::DontStart);
    model->setActiveTab(Tab::Local);
    model->setInstallPath(makeGameFolder(localFolder()));
    return model;
}

void TestGameLaunch::startsEngineAndQuitsLater_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::newRow("local archive") << Tab::Local;
    QTest::newRow("steam") << Tab::Steam;
}

void TestGameLaunch::startsEngineAndQuitsLater()
{
    QFETCH(Tab, tab);
    const QString engineDir = m_home->filePath("Engine Dir");
    FakeEngine engine(engineDir + "/VantorOnlineDL");
    QVERIFY(engine.isValid());
    qputenv("VANTOR_ENGINE_PATH", engine.path().toUtf8());
    qputenv("VANTOR_INSTALL_PATH", "/inherited/from/the/desktop");
    QVERIFY(!makeGameFolder(localFolder()).isEmpty());
    QVERIFY(makeSteamAssets());
    // Started from somewhere else entirely: the engine still runs in its own folder.
    CurrentDir elsewhere(m_home->filePath("Elsewhere"));
    QVERIFY(elsewhere.ok());

    LauncherViewModel model;
    model.setActiveTab(tab);
    model.setInstallPath(localFolder());
    const QString expectedFolder =
        tab == Tab::Local ? localFolder() : m_home->filePath("Documents/Vantor Online");
    QCOMPARE(model.effectiveInstallPath(), expectedFolder);
    QVERIFY(model.canLaunch());

    QSignalSpy quit(&model, &LauncherViewModel::quitRequested);
    QElapsedTimer clock;
    clock.start();
    model.launchGame();
    QVERIFY(model.isLaunching());
    QVERIFY(!model.hasAlert());
    QCOMPARE(quit.count(), 0);
    QVERIFY(quit.wait(5000));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 450 && elapsed < 3000, QByteArray::number(elapsed));
    QVERIFY(model.isLaunching()); // success never goes back to idle

    QVERIFY(engine.waitForRecord());
    const QMap<QString, QString> record = engine.record();
    QCOMPARE(record.value("argc"), QStringLiteral("0"));
    QCOMPARE(record.value("cwd"), QDir(engineDir).canonicalPath());
    QCOMPARE(record.value("install"), expectedFolder);
    QCOMPARE(record.value("copies"), QStringLiteral("1"));
    QVERIFY(engine.isRunning()); // alive once the launcher has been told to go
    // The launcher's own environment is left as it was.
    QCOMPARE(qgetenv("VANTOR_INSTALL_PATH"), QByteArray("/inherited/from/the/desktop"));
}

void TestGameLaunch::relativeFolderIsHandedOnAbsolute()
{
    FakeEngine engine(m_home->filePath("Engine/VantorOnlineDL"));
    QVERIFY(engine.isValid());
    qputenv("VANTOR_ENGINE_PATH", engine.path().toUtf8());
    QVERIFY(!makeGameFolder(localFolder()).isEmpty());
    CurrentDir games(m_home->filePath("Games"));
    QVERIFY(games.ok());

    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    model.setActiveTab(Tab::Local);
    model.setInstallPath(QStringLiteral("Vantor Online (Windows)"));
    QVERIFY(model.canLaunch());
    model.launchGame();
    QVERIFY(!model.hasAlert());
    QVERIFY(engine.waitForRecord());
    QCOMPARE(engine.record().value("install"), localFolder());
}

void TestGameLaunch::nothingHappensWhenLaunchIsNotAllowed_data()
{
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<QString>("folder");
    QTest::newRow("local, no folder") << Tab::Local << "";
    QTest::newRow("local, invalid folder") << Tab::Local << "Invalid";
    QTest::newRow("steam, no assets") << Tab::Steam << "";
}

void TestGameLaunch::nothingHappensWhenLaunchIsNotAllowed()
{
    QFETCH(Tab, tab);
    QFETCH(QString, folder);
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    auto starter = std::make_shared<StandInEngineStarter>();
    model.setEngineStarter(starter);
    model.setActiveTab(tab);
    if (!folder.isEmpty()) {
        QVERIFY(writeFile(m_home->filePath(folder + "/A/ini.big"), "x"));
        model.setInstallPath(m_home->filePath(folder));
    }
    QSignalSpy launching(&model, &LauncherViewModel::isLaunchingChanged);
    QSignalSpy quit(&model, &LauncherViewModel::quitRequested);
    model.launchGame();
    QVERIFY(starter->programs.isEmpty());
    QCOMPARE(launching.count(), 0);
    QVERIFY(!model.hasAlert());
    QVERIFY(!quit.wait(700));
}

void TestGameLaunch::missingEngine_data()
{
    QTest::addColumn<QString>("variable");
    QTest::newRow("beside the executable") << "";
    QTest::newRow("named by the variable") << "Missing/VantorOnlineDL";
    QTest::newRow("dangling link") << "Dangling/VantorOnlineDL";
}

void TestGameLaunch::missingEngine()
{
    QFETCH(QString, variable);
    QString expectedPath = QCoreApplication::applicationDirPath() + "/VantorOnlineDL";
    if (!variable.isEmpty()) {
        expectedPath = m_home->filePath(variable);
        if (variable.startsWith("Dangling")) {
            QVERIFY(QDir().mkpath(m_home->filePath("Dangling")));
            QVERIFY(QFile::link(m_home->filePath("nowhere"), expectedPath));
        }
        qputenv("VANTOR_ENGINE_PATH", expectedPath.toUtf8());
    }
    QVERIFY(!QFile::exists(expectedPath));

    auto model = localModel();
    QSignalSpy launching(model.get(), &LauncherViewModel::isLaunchingChanged);
    QSignalSpy alert(model.get(), &LauncherViewModel::alertMessageChanged);
    QSignalSpy quit(model.get(), &LauncherViewModel::quitRequested);
    model->launchGame();
    QCOMPARE(model->property("alertMessage").toString(),
             "Engine binary not found at " + expectedPath);
    QVERIFY(!model->isLaunching());
    QCOMPARE(launching.count(), 2); // on, then off again
    QCOMPARE(alert.count(), 1);
    QVERIFY(!quit.wait(700));

    model->dismissAlert();
    QVERIFY(!model->alertMessage());
    QVERIFY(!model->property("hasAlert").toBool());
    model->dismissAlert();
    QCOMPARE(alert.count(), 2);
}

void TestGameLaunch::engineThatCannotStart_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a folder
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not executable")
        << QByteArray("#!/bin/sh\nexit 0\n") << false << "Failed to launch game: Permission denied";
    QTest::newRow("a folder") << QByteArray() << false
                              << "Failed to launch game: Permission denied";
    QTest::newRow("not a program") << QByteArray("\x7f"
                                                 "ELF garbage")
                                   << true << "Failed to launch game: Exec format error";
    QTest::newRow("missing interpreter") << QByteArray("#!/nonexistent/interpreter\n") << true
                                         << "Failed to launch game: No such file or directory";
}

void TestGameLaunch::engineThatCannotStart()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, executable);
    QFETCH(QString, expected);
    const QString engine = m_home->filePath("Engine/VantorOnlineDL");
    if (content.isEmpty()) {
        QVERIFY(QDir().mkpath(engine));
    } else if (executable) {
        QVERIFY(writeScript(engine, content));
    } else {
        QVERIFY(writeFile(engine, content));
        QVERIFY(QFile::setPermissions(engine, QFile::ReadOwner | QFile::WriteOwner));
    }
    qputenv("VANTOR_ENGINE_PATH", engine.toUtf8());

    auto model = localModel();
    QSignalSpy quit(model.get(), &LauncherViewModel::quitRequested);
    model->launchGame();
    QCOMPARE(model->alertMessage(), std::optional<QString>(expected));
    QVERIFY(!model->isLaunching());
    QVERIFY(!quit.wait(700));
    // After dismissing, the same request can be made again.
    model->dismissAlert();
    model->launchGame();
    QCOMPARE(model->alertMessage(), std::optional<QString>(expected));
}

void TestGameLaunch::launchOptionsReachTheStart()
{
    const QString engine = m_home->filePath("Engine/VantorOnlineDL");
    const QString wrap = m_home->filePath("bin/wrap");
    QVERIFY(writeScript(engine, "#!/bin/sh\n"));
    QVERIFY(writeScript(wrap, "#!/bin/sh\n"));
    qputenv("VANTOR_ENGINE_PATH", engine.toUtf8());
    // Stored as the settings panel or the command line stores them; read at
    // the launch, not when the model was made.
    auto model = localModel();
    QVERIFY(LauncherSettings::store(LauncherSettings::launchWrapperKey(),
                                    "'" + wrap + "' %command% -late"));
    QVERIFY(LauncherSettings::store(LauncherSettings::launchArgumentsKey(), "-win 'a b'"));
    QVERIFY(LauncherSettings::store(LauncherSettings::launchEnvironmentKey(), "GAME_MODE=on"));

    auto starter = std::make_shared<StandInEngineStarter>();
    model->setEngineStarter(starter);
    model->launchGame();
    QVERIFY(!model->hasAlert());
    QCOMPARE(starter->programs, QStringList{wrap});
    QCOMPARE(starter->argumentLists.value(0), (QStringList{engine, "-win", "a b", "-late"}));
    QCOMPARE(starter->environments.value(0).value("GAME_MODE"), QStringLiteral("on"));
    QCOMPARE(starter->installPaths, QStringList{localFolder()});
}

QTEST_GUILESS_MAIN(TestGameLaunch)
#include "tst_gamelaunch.moc"
