// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindowController.h"
#include "FakeSteamCMD.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "QmlHarness.h"
#include "StandInEngineStarter.h"
#include "StandInFolderPicker.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "UiSupport.h"
#include "UrlRecorder.h"
#include "WindowTestSetup.h"
#include "game/GameFolders.h"
#include "settings/LauncherSettings.h"
#include "steam/RunLog.h"

#include <QAccessible>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QByteArray manifest(const QString &version, const QString &notes, const QString &downloadURL,
                    qint64 build = 999999)
{
    const AppUpdate update{
        version, build, downloadURL, notes, QStringLiteral("2026-12-01"), QStringLiteral("12")};
    return QJsonDocument(update.toJson()).toJson();
}

LoopbackHttpServer::Response json(const QByteArray &body)
{
    LoopbackHttpServer::Response response;
    response.body = body;
    response.contentType = "application/json";
    return response;
}

// The item's rectangle in the window.
QRectF sceneRect(QQuickItem *item)
{
    return item ? item->mapRectToScene(QRectF(0, 0, item->width(), item->height())) : QRectF();
}

QColor colorOf(QQuickItem *item)
{
    return item ? item->property("color").value<QColor>() : QColor();
}

} // namespace

// The launcher window loaded from its real QML over a real view model, with
// a temporary home, an in-memory keyring and loopback addresses only.
class TestLauncherWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowSizeAndTitle();
    void tabButtonsChangeOnlyTheActiveTab();
    void bannerAbsentWithoutAnUpdate();
    void bannerShowsAPublishedUpdateUntilDismissed();
    void aboutWindowIsMadeOnceAndReused();
    void picturesPresent();
    void missingPicturesFallBack();

    void launchErrorAlertClearsTheMessage_data();
    void launchErrorAlertClearsTheMessage();
    void purchaseAlertNamesTheAccountAndClears_data();
    void purchaseAlertNamesTheAccountAndClears();

    void typingUpdatesTheViewModelAtOnce();
    void windowUsableWhileTheKeyringIsSlow_data();
    void windowUsableWhileTheKeyringIsSlow();
    void downloadButtonFollowsTheCredentials();
    void downloadButtonStoresCredentialsAndStarts();
    void steamTabWhileSteamCMDInstalls();
    void steamTabAfterAFailure();
    void steamGuardSubmitAndCancelThroughTheWindow();
    void guardFieldNeverCoversTheCredentials_data();
    void guardFieldNeverCoversTheCredentials();
    void progressBarFollowsTheFraction();
    void consoleShowsTheManagersLog();

    void localTabPathStates();
    void locateUsesTheFolderPicker();
    void steamHintWhileAssetsAreValidButBusy();
    void launchButtonLaunchesAndQuits();
    void launchDuringADownloadAsksFirst();
    void failedLaunchShowsTheAlertAndLaunchAgain();

    void settingsAreStoredThroughTheControls();

private:
    LauncherViewModel *viewModel() { return m_setup->viewModel(); }
    QQuickWindow *open() { return m_setup->open(); }
    QQuickWindow *window() const { return m_setup->window(); }
    AboutWindowController *aboutController() { return m_setup->aboutController(); }
    // What the console holds (its line model's text).
    QString consoleText()
    {
        QQuickItem *console = find("console");
        QObject *lines = console ? console->findChild<QObject *>("consoleLines") : nullptr;
        return lines ? lines->property("text").toString() : QString();
    }
    QQuickItem *find(const QString &name) { return m_setup->find(name); }
    bool shown(const QString &name) { return m_setup->shown(name); }
    bool click(const QString &name) { return m_setup->click(name); }

    std::unique_ptr<WindowTestSetup> m_setup;
};

void TestLauncherWindow::init()
{
    m_setup = std::make_unique<WindowTestSetup>(
        json(manifest("0.0.1", "old", "https://example.org/", 0)));
    QVERIFY(m_setup->isValid());
}

void TestLauncherWindow::cleanup()
{
    m_setup.reset();
}

void TestLauncherWindow::windowSizeAndTitle()
{
    QVERIFY(open());
    QCOMPARE(window()->title(), QStringLiteral("Vantor Online"));
    QCOMPARE(window()->size(), QSize(860, 580));
    QCOMPARE(window()->minimumSize(), QSize(860, 580));
    // No upper bound: the window can be enlarged.
    QVERIFY(window()->maximumWidth() > 4000);
    QVERIFY(window()->maximumHeight() > 4000);
    window()->resize(1200, 800);
    QTRY_COMPARE(window()->size(), QSize(1200, 800));
    // The content column follows the window.
    QTRY_COMPARE(find("contentColumn")->width(), 1200.0 - 40.0);
}

void TestLauncherWindow::tabButtonsChangeOnlyTheActiveTab()
{
    const QString folder = m_setup->home().filePath("games");
    viewModel()->setInstallPath(folder);
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    QVERIFY(open());
    QCOMPARE(viewModel()->activeTab(), LauncherViewModel::Tab::Steam);
    QVERIFY(shown("steamTab"));
    QVERIFY(!shown("localTab"));

    QSignalSpy tabSpy(viewModel(), &LauncherViewModel::activeTabChanged);
    QSignalSpy pathSpy(viewModel(), &LauncherViewModel::installPathChanged);
    QSignalSpy userSpy(viewModel(), &LauncherViewModel::steamUsernameChanged);
    QSignalSpy passwordSpy(viewModel(), &LauncherViewModel::steamPasswordChanged);
    QSignalSpy stateSpy(viewModel()->steamCMD(), &SteamCMDManager::stateChanged);

    QVERIFY(click("localTabButton"));
    QCOMPARE(viewModel()->activeTab(), LauncherViewModel::Tab::Local);
    QCOMPARE(tabSpy.count(), 1);
    QVERIFY(shown("localTab"));
    QVERIFY(!shown("steamTab"));

    // Pressing the selected tab again changes nothing.
    QVERIFY(click("localTabButton"));
    QCOMPARE(tabSpy.count(), 1);

    QVERIFY(click("steamTabButton"));
    QCOMPARE(viewModel()->activeTab(), LauncherViewModel::Tab::Steam);
    QCOMPARE(tabSpy.count(), 2);
    QVERIFY(shown("steamTab"));

    QCOMPARE(pathSpy.count(), 0);
    QCOMPARE(userSpy.count(), 0);
    QCOMPARE(passwordSpy.count(), 0);
    QCOMPARE(stateSpy.count(), 0);
    QCOMPARE(viewModel()->installPath(), folder);
    QCOMPARE(viewModel()->steamUsername(), QStringLiteral("player"));
    QCOMPARE(viewModel()->steamPassword(), QStringLiteral("secret"));
    // The selection slides under the chosen button.
    QQuickItem *selection = find("tabSelection");
    QTRY_COMPARE(selection->x(), 0.0);
}

