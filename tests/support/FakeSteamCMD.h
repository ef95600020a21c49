// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A stand-in SteamCMD for end-to-end tests that speaks SteamCMD's public
// wording: the banner, cached and password sign-ins, Steam Guard codes,
// phone approval, progress lines, and every failure reason behind each
// prefix SteamCMD has used. Like SteamCMD it holds its output back when it
// is not on a terminal, so a test sees prompts only on a real one.
//
// SteamCMD's wording is kept here alone (Words): the program prints these
// texts, and tests take the phrases they feed or expect from them.
//
// The scenario is read from the record folder at each start, so a test can
// change it between runs. Each start n records in the record folder:
//   runs       the number of starts so far
//   argv-n     the working folder, then one argument a line
//   pid-n      its process id
//   tty-n      "yes" when its input and output are a terminal, else "no"
//   typed-n    every line it read from its input (password, codes), in order
class FakeSteamCMD
{
public:
    enum class Scenario
    {
        CachedLogin,         // token cached: no prompt, download, success (exit 0)
        PasswordPrompt,      // "password: " without a line end; right password -> success
        PasswordRefused,     // asks for the password twice, then Invalid Password (exit 5)
        SteamGuardCode,      // email code at "Steam Guard code:"; right code -> success; a
                             // wrong one brings the prompt back without a word, the third
                             // wrong one ends it (exit 5)
        PhoneApproval,       // phone approval, "Waiting for confirmation...OK", success
        ApprovalTimeout,     // phone approval that times out: "ERROR (Timeout)" (exit 5)
        Failure,             // failureReason() in failureForm() (exit 5 sign-in, 8 install)
        MissingConfigOnce,   // Missing configuration on the first start, success after
        MissingConfigAlways, // Missing configuration on every start
        Missing32BitLoader,  // steamcmd.sh cannot run linux32/steamcmd (exit 127)
        Stall,               // the same progress line over and over until stopped
        SelfUpdate,          // updates itself and exits 42 once, then cached success
        UserInfoTimeout,     // cached login, then "Waiting for user info...FAILED (Timed out)"
                             // (exit 5)
    };

    // SteamCMD's texts; "%1" stands for what SteamCMD puts in (a user name,
    // a folder, a reason). None ends in a line end.
    struct Words
    {
        // The start, as printed in this order (the noise of every run).
        static constexpr const char *redirecting = "Redirecting stderr to '%1/logs/stderr.txt'";
        static constexpr const char *logFolder = "Logging directory: '%1/logs'";
        static constexpr const char *localize =
            "ILocalize::AddFile() failed to load file \"public/steambootstrapper_english.txt\".";
        static constexpr const char *checkingUpdate = "[  0%] Checking for available update...";
        static constexpr const char *verifyingInstallation = "[----] Verifying installation...";
        static constexpr const char *notShutDown =
            "Looks like steam didn't shutdown cleanly, scheduling immediate update check";
        static constexpr const char *setlocale =
            "WARNING: setlocale('en_US.UTF-8') failed, using locale: 'C'.";
        static constexpr const char *sdl = "Failed to init SDL priority manager: SDL not found";
        static constexpr const char *version =
            "Steam Console Client (c) Valve Corporation - version 1733265492";
        static constexpr const char *typeQuit = "-- type 'quit' to exit --";
        static constexpr const char *loadingApi = "Loading Steam API...OK";

        // Signing in.
        static constexpr const char *loggingIn =
            "Logging in user '%1' [U:1:59827295] to Steam Public...";
        static constexpr const char *cachedLogin = "Logging in using cached credentials.";
        static constexpr const char *clientConfig = "Waiting for client config...OK";
        static constexpr const char *userInfo = "Waiting for user info...OK";
        static constexpr const char *userInfoTimedOut =
            "Waiting for user info...FAILED (Timed out)";
        static constexpr const char *passwordPrompt = "password: ";
        // The e-mail notice, five lines, then the prompt.
        static constexpr const char *emailNotice =
            "This computer has not been authenticated for your account using Steam Guard.\n"
            "Please check your email for the message from Steam, and enter the Steam Guard\n"
            " code from that message.\n"
            "You can also enter this code at any time using 'set_steam_guard_code'\n"
            " at the console.";
        static constexpr const char *guardPrompt = "Steam Guard code:";
        static constexpr const char *mobileNotice =
            "Enter the current code from your Steam Guard Mobile Authenticator app";
        static constexpr const char *twoFactorPrompt = "Two-factor code:";
        static constexpr const char *approvalNotice =
            "This account is protected by a Steam Guard mobile authenticator.\n"
            "Please confirm the login in the Steam Mobile app on your phone.";
        static constexpr const char *waitingForConfirmation = "Waiting for confirmation...";
        static constexpr const char *confirmed = "Waiting for confirmation...OK";
        static constexpr const char *approvalTimedOut =
            "Wait for confirmation timed out.Timed out waiting for confirmation.";

        // The download. On a terminal each progress line starts with a reset.
        static constexpr const char *reset = "\x1b[0m";
        static constexpr const char *preallocating =
            " Update state (0x11) preallocating, progress: 0.00 (0 / 87188267)";
        static constexpr const char *downloading =
            " Update state (0x61) downloading, progress: 30.72 (26785670 / 87188267)";
        static constexpr const char *downloaded =
            " Update state (0x61) downloading, progress: 100.00 (87188267 / 87188267)";
        static constexpr const char *verifying =
            " Update state (0x5) verifying install, progress: 94.34 (82251010 / 87188267)";
        static constexpr const char *stalled =
            " Update state (0x61) downloading, progress: 41.17 (35895546 / 87188267)";
        static constexpr const char *beforeJobFailed =
            " Update state (0x61) downloading, progress: 64.20 (55975014 / 87188267)";
        static constexpr const char *success = "Success! App '4187530' fully installed.";
        static constexpr const char *unloading = "Unloading Steam API...OK";

