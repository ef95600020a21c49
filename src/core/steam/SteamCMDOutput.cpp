// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteamCMDOutput.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

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

} // namespace

QList<SteamCMDOutput::Event> SteamCMDOutput::feed(QStringView chunk)
{
    using Kind = Event::Kind;
    const qsizetype carried = m_partialLine.size();
    QString text;
    text.reserve(carried + chunk.size());
    text.append(m_partialLine).append(chunk);
    rememberPartialLine(text);
    if (std::any_of(chunk.begin(), chunk.end(), isLineEnd))
        m_passwordPromptSeen = false;

    // The approval comes before what it lets SteamCMD go on to.
    QList<Event> events;
    const auto has = [&text, carried](QLatin1StringView phrase) {
        return text.indexOf(phrase, firstNewMatch(carried, phrase), Qt::CaseInsensitive) >= 0;
    };
    if (has("confirm the login in the steam mobile app"_L1))
        events.append({Kind::PhoneApproval, {}});
    if (has("waiting for confirmation...ok"_L1))
        events.append({Kind::ApprovalConfirmed, {}});
    events.append(classify(text, carried));
    // SteamCMD waits at the prompt with its line unfinished.
    static const QRegularExpression prompt(QStringLiteral("password:[ \t]*$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!m_passwordPromptSeen && prompt.match(m_partialLine).hasMatch()) {
        m_passwordPromptSeen = true;
        events.append({Kind::PasswordPrompt, {}});
    }
    return events;
}

QList<SteamCMDOutput::Event> SteamCMDOutput::classify(const QString &text, qsizetype carried)
{
    using Kind = Event::Kind;
    // The phrases are ASCII: a case-insensitive search keeps positions, so a
    // progress line is cut from the text as SteamCMD wrote it.
    const auto find = [&text, carried](QLatin1StringView phrase, qsizetype from = -1) {
        return text.indexOf(phrase, std::max(from, firstNewMatch(carried, phrase)),
                            Qt::CaseInsensitive);
    };
    const auto has = [&find](QLatin1StringView phrase) {
        return find(phrase) >= 0;
    };

    const bool approval = has("confirm the login in the steam mobile app"_L1);
    if (!approval &&
        (has("steam guard"_L1) || has("two-factor"_L1) || has("enter the current code"_L1)))
        return {{Kind::SteamGuardPrompt, {}}};
    if (has("no subscription"_L1) || has("no license"_L1))
        return {{Kind::NotOwned, {}}};

    // On a terminal SteamCMD may end a progress line with a carriage return
    // and write the next one over it: both characters end a line here.
    const auto phrase = "update state"_L1;
    QList<Event> progress;
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
        progress.append(
            {Kind::Progress, QStringView(text).mid(start, end - start).trimmed().toString()});
        from = end;
    }
    if (!progress.isEmpty())
        return progress;

    if (has("validating"_L1))
        return {{Kind::Validating, {}}};
    if (has("login failure"_L1) || has("invalid password"_L1))
        return {{Kind::LoginFailure, {}}};
    return {};
}

void SteamCMDOutput::rememberPartialLine(QStringView text)
{
    qsizetype start = text.size();
    while (start > 0 && !isLineEnd(text[start - 1]))
        --start;
    // Enough to finish any phrase and most progress lines; a line without
    // end (a megabyte of garbage) is not kept whole.
    start = std::max(start, text.size() - maxPartialLine);
    if (start > 0 && start < text.size() && text[start].isLowSurrogate())
        ++start;
    m_partialLine = text.mid(start).toString();
}
