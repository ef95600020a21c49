// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDReader.h"

#include <QRegularExpression>

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

bool hasNew(const QString &text, qsizetype carried, QLatin1StringView phrase)
{
    return text.indexOf(phrase, firstNewMatch(carried, phrase), Qt::CaseInsensitive) >= 0;
}

const auto kApprovalNotice = "confirm the login in the steam mobile app"_L1;
const auto kApprovalConfirmed = "waiting for confirmation...ok"_L1;
// What SteamCMD puts before a progress line on a terminal.
const auto kTerminalReset = "\x1b[0m"_L1;

} // namespace

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
    const qsizetype carried = m_partialLine.size();
    QString text;
    text.reserve(carried + chunk.size());
    text.append(m_partialLine).append(chunk);
    rememberPartialLine(text);
    if (std::any_of(chunk.begin(), chunk.end(), isLineEnd))
        m_passwordPromptSeen = false;

    // The approval comes before what it lets SteamCMD go on to; a time-out
    // in the same read belongs to it.
    QList<Event> approval;
    if (hasNew(text, carried, kApprovalNotice)) {
        approval.append({Kind::PhoneApproval, {}, {}});
        m_approvalUnderway = true;
    }
    if (hasNew(text, carried, kApprovalConfirmed)) {
        approval.append({Kind::ApprovalConfirmed, {}, {}});
        signedInFurther();
    }

    QList<Event> events;
    findFailures(text, events);
    const Found found = classify(text, carried);
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
    events.append(approval);
    events.append(found.events);

    m_saidMore = saidMoreThanProgress(text, carried, found);
    for (const Event &event : found.events) {
        if (event.kind == Kind::Progress)
            m_lastProgressLine = event.line;
    }

    // SteamCMD waits at a prompt with its line unfinished.
    static const QRegularExpression codePrompt(
        QStringLiteral("(?:steam guard|two-factor) code:[ \t]*$"),
        QRegularExpression::CaseInsensitiveOption);
    m_atPrompt = codePrompt.match(m_partialLine).hasMatch();
    static const QRegularExpression prompt(QStringLiteral("password:[ \t]*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!m_passwordPromptSeen && prompt.match(m_partialLine).hasMatch()) {
        m_passwordPromptSeen = true;
        events.append({Kind::PasswordPrompt, {}, {}});
    }
    return events;
}

void SteamCMDReader::findFailures(const QString &text, QList<Event> &events)
{
    // Each line, and the open one at the end, on its own: SteamCMD often
    // prints a reason on the end of a line and waits.
    for (qsizetype at = SteamFailureReasons::findCandidate(text); at >= 0;) {
        qsizetype start = at;
        while (start > 0 && !isLineEnd(text[start - 1]))
            --start;
        qsizetype end = at;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        const SteamFailure failure =
            SteamFailureReasons::recogniseWithLog(QStringView(text).mid(start, end - start),
                                                  m_assetsDir, m_steamCMDDir, m_approvalUnderway);
        if (!failure.isNull() && !m_seen.contains(failure.kind)) {
            m_seen.insert(failure.kind);
            events.append({Kind::Failure, {}, failure});
        }
        at = end < text.size() ? SteamFailureReasons::findCandidate(text, end) : -1;
    }
}

SteamCMDReader::Found SteamCMDReader::classify(const QString &text, qsizetype carried)
{
    // The phrases are ASCII: a case-insensitive search keeps positions, so a
    // progress line is cut from the text as SteamCMD wrote it.
    const auto find = [&text, carried](QLatin1StringView phrase, qsizetype from = -1) {
        return text.indexOf(phrase, std::max(from, firstNewMatch(carried, phrase)),
                            Qt::CaseInsensitive);
    };
    const auto has = [&find](QLatin1StringView phrase) {
        return find(phrase) >= 0;
    };

    const bool approval = has(kApprovalNotice);
    if (!approval &&
        (has("steam guard"_L1) || has("two-factor"_L1) || has("enter the current code"_L1)))
        return {{{Kind::SteamGuardPrompt, {}, {}}}, {}};
    if (has("no subscription"_L1) || has("no license"_L1))
        return {{{Kind::NotOwned, {}, {}}}, {}};

    // On a terminal SteamCMD may end a progress line with a carriage return
    // and write the next one over it: both characters end a line here.
    const auto phrase = "update state"_L1;
    Found progress;
    for (qsizetype from = 0;;) {
        const qsizetype at = find(phrase, from);
        if (at < 0)
            break;
        qsizetype start = at;
        while (start > 0 && !isLineEnd(text[start - 1]))
            --start;
        qsizetype end = at + phrase.size();
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        progress.events.append(
            {Kind::Progress, QStringView(text).mid(start, end - start).trimmed().toString(), {}});
        progress.progressSpans.append({start, end});
        from = end;
    }
    if (!progress.events.isEmpty())
        return progress;

    if (has("validating"_L1))
        return {{{Kind::Validating, {}, {}}}, {}};
    if (has("login failure"_L1) || has("invalid password"_L1))
        return {{{Kind::LoginFailure, {}, {}}}, {}};
    return {};
}

bool SteamCMDReader::saidMoreThanProgress(const QString &text, qsizetype carried,
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
        if (text[i] == u'\x1b' && QStringView(text).mid(i).startsWith(kTerminalReset)) {
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
