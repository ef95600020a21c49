// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamFailureReasons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>

using namespace Qt::StringLiterals;

namespace {

using Kind = SteamFailure::Kind;

struct Rule
{
    Kind kind;
    const char *pattern;
};

// Reason texts as SteamCMD prints them; the prefix in front does not matter.
// The start script's complaint comes first: its path could hold any word.
constexpr std::array kRules{
    Rule{Kind::Missing32BitRuntime,
         R"(steamcmd\.sh: line \d+: [^\n]*linux32/steamcmd: no such file or directory)"},
    Rule{Kind::RateLimited, R"(rate limit exceeded)"},
    Rule{Kind::CodeRejected, R"(two-factor code mismatch|invalid login auth code|)"
                             R"(account logon denied)"},
    Rule{Kind::InvalidPassword, R"(invalid password)"},
    Rule{Kind::NoConnection, R"(no connection)"},
    Rule{Kind::DiskFull, R"(not enough disk space)"},
    Rule{Kind::DiskWriteFailure, R"(disk write failure)"},
    Rule{Kind::InvalidPlatform, R"(invalid platform)"},
    Rule{Kind::NotOwned, R"(no subscription|no license)"},
    Rule{Kind::MissingConfiguration, R"(missing configuration)"},
    // "Timeout" alone is too common a word: only as a result ("FAILED
    // (Timed out)", "ERROR (Timeout)") or as a wait that gave up ("Timed out
    // waiting for confirmation"). Whether the phone approval timed out or
    // Steam did not answer, only the reader of the whole output knows.
    Rule{Kind::TimedOut, R"(timed out waiting for \w+(?: \w+)*|\((timeout|timed out)\)|)"
                         R"(login failure:\s*(timeout|timed out)|)"
                         R"(result code\s+(timeout|timed out))"},
};

const QRegularExpression &ruleExpression(std::size_t index)
{
    static const auto expressions = [] {
        std::array<QRegularExpression, kRules.size()> built;
        for (std::size_t i = 0; i < kRules.size(); ++i)
            built[i] = QRegularExpression(QString::fromLatin1(kRules[i].pattern),
                                          QRegularExpression::CaseInsensitiveOption);
        return built;
    }();
    return expressions[index];
}

const char kUpdateJobPattern[] = R"(state is (0x[0-9a-f]{1,8}) after update job)";
const QRegularExpression kUpdateJobState(QString::fromLatin1(kUpdateJobPattern),
                                         QRegularExpression::CaseInsensitiveOption);
// Any of the patterns above, in one search.
const QRegularExpression kAnyReason = [] {
    QStringList patterns;
    for (const Rule &rule : kRules)
        patterns.append(QString::fromLatin1(rule.pattern));
    patterns.append(QString::fromLatin1(kUpdateJobPattern));
    return QRegularExpression(u"(?:"_s + patterns.join(u")|(?:"_s) + u')',
                              QRegularExpression::CaseInsensitiveOption);
}();
// Digits bounded so that no value overflows a qint64.
const QRegularExpression
    kShortfall(QStringLiteral(R"(\b(\d{1,15}) MB needed, (\d{1,15}) MB available)"),
               QRegularExpression::CaseInsensitiveOption);

Kind kindOfState(uint state)
{
    switch (state) {
    case 0x202:
    case 0x212:
        return Kind::DiskFull;
    case 0x402:
    case 0x6:
        return Kind::NoConnection;
    case 0x606:
        return Kind::DiskWriteFailure;
    default:
        return Kind::UpdateJobFailed;
    }
}

void setExplanation(SteamFailure &failure, const LocalizedText &text)
{
    failure.explanation = text.english();
    failure.translatedExplanation = text.translated();
}

void setFailure(SteamFailure &failure, const LocalizedText &text)
{
    failure.failure = text.english();
    failure.translatedFailure = text.translated();
}

// The fallback is a source text marked where it is written.
LocalizedText folderName(const QString &path, const char *fallback)
{
    return path.isEmpty() ? LocalizedText::translate("SteamFailureReasons", fallback)
                          : LocalizedText(QDir::toNativeSeparators(path));
}

void explain(SteamFailure &failure, const SteamFailureReasons::Context &context)
{
    const LocalizedText assets = folderName(
        context.assetsDir, QT_TRANSLATE_NOOP("SteamFailureReasons", "the game's folder"));
    switch (failure.kind) {
    case Kind::None:
        return;
    case Kind::InvalidPassword:
        setExplanation(
            failure, LocalizedText::translate("SteamFailureReasons",
                                              "Steam did not accept the password. Check your user "
                                              "name and password, then try again."));
        setFailure(failure, SteamFailureReasons::localizedAuthenticationFailed());
        failure.endsRun = true;
        return;
    case Kind::CodeRejected:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "Steam did not accept the Steam Guard code: it was wrong or had "
                           "expired. Start the download again and enter the newest code."));
        setFailure(failure, SteamFailureReasons::localizedAuthenticationFailed());
        failure.endsRun = true;
        return;
    case Kind::RateLimited:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "Steam refuses sign-ins for a while after too many attempts. Wait "
                           "before you try again: every attempt in between can make the wait "
                           "longer."));
        // Not a wrong password: typing it again and retrying is what
        // extends the block.
        setFailure(failure, LocalizedText::translate(
                                "SteamFailureReasons",
                                "Too many sign-in attempts — wait before trying again"));
        failure.endsRun = true;
        return;
    case Kind::ApprovalTimedOut:
        setExplanation(
            failure, LocalizedText::translate(
                         "SteamFailureReasons",
                         "The sign-in was not approved in time. Start the download again and "
                         "approve the sign-in in the Steam Mobile app on your phone right away."));
        setFailure(failure,
                   LocalizedText::translate("SteamFailureReasons", "Sign-in not approved in time"));
        failure.endsRun = true;
        return;
    case Kind::TimedOut:
        setExplanation(failure,
                       LocalizedText::translate("SteamFailureReasons",
                                                "SteamCMD did not hear back from Steam in time. "
                                                "Check your internet connection and try again."));
        return;
    case Kind::CodeAskedAgain:
        // SteamCMD waits for another code: the run goes on.
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "Steam did not accept the Steam Guard code: it was wrong or had "
                           "expired. Type the newest code to try again."));
        return;
    case Kind::NoConnection:
        setExplanation(
            failure,
            LocalizedText::translate(
                "SteamFailureReasons",
                "SteamCMD could not reach Steam. Check your internet connection, then try again."));
        return;
    case Kind::DiskFull:
        if (context.shortfall) {
            const DiskShortfall s = *context.shortfall;
            setExplanation(failure,
                           LocalizedText::translate(
                               "SteamFailureReasons",
                               "There is not enough free disk space for the game in %1: it needs "
                               "%2 MB and only %3 MB are free. Free up space there, then try "
                               "again.")
                               .arg(assets)
                               .arg(s.neededMB)
                               .arg(s.availableMB));
        } else {
            setExplanation(failure, LocalizedText::translate(
                                        "SteamFailureReasons",
                                        "There is not enough free disk space for the "
                                        "game in %1. Free up space there, then try again.")
                                        .arg(assets));
        }
        return;
    case Kind::DiskWriteFailure:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "SteamCMD could not write the game's files to %1. Make sure that folder "
                           "belongs to you and is not read-only, then try again.")
                           .arg(assets));
        return;
    case Kind::InvalidPlatform:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "Steam would not hand out the Windows files of the game (invalid "
                           "platform). Try again later; if it keeps happening, report it with "
                           "the download log."));
        return;
    case Kind::NotOwned:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "This Steam account does not own the game. Buy it on Steam, or sign "
                           "in with the account that owns it."));
        setFailure(failure, SteamFailureReasons::localizedNotOwned());
        return;
    case Kind::MissingConfiguration:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "Steam did not send the game's configuration (missing configuration). "
                           "This is often reported right after SteamCMD has updated itself and "
                           "usually goes away on a later try: try again in a while."));
        failure.retryOnce = true;
        return;
    case Kind::UpdateJobFailed:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "SteamCMD stopped before the game was complete (state %1). Try again; "
                           "if it keeps happening, the reason is in %2.")
                           .arg(failure.reason)
                           .arg(folderName(SteamFailureReasons::contentLogPath(context.steamCMDDir),
                                           QT_TRANSLATE_NOOP("SteamFailureReasons",
                                                             "SteamCMD's content log"))));
        return;
    case Kind::Missing32BitRuntime:
        setExplanation(failure,
                       LocalizedText::translate(
                           "SteamFailureReasons",
                           "SteamCMD cannot start: it needs the 32-bit C runtime, which is not "
                           "installed. Install the package lib32gcc-s1, then try again."));
        return;
    }
}

} // namespace