void TestLauncherWindow::bannerAbsentWithoutAnUpdate()
{
    QVERIFY(open());
    QSignalSpy finished(viewModel()->updateChecker(), &UpdateChecker::checkFinished);
    QVERIFY(finished.count() > 0 || finished.wait(5000));
    QCOMPARE(finished.first().first().toBool(), true); // a manifest was read: just not newer
    QVERIFY(!viewModel()->updateChecker()->hasUpdate());
    QVERIFY(!shown("bannerSlot"));
    QVERIFY(!find("updateBanner"));
    // The tab bar follows the header directly, 20 points below it.
    QQuickItem *header = find("header");
    QQuickItem *tabBar = find("tabBar");
    QTRY_COMPARE(tabBar->y() - (header->y() + header->height()), 20.0);
}

void TestLauncherWindow::bannerShowsAPublishedUpdateUntilDismissed()
{
    const QString notes = QStringLiteral("Line one of the notes\nLine two\nLine three\nLine four\n"
                                         "Line five");
    m_setup->server().setRoute(
        WindowTestSetup::manifestPath,
        json(manifest("2.1.0", notes, "https://vantor-online.org/download")));
    QVERIFY(open());
    QTRY_VERIFY_WITH_TIMEOUT(viewModel()->updateChecker()->hasUpdate(), 5000);
    QTRY_VERIFY(shown("updateBanner"));
    QCOMPARE(find("bannerTitle")->property("text").toString(),
             QStringLiteral("UPDATE AVAILABLE: v2.1.0"));
    QTRY_COMPARE(find("bannerNotes")->property("lineCount").toInt(), 2);
    QVERIFY(find("bannerNotes")->property("truncated").toBool());
    // The banner sits between header and tab bar.
    QQuickItem *banner = find("bannerSlot");
    // (Once the column has been laid out again.)
    QTRY_VERIFY(banner->y() > find("header")->y() + find("header")->height());
    QTRY_VERIFY(find("tabBar")->y() > banner->y() + banner->height());
    // At the smallest size everything is still in the window, the footer last.
    QCOMPARE(window()->height(), 580);
    QQuickItem *footer = find("footer");
    QTRY_VERIFY(footer->mapToScene(QPointF(0, footer->height())).y() <= window()->height());

    {
        UrlRecorder recorder;
        QVERIFY(click("downloadUpdateButton"));
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl("https://vantor-online.org/download")});
    }

    // A newer manifest replaces the contents while shown.
    m_setup->server().setRoute(
        WindowTestSetup::manifestPath,
        json(manifest("2.2.0", "Short", "https://vantor-online.org/download")));
    viewModel()->updateChecker()->checkForUpdate();
    QTRY_COMPARE_WITH_TIMEOUT(find("bannerTitle")->property("text").toString(),
                              QStringLiteral("UPDATE AVAILABLE: v2.2.0"), 5000);

    QVERIFY(click("bannerCloseButton"));
    QVERIFY(viewModel()->isUpdateDismissed());
    QVERIFY(!shown("bannerSlot"));
    QVERIFY(!find("updateBanner"));

    // Dismissed for the rest of the run, even when a newer one is published.
    m_setup->server().setRoute(
        WindowTestSetup::manifestPath,
        json(manifest("3.0.0", "Later", "https://vantor-online.org/download")));
    QSignalSpy changed(viewModel()->updateChecker(), &UpdateChecker::availableUpdateChanged);
    viewModel()->updateChecker()->checkForUpdate();
    QVERIFY(changed.wait(5000));
    QCOMPARE(viewModel()->updateChecker()->availableUpdateOrEmpty().version,
             QStringLiteral("3.0.0"));
    QVERIFY(!find("updateBanner"));
}

