// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindowController.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "QmlHarness.h"
#include "RunWait.h"
#include "StandInFolderPicker.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "UiSupport.h"
#include "UrlRecorder.h"
#include "WindowTestSetup.h"
#include "l10n/Translations.h"
#include "settings/LauncherSettings.h"

#include <QFileInfo>
#include <QJsonDocument>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>
#include <QtQuickTest/quicktest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace {

LoopbackHttpServer::Response manifest(const QString &version)
{
    const AppUpdate update{version,
                           version == QLatin1String("0.0.1") ? 0 : 999999,
                           QStringLiteral("https://vantor-online.org/download"),
                           QStringLiteral("Faster downloads.\nA clearer console.\nFixes for "
                                          "the Steam Guard prompt.\nAnd a fourth line."),
                           QStringLiteral("2026-12-01"),
                           QStringLiteral("12")};
    LoopbackHttpServer::Response response;
    response.body = QJsonDocument(update.toJson()).toJson();
    response.contentType = "application/json";
    return response;
}

// A SteamCMD that asks for a Steam Guard code, keeps what it reads, then
// works on until it is stopped.
QByteArray guardAskingSteamCMD(const QString &codeFile)
{
    return "#!/bin/sh\n"
           "printf 'This computer has not been authenticated for your account using "
           "Steam Guard.\\nSteam Guard code:'\n"
           "IFS= read -r code\n"
           "printf '%s' \"$code\" > '" +
           codeFile.toUtf8() +
           "'\n"
           "echo 'Logging in user ...'\n"
           "sleep 30\n";
}

// A SteamCMD that downloads a while (two progress lines), then waits.
const QByteArray downloadingSteamCMD =
    "#!/bin/sh\n"
    "echo ' Update state (0x61) downloading, progress: 30.00 (26156480 / 87188267)'\n"
    "echo ' Update state (0x61) downloading, progress: 60.00 (52312960 / 87188267)'\n"
    "exec sleep 30\n";
// A SteamCMD whose sign-in Steam refuses for a while: the window explains it.
const QByteArray rateLimitedSteamCMD =
    "#!/bin/sh\n"
    "echo \"Logging in user 'player' to Steam Public...FAILED (Rate Limit Exceeded)\"\n"
    "exit 5\n";

// Types the text into the window's focused item, key by key.
void typeText(QWindow *window, const char *text)
{
    for (const char *c = text; *c; ++c)
        QTest::keyClick(window, *c);
}

} // namespace

// The launcher window as keyboard and screen-reader users meet it, and as it
// looks at its smallest size: what is in view, where focus goes, which keys
// do what, what closing during a download does, and the words about the
// system it runs on. Real QML over a real view model, loopback addresses only.
class TestWindowAccess : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void everythingInViewAtTheSmallestSize_data();
    void everythingInViewAtTheSmallestSize();
    void windowSpeaksTheSystemsLanguage();
    void consoleShowsWholeLines();
    void symbolsTakeTheirOwnSize();
    void platformWordsAreTrue();

    void startFocus_data();
    void startFocus();
    void tabOrderFollowsReadingOrder();
    void keysSwitchTabs();
    void returnActivatesTheFocusedControl();
    void guardCodeFieldTakesFocus();
    void alertsAndAboutByKeyboard();
    void settingsByKeyboard_data();
    void settingsByKeyboard();

    void closingWithoutWorkClosesAtOnce();
    void closingDuringADownloadAsksFirst();
    void closingDuringThePatchDownloadQuitsAtOnce();

private:
    LauncherViewModel *viewModel() { return m_setup->viewModel(); }
    // Shown and given the keyboard.
    QQuickWindow *open() { return m_setup->open(true); }
    QQuickWindow *window() const { return m_setup->window(); }
    QQuickItem *find(const QString &name) { return m_setup->find(name); }
    bool shown(const QString &name) { return m_setup->shown(name); }
    // The objectName of the item with keyboard focus (or of its nearest named ancestor).
    QString focused() const
    {
        QQuickItem *it = window() ? window()->activeFocusItem() : nullptr;
        while (it && it->objectName().isEmpty())
            it = it->parentItem();
        return it ? it->objectName() : QString();
    }
    bool focusRingShown() const
    {
        QQuickItem *it = window() ? window()->activeFocusItem() : nullptr;
        QQuickItem *ring = it ? QmlHarness::item(it, QStringLiteral("focusRing")) : nullptr;
        return ring && ring->isVisible();
    }
    // The item's rectangle in the window.
    QRectF sceneRect(QQuickItem *item) const
    {
        return item ? item->mapRectToScene(QRectF(0, 0, item->width(), item->height())) : QRectF();
    }
    void startGuardAskingRun(const QString &codeFile);
    // The text of the first visible label inside the item that is cut
    // short (elided, truncated, or wider than the item), or empty.
    QString cutLabel(QQuickItem *item, QQuickItem *control = nullptr) const
    {
        if (!item || !item->isVisible())
            return QString();
        if (!control)
            control = item;
        if (item->inherits("QQuickText")) {
            // A wrapped label needs the width of its longest line, any
            // other the width of its whole text.
            const bool wraps = item->property("wrapMode").toInt() != 0;
            const qreal needed = wraps ? item->property("contentWidth").toReal()
                                       : std::max(item->width(), item->implicitWidth());
            const QRectF label = item->mapRectToScene(QRectF(0, 0, needed, item->height()));
            if (item->property("truncated").toBool() ||
                !sceneRect(control).adjusted(-0.5, -0.5, 0.5, 0.5).contains(label))
                return item->property("text").toString();
        }
        for (QQuickItem *child : item->childItems()) {
            if (const QString cut = cutLabel(child, control); !cut.isEmpty())
                return cut;
        }
        return QString();
    }

    std::unique_ptr<WindowTestSetup> m_setup;
};

