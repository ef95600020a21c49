// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/DownloadRun.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class LineReader;
class SteamCMDManager;
class Terminal;

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
    // Codes are read from input, then from the terminal (if any) once input has ended.
    DownloadCommand(SteamCMDManager &manager, LineReader &input,
                    std::unique_ptr<Terminal> terminal);
    ~DownloadCommand() override;
    int exec(const QString &username, const QString &password);

    void onStateChanged();
    void listenForCodes(LineReader &reader);
    void promptForCode();
    // Moves the reading of codes to the terminal; false when there is none
    // to move to.
    bool continueAtTerminal();
    void onCodeLine(const QByteArray &line);
    void onEndOfInput();
    void cancelForEndOfInput();
    void onTerminationSignal();
    // The run's end is the command's end.
    void onRunFinished(DownloadRun::Outcome outcome);
    void finish(int status);

    SteamCMDManager &m_manager;
    LineReader &m_input;
    LineReader *m_codeInput;
    std::unique_ptr<Terminal> m_terminal;
    std::unique_ptr<LineReader> m_terminalInput;
    // Where the launcher's own code prompt was written for the question
    // that waits for its answer; -1 when none.
    int m_askedOn = -1;
    bool m_prompting = false;
    // A code has been passed on to SteamCMD in this run.
    bool m_codeSent = false;
    bool m_cancelledByInput = false;
    bool m_interrupted = false;
    bool m_finished = false;
};
