// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamProgress.h"

#include <QVarLengthArray>

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A long download brings hundreds of thousands of progress lines, each read
// for the status line and again for the bar: they are taken apart by hand,
// which costs a small part of what a regular expression did. The grammar, in
// any letter case, where a blank is ASCII white space (line ends included):
//   "update state (0x" 1-8 hex digits ")" blanks
//   words (letters and spaces, trailing spaces not counted) blanks "," blanks
//   "progress:" blanks 1-3 digits ["." or "," digits], not followed by a
//   digit, point or comma
//   optionally: blanks "(" 1-18 digits blanks "/" blanks 1-18 digits ")"
// (Byte counts of at most 18 digits fit a qint64.) Letters compare as a
// case-insensitive search folds them, so the long s and the Kelvin sign count
// as "s" and "k", as in the search that finds the lines.
const auto kHeader = "update state ("_L1;

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r');
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

char16_t folded(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A')) : u;
    return c.toCaseFolded().unicode();
}

bool isLetter(QChar c)
{
    const char16_t u = folded(c);
    return u >= u'a' && u <= u'z';
}

int hexValue(QChar c)
{
    const char16_t u = folded(c);
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

struct Match
{
    uint state = 0;
    QStringView words;
    QStringView percent; // as printed, with its point or comma
    qint64 done = -1;
    qint64 total = -1;
    qsizetype end = 0;
};

class Scanner
{
public:
    Scanner(QStringView text, qsizetype at) : m_text(text), m_at(at) {}

    qsizetype at() const { return m_at; }
    bool atEnd() const { return m_at >= m_text.size(); }
    QChar peek(qsizetype ahead = 0) const
    {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : QChar();
    }
    bool take(QChar c)
    {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }
    // A lower-case ASCII word in any letter case.
    bool takeWord(QLatin1StringView word)
    {
        if (m_text.size() - m_at < word.size())
            return false;
        for (qsizetype i = 0; i < word.size(); ++i) {
            if (folded(m_text[m_at + i]) != word[i].unicode())
                return false;
        }
        m_at += word.size();
        return true;
    }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_at]))
            ++m_at;
    }
    // A run of digits that must be whole: 1 to `most` digits, not followed
    // by another.
    std::optional<qint64> number(qsizetype most)
    {
        const qsizetype start = m_at;
        qint64 value = 0;
        while (!atEnd() && isDigit(m_text[m_at])) {
            if (m_at - start == most)
                return std::nullopt;
            value = value * 10 + (m_text[m_at].unicode() - u'0');
            ++m_at;
        }
        if (m_at == start)
            return std::nullopt;
        return value;
    }
    QStringView since(qsizetype start) const { return m_text.sliced(start, m_at - start); }

private:
    QStringView m_text;
    qsizetype m_at;
};

// The progress line whose header starts at `at`, or nothing.
std::optional<Match> matchAt(QStringView text, qsizetype at)
{
    Match match;
    Scanner s(text, at + kHeader.size());
    if (!s.take(u'0') || !s.takeWord("x"_L1))
        return std::nullopt;
    const qsizetype hexStart = s.at();
    while (s.at() - hexStart < 8 && hexValue(s.peek()) >= 0) {
        match.state = match.state * 16 + uint(hexValue(s.peek()));
        s.take(s.peek());
    }
    if (s.at() == hexStart || !s.take(u')'))
        return std::nullopt;
    s.skipBlanks();

    if (!isLetter(s.peek()))
        return std::nullopt;
    const qsizetype wordsStart = s.at();
    while (isLetter(s.peek()) || s.peek() == u' ')
        s.take(s.peek());
    match.words = s.since(wordsStart);
    while (match.words.endsWith(u' '))
        match.words.chop(1);
    s.skipBlanks();
    if (!s.take(u','))
        return std::nullopt;
    s.skipBlanks();
    if (!s.takeWord("progress:"_L1))
        return std::nullopt;
    s.skipBlanks();

    const qsizetype percentStart = s.at();
    if (!s.number(3))
        return std::nullopt;
    if ((s.peek() == u'.' || s.peek() == u',') && isDigit(s.peek(1))) {
        s.take(s.peek());
        while (isDigit(s.peek()))
            s.take(s.peek());
    }
    const QChar after = s.peek();
    if (isDigit(after) || after == u'.' || after == u',')
        return std::nullopt;
    match.percent = s.since(percentStart);
    match.end = s.at();

    s.skipBlanks();
    if (!s.take(u'('))
        return match;
    const std::optional<qint64> done = s.number(18);
    s.skipBlanks();
    if (!done || !s.take(u'/'))
        return match;
    s.skipBlanks();
    const std::optional<qint64> total = s.number(18);
    if (!total || !s.take(u')'))
        return match;
    match.done = *done;
    match.total = *total;
    match.end = s.at();
    return match;
}