void TestWindowAccess::init()
{
    m_setup = std::make_unique<WindowTestSetup>(manifest("0.0.1"));
    QVERIFY(m_setup->isValid());
    LoopbackHttpServer::Response hang;
    hang.hang = true;
    m_setup->server().setRoute("/steamcmd.tar.gz", hang);
}

void TestWindowAccess::cleanup()
{
    m_setup.reset();
    Translations::install(QStringLiteral("en"));
}

void TestWindowAccess::startGuardAskingRun(const QString &codeFile)
{
    SteamCMDManager *manager = viewModel()->steamCMD();
    QVERIFY(writeScript(manager->steamCMDBinary(), guardAskingSteamCMD(codeFile)));
    manager->startDownload(QStringLiteral("player"), QStringLiteral("secret"));
    QTRY_COMPARE_WITH_TIMEOUT(manager->stateKind(), SteamCMDState::Kind::WaitingSteamGuard, 10000);
}

void TestWindowAccess::everythingInViewAtTheSmallestSize_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("banner");
    QTest::addColumn<QString>("language");
    // "ready": the game is on disk when the window starts, so LAUNCH shows
    // whenever the workflow is not busy. Every other language with the
    // banner, where the room is least.
    for (const Translations::Language &language : Translations::languages()) {
        const bool english = language.code == QLatin1String("en");
        for (const char *state :
             {"steam idle", "steam guard", "steam guard ready", "steam busy", "steam downloading",
              "steam failed", "steam explained", "steam explained ready", "steam ready",
              "local empty", "local invalid", "local ready", "settings", "settings busy"}) {
            const QString name =
                english ? QString::fromLatin1(state) : language.code + QLatin1String(": ") + state;
            if (english)
                QTest::newRow(qPrintable(name))
                    << QString::fromLatin1(state) << false << language.code;
            QTest::newRow(qPrintable(name + QLatin1String(", banner")))
                << QString::fromLatin1(state) << true << language.code;
        }
    }
}

