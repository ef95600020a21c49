// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <cstddef>
#include <cstring>

// Finds ASCII phrases in SteamCMD's output in any letter case. It compares
// as QString's case-insensitive search does (Unicode case folding, under
// which the long s and the Kelvin sign are "s" and "k"), without what that
// search costs on each call (the phrase converted and folded again), which
// outweighs the search itself on the short lines SteamCMD prints.
class PhraseSearch
{
public:
    // Where the phrase first begins at or after `from` (0 or more), or -1.
    static qsizetype indexOf(QStringView text, QLatin1StringView phrase, qsizetype from = 0);
    // Whether the phrase begins at `at`.
    static bool matchesAt(QStringView text, qsizetype at, QLatin1StringView phrase);
    // Whether `text` holds `word` (a literal) at `at`, letter case as
    // given: a comparison of known length, which the compiler turns into a
    // few wide loads.
    template <std::size_t N>
    static bool holdsExactly(QStringView text, qsizetype at, const char16_t (&word)[N])
    {
        constexpr qsizetype length = qsizetype(N) - 1;
        return at >= 0 && text.size() - at >= length &&
               std::memcmp(text.utf16() + at, word, length * sizeof(char16_t)) == 0;
    }
    // The character's simple case folding.
    static char16_t folded(QChar c)
    {
        const char16_t u = c.unicode();
        if (u < 0x80)
            return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
        return c.toCaseFolded().unicode();
    }
};
