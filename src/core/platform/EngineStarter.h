// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Starts the game engine as a process of its own: the launcher neither waits
// for it nor reaps it, and it keeps running after the launcher has quit.
class EngineStarter
{
public:
    struct Result
    {
        bool started = false;
        qint64 pid = 0;
        // The system's short description of why the start failed
        // ("Permission denied"); empty on success.
        QString errorDescription;
    };

    virtual ~EngineStarter() = default;

    // Runs program with exactly these arguments in workingDirectory with
    // exactly the given environment, through no shell; standard input,
    // output and error are inherited. The program is the engine, or the
    // wrapper that starts it (LaunchCommand).
    virtual Result start(const QString &program, const QStringList &arguments,
                         const QString &workingDirectory,
                         const QProcessEnvironment &environment) = 0;
};