void TestWindowAccess::everythingInViewAtTheSmallestSize()
{
    QFETCH(QString, state);
    QFETCH(bool, banner);
    QFETCH(QString, language);
    QCOMPARE(Translations::install(language), language);
    if (banner)
        m_setup->server().setRoute(WindowTestSetup::manifestPath, manifest("2.1.0"));
    // The window learns of files on disk when it starts or the workflow
    // moves on, so finished assets are laid out before it is made.
    if (state.startsWith(QLatin1String("steam")) && state.endsWith(QLatin1String("ready")))
        QVERIFY(makeSteamAssets());
    SteamCMDManager *manager = viewModel()->steamCMD();
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    const bool local = state.startsWith(QLatin1String("local"));
    if (local)
        viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    if (state == QLatin1String("local invalid")) {
        QVERIFY(QDir().mkpath(m_setup->home().filePath("empty")));
        viewModel()->setInstallPath(m_setup->home().filePath("empty"));
    }
    if (state == QLatin1String("local ready"))
        viewModel()->setInstallPath(makeGameFolder(m_setup->home().filePath("games")));
    QVERIFY(open());
    if (banner)
        QTRY_VERIFY_WITH_TIMEOUT(shown("updateBanner"), 5000);
    if (state.startsWith(QLatin1String("steam guard"))) {
        startGuardAskingRun(m_setup->home().filePath("code"));
        QTRY_VERIFY(shown("guardCodeField"));
    } else if (state == QLatin1String("steam downloading")) {
        QVERIFY(writeScript(manager->steamCMDBinary(), downloadingSteamCMD));
        manager->startDownload(QStringLiteral("player"), QStringLiteral("secret"));
        QTRY_VERIFY_WITH_TIMEOUT(shown("stepProgress"), 10000);
        QTRY_VERIFY(shown("statusDetail"));
    } else if (state.startsWith(QLatin1String("steam explained"))) {
        QVERIFY(writeScript(manager->steamCMDBinary(), rateLimitedSteamCMD));
        manager->startDownload(QStringLiteral("player"), QStringLiteral("secret"));
        QTRY_VERIFY_WITH_TIMEOUT(!manager->failureExplanation().isEmpty(), 10000);
        QTRY_VERIFY(shown("statusDetail"));
    } else if (state == QLatin1String("steam busy") || state == QLatin1String("settings busy")) {
        startStandInRun(*manager, {}, {StandInStep::hanging()});
        QTRY_VERIFY(manager->isRunning());
        QTRY_VERIFY(shown("cancelButton"));
    } else if (state == QLatin1String("steam failed")) {
        startStandInRun(*manager, {StandInStep::failing("SteamCMD exited with code 5", 5)});
        QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Failed);
    }
    // Whether LAUNCH is offered during the Steam Guard wait is not this
    // test's business: it takes what the window shows.
    const bool guardWait = state.startsWith(QLatin1String("steam guard"));
    const bool ready = guardWait ? shown("launchButton") : state.endsWith(QLatin1String("ready"));
    if (!guardWait)
        QTRY_COMPARE(shown("launchButton"), ready);
    QCOMPARE(shown("targetRequiredHint"), !ready);
    if (state == QLatin1String("local invalid"))
        QVERIFY(shown("validationWarning"));

    // At 860 by 580, without growing the window and without scrolling.
    QCOMPARE(window()->size(), QSize(860, 580));
    QStringList names{ready ? "launchButton" : "targetRequiredHint",
                      "footerCredit",
                      "footerWebsiteLink",
                      "footerTelegramLink",
                      "settingsButton",
                      "infoButton"};
    if (!local)
        names.prepend("statusLine");
    const QRectF windowRect(0, 0, window()->width(), window()->height());
    // The first problem with the layout, empty when there is none: asked
    // until the layout has settled (it takes a few frames), then asserted.
    const auto layoutProblem = [&]() -> QString {
        for (const QString &name : names) {
            const QRectF rect = sceneRect(find(name));
            if (!shown(name) || rect.height() <= 0 || !windowRect.contains(rect))
                return QStringLiteral("%1 shown %2 at %3,%4 %5x%6")
                    .arg(name)
                    .arg(shown(name))
                    .arg(rect.x())
                    .arg(rect.y())
                    .arg(rect.width())
                    .arg(rect.height());
            // The status line gives way at its end, by design; no other label does.
            if (name != QLatin1String("statusLine"))
                if (const QString cut = cutLabel(find(name)); !cut.isEmpty())
                    return name + QStringLiteral(" cuts \"") + cut + u'"';
        }
        // The buttons and the tabs read whole, inside their panel.
        const QRectF source = sceneRect(find(local ? "localTab" : "steamTab"));
        for (const char *control : {"downloadButton", "cancelButton", "submitGuardButton",
                                    "locateButton", "steamTabButton", "localTabButton",
                                    "downloadUpdateButton", "seeDetailsButton", "bannerTitle"}) {
            if (!shown(control))
                continue;
            if (const QString cut = cutLabel(find(control)); !cut.isEmpty())
                return QString::fromLatin1(control) + QStringLiteral(" cuts \"") + cut + u'"';
            const bool inPanel = QByteArray(control).endsWith("Button") &&
                                 !QByteArray(control).endsWith("TabButton") &&
                                 !QByteArray(control).startsWith("downloadUpdate") &&
                                 !QByteArray(control).startsWith("seeDetails");
            if (inPanel && !source.contains(sceneRect(find(control))))
                return QString::fromLatin1(control) + QStringLiteral(" leaves its panel");
        }
        // In reading order, nothing overlapping: panel, bottom action, footer.
        const QRectF panel = sceneRect(find(local ? "localTab" : "steamTab"));
        const QRectF action = sceneRect(find(ready ? "launchButton" : "targetRequiredHint"));
        const QRectF footer = sceneRect(find("footer"));
        if (panel.bottom() > action.top() || action.bottom() > footer.top())
            return QStringLiteral("panel, action and footer overlap");
        if (!local) {
            // The console gives way but keeps five lines.
            const qreal lineStep = find("console")->property("lineStep").toReal();
            if (lineStep < 11 || find("consoleList")->height() < 5 * lineStep)
                return QStringLiteral("the console shows %1 lines")
                    .arg(find("consoleList")->height() / lineStep);
            if (sceneRect(find("console")).bottom() > sceneRect(find("statusLine")).top() ||
                sceneRect(find("statusLine")).bottom() > panel.bottom())
                return QStringLiteral("the console or the status line does not fit");
            if (shown("statusDetail") &&
                (sceneRect(find("statusDetail")).top() < sceneRect(find("statusLine")).bottom() ||
                 sceneRect(find("statusDetail")).bottom() > panel.bottom()))
                return QStringLiteral("the detail line does not fit");
        }
        if (banner && (sceneRect(find("updateBanner")).bottom() > sceneRect(find("tabBar")).top() ||
                       !windowRect.contains(sceneRect(find("bannerCloseButton")))))
            return QStringLiteral("the banner overlaps the tab bar or leaves the window");
        return QString();
    };
    QTRY_COMPARE(layoutProblem(), QString());
    if (!state.startsWith(QLatin1String("settings")))
        return;

    // The settings panel over it, with a long install folder: in the
    // window, every control in the panel, none over another.
    QVERIFY(LauncherSettings::storeInstallDir(m_setup->home().filePath(QString(120, u'x'))));
    viewModel()->settings()->reload();
    QTest::keyClick(window(), Qt::Key_Comma, Qt::ControlModifier);
    QObject *panel = window()->findChild<QObject *>("settingsPanel");
    QVERIFY(panel);
    QStringList controls{"installDirText",      "changeInstallDirButton", "moveDataCheck",
                         "launchWrapperField",  "launchArgumentsField",   "launchEnvironmentField",
                         "launchHint",          "downloadLimitField",     "noLimitButton",
                         "notifyWhenDoneCheck", "taskbarProgressCheck",   "languageBox",
                         "languageNote",        "openInstallDirButton",   "openLogsButton",
                         "settingsCloseButton"};
    if (state == QLatin1String("settings busy")) {
        controls.append("installDirStatus");
        QVERIFY(!find("changeInstallDirButton")->isEnabled());
    }
    const auto panelProblem = [&]() -> QString {
        if (!panel->property("opened").toBool())
            return QStringLiteral("not open");
        const QRectF panelRect = sceneRect(panel->property("background").value<QQuickItem *>());
        if (!windowRect.contains(panelRect))
            return QStringLiteral("the panel leaves the window");
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRectF rect = sceneRect(find(controls[i]));
            if (!shown(controls[i]) || rect.isEmpty() || !panelRect.contains(rect))
                return controls[i] + QStringLiteral(" is not in the panel");
            // Only the install folder's path gives way (in its middle).
            if (controls[i] != QLatin1String("installDirText"))
                if (const QString cut = cutLabel(find(controls[i])); !cut.isEmpty())
                    return controls[i] + QStringLiteral(" cuts \"") + cut + u'"';
            for (qsizetype j = 0; j < i; ++j) {
                if (rect.intersects(sceneRect(find(controls[j]))))
                    return controls[i] + QStringLiteral(" overlaps ") + controls[j];
            }
        }
        return QString();
    };
    QTRY_COMPARE(panelProblem(), QString());
}

