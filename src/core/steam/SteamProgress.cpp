// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamProgress.h"

#include "l10n/Translations.h"

#include <QCoreApplication>

#include "steam/PhraseSearch.h"
#include "transfer/FixedDecimal.h"

#include <QVarLengthArray>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <type_traits>

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
// case-insensitive search folds them (PhraseSearch), as in the search that
// finds the lines.
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

bool isLetter(QChar c)
{
    const char16_t u = PhraseSearch::folded(c);
    return u >= u'a' && u <= u'z';
}

int hexValue(QChar c)
{
    const char16_t u = PhraseSearch::folded(c);
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
    // An ASCII word in any letter case.
    bool takeWord(QLatin1StringView word)
    {
        if (!PhraseSearch::matchesAt(m_text, m_at, word))
            return false;
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
        const char16_t u = words[i].unicode();
        const char16_t lower = u >= u'A' && u <= u'Z' ? char16_t(u + (u'a' - u'A'))
                               : u < 0x80             ? u
                                                      : words[i].toLower().unicode();
        if (lower != name[i].unicode())
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

QString SteamProgress::translatedPhaseName() const
{
    if (!Translations::isTranslating())
        return phaseName();
    //: The phases of SteamCMD's download, shown before its size and speed.
    switch (phase) {
    case Phase::Preallocating:
        return QCoreApplication::translate("SteamProgress", "Preparing disk space");
    case Phase::Downloading:
        //: A phase of the download (under the status line), not a button.
        return QCoreApplication::translate("SteamProgress", "Downloading");
    case Phase::VerifyingInstall:
    case Phase::VerifyingUpdate:
        return QCoreApplication::translate("SteamProgress", "Verifying");
    case Phase::Committing:
        return QCoreApplication::translate("SteamProgress", "Writing files");
    case Phase::Reconfiguring:
        return QCoreApplication::translate("SteamProgress", "Reconfiguring");
    case Phase::Other:
        break;
    }
    // A phase SteamCMD names in its own words stays as it says it.
    return phaseName();
}

QString SteamProgress::translatedPercentDetail() const
{
    if (!Translations::isTranslating())
        return percentDetail();
    //: %1 is the phase ("Downloading"), %2 the percentage's number (42.5).
    return QCoreApplication::translate("SteamProgress", "%1 · %2%")
        .arg(translatedPhaseName(), Translations::locale().toString(percent, 'f', 1));
}

QString SteamProgress::percentDetail() const
{
    const QString name = phaseName();
    char digits[24];
    const int length = FixedDecimal::write(percent, 1, digits);
    if (length < 0)
        return name + QStringLiteral(" · ") + QString::number(percent, 'f', 1) + u'%';
    // In one allocation: it is made for each progress line.
    QString detail(name.size() + 3 + length + 1, Qt::Uninitialized);
    QChar *out = std::copy(name.cbegin(), name.cend(), detail.data());
    for (const QChar c : QStringView(u" · "))
        *out++ = c;
    out = std::copy(digits, digits + length, out);
    *out = u'%';
    return detail;
}

namespace {

std::optional<SteamProgress> takeApart(QStringView text)
{
    // Matches never overlap: the header cannot occur inside one.
    std::optional<Match> last;
    for (qsizetype at = PhraseSearch::indexOf(text, kHeader); at >= 0;) {
        std::optional<Match> match = matchAt(text, at);
        const qsizetype next = match ? match->end : at + 1;
        if (match)
            last = match;
        at = PhraseSearch::indexOf(text, kHeader, next);
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

// The line exactly as SteamCMD prints it, which is nearly every line: terminal
// resets or spaces, "Update state (0x61) ", a phase word in lower case,
// ", progress: 12.34 (1234 / 5678)" (the counts may be missing), and
// nothing after. Such a line means what the general reading above gives it,
// without folding letters or allocating: the phase is a known word and the
// match ends the text, so it is the last one. Anything else is left to the
// general reading.
std::optional<SteamProgress> takeApartPlain(QStringView text)
{
    using Phase = SteamProgress::Phase;
    const char16_t *at = text.utf16();
    const char16_t *const end = at + text.size();
    // Steps over `word` (a literal) where it comes next.
    const auto take = [&at, end](const auto &word) {
        constexpr std::ptrdiff_t length =
            std::ptrdiff_t(std::extent_v<std::remove_reference_t<decltype(word)>>) - 1;
        if (end - at < length || std::memcmp(at, word, length * sizeof(char16_t)) != 0)
            return false;
        at += length;
        return true;
    };
    // 1 to `most` digits, not followed by another. (Counted in locals: the
    // compiler cannot tell `at` from `value`.)
    const auto number = [&at, end](std::ptrdiff_t most, qint64 &value) {
        const char16_t *digit = at;
        const char16_t *const stop = end - at > most ? at + most : end;
        qint64 parsed = 0;
        for (; digit < stop && unsigned(*digit - u'0') <= 9; ++digit)
            parsed = parsed * 10 + (*digit - u'0');
        if (digit == at || (digit < end && unsigned(*digit - u'0') <= 9))
            return false;
        at = digit;
        value = parsed;
        return true;
    };

    while (take(u" ") || take(u"\x1b[0m")) {
    }
    if (!take(u"Update state (0x"))
        return std::nullopt;
    const char16_t *const hex = at;
    uint state = 0;
    for (; at < end && at - hex < 8; ++at) {
        unsigned digit = unsigned(*at - u'0');
        if (digit > 9) {
            digit = unsigned(*at - u'a') + 10;
            if (digit < 10 || digit > 15)
                break;
        }
        state = state * 16 + digit;
    }
    if (at == hex || !take(u") "))
        return std::nullopt;

    SteamProgress progress;
    progress.state = state;
    if (take(u"downloading, progress: ")) {
        progress.phase = Phase::Downloading;
        progress.phaseText = QStringLiteral("downloading");
    } else if (take(u"verifying install, progress: ")) {
        progress.phase = Phase::VerifyingInstall;
        progress.phaseText = QStringLiteral("verifying install");
    } else if (take(u"verifying update, progress: ")) {
        progress.phase = Phase::VerifyingUpdate;
        progress.phaseText = QStringLiteral("verifying update");
    } else if (take(u"preallocating, progress: ")) {
        progress.phase = Phase::Preallocating;
        progress.phaseText = QStringLiteral("preallocating");
    } else if (take(u"committing, progress: ")) {
        progress.phase = Phase::Committing;
        progress.phaseText = QStringLiteral("committing");
    } else if (take(u"reconfiguring, progress: ")) {
        progress.phase = Phase::Reconfiguring;
        progress.phaseText = QStringLiteral("reconfiguring");
    } else {
        return std::nullopt;
    }

    // Digits, then a point and digits: exactly their value as a quotient of
    // two numbers that a double holds exactly, so rounded once as any
    // correct conversion rounds.
    qint64 whole = 0;
    if (!number(3, whole))
        return std::nullopt;
    qint64 fraction = 0;
    qint64 scale = 1;
    if (take(u".")) {
        const char16_t *const first = at;
        if (!number(6, fraction))
            return std::nullopt;
        for (const char16_t *digit = first; digit < at; ++digit)
            scale *= 10;
    }
    progress.percent = double(whole * scale + fraction) / double(scale);
    if (progress.percent > 100)
        return std::nullopt;
    if (at == end)
        return progress;
    qint64 done = 0;
    qint64 total = 0;
    if (!take(u" (") || !number(18, done) || !take(u" / ") || !number(18, total) || !take(u")") ||
        at != end)
        return std::nullopt;
    if (done <= total) {
        progress.bytesDone = done;
        progress.bytesTotal = total;
    }
    return progress;
}

} // namespace

std::optional<SteamProgress> SteamProgress::parse(QStringView text)
{
    if (std::optional<SteamProgress> plain = takeApartPlain(text))
        return plain;
    return takeApart(text);
}
