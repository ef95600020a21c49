// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include "CheckUpdateCommand.h"
#include "CommandParser.h"
#include "DownloadCommand.h"
#include "GameCommands.h"
#include "SettingsCommand.h"
#include "l10n/Translations.h"
#include "settings/LauncherSettings.h"
#include "update/UpdateChecker.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QTextStream>

#include <cstring>
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
         {CheckUpdateCommand::run,
          QT_TRANSLATE_NOOP("CommandLine", "check once whether a newer launcher is published")}},
        {QStringLiteral("validate"),
         {GameCommands::validate,
          QT_TRANSLATE_NOOP("CommandLine", "check that DIR holds both game versions")}},
        {QStringLiteral("launch"),
         {GameCommands::launch,
          QT_TRANSLATE_NOOP("CommandLine",
                            "start the game from the Steam download or a local folder")}},
        {QStringLiteral("status"),
         {GameCommands::status,
          QT_TRANSLATE_NOOP("CommandLine",
                            "show SteamCMD, assets, local folder, user and version")}},
        {QStringLiteral("download"), {&DownloadCommand::run, DownloadCommand::summary()}},
        {QStringLiteral("settings"), {&SettingsCommand::run, SettingsCommand::summary()}},
    };
    return table;
}

const QCommandLineOption &languageOption()
{
    // Taken out before any parser sees it (takeLanguage()); listed for --help.
    static const QCommandLineOption option(
        QStringLiteral("lang"),
        QCoreApplication::translate("CommandLine",
                                    "the language of the launcher's messages (de, fr, es, "
                                    "pt_BR, ru, pl, zh_CN, en) instead of the system's"),
        QStringLiteral("CODE"));
    return option;
}

const QCommandLineOption &versionOption()
{
    static const QCommandLineOption option(
        QStringLiteral("version"),
        QCoreApplication::translate("CommandLine", "print the version and build"));
    return option;
}

QString launcherDescription()
{
    QString description;
    QTextStream out(&description);
    out << QCoreApplication::translate("CommandLine",
                                       "Without a command the launcher window opens; it also "
                                       "takes Qt's own options,\nsuch as -platform and -style. "
                                       "Each command has its own --help.")
        << "\n\n"
        << QCoreApplication::translate("CommandLine", "Commands:");
    for (const auto &[name, entry] : commands())
        out << "\n  " << name.leftJustified(14)
            << QCoreApplication::translate("CommandLine", entry.summary);
    return description;
}

// The launcher's own options, for when no command is named.
void describeLauncher(CommandParser &parser)
{
    parser.setSynopsis(QStringLiteral("[command] [options]"));
    parser.addOption(versionOption());
    parser.addOption(languageOption());
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

bool wantsCommand(int argc, char **argv)
{
    if (argc < 2)
        return false;
    const char *first = argv[1];
    if (first[0] != '-')
        return true;
    for (const char *own : {"-h", "--help", "--version"}) {
        if (std::strcmp(first, own) == 0)
            return true;
    }
    return false;
}

QString takeLanguage(int &argc, char **argv)
{
    QString language;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const char *argument = argv[i];
        if (std::strcmp(argument, "--lang") == 0 && i + 1 < argc) {
            language = QString::fromLocal8Bit(argv[++i]);
            continue;
        }
        if (std::strncmp(argument, "--lang=", 7) == 0) {
            language = QString::fromLocal8Bit(argument + 7);
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    return language;
}

void installTranslations(const QString &requested)
{
    const QString stored = LauncherSettings::storedLanguage();
    Translations::install(requested.isEmpty() ? stored : requested);
}

QString usage()
{
    CommandParser parser(QString(), launcherDescription());
    describeLauncher(parser);
    return parser.helpText();
}

int run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    const auto it = commands().find(name);
    if (it != commands().end())
        return it->second.run(arguments.mid(2));
    if (name == QLatin1String("help")) {
        QTextStream(stdout) << usage();
        return 0;
    }
    if (!name.startsWith(QLatin1Char('-'))) {
        QTextStream(stderr)
            << "vantor-launcher: "
            << QCoreApplication::translate("CommandLine", "unknown command '%1'").arg(name)
            << "\n\n"
            << usage();
        return CommandParser::kUsageStatus;
    }

    CommandParser parser(QString(), launcherDescription());
    describeLauncher(parser);
    if (const std::optional<int> ended = parser.parse(arguments.mid(1)))
        return *ended;
    if (parser.isSet(versionOption()))
        return printVersion();
    QTextStream(stdout) << usage();
    return 0;
}

} // namespace CommandLine
