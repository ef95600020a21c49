// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderCheckCounter.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "StandInFolderPicker.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "credentials/KeychainHelper.h"

#include <QDir>
#include <QPointer>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using Tab = LauncherViewModel::Tab;

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
    void changesAreAnnouncedOnlyWhenReal();
    void canLaunchFollowsTheWorkflowNotItsConsole();
    void steamProgressFollowsProgressLines();
    void consoleStreamListsNoFolders();
    void startsUpdateChecksAtOnce();
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
    if (state == "idle")
        return;
    if (state == "running")
        startStandInRun(*manager, {}, {StandInStep::hanging()});
    else
        startStandInRun(*manager, {StandInStep::failing("SteamCMD exited with code 5", 5)});
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
    // What the player types before the keyring answers.
    QTest::addColumn<QString>("typedName");
    QTest::addColumn<QString>("typedPassword");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<QString>("expectedPassword");
    const auto row = [](const char *name, const QString &account,
                        const std::optional<QString> &password, const QString &typedName,
                        const QString &typedPassword, const QString &expectedName,
                        const QString &expectedPassword) {
        QTest::newRow(name) << account << password << typedName << typedPassword << expectedName
                            << expectedPassword;
    };
    const std::optional<QString> none;
    row("name and password", "gamer", " s3cret ", "", "", "gamer", " s3cret ");
    row("name without password", "gamer", none, "", "", "gamer", "");
    row("nothing stored", "", none, "", "", "", "");
    row("typed the stored name", "gamer", "pw", "gamer", "", "gamer", "pw");
    row("typed another name: its password is not that one", "gamer", "pw", "other", "", "other",
        "");
    row("typed a password", "gamer", "pw", "", "typed", "gamer", "typed");
    row("typed both", "gamer", "pw", "me", "mine", "me", "mine");
    row("typed, nothing stored", "", none, "me", "", "me", "");
}

void TestLauncherViewModel::credentialsLoadedAtStart()
{
    QFETCH(QString, account);
    QFETCH(std::optional<QString>, password);
    QFETCH(QString, typedName);
    QFETCH(QString, typedPassword);
    QFETCH(QString, expectedName);
    QFETCH(QString, expectedPassword);
    if (password)
        m_store->save(account, *password);
    else if (!account.isEmpty())
        m_store->addAccountWithoutPassword(account);
    m_store->setAnswerDelay(std::chrono::milliseconds(50));
    LauncherViewModel model;
    // Construction did not wait for the keyring.
    QVERIFY(model.isLoadingCredentials());
    QCOMPARE(model.steamUsername(), QString());
    QSignalSpy loaded(&model, &LauncherViewModel::isLoadingCredentialsChanged);
    model.setSteamUsername(typedName);
    model.setSteamPassword(typedPassword);
    QVERIFY(loaded.wait(5000));
    QVERIFY(!model.isLoadingCredentials());
    QCOMPARE(loaded.count(), 1);
    QCOMPARE(model.steamUsername(), expectedName);
    QCOMPARE(model.steamPassword(), expectedPassword);
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

    // The disk is looked at again when the tab changes: a folder completed
    // meanwhile counts from then on.
    QVERIFY(writeFile(folder + "/Base/ini.big", "x"));
    QVERIFY(writeFile(folder + "/Expansion/inidl.big", "x"));
    QVERIFY(!model.isPathValid());
    model.setActiveTab(Tab::Steam);
    QVERIFY(model.canLaunch()); // the Steam assets
    model.setActiveTab(Tab::Local);
    QVERIFY(model.isPathValid() && model.canLaunch());
    QCOMPARE(model.effectiveInstallPath(), folder);

    model.setActiveTab(Tab::Steam);
    QCOMPARE(model.effectiveInstallPath(), model.steamCMD()->installDir());
    QCOMPARE(model.installPath(), folder);
    model.setActiveTab(Tab::Local);
    QCOMPARE(model.effectiveInstallPath(), folder);

    QVERIFY(QDir(folder + "/Expansion").removeRecursively());
    model.setActiveTab(Tab::Steam);
    model.setActiveTab(Tab::Local);
    QVERIFY(!model.canLaunch());
    QCOMPARE(model.installPath(), folder); // a vanished folder stays as it was
}

