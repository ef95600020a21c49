#include "KeychainHelper.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "TestHome.h"

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
    void forwardsManagerAndCheckerChanges();
    void startsUpdateChecksAndForwardsAnUpdate();
    void ownsManagerAndChecker();

private:
    void driveManager(SteamCMDManager *manager, const QString &state);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    std::shared_ptr<MemoryCredentialStore> m_store;
};

void TestLauncherViewModel::initTestCase()
{
    // Whatever the checker does when started, it must not leave the machine.
    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json").toUtf8());
}

void TestLauncherViewModel::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_home->useForSettings();
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
    m_server.reset();
    m_home.reset();
}

// Puts the manager into an idle, a busy or a failed workflow through its
// own bootstrap: a server that never answers keeps it busy, a closed port
// makes it fail.
void TestLauncherViewModel::driveManager(SteamCMDManager *manager, const QString &state)
{
    manager->setEchoToStandardOutput(false);
    if (state == "idle")
        return;
    if (state == "running") {
        LoopbackHttpServer::Response hang;
        hang.hang = true;
        m_server->setRoute("/steamcmd.tar.gz", hang);
        qputenv("VANTOR_STEAMCMD_URL", m_server->url("/steamcmd.tar.gz").toUtf8());
    } else {
        qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/s.tar.gz").toUtf8());
    }
    manager->installSteamCMD([](bool) {});
    if (state == "running")
        QTRY_VERIFY(manager->isRunning());
    else
        QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Failed);
}

void TestLauncherViewModel::firstStartWithNothingStored()
{
    LauncherViewModel model;
    QCOMPARE(model.activeTab(), Tab::Steam);
    QCOMPARE(model.installPath(), QString());
    QVERIFY(!model.hasAlert() && !model.isLaunching() && !model.isUpdateDismissed());
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
    QTest::newRow("comma and spaces survive")
        << QVariant(" /games/Vantor, old copy ") << " /games/Vantor, old copy ";
    QTest::newRow("list is not a path") << QVariant(QStringList{"/a", "/b"}) << "";
}

void TestLauncherViewModel::storedFolderIsRead()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QSettings().setValue(LauncherViewModel::installPathKey(), stored);
    LauncherViewModel model;
    QCOMPARE(model.installPath(), expected);
    QCOMPARE(LauncherViewModel::storedInstallPath(), expected);
}

void TestLauncherViewModel::credentialsLoadedAtStart_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<std::optional<QString>>("password");
    QTest::newRow("name and password") << "gamer" << std::optional<QString>(" s3cret ");
    QTest::newRow("name without password") << "gamer" << std::optional<QString>();
    QTest::newRow("nothing stored") << "" << std::optional<QString>();
}

void TestLauncherViewModel::credentialsLoadedAtStart()
{
    QFETCH(QString, account);
    QFETCH(std::optional<QString>, password);
    if (password)
        m_store->save(account, *password);
    else if (!account.isEmpty())
        m_store->addAccountWithoutPassword(account);
    LauncherViewModel model;
    QCOMPARE(model.steamUsername(), account);
    QCOMPARE(model.steamPassword(), password.value_or(QString()));
}

void TestLauncherViewModel::saveCredentials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("password");
    QTest::newRow("both, spaces kept") << "  Gamer "
                                       << " pass word ";
    QTest::newRow("empty password") << "gamer" << QString();
    QTest::newRow("empty name") << QString() << "secret";
}