void TestLauncherWindow::aboutWindowIsMadeOnceAndReused()
{
    QCoreApplication::setApplicationVersion("2.1");
    QVERIFY(open());
    auto *controller = aboutController();
    QVERIFY(controller);
    QVERIFY(!controller->window());

    QVERIFY(click("infoButton"));
    QQuickWindow *about = controller->window();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->title(), QStringLiteral("About Vantor Online"));
    QCOMPARE(about->size(), QSize(420, 480));
    QCOMPARE(about->minimumSize(), QSize(420, 480));
    QCOMPARE(about->maximumSize(), QSize(420, 480));
    QVERIFY(!(about->flags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(about->flags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(QmlHarness::item(about, "aboutVersion")->property("text").toString(),
             QStringLiteral("Version 2.1"));

    // Closing only hides it; the shortcut and the button bring the same one back.
    about->close();
    QTRY_VERIFY(!about->isVisible());
    window()->requestActivate();
    QTest::keyClick(window(), Qt::Key_F1);
    QTRY_VERIFY(about->isVisible());
    QCOMPARE(controller->window(), about);
    QVERIFY(click("infoButton"));
    QCOMPARE(controller->window(), about);
    QCOMPARE(controller->createdCount(), 1);
    QCoreApplication::setApplicationVersion(QString());
}

void TestLauncherWindow::picturesPresent()
{
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(open());
    QVERIFY(shown("backgroundPicture"));
    QVERIFY(shown("footerAuthorPicture"));
    QVERIFY(shown("hintPicture"));
    QVERIFY(click("infoButton"));
    auto *controller = aboutController();
    QQuickWindow *about = controller->window();
    QVERIFY(about);
    // The launcher's icon is among the resources: it is shown, not the symbol.
    QVERIFY(QmlHarness::isShown(about, "aboutAppIcon"));
    QVERIFY(!QmlHarness::isShown(about, "aboutFallbackLogo"));
    QVERIFY(QmlHarness::isShown(about, "aboutAuthorPicture"));
}

void TestLauncherWindow::missingPicturesFallBack()
{
    UiSupport::setPictureSearchPath({m_setup->home().filePath("no-pictures")});
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(open());
    QVERIFY(!find("backgroundPicture"));
    QVERIFY(!find("footerAuthorPicture"));
    QVERIFY(!find("hintPicture"));
    // The hint keeps its text, the footer its credit and links.
    QVERIFY(shown("hintText"));
    QVERIFY(shown("footerCredit"));
    QVERIFY(shown("footerWebsiteLink"));

    QVERIFY(click("infoButton"));
    auto *controller = aboutController();
    QQuickWindow *about = controller->window();
    QVERIFY(about);
    QVERIFY(!QmlHarness::item(about, "aboutAppIcon"));
    QVERIFY(QmlHarness::isShown(about, "aboutFallbackLogo"));
    QCOMPARE(QmlHarness::item(about, "aboutFallbackLogo")->property("name").toString(),
             QStringLiteral("gamecontroller.fill"));
    QCOMPARE(colorOf(QmlHarness::item(about, "aboutFallbackLogo")),
             QColor::fromRgbF(0.1f, 0.5f, 1.0f));
    QVERIFY(!QmlHarness::item(about, "aboutAuthorPicture"));
}

void TestLauncherWindow::launchErrorAlertClearsTheMessage_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("OK button") << false;
    QTest::newRow("Escape") << true;
}

void TestLauncherWindow::launchErrorAlertClearsTheMessage()
{
    QFETCH(bool, byKeyboard);
    const QString folder = m_setup->home().filePath("games");
    QVERIFY(!makeGameFolder(folder).isEmpty());
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    viewModel()->setInstallPath(folder);
    QVERIFY(open());
    // No engine at VANTOR_ENGINE_PATH: the launch fails with an alert.
    QVERIFY(click("launchButton"));
    QVERIFY(viewModel()->hasAlert());
    QObject *dialog = window()->findChild<QObject *>("launchErrorAlert");
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->property("opened").toBool());
    QCOMPARE(dialog->property("title").toString(), QStringLiteral("Launch Error"));
    QCOMPARE(dialog->property("message").toString(), viewModel()->alertMessageOrEmpty());
    QVERIFY(viewModel()->alertMessageOrEmpty().startsWith("Engine binary not found at "));

    if (byKeyboard) {
        QTest::keyClick(window(), Qt::Key_Escape);
    } else {
        auto *ok = qobject_cast<QQuickItem *>(dialog->findChild<QObject *>("alertAcceptButton"));
        QVERIFY(ok);
        QCOMPARE(ok->property("text").toString(), QStringLiteral("OK"));
        QVERIFY(QmlHarness::click(window(), ok));
    }
    QTRY_VERIFY(!dialog->property("visible").toBool());
    QVERIFY(!viewModel()->hasAlert());
    QVERIFY(!viewModel()->isLaunching());
}

void TestLauncherWindow::purchaseAlertNamesTheAccountAndClears_data()
{
    QTest::addColumn<QString>("button"); // empty: Escape
    QTest::addColumn<bool>("opensStore");
    QTest::newRow("Open Steam Store") << "alertAcceptButton" << true;
    QTest::newRow("Close") << "alertRejectButton" << false;
    QTest::newRow("Escape") << "" << false;
}

void TestLauncherWindow::purchaseAlertNamesTheAccountAndClears()
{
    QFETCH(QString, button);
    QFETCH(bool, opensStore);
    UrlRecorder recorder;
    SteamCMDManager *manager = viewModel()->steamCMD();
    FakeSteamCMD steamCMD(manager->steamCMDBinary(), m_setup->home().filePath("fake record"));
    QVERIFY(steamCMD.install());
    QVERIFY(steamCMD.setFailure("No subscription", FakeSteamCMD::Form::InstallFailed));
    viewModel()->setSteamUsername("first_buyer");
    viewModel()->setSteamPassword(FakeSteamCMD::kPassword);
    QVERIFY(open());
    QObject *dialog = window()->findChild<QObject *>("purchaseAlert");
    QVERIFY(!dialog || !dialog->property("visible").toBool());

    // The run signs in as first_buyer; meanwhile another name is in the
    // field, which is not the account without the game. Set directly: typed
    // keys turn the event loop, and on a slow machine the alert opens (and
    // takes the keys) half-way through the name.
    QVERIFY(click("downloadButton"));
    QVERIFY(manager->isRunning());
    viewModel()->setSteamUsername(QStringLiteral("other"));

    QTRY_VERIFY_WITH_TIMEOUT(manager->showPurchaseAlert(), 20000);
    QCOMPARE(steamCMD.runs(), 1);
    dialog = window()->findChild<QObject *>("purchaseAlert");
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->property("opened").toBool());
    QCOMPARE(dialog->property("title").toString(), QStringLiteral("Game Not Found"));
    QCOMPARE(
        dialog->property("message").toString(),
        QStringLiteral("The account \"first_buyer\" does not own Ardenfall™ Vantor — Duskline."
                       "\n\nPurchase the game on Steam, then press \"Download Assets\" again."));

    if (button.isEmpty()) {
        QTest::keyClick(window(), Qt::Key_Escape);
    } else {
        auto *item = qobject_cast<QQuickItem *>(dialog->findChild<QObject *>(button));
        QVERIFY(item);
        QCOMPARE(item->property("text").toString(),
                 opensStore ? QStringLiteral("Open Steam Store") : QStringLiteral("Close"));
        QVERIFY(QmlHarness::click(window(), item));
    }
    QTRY_VERIFY(!dialog->property("visible").toBool());
    QVERIFY(!manager->showPurchaseAlert());
    if (opensStore)
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl("https://store.example.org/app/4187530")});
    else
        QVERIFY(recorder.opened.isEmpty());
}

