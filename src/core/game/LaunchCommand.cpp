// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/LaunchCommand.h"

#include "LogCategories.h"
#include "game/ShellWords.h"
#include "settings/LauncherSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <optional>

namespace {

const QString kInstallPathVariable = QStringLiteral("VANTOR_INSTALL_PATH");

// The words of one option, or the reason it cannot be split, naming the
// option.
std::optional<QStringList> splitOption(const QString &text, const char *option, QString *error)
{
    const ShellWords::Result split = ShellWords::split(text);
    if (split.ok())
        return split.words;
    //: %1 names the setting ("wrapper command"), %2 says what is wrong in it.
    *error = QCoreApplication::translate("LaunchCommand", "in the %1, %2")
                 .arg(QCoreApplication::translate("LaunchCommand", option), split.error);
    return std::nullopt;
}

// The wrapper's program as it will be started, or the reason it cannot be.
// A name is looked up on the PATH the engine will see (which the player may
// have set), a path is taken as given.
QString resolveWrapper(const QString &name, const QProcessEnvironment &environment, QString *error)
{
    if (name.contains(QLatin1Char('/'))) {
        // Made absolute against the launcher's working folder, where the
        // player typed it: the engine starts in a folder of its own.
        const QFileInfo file(QDir::cleanPath(QDir::current().absoluteFilePath(name)));
        if (!file.exists()) {
            *error =
                QCoreApplication::translate("LaunchCommand", "the wrapper \"%1\" was not found")
                    .arg(name);
            return QString();
        }
        if (!file.isFile() || !file.isExecutable()) {
            *error = QCoreApplication::translate("LaunchCommand",
                                                 "the wrapper \"%1\" is not an executable file")
                         .arg(name);
            return QString();
        }
        return file.absoluteFilePath();
    }
    QString found;
    if (environment.contains(QStringLiteral("PATH"))) {
        // Empty entries would mean the working folder; a launcher never
        // looks there for a program.
        const QStringList folders =
            environment.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
        if (!name.isEmpty() && !folders.isEmpty())
            found = QStandardPaths::findExecutable(name, folders);
    } else if (!name.isEmpty()) {
        found = QStandardPaths::findExecutable(name);
    }
    if (found.isEmpty())
        *error =
            QCoreApplication::translate("LaunchCommand", "the wrapper \"%1\" was not found on PATH")
                .arg(name);
    return found;
}

} // namespace

LaunchCommand::Options LaunchCommand::Options::stored()
{
    return {LauncherSettings::storedLaunchWrapper(), LauncherSettings::storedLaunchArguments(),
            LauncherSettings::storedLaunchEnvironment()};
}

LaunchCommand LaunchCommand::failed(const QString &error)
{
    LaunchCommand command;
    command.m_error = error;
    return command;
}

LaunchCommand LaunchCommand::build(const QString &engine, const QString &dataFolder,
                                   const Options &options, const QProcessEnvironment &base)
{
    QString error;
    const std::optional<QStringList> wrapper =
        splitOption(options.wrapper, QT_TRANSLATE_NOOP("LaunchCommand", "wrapper command"), &error);
    if (!wrapper)
        return failed(error);
    const std::optional<QStringList> arguments = splitOption(
        options.arguments, QT_TRANSLATE_NOOP("LaunchCommand", "extra arguments"), &error);
    if (!arguments)
        return failed(error);
    const std::optional<QStringList> variables = splitOption(
        options.environment, QT_TRANSLATE_NOOP("LaunchCommand", "environment variables"), &error);
    if (!variables)
        return failed(error);

    LaunchCommand command;
    command.m_environment = base;
    static const QRegularExpression validName(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z_][A-Za-z0-9_]*")));
    // Launch options copied from a store page often start with assignments
    // ("DXVK_HUD=1 mangohud %command%"): those leading words are variables
    // for the game, as a shell would take them, not the wrapper's name. The
    // environment field's own words come after them and win.
    QStringList words = *wrapper;
    QStringList assignments;
    while (!words.isEmpty()) {
        const qsizetype equals = words.first().indexOf(QLatin1Char('='));
        if (equals <= 0 || !validName.match(words.first().left(equals)).hasMatch())
            break;
        assignments.append(words.takeFirst());
    }
    for (const QString &word : assignments + *variables) {
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        if (equals <= 0)
            return failed(QCoreApplication::translate(
                              "LaunchCommand", "the environment variable \"%1\" is not of the form "
                                               "NAME=value")
                              .arg(word));
        const QString name = word.left(equals);
        if (!validName.match(name).hasMatch())
            return failed(
                QCoreApplication::translate("LaunchCommand",
                                            "the environment variable \"%1\" has an invalid name: "
                                            "a name is made of letters, digits and _ and does not "
                                            "start with a digit")
                    .arg(word));
        if (name == kInstallPathVariable) {
            qCWarning(lcLaunch, "the launch environment's VANTOR_INSTALL_PATH is ignored: "
                                "the launcher sets it to the data folder");
            continue;
        }
        command.m_environment.insert(name, word.mid(equals + 1));
    }
    command.m_environment.insert(kInstallPathVariable, dataFolder);

    // The engine and its arguments go where %command% stands, or after the
    // whole wrapper.
    const qsizetype placeholder = words.indexOf(commandPlaceholder());
    if (placeholder >= 0 && words.indexOf(commandPlaceholder(), placeholder + 1) >= 0)
        return failed(QCoreApplication::translate("LaunchCommand",
                                                  "the wrapper command holds %1 more than once")
                          .arg(commandPlaceholder()));
    const QStringList engineCommand = QStringList{engine} + *arguments;
    if (placeholder >= 0) {
        words.remove(placeholder);
        for (qsizetype i = 0; i < engineCommand.size(); ++i)
            words.insert(placeholder + i, engineCommand.at(i));
    } else {
        words += engineCommand;
    }
    if (placeholder != 0 && words.size() > engineCommand.size()) {
        words.first() = resolveWrapper(words.first(), command.m_environment, &error);
        if (!error.isEmpty())
            return failed(error);
    }
    command.m_program = words.takeFirst();
    command.m_arguments = words;
    return command;
}