void TestWindowAccess::windowSpeaksTheSystemsLanguage()
{
    // As a German desktop sets it; the window follows it (no setting stored).
    const QByteArray language = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "de");
    const QString installed = Translations::install(QString());
    qputenv("LANGUAGE", language);
    QCOMPARE(installed, QStringLiteral("de"));
    QVERIFY(open());
    const auto text = [this](const char *name) {
        return find(name)->property("text").toString();
    };
    QCOMPARE(text("downloadButton"), QStringLiteral("SPIELDATEN LADEN"));
    QCOMPARE(text("statusLine"), QStringLiteral("BEREIT"));
    // What the labels inside an item say, one after the other.
    const std::function<QString(QQuickItem *)> labels = [&labels](QQuickItem *item) {
        QString said = item->inherits("QQuickText") ? item->property("text").toString() : QString();
        for (QQuickItem *child : item->childItems())
            said += QLatin1Char('|') + labels(child);
        return said;
    };
    QVERIFY(labels(find("steamTabButton")).contains(QStringLiteral("STEAM (EMPFOHLEN)")));
    QVERIFY(labels(find("localTabButton")).contains(QStringLiteral("LOKALES ARCHIV")));
    QVERIFY(labels(find("targetRequiredHint"))
                .contains(QStringLiteral("LADE DIE SPIELDATEN ÜBER STEAM, UM ZU SPIELEN")));

    // A failure: explained and shown in German, written to the console in English.
    SteamCMDManager *manager = viewModel()->steamCMD();
    QVERIFY(writeScript(manager->steamCMDBinary(), rateLimitedSteamCMD));
    manager->startDownload(QStringLiteral("player"), QStringLiteral("secret"));
    QTRY_VERIFY_WITH_TIMEOUT(shown("statusDetail"), 10000);
    QTRY_COMPARE(text("statusLine"),
                 QStringLiteral("FEHLER: Zu viele Anmeldeversuche — warte, bevor du es erneut "
                                "versuchst"));
    QVERIFY2(text("statusDetail")
                 .startsWith(QStringLiteral(
                     "Nach zu vielen Versuchen lehnt Steam Anmeldungen eine Weile ab.")),
             qPrintable(text("statusDetail")));
    QVERIFY2(manager->consoleLog().contains(QStringLiteral(
                 "\n[!] Steam refuses sign-ins for a while after too many attempts.")),
             qPrintable(manager->consoleLog()));
    QVERIFY(manager->consoleLog().endsWith(
        QStringLiteral("\n[✗] Too many sign-in attempts — wait before trying again\n")));
}

