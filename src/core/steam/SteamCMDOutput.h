// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// Reads SteamCMD's console output and says what it means for the workflow.
// Pure: text in, events out; no process, no state of the workflow.
//
// Output arrives in reads that may cut a phrase in two ("Steam Gu" +
// "ard code:"), so the unfinished last line is kept and looked at again
// with the next read. A phrase counts when it ends inside the new text: one
// that lay wholly in earlier text has been reported already.
class SteamCMDOutput
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
        };
        Kind kind;
        QString line; // Progress only

        friend bool operator==(const Event &, const Event &) = default;
    };

    // The events of one read, in order. At most one of the first five kinds
    // per read, by this precedence: Steam Guard prompt, not owned, progress
    // (one event per progress line), validating, login failure. A phone
    // approval is the Steam Guard wait itself: the "Steam Guard" in its
    // notice does not hide the progress that may follow in the same read.
    // A phone approval and its confirmation come first, in that order (what
    // follows in the read happens after them), a password prompt last; it is
    // reported once until its line ends.
    QList<Event> feed(QStringView chunk);

    // The launcher has ended the current line itself (a typed code and its
    // line end): what follows starts a new line.
    void lineEnded()
    {
        m_partialLine.clear();
        m_passwordPromptSeen = false;
    }

    // How much of an unfinished line is kept for the next read.
    static constexpr qsizetype maxPartialLine = 512;

private:
    static QList<Event> classify(const QString &text, qsizetype carried);
    void rememberPartialLine(QStringView text);

    QString m_partialLine;
    bool m_passwordPromptSeen = false;
};