SteamFailure SteamFailureReasons::recognise(QStringView text, const Context &context)
{
    SteamFailure failure;
    for (std::size_t i = 0; i < kRules.size() && failure.isNull(); ++i) {
        const QRegularExpressionMatch match = ruleExpression(i).match(text);
        if (!match.hasMatch())
            continue;
        failure.kind = kRules[i].kind;
        failure.reason = match.captured(0);
        for (int group = 1; group <= match.lastCapturedIndex(); ++group) {
            if (match.hasCaptured(group))
                failure.reason = match.captured(group);
        }
    }
    if (failure.isNull()) {
        const QRegularExpressionMatch match = kUpdateJobState.match(text);
        if (match.hasMatch()) {
            failure.reason = match.captured(1).toLower();
            failure.kind = kindOfState(failure.reason.mid(2).toUInt(nullptr, 16));
        }
    }
    if (failure.kind == Kind::Missing32BitRuntime)
        failure.reason = QStringLiteral("linux32/steamcmd: No such file or directory");
    if (failure.kind == Kind::TimedOut && context.approvalUnderway)
        failure.kind = Kind::ApprovalTimedOut;
    explain(failure, context);
    return failure;
}

SteamFailure SteamFailureReasons::forKind(SteamFailure::Kind kind, const Context &context)
{
    SteamFailure failure;
    failure.kind = kind;
    explain(failure, context);
    return failure;
}

