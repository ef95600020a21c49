// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QProcess;

// The built vantor-launcher run as a program of its own, as a player or a
// script runs it. Linked only into tests made with RUNS_LAUNCHER.
class LauncherRun
{
public:
    struct Outcome
    {
        bool ended = false; // false: still running at the time-out, then killed
        int exitCode = -1;  // -1 also when it crashed
        QString out;
        QString err;
        qint64 elapsedMs = 0;
    };

    // The built launcher's path.
    static QString program();
    // This process's environment with no way out of the test: no display
    // (a window only with -platform), no session bus (so no keyring) unless
    // the test runs inside the private keyring of run-with-keyring.sh, the
    // update check and both downloads at loopback ports where nothing
    // listens unless the test pointed them elsewhere, no info lines, and
    // English (LANGUAGE=en).
    static QProcessEnvironment environment();

    // Runs it to its end, turning this process's event loop meanwhile so
    // that a loopback server in the test keeps answering.
    static Outcome run(const QStringList &arguments, const QProcessEnvironment &env = environment(),
                       const QString &workingDir = QString(), const QString &path = program(),
                       int timeoutMs = 20000);
    // Waits for a started process's end the same way; false on time-out.
    static bool waitForExit(QProcess &process, int timeoutMs);
};