void TestLauncherWindow::typingUpdatesTheViewModelAtOnce()
{
    QVERIFY(open());
    QSignalSpy userSpy(viewModel(), &LauncherViewModel::steamUsernameChanged);
    QVERIFY(click("usernameField"));
    QTest::keyClick(window(), Qt::Key_A);
    QCOMPARE(viewModel()->steamUsername(), QStringLiteral("a"));
    QTest::keyClick(window(), Qt::Key_B);
    QCOMPARE(viewModel()->steamUsername(), QStringLiteral("ab"));
    QCOMPARE(userSpy.count(), 2);

    QVERIFY(click("passwordField"));
    QTest::keyClick(window(), Qt::Key_X);
    QTest::keyClick(window(), Qt::Key_Space);
    QCOMPARE(viewModel()->steamPassword(), QStringLiteral("x "));
    QCOMPARE(find("passwordField")->property("echoMode").toInt(), 2 /* TextInput.Password */);
    QTest::keyClick(window(), Qt::Key_Backspace);
    QCOMPARE(viewModel()->steamPassword(), QStringLiteral("x"));

    // And the other way: the view model's value appears in the field.
    viewModel()->setSteamUsername("someone");
    QCOMPARE(find("usernameField")->property("text").toString(), QStringLiteral("someone"));
}

void TestLauncherWindow::windowUsableWhileTheKeyringIsSlow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expectedPassword");
    QTest::newRow("the stored account typed") << "gamer"
                                              << "s3cret";
    QTest::newRow("another account typed") << "other"
                                           << "";
}

void TestLauncherWindow::windowUsableWhileTheKeyringIsSlow()
{
    QFETCH(QString, typed);
    QFETCH(QString, expectedPassword);
    m_setup->store().save("gamer", "s3cret");
    m_setup->store().setAnswerDelay(std::chrono::seconds(5));
    QVERIFY(open());
    // Up and drawn before the keyring has answered.
    QVERIFY(window()->isExposed());
    QVERIFY(viewModel()->isLoadingCredentials());

    QVERIFY(click("usernameField"));
    for (const QChar c : typed)
        QTest::keyClick(window(), c.toLatin1());
    QCOMPARE(viewModel()->steamUsername(), typed);
    QCOMPARE(find("passwordField")->property("text").toString(), QString());
    // All of that happened while the answer was still to come.
    QVERIFY(viewModel()->isLoadingCredentials());

    QTRY_VERIFY_WITH_TIMEOUT(!viewModel()->isLoadingCredentials(), 15000);
    QCOMPARE(find("usernameField")->property("text").toString(), typed);
    QCOMPARE(find("passwordField")->property("text").toString(), expectedPassword);
    QCOMPARE(viewModel()->steamPassword(), expectedPassword);
}

void TestLauncherWindow::downloadButtonFollowsTheCredentials()
{
    QVERIFY(open());
    QQuickItem *download = find("downloadButton");
    QVERIFY(!download->isEnabled());
    viewModel()->setSteamUsername("player");
    QVERIFY(!download->isEnabled());
    viewModel()->setSteamPassword("secret");
    QVERIFY(download->isEnabled());
    viewModel()->setSteamUsername(QString());
    QVERIFY(!download->isEnabled());
    // Idle: no guard row, no CANCEL, gray lamp.
    QVERIFY(!shown("guardCodeField"));
    QVERIFY(!shown("submitGuardButton"));
    QVERIFY(!shown("cancelButton"));
    QCOMPARE(colorOf(find("statusLamp")), QColor("#8e8e93"));
    QCOMPARE(find("statusText")->property("text").toString(),
             viewModel()->steamCMD()->statusText());
}

void TestLauncherWindow::downloadButtonStoresCredentialsAndStarts()
{
    // SteamCMD's tarball address answers nothing: the run fails right after
    // it starts, which is all this test needs.
    qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/steamcmd.tar.gz").toUtf8());
    QVERIFY(open());
    viewModel()->setSteamUsername(" player ");
    viewModel()->setSteamPassword("pa ss");
    QSignalSpy stateSpy(viewModel()->steamCMD(), &SteamCMDManager::stateChanged);
    QVERIFY(click("downloadButton"));
    QCOMPARE(m_setup->store().saves().size(), 1);
    QCOMPARE(m_setup->store().saves().first(),
             qMakePair(QStringLiteral(" player "), QStringLiteral("pa ss")));
    QTRY_VERIFY(stateSpy.count() > 0);
    QTRY_COMPARE_WITH_TIMEOUT(viewModel()->steamCMD()->stateKind(), SteamCMDState::Kind::Failed,
                              10000);
}