// The words as QString::toLower() would give them (only ASCII letters, the
// long s and the Kelvin sign can be among them) compared with a name.
bool lowerEquals(QStringView words, QLatin1StringView name)
{
    if (words.size() != name.size())
        return false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (words[i].toLower() != QChar(name[i]))
            return false;
    }
    return true;
}

SteamProgress::Phase phaseOf(QStringView words)
{
    using Phase = SteamProgress::Phase;
    if (lowerEquals(words, "preallocating"_L1))
        return Phase::Preallocating;
    if (lowerEquals(words, "downloading"_L1))
        return Phase::Downloading;
    if (lowerEquals(words, "verifying install"_L1))
        return Phase::VerifyingInstall;
    if (lowerEquals(words, "verifying update"_L1))
        return Phase::VerifyingUpdate;
    if (lowerEquals(words, "committing"_L1))
        return Phase::Committing;
    if (lowerEquals(words, "reconfiguring"_L1))
        return Phase::Reconfiguring;
    return Phase::Other;
}

} // namespace

QString SteamProgress::phaseName() const
{
    switch (phase) {
    case Phase::Preallocating:
        return QStringLiteral("Preparing disk space");
    case Phase::Downloading:
        return QStringLiteral("Downloading");
    case Phase::VerifyingInstall:
    case Phase::VerifyingUpdate:
        return QStringLiteral("Verifying");
    case Phase::Committing:
        return QStringLiteral("Writing files");
    case Phase::Reconfiguring:
        return QStringLiteral("Reconfiguring");
    case Phase::Other:
        break;
    }
    if (phaseText.isEmpty())
        return {};
    return phaseText.left(1).toUpper() + phaseText.mid(1);
}

std::optional<SteamProgress> SteamProgress::parse(QStringView text)
{
    // Matches never overlap: the header cannot occur inside one.
    std::optional<Match> last;
    for (qsizetype at = text.indexOf(kHeader, 0, Qt::CaseInsensitive); at >= 0;) {
        std::optional<Match> match = matchAt(text, at);
        const qsizetype next = match ? match->end : at + 1;
        if (match)
            last = match;
        at = text.indexOf(kHeader, next, Qt::CaseInsensitive);
    }
    if (!last)
        return std::nullopt;

    SteamProgress progress;
    progress.state = last->state;
    progress.phaseText = last->words.toString();
    progress.phase = phaseOf(last->words);
    // Digits and one point: the C locale's form, whatever the process's
    // locale, and rounded as any correct conversion rounds.
    QVarLengthArray<char, 32> digits;
    for (const QChar c : last->percent)
        digits.append(c == u',' ? '.' : char(c.unicode()));
    double value = 0;
    const auto converted = std::from_chars(digits.cbegin(), digits.cend(), value);
    if (converted.ec != std::errc() || !std::isfinite(value) || value < 0 || value > 100)
        return std::nullopt;
    progress.percent = value;
    // Counts that contradict each other are left out, not trusted.
    if (last->total >= 0 && last->done <= last->total) {
        progress.bytesDone = last->done;
        progress.bytesTotal = last->total;
    }
    return progress;
}
