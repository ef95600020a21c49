// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDReader.h"

#include "steam/PhraseSearch.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using Kind = SteamCMDReader::Event::Kind;

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

// Where in carried-over text plus a new read a phrase must start to end
// inside the new read.
qsizetype firstNewMatch(qsizetype carried, QLatin1StringView phrase)
{
    return std::max<qsizetype>(0, carried - phrase.size() + 1);
}

const auto kApprovalNotice = "confirm the login in the steam mobile app"_L1;
const auto kApprovalConfirmed = "waiting for confirmation...ok"_L1;
const auto kProgressPhrase = "update state"_L1;
// What SteamCMD puts before a progress line on a terminal.
const auto kTerminalReset = "\x1b[0m"_L1;

bool isLowerHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f');
}

// Digits, points, commas, blanks, "(", "/" and ")": all between ' ' and '9'.
bool isCountCharacter(char16_t c)
{
    constexpr quint32 kCount = 1u << (u' ' - u' ') | 1u << (u'(' - u' ') | 1u << (u')' - u' ') |
                               1u << (u',' - u' ') | 1u << (u'.' - u' ') | 1u << (u'/' - u' ') |
                               0x3ffu << (u'0' - u' ');
    const unsigned offset = unsigned(c) - u' ';
    return offset < 32 && (kCount >> offset & 1) != 0;
}

// Where "Update state" begins in the line that starts at `start`, if that
// line is a progress line exactly as SteamCMD prints it: blanks or terminal
// resets, "Update state (0x61) ", one of its phase words, ", progress: ",
// then only digits, points, commas, blanks, "(", "/" and ")". `end` is then
// set to where the line ends. -1 for any other line. None of the phrases
// looked for and no failure reason fits in such a line (they all need other
// words), so it is not searched.
qsizetype plainProgressLine(QStringView text, qsizetype start, qsizetype &end)
{
    static constexpr QStringView kPhases[] = {
        u"downloading",   u"verifying install", u"verifying update",
        u"preallocating", u"committing",        u"reconfiguring",
    };
    const auto holds = [text](qsizetype at, const auto &word) {
        return PhraseSearch::holdsExactly(text, at, word);
    };
    const char16_t *chars = text.utf16();
    const qsizetype size = text.size();
    qsizetype i = start;
    for (;;) {
        if (i < size && chars[i] == u' ')
            ++i;
        else if (holds(i, u"\x1b[0m"))
            i += kTerminalReset.size();
        else
            break;
    }
    const qsizetype phrase = i;
    if (!holds(i, u"Update state (0x"))
        return -1;
    i += 16;
    const qsizetype digits = i;
    while (i < size && i - digits < 8 && isLowerHexDigit(chars[i]))
        ++i;
    if (i == digits || !holds(i, u") "))
        return -1;
    i += 2;
    bool known = false;
    for (const QStringView phase : kPhases) {
        if (size - i >= phase.size() && chars[i] == phase[0] &&
            std::equal(phase.begin(), phase.end(), chars + i) &&
            holds(i + phase.size(), u", progress: ")) {
            i += phase.size() + 12;
            known = true;
            break;
        }
    }
    if (!known)
        return -1;
    while (i < size && isCountCharacter(chars[i]))
        ++i;
    if (i < size && !isLineEnd(chars[i]))
        return -1;
    end = i;
    return phrase;
}

} // namespace

// Where SteamCMD's plain progress lines lie in the text of one read, and the
// runs of other lines between them. A long download is mostly such lines:
// each is recognised with one look at its characters, and only the rest is
// searched for phrases and failure reasons. As no phrase spans a line end,
// a search of the rest finds what a search of the whole text would.
struct SteamCMDReader::Layout
{
    struct Span
    {
        qsizetype start;
        qsizetype end;
    };
    struct ProgressLine
    {
        qsizetype start; // the line, without its line end
        qsizetype end;
        qsizetype phrase; // where "Update state" begins
    };
    // (Vectors: their appends are inlined, and a read holds thousands.)
    std::vector<Span> rest;
    std::vector<ProgressLine> progress;