void TestLauncherWindow::steamTabWhileSteamCMDInstalls()
{
    QVERIFY(open());
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    SteamCMDManager *manager = viewModel()->steamCMD();
    startStandInRun(*manager, {}, {StandInStep::hanging()});
    QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::DownloadingSteamCMD);

    QVERIFY(!find("downloadButton")->isEnabled());
    QVERIFY(shown("cancelButton"));
    QVERIFY(!shown("guardCodeField"));
    QCOMPARE(colorOf(find("statusLamp")), QColor("#ff9500"));
    QCOMPARE(find("statusText")->property("text").toString(), manager->statusText());
    // The fields stay editable during a download.
    QVERIFY(find("usernameField")->isEnabled());
    QVERIFY(!find("usernameField")->property("readOnly").toBool());
    QVERIFY(find("passwordField")->isEnabled());
}

void TestLauncherWindow::steamTabAfterAFailure()
{
    QVERIFY(open());
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    const QString message = QStringLiteral("SteamCMD exited with code 5. A very long explanation "
                                           "that cannot fit on the status line of the window, "
                                           "whatever its width, so it has to be cut short.");
    startStandInRun(*viewModel()->steamCMD(), {StandInStep::failing(message, 5)});
    QTRY_COMPARE(viewModel()->steamCMD()->stateKind(), SteamCMDState::Kind::Failed);
    QCOMPARE(colorOf(find("statusLamp")), QColor("#ff3b30"));
    QVERIFY(find("downloadButton")->isEnabled());
    QVERIFY(!shown("cancelButton"));
    QQuickItem *status = find("statusText");
    QCOMPARE(status->property("text").toString(), QStringLiteral("ERROR: ") + message);
    QCOMPARE(status->property("lineCount").toInt(), 1);
    QVERIFY(status->property("truncated").toBool());
    // The full text stays in the console.
    QTRY_VERIFY(consoleText().contains(message));
}

void TestLauncherWindow::steamGuardSubmitAndCancelThroughTheWindow()
{
    // A SteamCMD that asks for a code, records what it reads, then works on;
    // asked to stop it takes a moment, so that the state right after CANCEL
    // can be seen however fast the click's events run.
    const QString codeFile = m_setup->home().filePath("received-code");
    SteamCMDManager *manager = viewModel()->steamCMD();
    // A stop that lands while the shell starts "sleep 30" runs the trap only
    // after that sleep: the kill after the grace period ends it, well within
    // the wait below.
    manager->setStopGracePeriod(3000);
    QVERIFY(writeScript(manager->steamCMDBinary(),
                        "#!/bin/sh\n"
                        "trap 'sleep 1; exit 143' TERM\n"
                        "printf 'This computer has not been authenticated for your account using "
                        "Steam Guard.\\nSteam Guard code:'\n"
                        "IFS= read -r code\n"
                        "printf '%s' \"$code\" > '" +
                            codeFile.toUtf8() +
                            "'\n"
                            "echo 'Logging in user ...'\n"
                            "sleep 30\n"));
    QVERIFY(manager->isSteamCMDInstalled());
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    QVERIFY(open());
    QVERIFY(!shown("guardCodeField"));

    QVERIFY(click("downloadButton"));
    QTRY_COMPARE_WITH_TIMEOUT(manager->stateKind(), SteamCMDState::Kind::WaitingSteamGuard, 10000);
    // Waiting for the code: the row grows the code field and SUBMIT; the
    // download is under way, so CANCEL shows and neither DOWNLOAD nor
    // LAUNCH is offered.
    QVERIFY(shown("guardCodeField"));
    QVERIFY(shown("submitGuardButton"));
    QTRY_COMPARE(find("guardCodeField")->width(), 110.0);
    QVERIFY(!find("downloadButton")->isEnabled());
    QVERIFY(shown("cancelButton"));
    QVERIFY(!shown("launchButton"));
    QCOMPARE(colorOf(find("statusLamp")), QColor("#ff9500"));
    QCOMPARE(find("statusText")->property("text").toString(), manager->statusText());

    QVERIFY(click("guardCodeField"));
    for (Qt::Key key : {Qt::Key_A, Qt::Key_B, Qt::Key_1, Qt::Key_2, Qt::Key_C})
        QTest::keyClick(window(), key);
    QCOMPARE(manager->steamGuardCode(), QStringLiteral("ab12c"));

    QVERIFY(click("submitGuardButton"));
    QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Authenticating);
    QVERIFY(!shown("guardCodeField"));
    QVERIFY(!shown("submitGuardButton"));
    QVERIFY(shown("cancelButton"));
    QVERIFY(!find("downloadButton")->isEnabled());
    // The fake writes the file as it reads the line: wait for the whole code.
    auto receivedCode = [&codeFile] {
        QFile file(codeFile);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_COMPARE_WITH_TIMEOUT(receivedCode(), QByteArray("ab12c"), 10000);

    // CANCEL: idle at once (gray, CANCEL gone, DOWNLOAD back), and idle it
    // stays once the stopped child has gone: a stop asked for is no failure.
    QSignalSpy finished(manager, &SteamCMDManager::runFinished);
    QVERIFY(click("cancelButton"));
    QCOMPARE(manager->stateKind(), SteamCMDState::Kind::Idle);
    QVERIFY(!shown("cancelButton"));
    QVERIFY(find("downloadButton")->isEnabled());
    QCOMPARE(colorOf(find("statusLamp")), QColor("#8e8e93"));
    QVERIFY(finished.wait(10000));
    QCOMPARE(manager->stateKind(), SteamCMDState::Kind::Idle);
    QCOMPARE(colorOf(find("statusLamp")), QColor("#8e8e93"));
}

void TestLauncherWindow::guardFieldNeverCoversTheCredentials_data()
{
    QTest::addColumn<bool>("assetsOnDisk");
    QTest::newRow("nothing downloaded yet") << false;
    QTest::newRow("game already on disk") << true;
}

