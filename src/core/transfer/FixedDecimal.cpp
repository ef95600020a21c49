// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/FixedDecimal.h"

#include <charconv>
#include <cmath>

void FixedDecimal::append(QString &text, double value, int decimals)
{
    char digits[24];
    const int length = write(value, decimals, digits);
    if (length < 0)
        text += QString::number(value, 'f', decimals);
    else
        text += QLatin1StringView(digits, length);
}

int FixedDecimal::write(double value, int decimals, char *out)
{
    // Below 1e14 the value times ten has a fraction finer than an eighth,
    // so the rounding below is exact.
    if ((decimals != 0 && decimals != 1) || !std::isfinite(value) || value < 0 || value >= 1e14)
        return -1;
    // value * factor is rounded once; fma gives what that rounding left
    // out, so an exact half is told from one just below or above it.
    const double factor = decimals == 1 ? 10 : 1;
    const double scaled = value * factor;
    const double error = std::fma(value, factor, -scaled);
    const double whole = std::floor(scaled);
    const double aboveHalf = (scaled - whole) - 0.5;
    const qint64 rounded = qint64(whole) + (aboveHalf > 0 || (aboveHalf == 0 && error >= 0));
    char *end = std::to_chars(out, out + 20, decimals == 1 ? rounded / 10 : rounded).ptr;
    if (decimals == 1) {
        *end++ = '.';
        *end++ = char('0' + rounded % 10);
    }
    return int(end - out);
}
