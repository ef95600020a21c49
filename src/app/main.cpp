// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuildConfig.h"
#include "CommandLine.h"
#include "FileDialogFolderPicker.h"
#include "LauncherViewModel.h"
#include "LauncherWindow.h"
#include "platform/DownloadAnnouncer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QtQml/QQmlExtensionPlugin>

#include <memory>

Q_IMPORT_QML_PLUGIN(VantorLauncherPlugin)

int main(int argc, char **argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(BuildConfig::version));

    // Before the application object, so that neither Qt nor a command sees it.
    const QString language = CommandLine::takeLanguage(argc, argv);
    if (CommandLine::wantsCommand(argc, argv)) {
        QCoreApplication app(argc, argv);
        CommandLine::installTranslations(language);
        return CommandLine::run(app.arguments());
    }

    // Qt Widgets only for the desktop's folder dialog; the window is Qt Quick.
    // The application takes Qt's own options (-platform, -style, ...) out of
    // the arguments; anything it leaves is a command line of ours.
    QApplication app(argc, argv);
    CommandLine::installTranslations(language);
    if (app.arguments().size() > 1)
        return CommandLine::run(app.arguments());
    const QString icon = QStringLiteral(":/VantorLauncher/images/AppIcon.png");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));
    // Task switchers and the desktop entry find the window by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantoronline.Launcher"));

    LauncherViewModel viewModel;
    viewModel.setFolderPicker(std::make_shared<FileDialogFolderPicker>(viewModel.installPath()));
    QObject::connect(&viewModel, &LauncherViewModel::quitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    QQmlEngine engine;
    std::unique_ptr<QQuickWindow> window(LauncherWindow::create(engine, &viewModel));
    if (!window)
        return 1;
    // Closing the launcher window ends the launcher, also with the About window open.
    QObject::connect(window.get(), &QWindow::visibleChanged, &app, [](bool visible) {
        if (!visible)
            QCoreApplication::quit();
    });

    // The desktop hears of a download's progress and, while the player looks
    // elsewhere (no window of the launcher active), of its end.
    DownloadAnnouncer announcer(viewModel.steamCMD(), viewModel.settings());
    announcer.setWindowActive(QGuiApplication::applicationState() == Qt::ApplicationActive);
    QObject::connect(&app, &QGuiApplication::applicationStateChanged, &announcer,
                     [&announcer](Qt::ApplicationState state) {
                         announcer.setWindowActive(state == Qt::ApplicationActive);
                     });
    QObject::connect(&announcer, &DownloadAnnouncer::raiseRequested, window.get(),
                     [shown = window.get()] {
                         if (shown->windowStates() & Qt::WindowMinimized)
                             shown->showNormal();
                         else
                             shown->show();
                         shown->raise();
                         shown->requestActivate();
                     });
    return app.exec();
}