void TestWindowAccess::consoleShowsWholeLines()
{
    // The tightest window: update banner, game on disk (LAUNCH), smallest size.
    m_setup->server().setRoute(WindowTestSetup::manifestPath, manifest("2.1.0"));
    QVERIFY(makeSteamAssets());
    QVERIFY(open());
    QTRY_VERIFY_WITH_TIMEOUT(shown("updateBanner"), 5000);
    QTRY_VERIFY(shown("launchButton"));
    // A run that says 60 lines, a read at a time, and ends, so LAUNCH stays.
    StandInStep said = StandInStep::failing("SteamCMD exited with code 5", 5);
    said.hang = true;
    auto plan = startStandInRun(*viewModel()->steamCMD(), {said});
    QTRY_VERIFY(plan->current);
    for (int i = 0; i < 60; ++i) {
        // Every seventh line wraps.
        Q_EMIT plan->current->log(i % 7
                                      ? QStringLiteral("line %1\n").arg(i)
                                      : QStringLiteral("long line %1 ").arg(i).repeated(20) + '\n');
    }
    plan->current->endNow();
    QVERIFY(waitForRunFinished(*viewModel()->steamCMD()));
    QTRY_VERIFY(shown("launchButton"));
    QQuickItem *console = find("console");
    QQuickItem *list = find("consoleList");
    const qreal step = console->property("lineStep").toReal();
    QVERIFY(step >= 11);
    // Following the end, the top edge falls between two lines: measured
    // against the line actually drawn at the top (the list's origin is only
    // an estimate for the lines it has not made).
    const auto topOffset = [&] {
        const qreal contentY = list->property("contentY").toReal();
        QQuickItem *top = nullptr;
        QMetaObject::invokeMethod(list, "itemAt", Q_RETURN_ARG(QQuickItem *, top), Q_ARG(qreal, 20),
                                  Q_ARG(qreal, contentY + 0.5));
        return top ? std::fmod(contentY - top->y(), step) : -1.0;
    };
    const auto checkWholeLines = [&] {
        QVERIFY(QQuickTest::qWaitForPolish(window()));
        QTRY_VERIFY(list->property("atYEnd").toBool());
        QVERIFY(list->height() >= 5 * step);
        QCOMPARE(std::fmod(list->height(), step), 0.0);
        QTRY_VERIFY2(topOffset() >= 0 && (topOffset() < 0.01 || step - topOffset() < 0.01),
                     qPrintable(QString::number(topOffset())));
    };
    QCOMPARE(window()->size(), QSize(860, 580));
    checkWholeLines();

    // A taller window gives all its extra height to the console.
    const int around = window()->height() - int(console->height());
    window()->resize(1280, 800);
    QTRY_COMPARE(window()->height() - int(console->height()), around);
    checkWholeLines();
}

void TestWindowAccess::symbolsTakeTheirOwnSize()
{
    m_setup->server().setRoute(WindowTestSetup::manifestPath, manifest("2.1.0"));
    QVERIFY(open());
    QTRY_VERIFY_WITH_TIMEOUT(shown("updateBanner"), 5000);
    const qreal ratio = window()->effectiveDevicePixelRatio();
    const struct
    {
        const char *name;
        qreal size;
    } symbols[] = {{"infoIcon", 18}, {"settingsIcon", 18}, {"bannerIcon", 16}};
    for (const auto &symbol : symbols) {
        QQuickItem *icon = find(symbol.name);
        QVERIFY(icon);
        QTRY_COMPARE(icon->width(), symbol.size);
        QCOMPARE(icon->height(), symbol.size);
        QCOMPARE(icon->implicitWidth(), symbol.size);
        // The picture is drawn for the screen: size × device pixel ratio.
        QObject *image = icon->property("image").value<QObject *>();
        QVERIFY(image);
        QTRY_COMPARE(image->property("status").toInt(), 1 /* Image.Ready */);
        const QSize painted =
            image->property("implicitWidth").toReal() > 0
                ? QSize(qRound(image->property("implicitWidth").toReal() * ratio),
                        qRound(image->property("implicitHeight").toReal() * ratio))
                : QSize();
        QCOMPARE(painted, QSize(qCeil(symbol.size * ratio), qCeil(symbol.size * ratio)));
    }
    // The info button's row keeps its height: the footer is the picture's height.
    QVERIFY(find("infoButton")->height() <= 18.0);
}

void TestWindowAccess::platformWordsAreTrue()
{
    QVERIFY(open());
    const QString subtitle = find("headerSubtitle")->property("text").toString();
    QVERIFY(find("infoButton"));
    QVERIFY(QmlHarness::click(window(), find("infoButton")));
    AboutWindowController *controller = m_setup->aboutController();
    QQuickWindow *about = controller->window();
    QVERIFY(about);
    const QString port = QmlHarness::item(about, "aboutPortTitle")->property("text").toString();
    const QString machine =
        QmlHarness::item(about, "aboutMachineLine")->property("text").toString();
#if defined(Q_OS_MACOS)
    QCOMPARE(subtitle, QStringLiteral("COMMUNITY MAC PORT"));
    QCOMPARE(port, QStringLiteral("macOS Native Port"));
    QCOMPARE(machine, QStringLiteral("Metal Renderer • Apple Silicon"));
#else
#if defined(Q_OS_LINUX)
    QCOMPARE(subtitle, QStringLiteral("COMMUNITY LINUX PORT"));
    QCOMPARE(port, QStringLiteral("Linux Native Port"));
#endif
    QCOMPARE(machine, QSysInfo::currentCpuArchitecture());
    QVERIFY(!machine.isEmpty());
    for (const QString &text : {subtitle, port, machine}) {
        for (const char *word : {"mac", "apple", "metal"})
            QVERIFY2(!text.contains(QLatin1String(word), Qt::CaseInsensitive), qPrintable(text));
    }
#endif
}

void TestWindowAccess::startFocus_data()
{
    QTest::addColumn<QString>("username");
    QTest::addColumn<QString>("password");
    // Whether the two come from the keyring, answering after the window is up.
    QTest::addColumn<bool>("fromKeyring");
    QTest::addColumn<bool>("local");
    QTest::addColumn<QString>("expected");
    QTest::newRow("nothing saved") << ""
                                   << "" << false << false << "usernameField";
    QTest::newRow("name saved") << "player"
                                << "" << false << false << "passwordField";
    QTest::newRow("both saved") << "player"
                                << "secret" << false << false << "downloadButton";
    QTest::newRow("name from the keyring") << "player"
                                           << "" << true << false << "passwordField";
    QTest::newRow("both from the keyring") << "player"
                                           << "secret" << true << false << "downloadButton";
    QTest::newRow("local tab") << ""
                               << "" << false << true << "locateButton";
}

