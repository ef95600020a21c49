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
        SteamGuardCode,      // email code at "Steam Guard code:"; right code -> success
        PhoneApproval,       // phone approval, "Waiting for confirmation...OK", success
        ApprovalTimeout,     // phone approval that times out: "ERROR (Timeout)" (exit 5)
        Failure,             // failureReason() in failureForm() (exit 5 sign-in, 8 install)
        MissingConfigOnce,   // Missing configuration on the first start, success after
        MissingConfigAlways, // Missing configuration on every start
        Missing32BitLoader,  // steamcmd.sh cannot run linux32/steamcmd (exit 127)
        Stall,               // the same progress line over and over until stopped
        SelfUpdate,          // updates itself and exits 42 once, then cached success
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
    // 0x212) SteamCMD's content log gets "5969 MB needed, 5845 MB available".
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

private:
    bool setting(const QString &name, const QByteArray &value) const;
    QByteArray record(const QString &name, int run) const;

    QString m_binary;
    QString m_recordDir;
};

// A minimal stand-in SteamCMD at `binary`. Each run appends to `recordDir`:
// "runs" (the count n), "argv-n" (working folder, then one argument a line),
// "pid-n"; it refuses any argument count but ten (the password typed at a
// prompt) or eleven (exit 99), then runs `body` with $F (the record folder)
// and $n set.
bool writeFakeSteamCMD(const QString &binary, const QString &recordDir, const QByteArray &body);
