// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameCommands.h"

#include "CommandParser.h"
#include "LauncherViewModel.h"
#include "credentials/KeychainHelper.h"
#include "game/GameFolders.h"
#include "steam/SteamCMDManager.h"
#include "update/UpdateChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

QString absolute(const QString &path)
{
    return QDir::isRelativePath(path) ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : path;
}

// What the window shows instead of the launch button on each tab.
QString launchHint(LauncherViewModel::Tab tab)
{
    switch (tab) {
    case LauncherViewModel::Tab::Steam:
        return GameFolders::steamLaunchHint();
    case LauncherViewModel::Tab::Local:
        return GameFolders::localLaunchHint();
    }
    return QString();
}

} // namespace

namespace GameCommands {

int validate(const QStringList &args)
{
    CommandParser parser(
        QStringLiteral("validate"),
        QCoreApplication::translate("GameCommands",
                                    "Checks that DIR holds both game versions: its immediate "
                                    "subfolders\ncontain ini.big and inidl.big (any letter "
                                    "case). Prints VALID (status 0),\nor why not (status 1)."));
    parser.addPositionalArgument(
        QStringLiteral("DIR"),
        QCoreApplication::translate("GameCommands", "the folder that holds both game versions"));
    if (const std::optional<int> ended = parser.parse(args))
        return *ended;
    const QString folder = parser.positionalArguments().first();
    const bool valid = !folder.isEmpty() && GameFolders::isGameFolder(folder);
    QTextStream out(stdout);
    if (valid) {
        out << "VALID\n";
        return 0;
    }
    out << GameFolders::invalidFolderHint() << "\n";
    return 1;
}

int launch(const QStringList &args)
{
    CommandParser parser(
        QStringLiteral("launch"),
        QCoreApplication::translate("GameCommands",
                                    "Starts the game from the chosen data source. When the "
                                    "source is not ready,\nprints the window's hint and "
                                    "exits with status 1."));
    const QCommandLineOption sourceOption(
        QStringLiteral("source"),
        QCoreApplication::translate("GameCommands",
                                    "the data source: steam (the default) or local"),
        QStringLiteral("steam|local"));
    const QCommandLineOption pathOption(
        QStringLiteral("path"),
        QCoreApplication::translate("GameCommands",
                                    "the local game folder, for this run only (it is not stored)"),
        QStringLiteral("DIR"));
    parser.addOption(sourceOption);
    parser.addOption(pathOption);
    if (const std::optional<int> ended = parser.parse(args))
        return *ended;
    LauncherViewModel::Tab tab = LauncherViewModel::Tab::Steam;
    if (parser.isSet(sourceOption)) {
        const QString value = parser.value(sourceOption);
        if (value == QLatin1String("local"))
            tab = LauncherViewModel::Tab::Local;
        else if (value != QLatin1String("steam"))
            return parser.usageError(
                QCoreApplication::translate("GameCommands", "unknown source '%1'").arg(value));
    }
    std::optional<QString> path;
    if (parser.isSet(pathOption)) {
        if (parser.value(pathOption).isEmpty())
            return parser.usageError(
                QCoreApplication::translate("GameCommands", "--path needs a folder"));
        path = absolute(parser.value(pathOption));
    }

    // A one-shot run has no banner to feed: no update polling.
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    model.setActiveTab(tab);
    if (path)
        model.setInstallPath(*path); // this run only; the stored folder stays

    QTextStream err(stderr);
    if (!model.canLaunch()) {
        err << launchHint(tab) << "\n";
        return 1;
    }

    bool quit = false;
    QObject::connect(&model, &LauncherViewModel::quitRequested, &model, [&quit] {
        quit = true;
        QCoreApplication::exit(0);
    });
    model.launchGame();
    if (const std::optional<QString> alert = model.alertMessage()) {
        err << *alert << "\n";
        return 1;
    }
    if (!model.isLaunching())
        return 1; // the launcher could not locate itself; already logged
    QCoreApplication::exec();
    return quit ? 0 : 1;
}

int status(const QStringList &args)
{
    CommandParser parser(
        QStringLiteral("status"),
        QCoreApplication::translate("GameCommands",
                                    "Shows where SteamCMD, the assets and the local folder "
                                    "are and whether\nthey are usable, the saved Steam user "
                                    "and the version: what to\ninclude in a bug report."));
    if (const std::optional<int> ended = parser.parse(args))
        return *ended;

    const QString local = LauncherViewModel::storedInstallPath();
    const std::optional<QString> user = KeychainHelper::savedUsername();

    QTextStream out(stdout);
    out << "steamcmd: " << GameFolders::steamCMDBinary() << " ("
        << (GameFolders::isSteamCMDInstalled() ? "installed" : "missing") << ")\n";
    out << "assets: " << GameFolders::installDir() << " ("
        << (GameFolders::areAssetsValid() ? "valid" : "invalid") << ")\n";
    if (local.isEmpty())
        out << "local: - (unset)\n";
    else
        out << "local: " << local << " ("
            << (GameFolders::isGameFolder(local) ? "valid" : "invalid") << ")\n";
    out << "steam user: " << (user && !user->isEmpty() ? *user : QStringLiteral("-")) << "\n";
    out << "version: " << UpdateChecker::currentVersion() << " (build "
        << UpdateChecker::currentBuild() << ")\n";
    out << "logs: " << SteamCMDManager::logFolder() << "\n";
    return 0;
}

} // namespace GameCommands