void TestLauncherWindow::guardFieldNeverCoversTheCredentials()
{
    QFETCH(bool, assetsOnDisk);
    if (assetsOnDisk)
        QVERIFY(makeSteamAssets());
    SteamCMDManager *manager = viewModel()->steamCMD();
    manager->setStopGracePeriod(2000);
    QVERIFY(writeScript(manager->steamCMDBinary(), "#!/bin/sh\n"
                                                   "printf 'Steam Guard code:'\n"
                                                   "IFS= read -r code\n"
                                                   "exec sleep 30\n"));
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    QVERIFY(open());
    QTRY_COMPARE(shown("launchButton"), assetsOnDisk);
    const QRectF username = sceneRect(find("usernameField"));
    const QRectF password = sceneRect(find("passwordField"));
    QCOMPARE(password.width(), username.width());

    QVERIFY(click("downloadButton"));
    QTRY_COMPARE_WITH_TIMEOUT(manager->stateKind(), SteamCMDState::Kind::WaitingSteamGuard, 10000);
    QTRY_VERIFY(shown("guardCodeField") && shown("submitGuardButton"));
    QTRY_COMPARE(find("guardCodeField")->width(), 110.0);
    const QRectF panel = sceneRect(find("steamTab"));
    const QList<QRectF> parts{sceneRect(find("usernameField")), sceneRect(find("passwordField")),
                              sceneRect(find("guardCodeField")),
                              sceneRect(find("submitGuardButton"))};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY2(panel.contains(parts[i]), qPrintable(QString::number(i)));
        for (qsizetype j = i + 1; j < parts.size(); ++j)
            QVERIFY2(!parts[i].intersects(parts[j]),
                     qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
    }
    // The credentials share what is left equally and stay usable.
    QCOMPARE(parts[1].width(), parts[0].width());
    QVERIFY(parts[0].width() >= 150);

    // The wait is over: both fields are as wide as before.
    manager->setSteamGuardCode(QStringLiteral("AB12C"));
    QVERIFY(click("submitGuardButton"));
    QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Authenticating);
    QTRY_COMPARE(sceneRect(find("usernameField")), username);
    QCOMPARE(sceneRect(find("passwordField")), password);
    // CANCEL, shown as the bottom of the window changes too, sits beside
    // DOWNLOAD ASSETS.
    QTRY_VERIFY(shown("cancelButton"));
    QTRY_VERIFY(sceneRect(find("cancelButton")).left() >=
                sceneRect(find("downloadButton")).right());
    manager->cancel();
    QTRY_VERIFY_WITH_TIMEOUT(!manager->hasActiveWork(), 10000);
}

void TestLauncherWindow::progressBarFollowsTheFraction()
{
    // SteamCMD reports 30 %, then 60 % once the test lets it go on.
    const QString next = m_setup->home().filePath("next");
    SteamCMDManager *manager = viewModel()->steamCMD();
    manager->setStopGracePeriod(2000);
    QVERIFY(writeScript(
        manager->steamCMDBinary(),
        "#!/bin/sh\n"
        "echo ' Update state (0x61) downloading, progress: 30.00 (26156480 / 87188267)'\n"
        "while [ ! -e '" +
            next.toUtf8() +
            "' ]; do sleep 0.05; done\n"
            "echo ' Update state (0x5) verifying install, progress: 60.00 (52312960 / "
            "87188267)'\n"
            "exec sleep 30\n"));
    QVERIFY(open());
    QVERIFY(!shown("stepProgress"));

    manager->startDownload(QStringLiteral("player"), QStringLiteral("secret"));
    QTRY_VERIFY_WITH_TIMEOUT(shown("stepProgress"), 10000);
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(find("stepProgress"));
    QVERIFY(bar && bar->valueInterface());
    QCOMPARE(bar->role(), QAccessible::ProgressBar);
    QCOMPARE(bar->valueInterface()->maximumValue().toDouble(), 100.0);
    QTRY_COMPARE(qRound(bar->valueInterface()->currentValue().toDouble() * 100), 3000);
    // The status line keeps SteamCMD's own line beside the bar.
    QCOMPARE(find("statusText")->property("text").toString(),
             QStringLiteral("DOWNLOADING ASSETS... ") + manager->state().text());

    QVERIFY(writeFile(next, "go"));
    QTRY_COMPARE_WITH_TIMEOUT(qRound(bar->valueInterface()->currentValue().toDouble() * 100), 6000,
                              10000);

    // No fraction, no bar.
    manager->cancel();
    QTRY_VERIFY(!shown("stepProgress"));
    QTRY_VERIFY_WITH_TIMEOUT(!manager->hasActiveWork(), 10000);
}

void TestLauncherWindow::consoleShowsTheManagersLog()
{
    QVERIFY(open());
    QVERIFY(shown("consolePlaceholder"));
    SteamCMDManager *manager = viewModel()->steamCMD();
    // The lines are fed by the manager's console stream itself.
    QObject *lines = find("console")->findChild<QObject *>("consoleLines");
    QVERIFY(lines);
    QCOMPARE(lines->property("source").value<SteamCMDManager *>(), manager);
    auto plan = startStandInRun(*manager);
    QTRY_VERIFY(plan->current);
    Q_EMIT plan->current->log("[*] first line\n");
    QTRY_VERIFY(!shown("consolePlaceholder"));
    QString expected = QStringLiteral("[*] first line\n");
    for (int i = 0; i < 300; ++i) {
        const QString line =
            QStringLiteral(" Update state (0x61) downloading, progress: %1\n").arg(i);
        Q_EMIT plan->current->log(line);
        expected += line;
    }
    QTRY_COMPARE(consoleText(), expected);
    QCOMPARE(find("consoleList")->property("count").toInt(), 301);
    QTRY_VERIFY(find("consoleList")->property("atYEnd").toBool());
}

