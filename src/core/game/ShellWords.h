// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Splits a line into words the way a POSIX shell splits a command for its
// quoting, and nothing more: the launch options are typed as a player would
// type them in a terminal, but they are never handed to a shell.
//
//   - blanks (space, tab, newline) outside quotes separate words;
//   - '...' keeps everything inside exactly as it is;
//   - "..." keeps everything inside, except that a backslash escapes a
//     dollar sign, a backquote, a double quote, a backslash and a newline
//     (backslash-newline disappears); before anything else it stays;
//   - outside quotes a backslash keeps the next character as it is
//     (backslash-newline disappears);
//   - quotes next to other text join it in one word; '' and "" are an
//     empty word.
//
// Nothing is expanded: $VAR, ~, globs and $(...) stay as typed, and ; | &&
// < > # are ordinary characters of a word.
class ShellWords
{
public:
    struct Result
    {
        QStringList words;
        // Why the text cannot be split ("the single quote at character 5 is
        // never closed"); empty when it could.
        QString error;

        bool ok() const { return error.isEmpty(); }
    };

    ShellWords() = delete;

    static Result split(const QString &text);
};