QString SteamFailureReasons::authenticationFailed()
{
    return localizedAuthenticationFailed().english();
}

QString SteamFailureReasons::notOwned()
{
    return localizedNotOwned().english();
}

LocalizedText SteamFailureReasons::localizedAuthenticationFailed()
{
    //: The status after Steam refused the sign-in: user name, password or Steam Guard code.
    return LocalizedText::translate("SteamFailureReasons",
                                    "Authentication failed — check credentials");
}

LocalizedText SteamFailureReasons::localizedNotOwned()
{
    //: The status when the Steam account has no licence for the game.
    return LocalizedText::translate("SteamFailureReasons", "Game not owned — purchase required");
}

qsizetype SteamFailureReasons::findCandidate(QStringView text, qsizetype from)
{
    const QRegularExpressionMatch match = kAnyReason.match(text, from);
    return match.hasMatch() ? match.capturedStart() : -1;
}

SteamFailure SteamFailureReasons::recogniseWithLog(QStringView text, const QString &assetsDir,
                                                   const QString &steamCMDDir,
                                                   bool approvalUnderway)
{
    Context context{assetsDir, steamCMDDir, std::nullopt, approvalUnderway};
    SteamFailure failure = recognise(text, context);
    if (failure.kind == Kind::DiskFull) {
        context.shortfall = readDiskShortfall(steamCMDDir);
        failure = recognise(text, context);
    }
    return failure;
}

QString SteamFailureReasons::contentLogPath(const QString &steamCMDDir)
{
    if (steamCMDDir.isEmpty())
        return {};
    return QDir(steamCMDDir).filePath(QStringLiteral("logs/content_log.txt"));
}

std::optional<DiskShortfall> SteamFailureReasons::lastDiskShortfall(QStringView contentLog)
{
    std::optional<DiskShortfall> last;
    QRegularExpressionMatchIterator it = kShortfall.globalMatch(contentLog);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        last = DiskShortfall{match.captured(1).toLongLong(), match.captured(2).toLongLong()};
    }
    return last;
}

std::optional<DiskShortfall> SteamFailureReasons::readDiskShortfall(const QString &steamCMDDir,
                                                                    qint64 maxBytes)
{
    const QString path = contentLogPath(steamCMDDir);
    // Only a regular file: a fifo or a device in its place would block or
    // never end.
    if (path.isEmpty() || !QFileInfo(path).isFile() || maxBytes <= 0)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    if (size > maxBytes && !file.seek(size - maxBytes))
        return std::nullopt;
    const QByteArray tail = file.read(maxBytes);
    return lastDiskShortfall(QString::fromUtf8(tail));
}
