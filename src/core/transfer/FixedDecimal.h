// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A number with 0 or 1 decimals exactly as QString::number(value, 'f',
// decimals) writes it, at a small part of its cost: the progress detail is
// made for each of SteamCMD's progress lines, hundreds of thousands in a long
// download. The exact value of the double is rounded, an exact half up (as
// Qt rounds it: 0.25 gives "0.3", 2.5 gives "3").
class FixedDecimal
{
public:
    static void append(QString &text, double value, int decimals);
    // The same into `out` (room for 24 characters), without a QString;
    // -1 for a value it leaves to Qt (more decimals, negative, not finite,
    // 1e14 or more).
    static int write(double value, int decimals, char *out);
    static QString text(double value, int decimals)
    {
        QString written;
        append(written, value, decimals);
        return written;
    }
};