void TestLauncherViewModel::changesAreAnnouncedOnlyWhenReal()
{
    LauncherViewModel model;
    QSignalSpy tab(&model, &LauncherViewModel::activeTabChanged);
    QSignalSpy path(&model, &LauncherViewModel::installPathChanged);
    QSignalSpy name(&model, &LauncherViewModel::steamUsernameChanged);
    QSignalSpy password(&model, &LauncherViewModel::steamPasswordChanged);
    QSignalSpy dismissed(&model, &LauncherViewModel::isUpdateDismissedChanged);
    QSignalSpy valid(&model, &LauncherViewModel::isPathValidChanged);
    QSignalSpy launch(&model, &LauncherViewModel::canLaunchChanged);
    QSignalSpy effective(&model, &LauncherViewModel::effectiveInstallPathChanged);
    const QList<QSignalSpy *> all{&tab,       &path,  &name,   &password,
                                  &dismissed, &valid, &launch, &effective};

    model.setActiveTab(Tab::Steam);
    model.setInstallPath(QString());
    model.setSteamUsername(QString());
    model.setSteamPassword(QString());
    model.setUpdateDismissed(false);
    for (QSignalSpy *spy : all)
        QCOMPARE(spy->count(), 0);

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
    // The Steam folder, then the empty path, then "/x"; "/x" is no game
    // folder, so validity and launchability never changed.
    QCOMPARE(effective.count(), 2);
    QCOMPARE(model.effectiveInstallPath(), QStringLiteral("/x"));
    QCOMPARE(valid.count(), 0);
    QCOMPARE(launch.count(), 0);

    // Through the meta-object, as the window writes them.
    QVERIFY(model.setProperty("activeTab", QVariant::fromValue(Tab::Steam)));
    QVERIFY(model.setProperty("steamUsername", QStringLiteral("b")));
    QCOMPARE(model.activeTab(), Tab::Steam);
    QCOMPARE(model.steamUsername(), QStringLiteral("b"));
    QCOMPARE(tab.count(), 2);
    QCOMPARE(name.count(), 2);
    QCOMPARE(effective.count(), 3);
    // A saved path is not written by setting the property.
    QVERIFY(!QSettings().contains(LauncherViewModel::installPathKey()));
}

void TestLauncherViewModel::canLaunchFollowsTheWorkflowNotItsConsole()
{
    QVERIFY(makeSteamAssets());
    LoopbackHttpServer::Response hang;
    hang.hang = true;
    m_server->setRoute("/steamcmd.tar.gz", hang);
    qputenv("VANTOR_STEAMCMD_URL", m_server->url("/steamcmd.tar.gz").toUtf8());
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    SteamCMDManager *manager = model.steamCMD();
    QVERIFY(model.canLaunch());
    QList<bool> announced;
    connect(&model, &LauncherViewModel::canLaunchChanged, this,
            [&] { announced.append(model.canLaunch()); });
    QSignalSpy valid(&model, &LauncherViewModel::isPathValidChanged);
    QSignalSpy effective(&model, &LauncherViewModel::effectiveInstallPathChanged);

    // Busy: no launch while the workflow runs.
    auto plan = startStandInRun(*manager, {}, {StandInStep::hanging()});
    QTRY_VERIFY(manager->isRunning());
    QCOMPARE(announced, QList<bool>{false});
    QVERIFY(!model.canLaunch());

    // What the manager says meanwhile changes none of the three.
    manager->setSteamGuardCode("12345");
    manager->setShowPurchaseAlert(true);
    for (int i = 0; i < 20; ++i)
        Q_EMIT plan->current->log(QStringLiteral("progress %1\n").arg(i));
    QTRY_VERIFY(manager->consoleLog().contains("progress 19"));
    QCOMPARE(announced, QList<bool>{false});

    // Its end: the assets are launchable again.
    manager->cancel();
    QTRY_VERIFY(!manager->isRunning());
    QCOMPARE(announced, (QList<bool>{false, true}));
    QVERIFY(model.canLaunch());
    QCOMPARE(valid.count(), 0);
    QCOMPARE(effective.count(), 0);
}

