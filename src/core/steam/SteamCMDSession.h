// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/SteamCMDReader.h"
#include "steam/SteamCMDStage.h"

#include <QString>

#include <chrono>

class DownloadProgress;
class SteamCMDProcess;

// One start of the real SteamCMD on a pseudo-terminal of its own (pipes
// where none can be had): its output goes to the console and is read for
// the states, prompts and failures it means; the password is typed at its
// prompt, once per start.
class SteamCMDSession : public SteamCMDStage
{
    Q_OBJECT

public:
    struct Setup
    {
        QString binary;
        QString steamCMDDir;
        QString assetsDir;
        QString appID;
        QString username;
        QString password;
        bool usePseudoTerminal = true;
        int stopGraceMs = 10'000;
        // No new output for this long while SteamCMD downloads or validates
        // is said in the console.
        std::chrono::milliseconds stallLimit{std::chrono::minutes(5)};
        bool mayRetryConfiguration = false;
        // Kilobytes (1000 bytes) per second SteamCMD is held to; 0: none.
        int downloadLimitKBps = 0;
    };

    explicit SteamCMDSession(Setup setup, QObject *parent = nullptr);
    ~SteamCMDSession() override;

    void submitSteamGuardCode(const QString &code) override;
    bool hasChild() const override { return m_process != nullptr; }

    // SteamCMD's arguments on a terminal: the user name as one element,
    // exactly as typed; the password stays off the command line, where
    // every local user could read it. A download limit comes before the
    // login, as SteamCMD runs its commands in order.
    static QStringList arguments(const Setup &setup);

protected:
    void run() override;
    void onAbort() override;

private:
    void setState(const SteamCMDState &state);
    void onOutput(const QString &text);
    void onEvent(const SteamCMDReader::Event &event);
    void onFailure(const SteamFailure &failure);
    void onPasswordPrompt();
    void reportFailure(const LocalizedText &message);
    void stopForFailure();
    void setExplanation(const QString &explanation);
    void setAwaitingApproval(bool awaiting);
    void onEnded(int status, int ending);

    Setup m_setup;
    SteamCMDProcess *m_process = nullptr;
    SteamCMDReader m_reader;
    DownloadProgress *m_progress;
    SteamCMDState::Kind m_kind = SteamCMDState::Kind::Idle;
    // The failure found in the output, which the start fails with unless
    // SteamCMD still exits with status 0.
    LocalizedText m_failure;
    bool m_passwordTyped = false;
    // Stopped for a failure already explained: SteamCMD's last words move
    // nothing.
    bool m_stoppingForFailure = false;
    bool m_awaitingApproval = false;
    QString m_explanation;
};