        // Updating itself, in this order.
        static constexpr const char *updateStarted =
            "[----] Downloading update (0 of 15,633 KB)...";
        static constexpr const char *updateDownloaded =
            "[----] Downloading update (15,633 of 15,633 KB)...";
        static constexpr const char *updateComplete = "[----] Download complete.";
        static constexpr const char *updateInstalling = "[----] Installing update...";

        // The start script when the 32-bit loader is missing; %1 SteamCMD's folder.
        static constexpr const char *loaderMissing =
            "steamcmd.sh: line 37: %1/linux32/steamcmd: No such file or directory";
        // What the content log says of a full disk, in this order; %1 the
        // install folder.
        static constexpr const char *shortfall =
            "[2026-12-08 22:10:41] AppID 4187530 update canceled : Not enough disk space "
            "available in \"%1\", 5969 MB needed, 5845 MB available (Not enough disk space)";
        static constexpr const char *paused =
            "[2026-12-08 22:10:42] AppID 4187530 state changed : Update Required,Update Paused,";

        // The reasons behind the failure prefixes (failureLine()).
        static constexpr const char *rateLimitExceeded = "Rate Limit Exceeded";
        static constexpr const char *codeMismatch = "Two-factor code mismatch";
        static constexpr const char *invalidLoginAuthCode = "Invalid Login Auth Code";
        static constexpr const char *accountLogonDenied = "Account Logon Denied";
        static constexpr const char *invalidPassword = "Invalid Password";
        static constexpr const char *timeout = "Timeout";
        static constexpr const char *timedOut = "Timed out";
        static constexpr const char *noConnection = "No Connection";
        static constexpr const char *notEnoughDiskSpace = "Not enough disk space";
        static constexpr const char *diskWriteFailure = "Disk write failure";
        static constexpr const char *invalidPlatform = "Invalid platform";
        static constexpr const char *noSubscription = "No subscription";
        static constexpr const char *noLicense = "No license";
        static constexpr const char *missingConfiguration = "Missing configuration";

        // Known from public logs, printed by no scenario here: the older
        // forms of some lines, and the comma some locales print.
        static constexpr const char *oldCachedLogin = "Using cached credentials. . .";
        static constexpr const char *validating = "Validating files...";
        static constexpr const char *commaProgress =
            " Update state (0x61) downloading, progress: 12,49 (10890730 / 87188267)";
        static constexpr const char *guardCodeGiven = "Steam Guard code provided.";
        static constexpr const char *tokenExpires =
            "Warning: Login token expires at Tue Dec  8 22:31:00 2026";
        static constexpr const char *retrying = "Retrying...";
    };

    // Where the failure reason is printed.
    enum class Form
    {
        LoginFailure,   // "...to Steam Public...Login Failure: X"
        ResultCode,     // "...to Steam Public...FAILED login with result code X"
        OpenLine,       // "...to Steam Public...FAILED (X)"
        Error,          // "ERROR (X)" on a line of its own
        AfterPrompt,    // "Two-factor code:" then, after the code, "FAILED (X)"
        InstallFailed,  // "ERROR! Failed to install app '4187530' (X)"
        UpdateJobState, // "Error! App '4187530' state is X after update job." (X = 0x202 ...)
    };

    static constexpr const char *kPassword = "correct horse";
    static constexpr const char *kCode = "F4KE2";

    FakeSteamCMD(QString binary, QString recordDir);

    // Writes the program at binary() and its settings; false on failure.
    bool install();
    bool setScenario(Scenario scenario);
    // For Scenario::Failure. With UpdateJobState and a disk state (0x202,
    // 0x212) SteamCMD's content log gets Words::shortfall and Words::paused
    // ("5969 MB needed, 5845 MB available").
    bool setFailure(const QString &reason, Form form);
    // The password and code it accepts (defaults kPassword, kCode).
    bool setPassword(const QString &password);
    bool setCode(const QString &code);
    // How long the phone approval takes (default 1 s) or the stall goes on
    // between repeats (default 0.2 s).
    bool setDelay(double seconds);

    QString binary() const { return m_binary; }
    QString recordDir() const { return m_recordDir; }
    int runs() const;
    QString workingDir(int run) const;
    QStringList arguments(int run) const;
    qint64 pid(int run) const;
    bool ranOnTerminal(int run) const;
    QByteArray typed(int run) const;

    static QString scenarioName(Scenario scenario);
    static QString formName(Form form);
    // The line a failure is printed in, "%1" standing for the reason, as
    // it follows what the form puts before it ("Logging in user ..." for
    // the sign-in forms, "Two-factor code:" and the typed code after a
    // prompt).
    static QString failureLine(Form form);
    // A text of Words with "%1" filled in.
    static QString says(const char *words, const QString &filling = {});

private:
    bool setting(const QString &name, const QByteArray &value) const;
    QByteArray record(const QString &name, int run) const;

    QString m_binary;
    QString m_recordDir;
};

// A minimal stand-in SteamCMD at `binary`. Each run appends to `recordDir`:
// "runs" (the count n), "argv-n" (working folder, then one argument a line),
// "pid-n"; it refuses any argument count but ten (the password typed at a
// prompt) or eleven, two more with a download limit (exit 99), then runs
// `body` with $F (the record folder) and $n set.
bool writeFakeSteamCMD(const QString &binary, const QString &recordDir, const QByteArray &body);
