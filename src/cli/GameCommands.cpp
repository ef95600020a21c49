#include "GameCommands.h"

#include "KeychainHelper.h"
#include "LauncherViewModel.h"
#include "UpdateChecker.h"
#include "game/GameFolders.h"

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

int usageError(const QString &message, const char *usage)
{
    QTextStream(stderr) << "vantor-launcher: " << message << "\nUsage: vantor-launcher " << usage
                        << "\n";
    return 2;
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
    const char *usage = "validate DIR";
    if (args.size() != 1)
        return usageError(QStringLiteral("validate takes exactly one folder"), usage);
    const QString folder = args.first();
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
    const char *usage = "launch [--source steam|local] [--path DIR]";
    LauncherViewModel::Tab tab = LauncherViewModel::Tab::Steam;
    std::optional<QString> path;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--source") || arg == QLatin1String("--path")) {
            if (i + 1 >= args.size())
                return usageError(arg + QStringLiteral(" needs a value"), usage);
            const QString value = args.at(++i);
            if (arg == QLatin1String("--path")) {
                if (value.isEmpty())
                    return usageError(QStringLiteral("--path needs a folder"), usage);
                path = absolute(value);
            } else if (value == QLatin1String("steam")) {
                tab = LauncherViewModel::Tab::Steam;
            } else if (value == QLatin1String("local")) {
                tab = LauncherViewModel::Tab::Local;
            } else {
                return usageError(QStringLiteral("unknown source '%1'").arg(value), usage);
            }
        } else {
            return usageError(QStringLiteral("unexpected argument '%1'").arg(arg), usage);
        }
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
    if (!args.isEmpty())
        return usageError(QStringLiteral("status takes no arguments"), "status");

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
    return 0;
}

} // namespace GameCommands