void TestLauncherViewModel::saveCredentials()
{
    QFETCH(QString, name);
    QFETCH(QString, password);
    LauncherViewModel model;
    model.setSteamUsername(name);
    model.setSteamPassword(password);
    model.saveCredentials();
    if (!name.isEmpty() && !password.isEmpty()) {
        QCOMPARE(m_store->saves(), (QList<QPair<QString, QString>>{{name, password}}));
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
}

void TestLauncherViewModel::canLaunchOnSteamTab()
{
    QFETCH(bool, assets);
    QFETCH(QString, state);
    QFETCH(bool, expected);
    if (assets)
        QVERIFY(makeSteamAssets());
    LauncherViewModel model;
    driveManager(model.steamCMD(), state);
    QCOMPARE(model.canLaunch(), expected);
    // The same data on the local tab is not consulted.
    model.setActiveTab(Tab::Local);
    QVERIFY(!model.canLaunch());
}

void TestLauncherViewModel::localTabFollowsFolderAndSwitchingKeepsValues()
{
    QVERIFY(makeSteamAssets());
    const QString folder = m_home->filePath("Games/Vantor");
    LauncherViewModel model;
    model.setActiveTab(Tab::Local);
    model.setInstallPath(folder);
    QVERIFY(!model.canLaunch());

    // Recomputed on every read: the disk changing under the model counts.
    QVERIFY(writeFile(folder + "/Base/ini.big", "x"));
    QVERIFY(!model.isPathValid());
    QVERIFY(writeFile(folder + "/Expansion/inidl.big", "x"));
    QVERIFY(model.isPathValid() && model.canLaunch());
    QCOMPARE(model.effectiveInstallPath(), folder);

    model.setActiveTab(Tab::Steam);
    QCOMPARE(model.effectiveInstallPath(), model.steamCMD()->installDir());
    QCOMPARE(model.installPath(), folder);
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
    QTest::newRow("wrong case") << "local archive" << std::optional<Tab>();
    QTest::newRow("trailing space") << "Local Archive " << std::optional<Tab>();
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
    QSignalSpy dismissed(&model, &LauncherViewModel::isUpdateDismissedChanged);
    QSignalSpy any(&model, &LauncherViewModel::changed);

    model.setActiveTab(Tab::Steam);
    model.setInstallPath(QString());
    model.setSteamUsername(QString());
    model.setSteamPassword(QString());
    model.setUpdateDismissed(false);
    QCOMPARE(any.count(), 0);

    for (int i = 0; i < 2; ++i) {
        model.setActiveTab(Tab::Local);
        model.setInstallPath("/x");
        model.setSteamUsername("a");
        model.setSteamPassword("b");
        model.setUpdateDismissed(true);
    }
    // The banner, once dismissed, stays dismissed.
    model.setUpdateDismissed(false);
    QVERIFY(model.isUpdateDismissed());
    for (QSignalSpy *spy : {&tab, &path, &name, &password, &dismissed})
        QCOMPARE(spy->count(), 1);
    QCOMPARE(any.count(), 5);

    // Through the meta-object, as the window writes them.
    QVERIFY(model.setProperty("activeTab", QVariant::fromValue(Tab::Steam)));
    QVERIFY(model.setProperty("steamUsername", QStringLiteral("b")));
    QCOMPARE(model.activeTab(), Tab::Steam);
    QCOMPARE(model.steamUsername(), QStringLiteral("b"));
    QCOMPARE(any.count(), 7);
    // A saved path is not written by setting the property.
    QVERIFY(!QSettings().contains(LauncherViewModel::installPathKey()));
}

void TestLauncherViewModel::forwardsManagerAndCheckerChanges()
{
    // Without polling, so the checker's own requests add nothing to the count.
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

    // Workflow states and console lines: one announcement each.
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
    Q_EMIT model.updateChecker()->isCheckingChanged();
    QCOMPARE(any.count(), before + 2);
}

void TestLauncherViewModel::startsUpdateChecksAndForwardsAnUpdate()
{
    LoopbackHttpServer::Response manifest;
    manifest.body = R"({"version": "999.0", "build": 1, "downloadURL": "https://example.org/d",
                        "releaseNotes": "n", "releaseDate": "d", "minOSVersion": "m"})";
    m_server->setRoute("/api/update.json", manifest);
    qputenv("VANTOR_UPDATE_URL", m_server->url("/api/update.json").toUtf8());

    LauncherViewModel model;
    QSignalSpy any(&model, &LauncherViewModel::changed);
    // The first request goes out at once, not after the polling interval.
    QTRY_COMPARE(m_server->requestCount("/api/update.json"), 1);
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
    QVERIFY(!manager && !checker);
}

QTEST_GUILESS_MAIN(TestLauncherViewModel)
#include "tst_launcherviewmodel.moc"