// Without a listener the fraction is right when asked for; a listener that
// comes later hears of real changes only.
void TestLauncherViewModel::steamProgressFollowsProgressLines()
{
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    auto plan = startStandInRun(*model.steamCMD());
    QTRY_VERIFY(plan->started.contains("steamcmd"));
    const auto line = [&](const char *counts) {
        Q_EMIT plan->current->stateChanged(SteamCMDState::downloading(
            QStringLiteral("Update state (0x61) downloading, progress: ") + counts));
    };
    line("50.00");
    line("60.00 (60 / 100)");
    QCOMPARE(model.steamProgress(), 0.6);
    QSignalSpy progress(&model, &LauncherViewModel::steamProgressChanged);
    line("60,00 (60 / 100)"); // another line, the same fraction
    line("50.00");
    QCOMPARE(progress.count(), 1);
    QCOMPARE(model.steamProgress(), 0.5);
}

void TestLauncherViewModel::consoleStreamListsNoFolders()
{
    // A local folder on the local tab and the Steam tab's assets: the console
    // streaming in makes neither be listed again, whichever tab shows.
    const QString folder = m_home->filePath("Games/Vantor");
    QVERIFY(writeFile(folder + "/Base/ini.big", "x"));
    QVERIFY(writeFile(folder + "/Expansion/inidl.big", "x"));
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    SteamCMDManager *manager = model.steamCMD();
    model.setInstallPath(folder);

    auto plan = startStandInRun(*manager);
    FolderCheckCounter checks;
    for (const Tab tab : {Tab::Local, Tab::Steam}) {
        model.setActiveTab(tab);
        QCOMPARE(checks.total(), 1); // the change of tab looks once
        for (int i = 0; i < 200; ++i)
            Q_EMIT plan->current->log(QStringLiteral("chunk %1\n").arg(i));
        QTRY_VERIFY(manager->consoleLog().endsWith("chunk 199\n"));
        // As a window reads after every chunk.
        for (int i = 0; i < 200; ++i)
            QVERIFY(model.canLaunch() == (tab == Tab::Local) && model.isPathValid());
        QCOMPARE(checks.total(), 1);
        checks.reset();
    }
    // A folder chosen again is looked at again, even under the same path.
    model.setFolderPicker(std::make_shared<StandInFolderPicker>(folder));
    model.setActiveTab(Tab::Local);
    QVERIFY(QDir(folder + "/Expansion").removeRecursively());
    checks.reset();
    QVERIFY(model.canLaunch());
    model.chooseFolder();
    QTRY_VERIFY(!model.canLaunch());
    QCOMPARE(checks.localFolderChecks(), 1);
    QCOMPARE(checks.assetChecks(), 0);
}

void TestLauncherViewModel::startsUpdateChecksAtOnce()
{
    LoopbackHttpServer::Response manifest;
    manifest.body = R"({"version": "999.0", "build": 1, "downloadURL": "https://example.org/d",
                        "releaseNotes": "n", "releaseDate": "d", "minOSVersion": "m"})";
    m_server->setRoute("/api/update.json", manifest);
    qputenv("VANTOR_UPDATE_URL", m_server->url("/api/update.json").toUtf8());

    LauncherViewModel model;
    QSignalSpy update(model.updateChecker(), &UpdateChecker::availableUpdateChanged);
    // The first request goes out at once, not after the polling interval.
    QTRY_COMPARE(m_server->requestCount("/api/update.json"), 1);
    QTRY_VERIFY(model.updateChecker()->hasUpdate());
    QCOMPARE(model.updateChecker()->availableUpdate()->version, QStringLiteral("999.0"));
    QCOMPARE(update.count(), 1);
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
