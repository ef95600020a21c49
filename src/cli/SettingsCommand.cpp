// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsCommand.h"
#include "StatusOutput.h"

#include "CommandParser.h"
#include "TerminationSignals.h"
#include "l10n/Translations.h"
#include "patch/FreeSpace.h"
#include "settings/InstallFolderController.h"
#include "settings/InstallFolderMove.h"
#include "settings/LauncherSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <utility>

#include <unistd.h>

namespace {

constexpr int kStatusDone = 0;
constexpr int kStatusFailed = 1;
constexpr int kStatusInterrupted = 130;

bool hasControlCharacters(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// A hand-edited file can hold anything: control characters are shown, not
// sent to the terminal.
QString printable(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("(none)");
    QString shown;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            shown += QStringLiteral("\\x%1").arg(uint(c.unicode()), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

void printSettings()
{
    const QString installDir = LauncherSettings::storedInstallDir();
    const int limit = LauncherSettings::storedDownloadLimit();
    const QList<std::pair<QString, std::pair<QString, QString>>> rows = {
        {QStringLiteral("install folder"),
         {LauncherSettings::installDirKey(),
          printable(installDir) + (installDir == LauncherSettings::defaultInstallDir()
                                       ? QStringLiteral(" (default)")
                                       : QString())}},
        {QStringLiteral("wrapper"),
         {LauncherSettings::launchWrapperKey(),
          printable(LauncherSettings::storedLaunchWrapper())}},
        {QStringLiteral("arguments"),
         {LauncherSettings::launchArgumentsKey(),
          printable(LauncherSettings::storedLaunchArguments())}},
        {QStringLiteral("environment"),
         {LauncherSettings::launchEnvironmentKey(),
          printable(LauncherSettings::storedLaunchEnvironment())}},
        {QStringLiteral("download limit"),
         {LauncherSettings::downloadLimitKey(),
          limit > 0 ? QStringLiteral("%1 KB/s").arg(limit) : QStringLiteral("off")}},
        {QStringLiteral("notifications"),
         {LauncherSettings::notifyWhenDoneKey(), onOff(LauncherSettings::storedNotifyWhenDone())}},
        {QStringLiteral("taskbar progress"),
         {LauncherSettings::showTaskbarProgressKey(),
          onOff(LauncherSettings::storedShowTaskbarProgress())}},
        {QStringLiteral("language"),
         {LauncherSettings::languageKey(), LauncherSettings::storedLanguage().isEmpty()
                                               ? QStringLiteral("system")
                                               : LauncherSettings::storedLanguage()}},
    };
    QTextStream out(stdout);
    for (const auto &[name, keyAndValue] : rows)
        out << name.leftJustified(18) << keyAndValue.first.leftJustified(21) << keyAndValue.second
            << "\n";
}

// Runs the move to its end, with its progress on the terminal.
int moveTo(InstallFolderController &controller, const QString &target)
{
    QEventLoop loop;
    TerminationSignals termination;
    if (!termination.isValid())
        StatusOutput::say(QCoreApplication::translate(
            "SettingsCommand", "vantor-launcher settings: cannot watch for SIGINT/SIGTERM\n"));
    bool interrupted = false;
    std::optional<int> status;
    QObject::connect(&termination, &TerminationSignals::received, &loop, [&] {
        if (std::exchange(interrupted, true))
            return;
        StatusOutput::say(QCoreApplication::translate(
            "SettingsCommand", "\nvantor-launcher settings: interrupted, stopping the move\n"));
        controller.cancelMove();
    });
    QObject::connect(
        &controller, &InstallFolderController::moveFinished, &loop,
        [&](bool succeeded, const QString &message) {
            StatusOutput::say(
                (succeeded ? QString() : QStringLiteral("vantor-launcher settings: ")) + message +
                QLatin1Char('\n'));
            status = succeeded ? kStatusDone : interrupted ? kStatusInterrupted : kStatusFailed;
            loop.quit();
        });
    const QString source = controller.installDir();
    if (const QString why = controller.changeInstallDir(target, true); !why.isEmpty()) {
        StatusOutput::say(QStringLiteral("vantor-launcher settings: ") + why + QLatin1Char('\n'));
        return kStatusFailed;
    }
    if (InstallFolderMove *move = controller.currentMove()) {
        // A copy to another file system, which takes a while.
        StatusOutput::say(QCoreApplication::translate(
                              "SettingsCommand", "Moving the game data from \"%1\" to \"%2\"...\n")
                              .arg(source, target));
        QObject::connect(move, &Operation::progress, &loop, [](qint64 done, qint64 total) {
            if (total > 0)
                StatusOutput::showProgress(
                    QCoreApplication::translate("SettingsCommand", "%1 of %2 (%3%)")
                        .arg(FreeSpace::size(done), FreeSpace::size(total))
                        .arg(done * 100 / total));
        });
    }
    // A rename, or a refusal found on the way, has ended it already.
    if (!status)
        loop.exec();
    return status.value_or(kStatusFailed);
}

struct Changes
{
    std::optional<QString> wrapper;
    std::optional<QString> arguments;
    std::optional<QString> environment;
    std::optional<int> downloadLimit;
    std::optional<bool> notifications;
    std::optional<bool> taskbarProgress;
    // Empty for the system's language.
    std::optional<QString> language;
};

// The codes --language takes: every language the launcher speaks.
QStringList languageCodes()
{
    QStringList codes;
    for (const Translations::Language &language : Translations::languages())
        codes.append(language.code);
    return codes;
}

std::optional<bool> readOnOff(const QString &value)
{
    if (value == QLatin1String("on"))
        return true;
    if (value == QLatin1String("off"))
        return false;
    return std::nullopt;
}

std::optional<int> readLimit(const QString &value)
{
    if (value == QLatin1String("off") || value == QLatin1String("0"))
        return 0;
    // Digits only: no sign, blank or unit slips through toInt's leniency.
    for (const QChar c : value) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const int limit = value.toInt(&ok);
    if (!ok || limit < 1 || limit > LauncherSettings::kMaxDownloadLimit)
        return std::nullopt;
    return limit;
}

} // namespace

namespace SettingsCommand {

const char *summary()
{
    return QT_TRANSLATE_NOOP("CommandLine",
                             "show the settings, or change them (and move the game data)");
}

int run(const QStringList &args)
{
    CommandParser parser(
        QStringLiteral("settings"),
        QCoreApplication::translate(
            "SettingsCommand",
            "Without options, prints every setting: its name, its key in the\n"
            "configuration file and its value. With options, changes them and prints\n"
            "them again. --install-dir alone only changes where the Steam download goes;\n"
            "with --move the launcher's game data (Assets, DL_Vantor and the community\n"
            "patch's files) is moved there first, and Ctrl-C cancels the move, leaving\n"
            "the data where it was. --reset puts every setting back to its default (it\n"
            "moves nothing).\n"
            "Exit status: 0 done, 1 a change refused or failed, 2 a usage problem,\n"
            "130 a move stopped by SIGINT or SIGTERM."));
    const QCommandLineOption installDirOption(
        QStringLiteral("install-dir"),
        QCoreApplication::translate("SettingsCommand", "where the Steam download goes"),
        QStringLiteral("DIR"));
    const QCommandLineOption moveOption(
        QStringLiteral("move"),
        QCoreApplication::translate("SettingsCommand",
                                    "with --install-dir: move the game data there first"));
    const QCommandLineOption wrapperOption(
        QStringLiteral("wrapper"),
        QCoreApplication::translate("SettingsCommand", "the program the game is started through"),
        QStringLiteral("TEXT"));
    const QCommandLineOption argumentsOption(
        QStringLiteral("arguments"),
        QCoreApplication::translate("SettingsCommand", "the game's extra arguments"),
        QStringLiteral("TEXT"));
    const QCommandLineOption environmentOption(
        QStringLiteral("environment"),
        QCoreApplication::translate("SettingsCommand",
                                    "the game's extra environment (NAME=VALUE ...)"),
        QStringLiteral("TEXT"));
    const QCommandLineOption limitOption(
        QStringLiteral("download-limit"),
        QCoreApplication::translate("SettingsCommand",
                                    "the download speed limit in KB/s (1000 bytes), or off"),
        QStringLiteral("KBPS|off"));
    const QCommandLineOption notificationsOption(
        QStringLiteral("notifications"),
        QCoreApplication::translate("SettingsCommand",
                                    "a desktop notification when a download ends"),
        QStringLiteral("on|off"));
    const QCommandLineOption taskbarOption(
        QStringLiteral("taskbar-progress"),
        QCoreApplication::translate("SettingsCommand", "the download's progress on the task bar"),
        QStringLiteral("on|off"));
    const QCommandLineOption languageOption(
        QStringLiteral("language"),
        QCoreApplication::translate("SettingsCommand",
                                    "the language from the next start on (%1), or system")
            .arg(languageCodes().join(QStringLiteral(", "))),
        QStringLiteral("CODE|system"));
    const QCommandLineOption resetOption(
        QStringLiteral("reset"),
        QCoreApplication::translate("SettingsCommand", "every setting back to its default"));
    for (const QCommandLineOption *option :
         {&installDirOption, &moveOption, &wrapperOption, &argumentsOption, &environmentOption,
          &limitOption, &notificationsOption, &taskbarOption, &languageOption, &resetOption})
        parser.addOption(*option);
    if (const std::optional<int> ended = parser.parse(args))
        return *ended;

    // Everything is checked before anything is changed.
    Changes changes;
    for (const auto &[option, slot] : {std::pair{&wrapperOption, &changes.wrapper},
                                       std::pair{&argumentsOption, &changes.arguments},
                                       std::pair{&environmentOption, &changes.environment}}) {
        if (!parser.isSet(*option))
            continue;
        const QString value = parser.value(*option);
        if (hasControlCharacters(value))
            return parser.usageError(
                QCoreApplication::translate("SettingsCommand",
                                            "--%1 cannot hold control characters (line "
                                            "breaks, tabs)")
                    .arg(option->names().first()));
        *slot = value;
    }
    if (parser.isSet(limitOption)) {
        changes.downloadLimit = readLimit(parser.value(limitOption));
        if (!changes.downloadLimit)
            return parser.usageError(
                QCoreApplication::translate(
                    "SettingsCommand", "--download-limit takes KB/s from 1 to %1, or off; not '%2'")
                    .arg(LauncherSettings::kMaxDownloadLimit)
                    .arg(parser.value(limitOption)));
    }
    for (const auto &[option, slot] : {std::pair{&notificationsOption, &changes.notifications},
                                       std::pair{&taskbarOption, &changes.taskbarProgress}}) {
        if (!parser.isSet(*option))
            continue;
        *slot = readOnOff(parser.value(*option));
        if (!*slot)
            return parser.usageError(
                QCoreApplication::translate("SettingsCommand", "--%1 takes on or off, not '%2'")
                    .arg(option->names().first(), parser.value(*option)));
    }
    if (parser.isSet(languageOption)) {
        const QString code = parser.value(languageOption);
        if (code != QLatin1String("system") && !languageCodes().contains(code))
            return parser.usageError(
                QCoreApplication::translate("SettingsCommand",
                                            "--language takes %1 or system, not '%2'")
                    .arg(languageCodes().join(QStringLiteral(", ")), code));
        changes.language = code == QLatin1String("system") ? QString() : code;
    }
    const bool changesInstallDir = parser.isSet(installDirOption);
    if (changesInstallDir && parser.value(installDirOption).isEmpty())
        return parser.usageError(
            QCoreApplication::translate("SettingsCommand", "--install-dir needs a folder"));
    if (parser.isSet(moveOption) && !changesInstallDir)
        return parser.usageError(
            QCoreApplication::translate("SettingsCommand", "--move goes with --install-dir DIR"));
    const bool changesOthers = changes.wrapper || changes.arguments || changes.environment ||
                               changes.downloadLimit || changes.notifications ||
                               changes.taskbarProgress || changes.language;
    if (parser.isSet(resetOption) && (changesInstallDir || changesOthers))
        return parser.usageError(
            QCoreApplication::translate("SettingsCommand", "--reset goes alone"));

    bool stored = true;
    if (parser.isSet(resetOption)) {
        stored = LauncherSettings::storeInstallDir(QString());
        for (const QString &key :
             {LauncherSettings::launchWrapperKey(), LauncherSettings::launchArgumentsKey(),
              LauncherSettings::launchEnvironmentKey(), LauncherSettings::downloadLimitKey(),
              LauncherSettings::notifyWhenDoneKey(), LauncherSettings::showTaskbarProgressKey(),
              LauncherSettings::languageKey()})
            stored = LauncherSettings::store(key, QVariant()) && stored;
    }
    auto store = [&stored](const QString &key, const auto &value) {
        if (value)
            stored = LauncherSettings::store(key, QVariant(*value)) && stored;
    };
    store(LauncherSettings::launchWrapperKey(), changes.wrapper);
    store(LauncherSettings::launchArgumentsKey(), changes.arguments);
    store(LauncherSettings::launchEnvironmentKey(), changes.environment);
    store(LauncherSettings::downloadLimitKey(), changes.downloadLimit);
    store(LauncherSettings::notifyWhenDoneKey(), changes.notifications);
    store(LauncherSettings::showTaskbarProgressKey(), changes.taskbarProgress);
    if (changes.language)
        stored = LauncherSettings::store(
                     LauncherSettings::languageKey(),
                     changes.language->isEmpty() ? QVariant() : QVariant(*changes.language)) &&
                 stored;
    if (!stored) {
        StatusOutput::say(QCoreApplication::translate(
            "SettingsCommand", "vantor-launcher settings: the settings could not be written\n"));
        return kStatusFailed;
    }

    if (changesInstallDir) {
        const QString target =
            QDir::cleanPath(QFileInfo(parser.value(installDirOption)).absoluteFilePath());
        // No download runs in this process; another launcher's is kept
        // out by the install lock the move takes.
        LauncherSettings settings;
        InstallFolderController controller(&settings, nullptr);
        const QString previous = controller.installDir();
        if (parser.isSet(moveOption)) {
            if (const int status = moveTo(controller, target); status != kStatusDone)
                return status;
        } else {
            if (const QString why = controller.changeInstallDir(target, false); !why.isEmpty()) {
                StatusOutput::say(QStringLiteral("vantor-launcher settings: ") + why +
                                  QLatin1Char('\n'));
                return kStatusFailed;
            }
            if (previous != controller.installDir() &&
                !InstallFolderMove::launcherEntries(previous).isEmpty())
                StatusOutput::say(QCoreApplication::translate(
                                      "SettingsCommand",
                                      "The game data in \"%1\" was not moved (--move moves it).\n")
                                      .arg(previous));
        }
    }
    printSettings();
    return kStatusDone;
}

} // namespace SettingsCommand