void TestWindowAccess::startFocus()
{
    QFETCH(QString, username);
    QFETCH(QString, password);
    QFETCH(bool, fromKeyring);
    QFETCH(bool, local);
    QFETCH(QString, expected);
    if (fromKeyring) {
        m_setup->store().addAccountWithoutPassword(username);
        if (!password.isEmpty())
            m_setup->store().save(username, password);
        m_setup->store().setAnswerDelay(std::chrono::seconds(3));
    }
    viewModel()->setSteamUsername(fromKeyring ? QString() : username);
    viewModel()->setSteamPassword(fromKeyring ? QString() : password);
    if (local)
        viewModel()->setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(open());
    // From the keyring: the window starts with empty fields.
    QVERIFY(!fromKeyring || viewModel()->isLoadingCredentials());
    QTRY_COMPARE(focused(), expected);
}

void TestWindowAccess::tabOrderFollowsReadingOrder()
{
    QVERIFY(makeSteamAssets());
    viewModel()->setSteamUsername("player");
    viewModel()->setSteamPassword("secret");
    QVERIFY(open());
    QTRY_COMPARE(focused(), QStringLiteral("downloadButton"));
    QTRY_VERIFY(shown("launchButton"));
    const QStringList order{
        "steamTabButton", "usernameField", "passwordField",     "downloadButton",
        "console",        "launchButton",  "footerWebsiteLink", "footerTelegramLink",
        "settingsButton", "infoButton"};
    // Forward from the tab bar round to it again, each with its focus ring.
    find("steamTabButton")->forceActiveFocus(Qt::TabFocusReason);
    QStringList seen{focused()};
    QVERIFY(focusRingShown());
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(window(), Qt::Key_Tab);
        seen.append(focused());
        QVERIFY2(focusRingShown(), qPrintable(focused()));
    }
    QCOMPARE(seen, order + QStringList{order.first()});
    // And back.
    QStringList back{focused()};
    for (int i = 0; i < order.size(); ++i) {
        QTest::keyClick(window(), Qt::Key_Backtab, Qt::ShiftModifier);
        back.prepend(focused());
    }
    QCOMPARE(back, order + QStringList{order.first()});
}

