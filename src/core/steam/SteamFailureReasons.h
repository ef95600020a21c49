// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "l10n/LocalizedText.h"

#include <QString>
#include <QStringView>

#include <optional>

// Why SteamCMD failed, in words a player can act on.
//
// SteamCMD has printed the same reason behind several prefixes over the years
// ("Login Failure: X", "FAILED login with result code X", "FAILED (X)",
// "ERROR (X)", "ERROR! Failed to install app '4187530' (X)"), often on the
// end of a line that is still open ("...to Steam Public...FAILED (X)") or
// straight after a prompt ("Two-factor code:FAILED (X)"). So the reason text
// is matched, in any letter case, never the prefix.
struct SteamFailure
{
    enum class Kind
    {
        None,                 // nothing recognised
        InvalidPassword,      // the password was refused
        CodeRejected,         // a Steam Guard code was wrong or had expired
        RateLimited,          // too many sign-in attempts; Steam blocks for a while
        ApprovalTimedOut,     // the phone approval was not given in time
        TimedOut,             // SteamCMD did not hear back from Steam in time
        CodeAskedAgain,       // the Steam Guard prompt came back: the code was refused
        NoConnection,         // no connection to Steam or its content servers
        DiskFull,             // not enough space in the assets folder
        DiskWriteFailure,     // the assets folder cannot be written
        InvalidPlatform,      // Steam would not hand out the Windows depot
        NotOwned,             // no subscription / no license
        MissingConfiguration, // app configuration missing (often right after a self-update)
        UpdateJobFailed,      // "state is 0x.. after update job" with no better reading
        Missing32BitRuntime,  // steamcmd.sh cannot start its 32-bit program
    };

    Kind kind = Kind::None;
    // The reason as SteamCMD printed it: "Rate Limit Exceeded", "0x202", ...
    QString reason;
    // What happened and what to do, one or two short sentences.
    QString explanation;
    // The message the run fails with at once, where a fixed one exists
    // ("Authentication failed — check credentials", "Game not owned —
    // purchase required", "Sign-in not approved in time", "Too many sign-in
    // attempts — wait before trying again"). Empty: the run fails when
    // SteamCMD exits, with the text of its exit status.
    QString failure;
    // SteamCMD cannot get any further in this start (it would sit at a
    // prompt or go on without a session): stop it now and fail with
    // `failure`. False: SteamCMD ends by itself.
    bool endsRun = false;
    // One automatic new start of SteamCMD is allowed before failing.
    bool retryOnce = false;

    // The two sentences in the player's language (the window, the command
    // line); the fields above are English (the console, the run log).
    QString translatedExplanation;
    QString translatedFailure;

    bool isNull() const { return kind == Kind::None; }
    LocalizedText localizedFailure() const
    {
        return LocalizedText::rendered(failure, translatedFailure);
    }
};

// The last shortfall SteamCMD wrote to its content log, in MB as it counts.
struct DiskShortfall
{
    qint64 neededMB = 0;
    qint64 availableMB = 0;
};

class SteamFailureReasons
{
public:
    struct Context
    {
        QString assetsDir;   // named in the disk sentences
        QString steamCMDDir; // where SteamCMD keeps logs/content_log.txt
        std::optional<DiskShortfall> shortfall;
        // A phone approval is under way: a time-out means it was not given.
        bool approvalUnderway = false;
    };

    // The fixed messages of a refused sign-in and of a game the account
    // does not own, also used where SteamCMD's output gives no reason.
    static QString authenticationFailed();
    static QString notOwned();
    static LocalizedText localizedAuthenticationFailed();
    static LocalizedText localizedNotOwned();

    // Pure: the failure in one line of SteamCMD output or the tail of an
    // open one; Kind::None when it holds no failure reason.
    static SteamFailure recognise(QStringView text, const Context &context);

    // The sentences and flags of a failure the launcher found itself (a
    // password asked for twice); `reason` stays empty.
    static SteamFailure forKind(SteamFailure::Kind kind, const Context &context);

    // As recognise(), reading the shortfall from SteamCMD's content log
    // when the reason is a lack of disk space.
    static SteamFailure recogniseWithLog(QStringView text, const QString &assetsDir,
                                         const QString &steamCMDDir, bool approvalUnderway = false);

    // Where, from `from` on, the first text that may be a failure reason
    // begins, or -1: one quick search that spares recognise() the lines
    // that hold none.
    static qsizetype findCandidate(QStringView text, qsizetype from = 0);

    // The last "N MB needed, M MB available" of SteamCMD's content log,
    // reading at most `maxBytes` from the end of the file.
    static std::optional<DiskShortfall> readDiskShortfall(const QString &steamCMDDir,
                                                          qint64 maxBytes = 256 * 1024);
    // The same search in text already read.
    static std::optional<DiskShortfall> lastDiskShortfall(QStringView contentLog);
    // logs/content_log.txt under SteamCMD's folder.
    static QString contentLogPath(const QString &steamCMDDir);
};