    explicit Layout(QStringView text)
    {
        // The next line feed and carriage return, each looked for once
        // (size(): none left). A plain progress line is read to its end
        // anyway, which is then known.
        qsizetype nextFeed = -1;
        qsizetype nextReturn = -1;
        const auto lineEnd = [text, &nextFeed, &nextReturn](qsizetype from) {
            const auto next = [text, from](char16_t c) {
                const qsizetype at = text.indexOf(QChar(c), from);
                return at < 0 ? text.size() : at;
            };
            if (nextFeed < from)
                nextFeed = next(u'\n');
            if (nextReturn < from)
                nextReturn = next(u'\r');
            return std::min(nextFeed, nextReturn);
        };
        qsizetype restStart = -1;
        for (qsizetype start = 0;;) {
            qsizetype end = -1;
            const qsizetype at = plainProgressLine(text, start, end);
            if (at < 0)
                end = lineEnd(start);
            if (at >= 0) {
                if (restStart >= 0)
                    rest.push_back({restStart, start});
                restStart = -1;
                progress.push_back({start, end, at});
            } else if (restStart < 0 && end > start) {
                // Empty lines hold nothing: they start no run.
                restStart = start;
            }
            if (end == text.size())
                break;
            start = end + 1;
        }
        if (restStart >= 0)
            rest.push_back({restStart, text.size()});
    }

    // The first place at or after `from` where the phrase starts, in any
    // letter case, outside the plain progress lines; -1 when there is none.
    qsizetype find(QStringView text, QLatin1StringView phrase, qsizetype from) const
    {
        for (const Span &span : rest) {
            const qsizetype start = std::max(span.start, from);
            if (span.end - start < phrase.size())
                continue;
            const qsizetype at =
                PhraseSearch::indexOf(text.sliced(start, span.end - start), phrase);
            if (at >= 0)
                return start + at;
        }
        return -1;
    }
    // Whether the phrase ends inside the new text.
    bool hasNew(QStringView text, qsizetype carried, QLatin1StringView phrase) const
    {
        return find(text, phrase, firstNewMatch(carried, phrase)) >= 0;
    }
};

SteamCMDReader::SteamCMDReader(QString assetsDir, QString steamCMDDir)
    : m_assetsDir(std::move(assetsDir)), m_steamCMDDir(std::move(steamCMDDir))
{}

void SteamCMDReader::lineEnded()
{
    m_partialLine.clear();
    m_passwordPromptSeen = false;
    m_atPrompt = false;
}

void SteamCMDReader::codeSubmitted()
{
    // Only a code typed at the prompt surely reached SteamCMD: one typed
    // while it still prints its notice (which names Steam Guard on several
    // lines) may be dropped by the prompt, and SteamCMD's line goes on.
    if (!m_atPrompt)
        return;
    m_codeSent = true;
    lineEnded();
}

void SteamCMDReader::restart()
{
    SteamCMDReader fresh(m_assetsDir, m_steamCMDDir);
    *this = std::move(fresh);
}

void SteamCMDReader::signedInFurther()
{
    m_approvalUnderway = false;
    m_codeSent = false;
    m_codeRefused = false;
}

SteamFailure SteamCMDReader::reasonForExit() const
{
    if (!m_codeRefused)
        return {};
    return SteamFailureReasons::forKind(SteamFailure::Kind::CodeRejected,
                                        {m_assetsDir, m_steamCMDDir, std::nullopt, false});
}

