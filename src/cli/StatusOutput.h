// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a command says on standard error, beside one progress line redrawn
// over itself on a terminal (in a file it would only pile up). Whatever is
// said next starts below the progress line, or takes its place.
class StatusOutput
{
public:
    StatusOutput() = delete;

    // Text on standard error, after the progress line if one shows.
    static void say(const QString &text);
    // The progress line, drawn over the last one; only on a terminal, and
    // never an empty one.
    static void showProgress(const QString &line);
    // Clears the progress line where other output is to take its place on
    // the same terminal.
    static void clearProgress();
};
