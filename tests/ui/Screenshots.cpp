// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the launcher window in its main states to PNG files:
//   vantor-screenshots <output folder>
// Run it under Xvfb with OpenGL so the glows show (scripts/screenshots.sh).
// Everything happens in a temporary home with loopback addresses only.

#include "AboutWindowController.h"
#include "LauncherViewModel.h"
#include "LauncherWindow.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "credentials/KeychainHelper.h"
#include "l10n/Translations.h"
#include "settings/LauncherSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QTextStream>
#include <QtQml/QQmlExtensionPlugin>

#include <functional>
#include <memory>

Q_IMPORT_QML_PLUGIN(VantorLauncherPlugin)

namespace {

QByteArray manifest(const QString &version, qint64 build, const QString &notes)
{
    const AppUpdate update{version,
                           build,
                           QStringLiteral("https://vantor-online.org/download/latest"),
                           notes,
                           QStringLiteral("2026-12-01"),
                           QStringLiteral("12")};
    return QJsonDocument(update.toJson()).toJson();
}

struct Scene
{
    QString file;
    bool publishUpdate = false;
    std::function<void(LauncherViewModel &)> prepare;
    bool about = false;
    // Laid out before the view model is made: it looks at the disk as it starts.
    bool steamAssets = false;
    // The settings panel open over the window.
    bool settings = false;
};

// A stand-in SteamCMD that writes the given lines and then waits.
void startFakeRun(LauncherViewModel &vm, const QByteArray &output)
{
    vm.setSteamUsername(QStringLiteral("player_one"));
    vm.setSteamPassword(QStringLiteral("correct horse"));
    writeScript(vm.steamCMD()->steamCMDBinary(),
                "#!/bin/sh\nprintf '%s' '" + output + "'\nexec sleep 30\n");
    vm.steamCMD()->startDownload(vm.steamUsername(), vm.steamPassword());
}

bool save(QQuickWindow *window, const QString &path)
{
    QTest::qWait(700); // animations and the first update check settle
    const QImage image = window->grabWindow();
    if (image.isNull() || !image.save(path)) {
        QTextStream(stderr) << "could not write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << "wrote " << path << "\n";
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    TestHome home;
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    if (argc != 2) {
        QTextStream(stderr) << "usage: vantor-screenshots <output folder>\n";
        return 2;
    }
    // The language of the pictures (a code of Translations::languages()); English without one.
    const QString language = qEnvironmentVariable("VANTOR_SCREENSHOT_LANGUAGE");
    Translations::install(language.isEmpty() ? QStringLiteral("en") : language);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    KeychainHelper::setStore(std::make_shared<MemoryCredentialStore>());

    LoopbackHttpServer server;
    if (!server.listen())
        return 1;
    LoopbackHttpServer::Response hang;
    hang.hang = true;
    server.setRoute(QStringLiteral("/steamcmd.tar.gz"), hang);
    qputenv("VANTOR_STEAMCMD_URL", server.url(QStringLiteral("/steamcmd.tar.gz")).toUtf8());
    qputenv("VANTOR_UPDATE_URL", server.url(QStringLiteral("/api/update.json")).toUtf8());

    const QString games = home.filePath(QStringLiteral("Games/Vantor Online (Windows)"));
    writeFile(games + QStringLiteral("/Vantor/ini.big"), "x");
    writeFile(games + QStringLiteral("/Vantor Duskline/inidl.big"), "x");
    const QString notAGame = home.filePath(QStringLiteral("Downloads"));
    QDir().mkpath(notAGame);

    const QList<Scene> scenes = {
        {QStringLiteral("steam.png"), false,
         [](LauncherViewModel &vm) {
             vm.setSteamUsername(QStringLiteral("player_one"));
             vm.setSteamPassword(QStringLiteral("correct horse"));
             startStandInRun(*vm.steamCMD(), {}, {StandInStep::hanging()});
         }},
        {QStringLiteral("steam-failed.png"), false,
         [](LauncherViewModel &vm) {
             vm.setSteamUsername(QStringLiteral("player_one"));
             vm.setSteamPassword(QStringLiteral("correct horse"));
             StandInStep refused = StandInStep::failing(
                 QStringLiteral("Authentication failed — check credentials"), 5);
             refused.log = QStringLiteral(
                 "Logging in user 'player_one' [U:1:0] to Steam Public...FAILED (Invalid "
                 "Password)\n");
             startStandInRun(*vm.steamCMD(), {refused});
         }},
        // Downloading, with the update banner, at the smallest window size.
        {QStringLiteral("steam-download.png"), true,
         [](LauncherViewModel &vm) {
             startFakeRun(vm, "Logging in using cached credentials.\n"
                              " Update state (0x61) downloading, progress: 30.00 "
                              "(26156480 / 87188267)\n"
                              " Update state (0x61) downloading, progress: 60.00 "
                              "(52312960 / 87188267)\n");
         }},
        {QStringLiteral("local-empty.png"), false,
         [](LauncherViewModel &vm) {
             vm.setActiveTab(LauncherViewModel::Tab::Local);
         }},
        {QStringLiteral("local-invalid.png"), false,
         [notAGame](LauncherViewModel &vm) {
             vm.setActiveTab(LauncherViewModel::Tab::Local);
             vm.setInstallPath(notAGame);
         }},
        {QStringLiteral("local-ready.png"), false,
         [games](LauncherViewModel &vm) {
             vm.setActiveTab(LauncherViewModel::Tab::Local);
             vm.setInstallPath(games);
         }},
        {QStringLiteral("banner.png"), true,
         [](LauncherViewModel &) {
         }},
        // The update banner together with LAUNCH at the smallest window size.
        {QStringLiteral("banner-launch.png"), true,
         [](LauncherViewModel &vm) {
             StandInStep applied;
             applied.log = QStringLiteral("[✓] Community patch applied\n");
             applied.hang = true;
             startStandInRun(*vm.steamCMD(), {applied});
         },
         false, true},
        // Steam Guard asked for, in a window that started with the game on disk.
        {QStringLiteral("steam-guard.png"), false,
         [](LauncherViewModel &vm) {
             startFakeRun(vm, "This computer has not been authenticated for your account "
                              "using Steam Guard.\nSteam Guard code:");
         },
         false, true},
        {QStringLiteral("about.png"), false, [](LauncherViewModel &) {}, true},
        // Last: the values it stores stay in the home for the scenes after it.
        {QStringLiteral("settings.png"), false,
         [](LauncherViewModel &vm) {
             LauncherSettings::storeInstallDir(QStringLiteral("/home/player/Games/Vantor Online"));
             vm.settings()->reload();
             vm.settings()->setLaunchWrapper(QStringLiteral("gamemoderun mangohud"));
             vm.settings()->setLaunchEnvironment(QStringLiteral("DXVK_HUD=fps"));
             vm.settings()->setDownloadLimit(5000);
         },
         false, false, true},
    };
    // VANTOR_SCREENSHOT_ONLY=<file> renders that one scene (for the 200% run).
    const QString only = qEnvironmentVariable("VANTOR_SCREENSHOT_ONLY");

    bool ok = true;
    for (const Scene &scene : scenes) {
        if (!only.isEmpty() && scene.file != only)
            continue;
        LoopbackHttpServer::Response update;
        update.contentType = "application/json";
        update.body = scene.publishUpdate
                          ? manifest(QStringLiteral("2.1.0"), 210,
                                     QStringLiteral("Faster Steam downloads with resumable "
                                                    "transfers.\nSteam Guard codes from the "
                                                    "mobile app are relayed at once.\nThe console "
                                                    "keeps up with very long validations.\n"
                                                    "Many smaller fixes."))
                          : manifest(QStringLiteral("0.0.1"), 0, QString());
        server.setRoute(QStringLiteral("/api/update.json"), update);

        if (scene.steamAssets && !makeSteamAssets())
            return 1;
        LauncherViewModel viewModel;
        scene.prepare(viewModel);
        QQmlEngine engine;
        std::unique_ptr<QQuickWindow> window(LauncherWindow::create(engine, &viewModel));
        if (!window || !QTest::qWaitForWindowExposed(window.get()))
            return 1;
        if (scene.about) {
            const int id = qmlTypeId("VantorLauncher", 1, 0, "AboutWindowController");
            auto *controller = engine.singletonInstance<AboutWindowController *>(id);
            controller->show();
            QQuickWindow *about = controller->window();
            if (!about || !QTest::qWaitForWindowExposed(about))
                return 1;
            ok = save(about, out.filePath(scene.file)) && ok;
        } else {
            if (scene.settings)
                QMetaObject::invokeMethod(window.get(), "showSettings");
            const qreal ratio = window->devicePixelRatio();
            const QString name = ratio > 1 ? QFileInfo(scene.file).completeBaseName() +
                                                 QStringLiteral("@%1x.png").arg(ratio)
                                           : scene.file;
            ok = save(window.get(), out.filePath(name)) && ok;
        }
        // A stand-in SteamCMD of the scene ends before the next one starts.
        viewModel.steamCMD()->cancel();
        for (int i = 0; i < 100 && viewModel.steamCMD()->hasSteamCMDChild(); ++i)
            QTest::qWait(50);
    }
    return ok ? 0 : 1;
}