void TestWindowAccess::keysSwitchTabs()
{
    QVERIFY(open());
    using Tab = LauncherViewModel::Tab;
    QTest::keyClick(window(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(viewModel()->activeTab(), Tab::Local);
    // The new panel takes focus.
    QTRY_COMPARE(focused(), QStringLiteral("locateButton"));
    QTest::keyClick(window(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(viewModel()->activeTab(), Tab::Steam);
    QTRY_COMPARE(focused(), QStringLiteral("usernameField"));
    QTest::keyClick(window(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(viewModel()->activeTab(), Tab::Local);
    QTest::keyClick(window(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(viewModel()->activeTab(), Tab::Steam);

    // On the tab bar the arrows move the selection, and focus with it.
    find("steamTabButton")->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(window(), Qt::Key_Right);
    QCOMPARE(viewModel()->activeTab(), Tab::Local);
    QTRY_COMPARE(focused(), QStringLiteral("localTabButton"));
    QTest::keyClick(window(), Qt::Key_Left);
    QCOMPARE(viewModel()->activeTab(), Tab::Steam);
    QTRY_COMPARE(focused(), QStringLiteral("steamTabButton"));
}

void TestWindowAccess::returnActivatesTheFocusedControl()
{
    // The SteamCMD tarball cannot be fetched: a started run fails at once.
    qputenv("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/steamcmd.tar.gz").toUtf8());
    auto picker = std::make_shared<StandInFolderPicker>();
    viewModel()->setFolderPicker(picker);
    QVERIFY(open());
    QTRY_COMPARE(focused(), QStringLiteral("usernameField"));
    typeText(window(), "player");
    // Return in the password field starts the download only once it can.
    QTest::keyClick(window(), Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("passwordField"));
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(m_setup->store().saves().size(), 0);
    typeText(window(), "secret");
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(m_setup->store().saves().size(), 1);
    QTRY_COMPARE_WITH_TIMEOUT(viewModel()->steamCMD()->stateKind(), SteamCMDState::Kind::Failed,
                              10000);

    // Enter on a focused button presses it.
    QTest::keyClick(window(), Qt::Key_Tab, Qt::ControlModifier);
    QTRY_COMPARE(focused(), QStringLiteral("locateButton"));
    QTest::keyClick(window(), Qt::Key_Enter);
    QCOMPARE(picker->messages.size(), 1);
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(picker->messages.size(), 2);

    // Links and the info button too.
    UrlRecorder recorder;
    find("footerWebsiteLink")->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(window(), Qt::Key_Return);
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl(UiSupport::websiteURL())});
    find("infoButton")->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(window(), Qt::Key_Return);
    AboutWindowController *controller = m_setup->aboutController();
    QVERIFY(controller->window());
    QTRY_VERIFY(controller->window()->isVisible());
}

void TestWindowAccess::guardCodeFieldTakesFocus()
{
    const QString codeFile = m_setup->home().filePath("received-code");
    SteamCMDManager *manager = viewModel()->steamCMD();
    QVERIFY(writeScript(manager->steamCMDBinary(), guardAskingSteamCMD(codeFile)));
    viewModel()->setSteamUsername("player");
    QVERIFY(open());
    QTRY_COMPARE(focused(), QStringLiteral("passwordField"));
    typeText(window(), "secret");
    QTest::keyClick(window(), Qt::Key_Return);
    QTRY_COMPARE_WITH_TIMEOUT(manager->stateKind(), SteamCMDState::Kind::WaitingSteamGuard, 10000);
    // The code typed at once goes into the code field, and Return submits it.
    QTRY_COMPARE(focused(), QStringLiteral("guardCodeField"));
    typeText(window(), "AB12C");
    QCOMPARE(manager->steamGuardCode(), QStringLiteral("AB12C"));
    QCOMPARE(viewModel()->steamPassword(), QStringLiteral("secret"));
    QTest::keyClick(window(), Qt::Key_Return);
    QTRY_COMPARE(manager->stateKind(), SteamCMDState::Kind::Authenticating);
    QTRY_COMPARE_WITH_TIMEOUT(readFile(codeFile), QByteArray("AB12C"), 10000);
    manager->cancel();
    QTRY_VERIFY_WITH_TIMEOUT(!manager->hasActiveWork(), 10000);
}

void TestWindowAccess::alertsAndAboutByKeyboard()
{
    QVERIFY(open());
    SteamCMDManager *manager = viewModel()->steamCMD();
    // Return presses the default button: "Open Steam Store".
    {
        UrlRecorder recorder;
        manager->setShowPurchaseAlert(true);
        QObject *alert = window()->findChild<QObject *>("purchaseAlert");
        QVERIFY(alert);
        QTRY_VERIFY(alert->property("opened").toBool());
        QTRY_COMPARE(focused(), QStringLiteral("alertAcceptButton"));
        QTest::keyClick(window(), Qt::Key_Return);
        QTRY_VERIFY(!manager->showPurchaseAlert());
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl("https://store.example.org/app/4187530")});
        // Escape and Ctrl+W only dismiss.
        for (auto [key, modifiers] :
             {std::pair{Qt::Key_Escape, Qt::KeyboardModifiers()},
              std::pair{Qt::Key_W, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
            manager->setShowPurchaseAlert(true);
            QTRY_VERIFY(alert->property("opened").toBool());
            QTest::keyClick(window(), key, modifiers);
            QTRY_VERIFY(!manager->showPurchaseAlert());
        }
        QCOMPARE(recorder.opened.size(), 1);
    }
    // The About window: Escape and Ctrl+W close it.
    AboutWindowController *controller = m_setup->aboutController();
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Escape, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_W, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
        controller->show();
        QQuickWindow *about = controller->window();
        QVERIFY(about);
        about->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(about));
        QTest::keyClick(about, key, modifiers);
        QTRY_VERIFY(!about->isVisible());
    }
}

void TestWindowAccess::settingsByKeyboard_data()
{
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("Ctrl+,") << true;
    QTest::newRow("the gear button") << false;
}

void TestWindowAccess::settingsByKeyboard()
{
    QFETCH(bool, byShortcut);
    QVERIFY(open());
    QTRY_COMPARE(focused(), QStringLiteral("usernameField"));
    if (byShortcut) {
        QTest::keyClick(window(), Qt::Key_Comma, Qt::ControlModifier);
    } else {
        find("settingsButton")->forceActiveFocus(Qt::TabFocusReason);
        QTest::keyClick(window(), Qt::Key_Return);
    }
    const QString before = byShortcut ? "usernameField" : "settingsButton";
    QObject *panel = window()->findChild<QObject *>("settingsPanel");
    QVERIFY(panel);
    QTRY_VERIFY(panel->property("opened").toBool());
    // Tab goes through every control, each with its focus ring, and stays
    // in the panel (No limit is off while there is no limit).
    const QStringList order{
        "changeInstallDirButton", "moveDataCheck",          "launchWrapperField",
        "launchArgumentsField",   "launchEnvironmentField", "downloadLimitField",
        "notifyWhenDoneCheck",    "taskbarProgressCheck",   "languageBox",
        "openInstallDirButton",   "openLogsButton",         "settingsCloseButton"};
    QTRY_COMPARE(focused(), order.first());
    QStringList seen{focused()};
    for (qsizetype i = 0; i < order.size(); ++i) {
        QVERIFY2(focusRingShown(), qPrintable(focused()));
        QTest::keyClick(window(), Qt::Key_Tab);
        seen.append(focused());
    }
    QCOMPARE(seen, order + QStringList{order.first()});
    // Space toggles a check box, Return too.
    find("moveDataCheck")->forceActiveFocus(Qt::TabFocusReason);
    QTest::keyClick(window(), Qt::Key_Space);
    QVERIFY(!find("moveDataCheck")->property("checked").toBool());
    QTest::keyClick(window(), Qt::Key_Return);
    QVERIFY(find("moveDataCheck")->property("checked").toBool());
    // Escape, Ctrl+W and Close close it, and the keyboard is back where it was.
    for (const char *closer : {"Escape", "Ctrl+W", "settingsCloseButton"}) {
        if (!panel->property("opened").toBool()) {
            QTest::keyClick(window(), Qt::Key_Comma, Qt::ControlModifier);
            QTRY_VERIFY(panel->property("opened").toBool());
        }
        if (qstrcmp(closer, "Escape") == 0) {
            QTest::keyClick(window(), Qt::Key_Escape);
        } else if (qstrcmp(closer, "Ctrl+W") == 0) {
            QTest::keyClick(window(), Qt::Key_W, Qt::ControlModifier);
        } else {
            find(closer)->forceActiveFocus(Qt::TabFocusReason);
            QTest::keyClick(window(), Qt::Key_Return);
        }
        QTRY_VERIFY2(!panel->property("visible").toBool(), closer);
        QTRY_COMPARE(focused(), before);
    }
}

void TestWindowAccess::closingWithoutWorkClosesAtOnce()
{
    QVERIFY(open());
    QVERIFY(!viewModel()->steamCMD()->hasActiveWork());
    window()->close();
    QTRY_VERIFY(!window()->isVisible());
    QVERIFY(!window()->findChild<QObject *>("quitQuestion"));
}

void TestWindowAccess::closingDuringADownloadAsksFirst()
{
    SteamCMDManager *manager = viewModel()->steamCMD();
    QVERIFY(open());
    startGuardAskingRun(m_setup->home().filePath("code"));
    QVERIFY(manager->hasActiveWork());

    // "Keep Running" (or Escape): nothing changes.
    window()->close();
    QObject *question = window()->findChild<QObject *>("quitQuestion");
    QVERIFY(question);
    QTRY_VERIFY(question->property("opened").toBool());
    QCOMPARE(question->property("message").toString(),
             QStringLiteral("A download is running. Stop it and quit?"));
    QVERIFY(window()->isVisible());
    QVERIFY(QmlHarness::click(window(), QmlHarness::item(window(), "alertRejectButton")));
    QTRY_VERIFY(!question->property("visible").toBool());
    QTest::qWait(100);
    QVERIFY(window()->isVisible());
    QVERIFY(manager->hasActiveWork());
    QCOMPARE(manager->stateKind(), SteamCMDState::Kind::WaitingSteamGuard);
    window()->close();
    QTRY_VERIFY(question->property("opened").toBool());
    QTest::keyClick(window(), Qt::Key_Escape);
    QTRY_VERIFY(!question->property("visible").toBool());
    QVERIFY(window()->isVisible());

    // "Stop and Quit" (the default button): stopped as CANCEL stops it, and
    // the window closes once SteamCMD has ended.
    window()->close();
    QTRY_VERIFY(question->property("opened").toBool());
    QTRY_COMPARE(focused(), QStringLiteral("alertAcceptButton"));
    QTest::keyClick(window(), Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!window()->isVisible(), 10000);
    QVERIFY(!manager->hasActiveWork());
    QVERIFY(!manager->hasSteamCMDChild());
    QVERIFY(viewModel()->steamCMD()->consoleLog().contains(QStringLiteral("--- CANCELLED ---")));
}

// The patch download stops at once and resumes at the next run, so "Stop
// and Quit" has nothing to wait for.
void TestWindowAccess::closingDuringThePatchDownloadQuitsAtOnce()
{
    LoopbackHttpServer::Response patch;
    patch.body = QByteArray(4 * 1024 * 1024, 'p');
    patch.etag = "\"v1\"";
    patch.stallAfter = 1024 * 1024;
    m_setup->server().setRoute("/patch.zip", patch);
    SteamCMDManager *manager = viewModel()->steamCMD();
    QVERIFY(open());
    QVERIFY(writeScript(manager->steamCMDBinary(), "#!/bin/sh\nexit 0\n"));
    manager->startDownload(QStringLiteral("player"), QStringLiteral("secret"));
    QTRY_COMPARE_WITH_TIMEOUT(manager->stateKind(), SteamCMDState::Kind::DownloadingPatch, 10000);
    QVERIFY(manager->hasActiveWork());
    // Some of the patch has arrived (on a slow machine the close can
    // otherwise come before the first bytes).
    const QString part = manager->installDir() + "/temp_patch.zip.part";
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(part).size() > 0, 10000);

    window()->close();
    QObject *question = window()->findChild<QObject *>("quitQuestion");
    QVERIFY(question);
    QTRY_VERIFY(question->property("opened").toBool());
    QVERIFY(QmlHarness::click(window(), QmlHarness::item(window(), "alertAcceptButton")));
    QTRY_VERIFY_WITH_TIMEOUT(!window()->isVisible(), 2000);
    // Stopped as CANCEL stops it, with what arrived kept for the next run.
    QCOMPARE(manager->stateKind(), SteamCMDState::Kind::Idle);
    QVERIFY(QFileInfo(part).size() > 0);
}

QTEST_MAIN(TestWindowAccess)
#include "tst_windowaccess.moc"
