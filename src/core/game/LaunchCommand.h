// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The command that starts the engine, made from the player's launch options:
// a wrapper in front of it (gamemoderun, mangohud, ...), extra arguments for
// the engine and extra environment variables. Each option is split into
// words as a shell would quote them (ShellWords) but never run by a shell.
//
// The wrapper's words come first, then the engine, then the extra
// arguments. A wrapper word "%command%" marks where the engine and its
// arguments go instead, the words after it following them
// ("mangohud %command% -win"). The program started is the first word,
// looked up on PATH (the engine's environment's PATH), or taken as a path
// when it holds a "/"; the engine itself when the wrapper is empty or
// starts with %command%.
//
// The environment is a copy of the given one with the player's NAME=value
// words over it, and VANTOR_INSTALL_PATH set to the data folder last: the
// engine finds its data there, so a player's entry for it is ignored.
class LaunchCommand
{
public:
    // The launch options as the player typed them.
    struct Options
    {
        QString wrapper;
        QString arguments;
        QString environment;

        // The ones stored in the launcher's settings.
        static Options stored();
    };

    // engine and dataFolder are absolute paths.
    static LaunchCommand
    build(const QString &engine, const QString &dataFolder, const Options &options,
          const QProcessEnvironment &base = QProcessEnvironment::systemEnvironment());

    // The word in the wrapper that stands for the engine and its arguments.
    static QString commandPlaceholder() { return QStringLiteral("%command%"); }

    bool ok() const { return m_error.isEmpty(); }
    // Why nothing can be started, for "Failed to launch game: <error>"; empty
    // when the command is complete.
    QString error() const { return m_error; }
    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }
    QProcessEnvironment environment() const { return m_environment; }

private:
    static LaunchCommand failed(const QString &error);

    QString m_program;
    QStringList m_arguments;
    QProcessEnvironment m_environment;
    QString m_error;
};