QList<SteamCMDReader::Event> SteamCMDReader::feed(QStringView chunk)
{
    // The unfinished line of the read before, then this read; a read that
    // continues no line is looked at where it lies.
    const qsizetype carried = m_partialLine.size();
    QString joined;
    if (carried > 0) {
        joined.reserve(carried + chunk.size());
        joined.append(m_partialLine).append(chunk);
    }
    const QStringView text = carried > 0 ? QStringView(joined) : chunk;
    rememberPartialLine(text);
    if (std::any_of(chunk.begin(), chunk.end(), isLineEnd))
        m_passwordPromptSeen = false;

    const Layout layout(text);

    // The approval comes before what it lets SteamCMD go on to; a time-out
    // in the same read belongs to it.
    QList<Event> approval;
    if (layout.hasNew(text, carried, kApprovalNotice)) {
        approval.append({Kind::PhoneApproval, {}, {}});
        m_approvalUnderway = true;
    }
    if (layout.hasNew(text, carried, kApprovalConfirmed)) {
        approval.append({Kind::ApprovalConfirmed, {}, {}});
        signedInFurther();
    }

    QList<Event> events;
    findFailures(text, layout, events);
    Found found = classify(text, carried, layout);
    const auto firstIs = [&found](Kind kind) {
        return !found.events.isEmpty() && found.events.first().kind == kind;
    };
    if (firstIs(Kind::SteamGuardPrompt) && std::exchange(m_codeSent, false)) {
        // SteamCMD says nothing when Steam refuses a code: it asks again.
        const bool explained = std::any_of(events.cbegin(), events.cend(),
                                           [](const Event &e) { return e.failure.endsRun; });
        if (!explained) {
            m_codeRefused = true;
            events.append(
                {Kind::Failure,
                 {},
                 SteamFailureReasons::forKind(SteamFailure::Kind::CodeAskedAgain,
                                              {m_assetsDir, m_steamCMDDir, std::nullopt, false})});
        }
    } else if (firstIs(Kind::Progress) || firstIs(Kind::Validating)) {
        signedInFurther();
    }
    m_saidMore = saidMoreThanProgress(text, carried, found);
    const auto lastProgress =
        std::find_if(found.events.crbegin(), found.events.crend(),
                     [](const Event &event) { return event.kind == Kind::Progress; });
    if (lastProgress != found.events.crend())
        m_lastProgressLine = lastProgress->line;
    if (events.isEmpty() && approval.isEmpty()) {
        events = std::move(found.events);
    } else {
        events.append(approval);
        events.append(std::move(found.events));
    }

    // SteamCMD waits at a prompt with its line unfinished (which holds no
    // line end).
    QStringView open = m_partialLine;
    while (open.endsWith(u' ') || open.endsWith(u'\t'))
        open.chop(1);
    m_atPrompt = open.endsWith("steam guard code:"_L1, Qt::CaseInsensitive) ||
                 open.endsWith("two-factor code:"_L1, Qt::CaseInsensitive);
    if (!m_passwordPromptSeen && open.endsWith("password:"_L1, Qt::CaseInsensitive)) {
        m_passwordPromptSeen = true;
        events.append({Kind::PasswordPrompt, {}, {}});
    }
    return events;
}

void SteamCMDReader::findFailures(QStringView text, const Layout &layout, QList<Event> &events)
{
    // Each line, and the open one at the end, on its own: SteamCMD often
    // prints a reason on the end of a line and waits. The runs of lines
    // between progress lines are searched as one text, put together: each
    // search costs far more than the characters of a short line. Every run
    // but the last ends with its line end, so the lines stay as they were;
    // and as a reason is read from its line alone, the lines that give one
    // are those a search of each run by itself finds.
    if (layout.rest.empty())
        return;
    QString joined;
    if (layout.rest.size() > 1) {
        qsizetype size = 0;
        for (const Layout::Span &span : layout.rest)
            size += span.end - span.start;
        joined.reserve(size);
        for (const Layout::Span &span : layout.rest)
            joined.append(text.sliced(span.start, span.end - span.start));
    }
    const Layout::Span &only = layout.rest.front();
    const QStringView lines = layout.rest.size() > 1
                                  ? QStringView(joined)
                                  : text.sliced(only.start, only.end - only.start);
    for (qsizetype at = SteamFailureReasons::findCandidate(lines); at >= 0;) {
        qsizetype start = at;
        while (start > 0 && !isLineEnd(lines[start - 1]))
            --start;
        qsizetype end = at;
        while (end < lines.size() && !isLineEnd(lines[end]))
            ++end;
        const SteamFailure failure = SteamFailureReasons::recogniseWithLog(
            lines.sliced(start, end - start), m_assetsDir, m_steamCMDDir, m_approvalUnderway);
        if (!failure.isNull() && !m_seen.contains(failure.kind)) {
            m_seen.insert(failure.kind);
            events.append({Kind::Failure, {}, failure});
        }
        at = end < lines.size() ? SteamFailureReasons::findCandidate(lines, end) : -1;
    }
}