void TestLauncherWindow::localTabPathStates()
{
    const QString invalid = m_setup->home().filePath("empty-folder");
    QVERIFY(QDir().mkpath(invalid));
    const QString valid = m_setup->home().filePath("games");
    QVERIFY(!makeGameFolder(valid).isEmpty());
    const QString hint =
        QStringLiteral("SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS");

    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(open());

    // Empty: the placeholder, no warning, the hint with its picture.
    QCOMPARE(find("pathText")->property("text").toString(),
             QStringLiteral("NO SIGNAL — AWAITING FOLDER TARGET"));
    QVERIFY(!shown("validationWarning"));
    QVERIFY(shown("targetRequiredHint"));
    QVERIFY(!shown("launchButton"));
    QCOMPARE(find("hintText")->property("text").toString(), hint);
    QVERIFY(shown("hintPicture"));

    // A folder without the archives: the path, the warning, the same hint.
    viewModel()->setInstallPath(invalid);
    QCOMPARE(find("pathText")->property("text").toString(), invalid);
    QVERIFY(shown("validationWarning"));
    QVERIFY(shown("targetRequiredHint"));
    QCOMPARE(find("hintText")->property("text").toString(), hint);

    // A game folder: no warning, LAUNCH instead of the hint.
    viewModel()->setInstallPath(valid);
    QVERIFY(!shown("validationWarning"));
    QVERIFY(!shown("targetRequiredHint"));
    QVERIFY(shown("launchButton"));
    QCOMPARE(find("launchLabel")->property("text").toString(), QStringLiteral("LAUNCH"));

    // The Steam tab has its own hint and never a picture.
    QVERIFY(click("steamTabButton"));
    QVERIFY(shown("targetRequiredHint"));
    QCOMPARE(find("hintText")->property("text").toString(),
             QStringLiteral("DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH"));
    QVERIFY(!shown("hintPicture"));
}

void TestLauncherWindow::locateUsesTheFolderPicker()
{
    const QString valid = m_setup->home().filePath("games");
    QVERIFY(!makeGameFolder(valid).isEmpty());
    auto picker = std::make_shared<StandInFolderPicker>(valid);
    viewModel()->setFolderPicker(picker);
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(open());
    QVERIFY(click("locateButton"));
    QCOMPARE(picker->messages,
             QStringList{QStringLiteral("Select the Windows Game Folder (containing .big files)")});
    QTRY_COMPARE(find("pathText")->property("text").toString(), valid);
    QTRY_VERIFY(shown("launchButton"));
    QVERIFY(!shown("validationWarning"));
}

void TestLauncherWindow::steamHintWhileAssetsAreValidButBusy()
{
    QVERIFY(writeFile(GameFolders::assetsDir() + "/INIDL.big", "x"));
    QVERIFY(writeFile(GameFolders::baseGameDir() + "/ini.big", "x"));
    SteamCMDManager *manager = viewModel()->steamCMD();
    QVERIFY(manager->areAssetsValid());
    QVERIFY(open());
    QVERIFY(shown("launchButton"));

    startStandInRun(*manager, {}, {StandInStep::hanging()});
    QTRY_VERIFY(manager->isRunning());
    QVERIFY(!shown("launchButton"));
    QVERIFY(shown("targetRequiredHint"));
    QCOMPARE(find("hintText")->property("text").toString(),
             QStringLiteral("DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH"));
}

void TestLauncherWindow::launchButtonLaunchesAndQuits()
{
    const QString folder = m_setup->home().filePath("games");
    QVERIFY(!makeGameFolder(folder).isEmpty());
    QVERIFY(writeScript(m_setup->home().filePath("engine/VantorOnlineDL"), "#!/bin/sh\nexit 0\n"));
    auto starter = std::make_shared<StandInEngineStarter>();
    viewModel()->setEngineStarter(starter);
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    viewModel()->setInstallPath(folder);
    QVERIFY(open());
    QSignalSpy quit(viewModel(), &LauncherViewModel::quitRequested);

    QVERIFY(click("launchButton"));
    QCOMPARE(starter->installPaths, QStringList{folder});
    QVERIFY(viewModel()->isLaunching());
    QCOMPARE(find("launchLabel")->property("text").toString(), QStringLiteral("INITIALIZING..."));
    QVERIFY(shown("launchSpinner"));
    QVERIFY(!find("launchButton")->isEnabled());
    // A second press while launching does nothing.
    QVERIFY(click("launchButton"));
    QCOMPARE(starter->programs.size(), 1);
    QVERIFY(quit.wait(3000));
}

void TestLauncherWindow::launchDuringADownloadAsksFirst()
{
    // LAUNCH on the Local Archive tab while SteamCMD works for the Steam tab:
    // the launcher quits after a launch, so the download is stopped first
    // and the engine starts only once SteamCMD has gone.
    const QString folder = m_setup->home().filePath("games");
    QVERIFY(!makeGameFolder(folder).isEmpty());
    QVERIFY(writeScript(m_setup->home().filePath("engine/VantorOnlineDL"), "#!/bin/sh\nexit 0\n"));
    auto starter = std::make_shared<StandInEngineStarter>();
    SteamCMDManager *manager = viewModel()->steamCMD();
    bool childAliveAtLaunch = true;
    starter->onStart = [&] {
        childAliveAtLaunch = manager->hasSteamCMDChild();
    };
    viewModel()->setEngineStarter(starter);
    QVERIFY(writeScript(manager->steamCMDBinary(),
                        "#!/bin/sh\ntrap 'sleep 0.3; exit 143' TERM\necho started\n"
                        "while :; do sleep 0.1; done\n"));
    manager->startDownload("player", "secret");
    QTRY_VERIFY_WITH_TIMEOUT(manager->consoleLog().contains("started"), 10000);
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    viewModel()->setInstallPath(folder);
    QVERIFY(open());

    QVERIFY(click("launchButton"));
    QObject *question = window()->findChild<QObject *>("launchQuestion");
    QVERIFY(question);
    QTRY_VERIFY(question->property("opened").toBool());
    QCOMPARE(question->property("message").toString(),
             QStringLiteral("A download is running. Stop it and launch?"));
    QVERIFY(starter->programs.isEmpty());
    QVERIFY(click("alertAcceptButton"));
    QTRY_COMPARE_WITH_TIMEOUT(starter->programs.size(), 1, 10000);
    QVERIFY(!childAliveAtLaunch);
    QVERIFY(manager->consoleLog().contains("--- CANCELLED ---"));
}

