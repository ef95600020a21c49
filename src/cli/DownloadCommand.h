// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DownloadRun.h"

#include <QObject>
#include <QString>
#include <QStringList>

class SteamCMDManager;
class StdinLineReader;

// `vantor-launcher download --username NAME [--password-stdin]`: one whole
// Steam download without a window, driven exactly as the window's button
// drives it. Standard output carries the console (and unzip's own report);
// everything the command says itself goes to standard error.
class DownloadCommand : public QObject
{
    Q_OBJECT

public:
    // Parses the options, gets the password and runs the download to its
    // end. Returns the process exit status: 0 assets ready, 1 the download
    // failed, 2 a usage problem, 130 interrupted by SIGINT/SIGTERM.
    static int run(const QStringList &arguments);

    static const char *summary();

private:
    DownloadCommand(SteamCMDManager &manager, StdinLineReader &input);
    int exec(const QString &username, const QString &password);

    void onStateChanged();
    void promptForCode();
    void onCodeLine(const QByteArray &line);
    void onEndOfInput();
    void cancelForEndOfInput();
    void onTerminationSignal();
    // The run's end is the command's end.
    void onRunFinished(DownloadRun::Outcome outcome);
    void finish(int status);

    SteamCMDManager &m_manager;
    StdinLineReader &m_input;
    bool m_prompting = false;
    // A code has been passed on to SteamCMD in this run.
    bool m_codeSent = false;
    bool m_cancelledByInput = false;
    bool m_interrupted = false;
    bool m_finished = false;
};
