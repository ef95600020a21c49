// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/PhraseSearch.h"

#include <algorithm>

bool PhraseSearch::matchesAt(QStringView text, qsizetype at, QLatin1StringView phrase)
{
    if (at < 0 || text.size() - at < phrase.size())
        return false;
    for (qsizetype i = 0; i < phrase.size(); ++i) {
        if (folded(text[at + i]) != folded(phrase[i]))
            return false;
    }
    return true;
}

qsizetype PhraseSearch::indexOf(QStringView text, QLatin1StringView phrase, qsizetype from)
{
    if (phrase.isEmpty())
        return from <= text.size() ? from : -1;
    const char16_t first = folded(phrase[0]);
    const char16_t firstUpper =
        first >= u'a' && first <= u'z' ? char16_t(first - (u'a' - u'A')) : first;
    const qsizetype last = text.size() - phrase.size();
    for (qsizetype i = std::max<qsizetype>(from, 0); i <= last; ++i) {
        const char16_t c = text[i].unicode();
        // An ASCII character matches only as itself or in its other case;
        // the others are looked up.
        if (c != first && c != firstUpper && (c < 0x80 || folded(text[i]) != first))
            continue;
        if (matchesAt(text, i, phrase))
            return i;
    }
    return -1;
}
