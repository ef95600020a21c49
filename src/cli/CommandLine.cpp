#include "CommandLine.h"

#include "CheckUpdateCommand.h"
#include "DownloadCommand.h"
#include "GameCommands.h"
#include "UpdateChecker.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>

namespace {

using Command = std::function<int(const QStringList &args)>;

struct CommandEntry
{
    Command run;
    const char *summary;
};

const std::map<QString, CommandEntry> &commands()
{
    static const std::map<QString, CommandEntry> table = {
        {QStringLiteral("check-update"),
         {CheckUpdateCommand::run, "check once whether a newer launcher is published"}},
        {QStringLiteral("validate"),
         {GameCommands::validate, "check that DIR holds both game versions"}},
        {QStringLiteral("launch"),
         {GameCommands::launch, "start the game [--source steam|local] [--path DIR]"}},
        {QStringLiteral("status"),
         {GameCommands::status, "show SteamCMD, assets, local folder, user and version"}},
        {QStringLiteral("download"), {&DownloadCommand::run, DownloadCommand::summary()}},
    };
    return table;
}

int printVersion()
{
    // The same values the update check compares.
    QTextStream(stdout) << "vantor-launcher " << UpdateChecker::currentVersion() << " (build "
                        << UpdateChecker::currentBuild() << ")\n";
    return 0;
}

} // namespace

namespace CommandLine {

bool wantsCommand(int argc, char ** /*argv*/)
{
    return argc > 1;
}

QString usage()
{
    QString text;
    QTextStream out(&text);
    out << "Usage: vantor-launcher [command] [options]\n\n"
        << "Without a command the launcher window opens.\n\n"
        << "Commands:\n";
    for (const auto &[name, entry] : commands())
        out << "  " << name.leftJustified(14) << entry.summary << "\n";
    out << "\nOptions:\n"
        << "  --version     print the version and build\n"
        << "  --help        print this help\n";
    return text;
}

int run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        QTextStream(stdout) << usage();
        return 0;
    }
    if (name == QLatin1String("--version"))
        return printVersion();

    const auto it = commands().find(name);
    if (it == commands().end()) {
        QTextStream(stderr) << "vantor-launcher: unknown command '" << name << "'\n\n" << usage();
        return 2;
    }
    return it->second.run(arguments.mid(2));
}

} // namespace CommandLine
