#include "KeychainHelper.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Tab = LauncherViewModel::Tab;

Q_DECLARE_METATYPE(std::optional<LauncherViewModel::Tab>)
Q_DECLARE_METATYPE(std::optional<QString>)

class TestLauncherViewModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void firstStartWithNothingStored();
    void storedFolderIsRead_data();
    void storedFolderIsRead();
    void credentialsLoadedAtStart_data();
    void credentialsLoadedAtStart();
    void saveCredentials_data();
    void saveCredentials();
    void canLaunchOnSteamTab_data();
    void canLaunchOnSteamTab();
    void localTabFollowsFolderAndSwitchingKeepsValues();
    void tabRawValues_data();
    void tabRawValues();
    void changesAreAnnouncedOnlyWhenReal();
    void updateBannerStaysDismissed();
    void forwardsManagerAndCheckerChanges();
    void startsUpdateChecksAndForwardsAnUpdate();
    void ownsManagerAndChecker();
    void dismissingLaunchErrorClearsIt();

private:
    void makeSteamAssets();
    void driveManager(SteamCMDManager *manager, const QString &state);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    std::shared_ptr<MemoryCredentialStore> m_store;
};

void TestLauncherViewModel::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    // Whatever the checker does when started, it must not leave the machine.
    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json").toUtf8());
}

void TestLauncherViewModel::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    // QSettings remembers the configuration folder of its first use.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home->filePath(".config"));
    m_store = std::make_shared<MemoryCredentialStore>();
    KeychainHelper::setStore(m_store);
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
}

void TestLauncherViewModel::cleanup()
{
    KeychainHelper::setStore(nullptr);
    m_store.reset();
    qunsetenv("VANTOR_STEAMCMD_URL");
    qunsetenv("VANTOR_ENGINE_PATH");
    m_server.reset();
    m_home.reset();
}

void TestLauncherViewModel::makeSteamAssets()
{
    SteamCMDManager layout;
    QVERIFY(writeFile(layout.assetsDir() + "/INIDL.big", "x"));
    QVERIFY(writeFile(layout.baseGameDir() + "/INI.big", "x"));
    QVERIFY(layout.areAssetsValid());
}

// Puts the manager into an idle, a busy or a failed workflow through its
// own bootstrap: a server that never answers keeps it busy, a closed port
// makes it fail.
void TestLauncherViewModel::driveManager(SteamCMDManager *manager, const QString &state)
{
    manager->setEchoToStandardOutput(false);
    if (state == QLatin1String("idle"))
        return;
    if (state == QLatin1String("running")) {
        LoopbackHttpServer::Response hang;
        hang.hang = true;
        m_server->setRoute("/steamcmd.tar.gz", hang);
        qputenv("VANTOR_STEAMCMD_URL", m_server->url("/steamcmd.tar.gz").toUtf8());
        manager->installSteamCMD([](bool) {});
        QTRY_VERIFY(manager->isRunning());
        return;
    }
    QCOMPARE(state, QStringLiteral("failed"));
    qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/s.tar.gz").toUtf8());
    manager->installSteamCMD([](bool) {});
    QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Failed);
}

void TestLauncherViewModel::firstStartWithNothingStored()
{
    LauncherViewModel model;
    QCOMPARE(model.activeTab(), Tab::Steam);
    QCOMPARE(model.installPath(), QString());
    QCOMPARE(model.steamUsername(), QString());
    QCOMPARE(model.steamPassword(), QString());
    QVERIFY(!model.alertMessage());
    QVERIFY(!model.hasAlert());
    QVERIFY(!model.isLaunching());
    QVERIFY(!model.isUpdateDismissed());
    QVERIFY(!model.isPathValid());
    QVERIFY(!model.canLaunch());
    QCOMPARE(model.effectiveInstallPath(), m_home->filePath("Documents/Vantor Online"));
    model.setActiveTab(Tab::Local);
    QVERIFY(!model.canLaunch());
    QCOMPARE(model.effectiveInstallPath(), QString());
    // Reading the derived values wrote nothing.
    QVERIFY(!QSettings().contains(LauncherViewModel::installPathKey()));
}

