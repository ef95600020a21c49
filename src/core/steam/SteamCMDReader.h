// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/SteamFailureReasons.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

// Reads SteamCMD's console output as it arrives and says what it means for
// the workflow: prompts, progress and failure reasons, in one ordered list
// per read. Text in, events out; no process, no state of the workflow.
//
// Output arrives in reads that may cut a phrase in two ("Steam Gu" +
// "ard code:"), so the unfinished last line is kept (its last
// maxPartialLine characters) and looked at again with the next read. A
// phrase counts when it ends inside the new text: one that lay wholly in
// earlier text has been reported already. Each kind of failure reason is
// reported once per SteamCMD start, so a reason seen on the open line is not
// reported again when the line ends.
class SteamCMDReader
{
public:
    struct Event
    {
        enum class Kind
        {
            SteamGuardPrompt, // asks for a Steam Guard code (e-mail or mobile)
            NotOwned,         // the account has no licence for the game
            Progress,         // an "Update state" line; `line` holds it, trimmed
            Validating,       // verifying the installed files
            LoginFailure,     // wrong password or another refused sign-in
            // Beside the kinds above:
            PhoneApproval,     // waits for the sign-in to be approved in the Steam Mobile app
            ApprovalConfirmed, // "Waiting for confirmation...OK"
            PasswordPrompt,    // an unfinished line ending in "password:" (blanks allowed)
            Failure,           // a failure reason; `failure` holds it and its sentences
        };
        Kind kind;
        QString line;         // Progress only
        SteamFailure failure; // Failure only
    };

    // The folders named in the sentences of the failures.
    SteamCMDReader(QString assetsDir, QString steamCMDDir);

    // The events of one read, in this order:
    // - the failure reasons first seen in this read; a Steam Guard prompt
    //   that comes back after a code was typed at the prompt adds
    //   CodeAskedAgain (Steam refused the code without a word), unless the
    //   read names a reason that ends the sign-in;
    // - a phone approval and its confirmation, in that order (what follows
    //   in the read happens after them);
    // - at most one of the first five kinds, by this precedence: Steam Guard
    //   prompt, not owned, progress (one event per progress line),
    //   validating, login failure. A phone approval is the Steam Guard wait
    //   itself: the "Steam Guard" in its notice does not hide the progress
    //   that may follow in the same read;
    // - a password prompt, reported once until its line ends.
    // A time-out is ApprovalTimedOut while a phone approval is under way
    // (from its notice until its confirmation or progress), TimedOut else.
    QList<Event> feed(QStringView chunk);

    // Whether the last read said anything beyond blanks, terminal resets
    // and progress lines already reported by the read before: a SteamCMD
    // that repeats one progress line has not moved on.
    bool saidMore() const { return m_saidMore; }

    // The launcher has ended the current line itself (a typed password and
    // its line end): what follows starts a new line.
    void lineEnded();
    // A Steam Guard code and its line end were written. Typed at SteamCMD's
    // prompt ("Steam Guard code:" on an unfinished line): as lineEnded(), and
    // the next Steam Guard prompt means Steam refused the code. Typed before
    // the prompt showed: nothing is known of it (a prompt may drop what was
    // typed before it) and SteamCMD's line goes on.
    void codeSubmitted();
    // A new SteamCMD start: everything may be reported again.
    void restart();

    // What the end of SteamCMD means when its output named no failure that
    // ended the run: CodeRejected after a refused code that SteamCMD never
    // got past; null otherwise.
    SteamFailure reasonForExit() const;

    // How much of an unfinished line is kept for the next read: enough for
    // any phrase, a progress line, or a failure line with a long folder in
    // it; a line without end (a megabyte of garbage) is not kept whole.
    static constexpr qsizetype maxPartialLine = 1024;

private:
    struct Found
    {
        QList<Event> events;
        // Where the progress lines lie in the text looked at.
        std::vector<std::pair<qsizetype, qsizetype>> progressSpans;
    };
    struct Layout;
    static Found classify(QStringView text, qsizetype carried, const Layout &layout);
    void findFailures(QStringView text, const Layout &layout, QList<Event> &events);
    void rememberPartialLine(QStringView text);
    bool saidMoreThanProgress(QStringView text, qsizetype carried, const Found &found) const;
    void signedInFurther();

    QString m_assetsDir;
    QString m_steamCMDDir;
    QString m_partialLine;
    QSet<SteamFailure::Kind> m_seen;
    QString m_lastProgressLine;
    bool m_passwordPromptSeen = false;
    bool m_approvalUnderway = false;
    // SteamCMD waits at its code prompt ("Steam Guard code:").
    bool m_atPrompt = false;
    // A code was sent at the prompt and no prompt has come back yet.
    bool m_codeSent = false;
    // The prompt came back after a code, and SteamCMD has not got further.
    bool m_codeRefused = false;
    bool m_saidMore = false;
};