void TestLauncherWindow::failedLaunchShowsTheAlertAndLaunchAgain()
{
    const QString folder = m_setup->home().filePath("games");
    QVERIFY(!makeGameFolder(folder).isEmpty());
    QVERIFY(writeScript(m_setup->home().filePath("engine/VantorOnlineDL"), "#!/bin/sh\nexit 0\n"));
    viewModel()->setEngineStarter(std::make_shared<StandInEngineStarter>(false));
    viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    viewModel()->setInstallPath(folder);
    QVERIFY(open());
    QVERIFY(click("launchButton"));
    QVERIFY(!viewModel()->isLaunching());
    QCOMPARE(find("launchLabel")->property("text").toString(), QStringLiteral("LAUNCH"));
    QVERIFY(find("launchButton")->isEnabled());
    QObject *dialog = window()->findChild<QObject *>("launchErrorAlert");
    QTRY_VERIFY(dialog->property("opened").toBool());
    QCOMPARE(dialog->property("message").toString(),
             QStringLiteral("Failed to launch game: Permission denied"));
}

void TestLauncherWindow::settingsAreStoredThroughTheControls()
{
    const QString newDir = m_setup->home().filePath("Games/Steam copy");
    QVERIFY(QDir().mkpath(newDir));
    auto picker = std::make_shared<StandInFolderPicker>(newDir);
    viewModel()->setFolderPicker(picker);
    QVERIFY(open());
    // Made when first opened.
    QVERIFY(!window()->findChild<QObject *>("settingsPanel"));
    QVERIFY(click("settingsButton"));
    QObject *panel = window()->findChild<QObject *>("settingsPanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->property("opened").toBool());
    const auto text = [this](const char *name) {
        return find(name)->property("text").toString();
    };
    const auto type = [this](const char *name, const QString &typed) {
        QVERIFY(click(name));
        QTest::keyClick(window(), Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : typed)
            QTest::keyClick(window(), c.toLatin1());
    };

    // A text is stored when its editing ends: Return, the focus moving on,
    // the panel closing. Not on every key.
    type("launchWrapperField", "gamemoderun %command%");
    QCOMPARE(LauncherSettings::storedLaunchWrapper(), QString());
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(LauncherSettings::storedLaunchWrapper(), QStringLiteral("gamemoderun %command%"));
    type("launchArgumentsField", "-windowed");
    QTest::keyClick(window(), Qt::Key_Tab);
    QCOMPARE(LauncherSettings::storedLaunchArguments(), QStringLiteral("-windowed"));
    // The speed limit takes digits only; No limit turns it off.
    type("downloadLimitField", "15x00");
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(LauncherSettings::storedDownloadLimit(), 1500);
    QVERIFY(click("noLimitButton"));
    QCOMPARE(LauncherSettings::storedDownloadLimit(), 0);
    QCOMPARE(text("downloadLimitField"), QString());
    type("launchEnvironmentField", "DXVK_HUD=fps");
    QTest::keyClick(window(), Qt::Key_Escape);
    QTRY_VERIFY(!panel->property("visible").toBool());
    QCOMPARE(LauncherSettings::storedLaunchEnvironment(), QStringLiteral("DXVK_HUD=fps"));

    // Made once: it opens again as it was, over the stored values.
    QVERIFY(click("settingsButton"));
    QTRY_VERIFY(panel->property("opened").toBool());
    QCOMPARE(window()->findChild<QObject *>("settingsPanel"), panel);
    QCOMPARE(text("launchArgumentsField"), QStringLiteral("-windowed"));

    for (const char *check : {"notifyWhenDoneCheck", "taskbarProgressCheck"}) {
        QVERIFY(click(check));
        QVERIFY(!find(check)->property("checked").toBool());
    }
    QCOMPARE(LauncherSettings::storedNotifyWhenDone(), false);
    QCOMPARE(LauncherSettings::storedShowTaskbarProgress(), false);
    QVERIFY(click("notifyWhenDoneCheck"));
    QCOMPARE(LauncherSettings::storedNotifyWhenDone(), true);

    // A new install folder, without moving the data: asked through the
    // folder picker, stored, shown.
    QVERIFY(click("moveDataCheck"));
    QVERIFY(click("changeInstallDirButton"));
    QCOMPARE(picker->messages.size(), 1);
    QCOMPARE(LauncherSettings::storedInstallDir(), newDir);
    QCOMPARE(text("installDirText"), newDir);
    QCOMPARE(text("installDirStatus"), viewModel()->installFolder()->moveStatus());
    QVERIFY(text("installDirStatus").contains(newDir));

    // The folders open in the file manager once they exist.
    UrlRecorder recorder;
    QVERIFY(click("openLogsButton"));
    QVERIFY(recorder.opened.isEmpty());
    QVERIFY(text("folderNote").contains(RunLog::defaultFolder()));
    QVERIFY(QDir().mkpath(RunLog::defaultFolder()));
    QVERIFY(click("openLogsButton"));
    QVERIFY(click("openInstallDirButton"));
    QCOMPARE(recorder.opened, (QList<QUrl>{QUrl::fromLocalFile(RunLog::defaultFolder()),
                                           QUrl::fromLocalFile(newDir)}));
}

QTEST_MAIN(TestLauncherWindow)
#include "tst_launcherwindow.moc"