void TestLauncherViewModel::storedFolderIsRead_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain path") << QVariant("/games/Vantor") << "/games/Vantor";
    QTest::newRow("comma and spaces survive")
        << QVariant(" /games/Vantor, old copy ") << " /games/Vantor, old copy ";
    QTest::newRow("list is not a path") << QVariant(QStringList{"/a", "/b"}) << "";
}

void TestLauncherViewModel::storedFolderIsRead()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    {
        QSettings settings;
        settings.setValue(LauncherViewModel::installPathKey(), stored);
    }
    LauncherViewModel model;
    QCOMPARE(model.installPath(), expected);
    QCOMPARE(LauncherViewModel::storedInstallPath(), expected);
}

void TestLauncherViewModel::credentialsLoadedAtStart_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<std::optional<QString>>("password");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedPassword");
    QTest::newRow("name and password") << "gamer" << std::optional<QString>(" s3cret ") << "gamer"
                                       << " s3cret ";
    QTest::newRow("name without password") << "gamer" << std::optional<QString>() << "gamer"
                                           << "";
    QTest::newRow("nothing stored") << "" << std::optional<QString>() << ""
                                    << "";
}

void TestLauncherViewModel::credentialsLoadedAtStart()
{
    QFETCH(QString, account);
    QFETCH(std::optional<QString>, password);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedPassword);
    if (!account.isEmpty()) {
        if (password)
            m_store->save(account, *password);
        else
            m_store->addAccountWithoutPassword(account);
    }
    LauncherViewModel model;
    QCOMPARE(model.steamUsername(), expectedName);
    QCOMPARE(model.steamPassword(), expectedPassword);
}

void TestLauncherViewModel::saveCredentials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("stored");
    QTest::newRow("both, spaces kept") << "  Gamer "
                                       << " pass word " << true;
    QTest::newRow("empty password") << "gamer"
                                    << "" << false;
    QTest::newRow("empty name") << ""
                                << "secret" << false;
    QTest::newRow("both empty") << ""
                                << "" << false;
}

void TestLauncherViewModel::saveCredentials()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    QFETCH(bool, stored);
    LauncherViewModel model;
    model.setSteamUsername(name);
    model.setSteamPassword(password);
    model.saveCredentials();
    if (stored) {
        QCOMPARE(m_store->saves().size(), 1);
        QCOMPARE(m_store->saves().first().first, name);
        QCOMPARE(m_store->saves().first().second, password);
        QCOMPARE(KeychainHelper::load(name), std::optional<QString>(password));
    } else {
        QVERIFY(m_store->saves().isEmpty());
        QVERIFY(!KeychainHelper::savedUsername());
    }
}

void TestLauncherViewModel::canLaunchOnSteamTab_data()
{
    QTest::addColumn<bool>("assets");
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("expected");
    QTest::newRow("valid assets, idle") << true << "idle" << true;
    QTest::newRow("valid assets, workflow running") << true << "running" << false;
    QTest::newRow("valid assets, workflow failed") << true << "failed" << true;
    QTest::newRow("no assets, idle") << false << "idle" << false;
    QTest::newRow("no assets, workflow failed") << false << "failed" << false;
}

void TestLauncherViewModel::canLaunchOnSteamTab()
{
    QFETCH(bool, assets);
    QFETCH(QString, state);
    QFETCH(bool, expected);
    if (assets)
        makeSteamAssets();
    LauncherViewModel model;
    driveManager(model.steamCMD(), state);
    QCOMPARE(model.canLaunch(), expected);
    // The same data on the local tab is not consulted.
    model.setActiveTab(Tab::Local);
    QVERIFY(!model.canLaunch());
}