SteamCMDReader::Found SteamCMDReader::classify(QStringView text, qsizetype carried,
                                               const Layout &layout)
{
    const auto has = [&](QLatin1StringView phrase) {
        return layout.hasNew(text, carried, phrase);
    };

    const bool approval = has(kApprovalNotice);
    if (!approval &&
        (has("steam guard"_L1) || has("two-factor"_L1) || has("enter the current code"_L1)))
        return {{{Kind::SteamGuardPrompt, {}, {}}}, {}};
    if (has("no subscription"_L1) || has("no license"_L1))
        return {{{Kind::NotOwned, {}, {}}}, {}};

    // On a terminal SteamCMD may end a progress line with a carriage return
    // and write the next one over it: both characters end a line here. The
    // phrase is ASCII: a case-insensitive search keeps positions, so a
    // progress line is cut from the text as SteamCMD wrote it. One event per
    // line, in order, from the plain lines and the others alike.
    const qsizetype from = firstNewMatch(carried, kProgressPhrase);
    auto plain =
        std::find_if(layout.progress.cbegin(), layout.progress.cend(),
                     [from](const Layout::ProgressLine &line) { return line.phrase >= from; });
    qsizetype other = layout.find(text, kProgressPhrase, from);
    Found progress;
    progress.events.reserve(qsizetype(layout.progress.size()));
    progress.progressSpans.reserve(layout.progress.size());
    for (;;) {
        const bool takePlain =
            plain != layout.progress.cend() && (other < 0 || plain->phrase < other);
        qsizetype start;
        qsizetype end;
        if (takePlain) {
            start = plain->start;
            end = plain->end;
            ++plain;
        } else if (other >= 0) {
            start = other;
            while (start > 0 && !isLineEnd(text[start - 1]))
                --start;
            end = other + kProgressPhrase.size();
            while (end < text.size() && !isLineEnd(text[end]))
                ++end;
            other = layout.find(text, kProgressPhrase, end);
        } else {
            break;
        }
        progress.events.append(
            {Kind::Progress, text.sliced(start, end - start).trimmed().toString(), {}});
        progress.progressSpans.push_back({start, end});
    }
    if (!progress.events.isEmpty())
        return progress;

    if (has("validating"_L1))
        return {{{Kind::Validating, {}, {}}}, {}};
    if (has("login failure"_L1) || has("invalid password"_L1))
        return {{{Kind::LoginFailure, {}, {}}}, {}};
    return {};
}

bool SteamCMDReader::saidMoreThanProgress(QStringView text, qsizetype carried,
                                          const Found &found) const
{
    for (const Event &event : found.events) {
        if (event.kind == Kind::Progress && event.line != m_lastProgressLine)
            return true;
    }
    // Only the new text counts, outside the progress lines just found.
    auto span = found.progressSpans.cbegin();
    for (qsizetype i = carried; i < text.size(); ++i) {
        while (span != found.progressSpans.cend() && span->second <= i)
            ++span;
        if (span != found.progressSpans.cend() && span->first <= i) {
            i = span->second - 1;
            continue;
        }
        if (text[i] == u'\x1b' && text.sliced(i).startsWith(kTerminalReset)) {
            i += kTerminalReset.size() - 1;
            continue;
        }
        if (!text[i].isSpace())
            return true;
    }
    return false;
}

void SteamCMDReader::rememberPartialLine(QStringView text)
{
    qsizetype start = text.size();
    while (start > 0 && !isLineEnd(text[start - 1]))
        --start;
    start = std::max(start, text.size() - maxPartialLine);
    if (start > 0 && start < text.size() && text[start].isLowSurrogate())
        ++start;
    m_partialLine = text.mid(start).toString();
}