void TestLauncherViewModel::localTabFollowsFolderAndSwitchingKeepsValues()
{
    makeSteamAssets();
    const QString folder = m_home->filePath("Games/Vantor");
    LauncherViewModel model;
    model.setActiveTab(Tab::Local);
    model.setInstallPath(folder);
    QVERIFY(!model.canLaunch()); // nothing on disk yet

    // Recomputed on every read: the disk changing under the model counts.
    QVERIFY(writeFile(folder + "/Base/ini.big", "x"));
    QVERIFY(!model.isPathValid());
    QVERIFY(writeFile(folder + "/Expansion/inidl.big", "x"));
    QVERIFY(model.isPathValid());
    QVERIFY(model.canLaunch());
    QCOMPARE(model.effectiveInstallPath(), folder);

    model.setActiveTab(Tab::Steam);
    QCOMPARE(model.effectiveInstallPath(), model.steamCMD()->installDir());
    QCOMPARE(model.installPath(), folder);
    QVERIFY(model.canLaunch());
    model.setActiveTab(Tab::Local);
    QCOMPARE(model.effectiveInstallPath(), folder);

    QVERIFY(QDir(folder + "/Expansion").removeRecursively());
    QVERIFY(!model.canLaunch());
    QCOMPARE(model.installPath(), folder); // a vanished folder stays as it was
}

void TestLauncherViewModel::tabRawValues_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<std::optional<Tab>>("tab");
    QTest::newRow("Steam") << "Steam" << std::optional<Tab>(Tab::Steam);
    QTest::newRow("Local Archive") << "Local Archive" << std::optional<Tab>(Tab::Local);
    QTest::newRow("wrong case") << "local" << std::optional<Tab>();
    QTest::newRow("steam lower case") << "steam" << std::optional<Tab>();
    QTest::newRow("trailing space") << "Local Archive " << std::optional<Tab>();
    QTest::newRow("empty") << "" << std::optional<Tab>();
}

void TestLauncherViewModel::tabRawValues()
{
    QFETCH(QString, raw);
    QFETCH(std::optional<Tab>, tab);
    QCOMPARE(LauncherViewModel::tabFromRawValue(raw), tab);
    if (tab)
        QCOMPARE(LauncherViewModel::rawValue(*tab), raw);
    QCOMPARE(LauncherViewModel::allTabs(), (QList<Tab>{Tab::Steam, Tab::Local}));
}

void TestLauncherViewModel::changesAreAnnouncedOnlyWhenReal()
{
    LauncherViewModel model;
    QSignalSpy tab(&model, &LauncherViewModel::activeTabChanged);
    QSignalSpy path(&model, &LauncherViewModel::installPathChanged);
    QSignalSpy name(&model, &LauncherViewModel::steamUsernameChanged);
    QSignalSpy password(&model, &LauncherViewModel::steamPasswordChanged);
    QSignalSpy any(&model, &LauncherViewModel::changed);

    model.setActiveTab(Tab::Steam);
    model.setInstallPath(QString());
    model.setSteamUsername(QString());
    model.setSteamPassword(QString());
    QCOMPARE(any.count(), 0);

    model.setActiveTab(Tab::Local);
    model.setInstallPath("/x");
    model.setSteamUsername("a");
    model.setSteamPassword("b");
    model.setSteamPassword("b");
    QCOMPARE(tab.count(), 1);
    QCOMPARE(path.count(), 1);
    QCOMPARE(name.count(), 1);
    QCOMPARE(password.count(), 1);
    QCOMPARE(any.count(), 4);

    // Through the meta-object, as the window writes them.
    QVERIFY(model.setProperty("activeTab", QVariant::fromValue(Tab::Steam)));
    QVERIFY(model.setProperty("steamUsername", QStringLiteral("b")));
    QCOMPARE(model.activeTab(), Tab::Steam);
    QCOMPARE(model.steamUsername(), QStringLiteral("b"));
    QCOMPARE(any.count(), 6);
    // A saved path is not written by setting the property.
    QVERIFY(!QSettings().contains(LauncherViewModel::installPathKey()));
}

void TestLauncherViewModel::updateBannerStaysDismissed()
{
    LauncherViewModel model;
    QSignalSpy dismissed(&model, &LauncherViewModel::isUpdateDismissedChanged);
    model.setUpdateDismissed(false);
    QCOMPARE(dismissed.count(), 0);
    model.setUpdateDismissed(true);
    QVERIFY(model.isUpdateDismissed());
    model.setUpdateDismissed(false);
    model.setUpdateDismissed(true);
    QVERIFY(model.isUpdateDismissed());
    QCOMPARE(dismissed.count(), 1);
}

void TestLauncherViewModel::forwardsManagerAndCheckerChanges()
{
    // Without polling, so the checker's own requests add no announcements
    // to the count.
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    SteamCMDManager *manager = model.steamCMD();
    manager->setEchoToStandardOutput(false);
    QSignalSpy any(&model, &LauncherViewModel::changed);

    manager->setSteamGuardCode("12345");
    QCOMPARE(any.count(), 1);
    manager->setShowPurchaseAlert(true);
    QCOMPARE(any.count(), 2);
    manager->appendLog("[*] hello\n");
    QTRY_COMPARE(any.count(), 3);

    // Workflow states and console lines reach the window too, one
    // announcement each.
    qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/s.tar.gz").toUtf8());
    QSignalSpy state(manager, &SteamCMDManager::stateChanged);
    QSignalSpy console(manager, &SteamCMDManager::consoleLogChanged);
    manager->installSteamCMD([](bool) {});
    QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Failed);
    QTRY_VERIFY(manager->consoleLog().contains(QStringLiteral("[✗] ")));
    QVERIFY(state.count() >= 2); // busy, then failed
    QCOMPARE(any.count(), 3 + state.count() + console.count());

    const int before = any.count();
    Q_EMIT model.updateChecker()->availableUpdateChanged();
    QCOMPARE(any.count(), before + 1);
    Q_EMIT model.updateChecker()->isCheckingChanged();
    QCOMPARE(any.count(), before + 2);
}

void TestLauncherViewModel::startsUpdateChecksAndForwardsAnUpdate()
{
    LoopbackHttpServer server;
    QVERIFY(server.listen());
    LoopbackHttpServer::Response manifest;
    manifest.contentType = "application/json";
    manifest.body = R"({"version": "999.0", "build": 1, "downloadURL": "https://example.org/d",
                        "releaseNotes": "n", "releaseDate": "d", "minOSVersion": "m"})";
    server.setRoute("/api/update.json", manifest);
    qputenv("VANTOR_UPDATE_URL", server.url("/api/update.json").toUtf8());

    LauncherViewModel model;
    QSignalSpy any(&model, &LauncherViewModel::changed);
    // The first request goes out at once, not after the polling interval.
    QTRY_COMPARE(server.requestCount("/api/update.json"), 1);
    QTRY_VERIFY(model.updateChecker()->hasUpdate());
    QCOMPARE(model.updateChecker()->availableUpdate()->version, QStringLiteral("999.0"));
    QVERIFY(any.count() >= 1);

    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json").toUtf8());
}

void TestLauncherViewModel::ownsManagerAndChecker()
{
    auto model = std::make_unique<LauncherViewModel>();
    QPointer<SteamCMDManager> manager = model->steamCMD();
    QPointer<UpdateChecker> checker = model->updateChecker();
    QVERIFY(manager && checker);
    QCOMPARE(model->property("steamCMD").value<SteamCMDManager *>(), manager.data());
    model.reset();
    QVERIFY(!manager);
    QVERIFY(!checker);
}

void TestLauncherViewModel::dismissingLaunchErrorClearsIt()
{
    const QString folder = m_home->filePath("Games");
    QVERIFY(writeFile(folder + "/A/ini.big", "x"));
    QVERIFY(writeFile(folder + "/B/inidl.big", "x"));
    const QString engine = m_home->filePath("no-engine-here/VantorOnlineDL");
    qputenv("VANTOR_ENGINE_PATH", engine.toUtf8());

    LauncherViewModel model;
    model.setActiveTab(Tab::Local);
    model.setInstallPath(folder);
    QSignalSpy alert(&model, &LauncherViewModel::alertMessageChanged);
    model.launchGame();
    QCOMPARE(alert.count(), 1);
    QVERIFY(model.hasAlert());
    QCOMPARE(model.property("alertMessage").toString(),
             QStringLiteral("Engine binary not found at ") + engine);

    model.dismissAlert();
    QCOMPARE(alert.count(), 2);
    QVERIFY(!model.alertMessage());
    QCOMPARE(model.property("alertMessage").toString(), QString());
    QVERIFY(!model.property("hasAlert").toBool());
    QVERIFY(!model.isLaunching());
    model.dismissAlert();
    QCOMPARE(alert.count(), 2);
}

QTEST_GUILESS_MAIN(TestLauncherViewModel)
#include "tst_launcherviewmodel.moc"
