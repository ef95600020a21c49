// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"
#include "steam/SteamCMDReader.h"

#include <QHash>
#include <QTest>

// The reader of SteamCMD's output, fed with the lines the fake SteamCMD
// prints, whole or cut between reads as a terminal delivers them: the phrase
// rules, the failure reasons among them, and what a prompt that comes back
// after a code means. Which reason each text is, is the failure reasons'
// own table test.
class TestSteamCMDOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void events_data();
    void events();
    void typedLineEndForgetsPrompt();
    void refusedCodeIsTheExitsReason();
    void saidMore_data();
    void saidMore();
    void openLineKeeps1024Characters_data();
    void openLineKeeps1024Characters();
};

namespace {

using W = FakeSteamCMD::Words;
using Form = FakeSteamCMD::Form;
using Kind = SteamCMDReader::Event::Kind;

// A read that stands for a Steam Guard code typed into SteamCMD.
const QString kCodeTyped = QStringLiteral("<code typed>");

QString reason(SteamFailure::Kind kind)
{
    using F = SteamFailure::Kind;
    static const QHash<F, QString> names{
        {F::RateLimited, "rate limit"},
        {F::InvalidPassword, "invalid password"},
        {F::CodeRejected, "code rejected"},
        {F::CodeAskedAgain, "code asked again"},
        {F::ApprovalTimedOut, "approval timed out"},
        {F::TimedOut, "timed out"},
        {F::NotOwned, "not owned"},
    };
    return "reason|" + names.value(kind, QString::number(int(kind)));
}

// One event as text, for readable tables.
QString describe(const SteamCMDReader::Event &event)
{
    switch (event.kind) {
    case Kind::SteamGuardPrompt:
        return QStringLiteral("guard");
    case Kind::NotOwned:
        return QStringLiteral("not owned");
    case Kind::Progress:
        return QStringLiteral("progress|") + event.line;
    case Kind::Validating:
        return QStringLiteral("validating");
    case Kind::LoginFailure:
        return QStringLiteral("login failure");
    case Kind::PhoneApproval:
        return QStringLiteral("approval");
    case Kind::ApprovalConfirmed:
        return QStringLiteral("approved");
    case Kind::PasswordPrompt:
        return QStringLiteral("password");
    case Kind::Failure:
        return reason(event.failure.kind);
    }
    return {};
}

SteamCMDReader makeReader()
{
    return SteamCMDReader(QStringLiteral("/assets"), QStringLiteral("/steamcmd"));
}

QStringList feedAll(SteamCMDReader &reader, const QStringList &reads)
{
    QStringList seen;
    for (const QString &read : reads) {
        if (read == kCodeTyped) {
            reader.codeSubmitted();
            continue;
        }
        for (const SteamCMDReader::Event &event : reader.feed(read))
            seen.append(describe(event));
    }
    return seen;
}

QString says(const char *words, const QString &filling = {})
{
    return FakeSteamCMD::says(words, filling);
}

QString failure(Form form, const char *reason)
{
    return FakeSteamCMD::failureLine(form).arg(QString::fromUtf8(reason));
}

const QString kProgress = says(W::downloading);
const QString kVerifying = says(W::verifying);
const QString kEmailPrompt = says(W::emailNotice) + "\n" + W::guardPrompt;

} // namespace

void TestSteamCMDOutput::events_data()
{
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("events");

    const QString notOwned = failure(Form::InstallFailed, W::noSubscription) + "\n";
    const QString twoFactor = W::twoFactorPrompt;
    const QString guard = W::guardPrompt;

    // Whole lines as SteamCMD writes them.
    QTest::newRow("e-mail guard prompt") << QStringList{kEmailPrompt} << QStringList{"guard"};
    QTest::newRow("mobile authenticator")
        << QStringList{says(W::mobileNotice) + "\n" + twoFactor} << QStringList{"guard"};
    QTest::newRow("prompt in capitals") << QStringList{twoFactor.toUpper()} << QStringList{"guard"};
    QTest::newRow("progress, trimmed, case kept")
        << QStringList{kProgress + "\n"} << QStringList{"progress|" + kProgress.trimmed()};
    QTest::newRow("two progress lines in one read, CR and ANSI reset")
        << QStringList{W::reset + kProgress + "\r" + kVerifying + "\r\n"}
        << QStringList{QString("progress|") + W::reset + kProgress,
                       "progress|" + kVerifying.trimmed()};
    const QString comma = says(W::commaProgress).replace("Update state", "UPDATE STATE");
    QTest::newRow("comma decimals, capitals")
        << QStringList{comma + "\n"} << QStringList{"progress|" + comma.trimmed()};
    // Lines as SteamCMD prints them and others read differently; the events
    // keep the order of the lines.
    QTest::newRow("progress lines of both forms, in order")
        << QStringList{comma + "\n" + kProgress + "\r" + comma + "\r\n" + kVerifying + "\n"}
        << QStringList{"progress|" + comma.trimmed(), "progress|" + kProgress.trimmed(),
                       "progress|" + comma.trimmed(), "progress|" + kVerifying.trimmed()};
    QTest::newRow("validating") << QStringList{says(W::validating) + "\n"}
                                << QStringList{"validating"};
    // The reason comes first: its sentence goes before the failure it explains.
    QTest::newRow("not owned") << QStringList{notOwned}
                               << QStringList{reason(SteamFailure::Kind::NotOwned), "not owned"};
    QTest::newRow("no license") << QStringList{says(W::noLicense).toUpper() + "\n"}
                                << QStringList{reason(SteamFailure::Kind::NotOwned), "not owned"};
    QTest::newRow("invalid password on an open line")
        << QStringList{says(W::loggingIn, "u"), failure(Form::OpenLine, W::invalidPassword) + "\n"}
        << QStringList{reason(SteamFailure::Kind::InvalidPassword), "login failure"};
    QTest::newRow("old login failure prefix")
        << QStringList{failure(Form::LoginFailure, W::rateLimitExceeded) + "\n"}
        << QStringList{reason(SteamFailure::Kind::RateLimited), "login failure"};

    // Runs of other lines between the progress lines of one read: each
    // reason in order, each read from its own line (the words of one
    // reason cut by progress lines make none).
    QTest::newRow("reasons between progress lines")
        << QStringList{failure(Form::LoginFailure, W::rateLimitExceeded) + "\n" + kProgress + "\n" +
                       says(W::loadingApi) + "\n" + kProgress + "\r" +
                       failure(Form::OpenLine, W::invalidPassword) + "\n" + kVerifying + "\n"}
        << QStringList{reason(SteamFailure::Kind::RateLimited),
                       reason(SteamFailure::Kind::InvalidPassword),
                       "progress|" + kProgress.trimmed(), "progress|" + kProgress.trimmed(),
                       "progress|" + kVerifying.trimmed()};
    QTest::newRow("a reason's words cut by a progress line")
        << QStringList{"Login Failure:\n" + kProgress + "\nTimed out\n" + kVerifying + "\n"}
        << QStringList{"progress|" + kProgress.trimmed(), "progress|" + kVerifying.trimmed()};

    // One kind per read, by precedence.
    QTest::newRow("guard beats progress")
        << QStringList{kProgress + "\n" + guard} << QStringList{"guard"};
    QTest::newRow("not owned beats progress")
        << QStringList{kProgress + "\n" + notOwned}
        << QStringList{reason(SteamFailure::Kind::NotOwned), "not owned"};
    QTest::newRow("progress beats validating")
        << QStringList{says(W::validating) + "\n" + kVerifying + "\n"}
        << QStringList{"progress|" + kVerifying.trimmed()};
    QTest::newRow("validating beats login failure")
        << QStringList{says(W::validating) + "\n" + failure(Form::LoginFailure, "x") + "\n"}
        << QStringList{"validating"};

    // Reads that cut a phrase; a phrase is reported once.
    QTest::newRow("prompt cut between reads")
        << QStringList{guard.left(8), guard.mid(8)} << QStringList{"guard"};
    QTest::newRow("prompt cut after one letter")
        << QStringList{twoFactor.left(1), twoFactor.mid(1)} << QStringList{"guard"};
    QTest::newRow("prompt not repeated by the next read")
        << QStringList{guard, "", " ", "OK\n"} << QStringList{"guard"};
    // Reported when the phrase is whole, with as much of the line as came.
    QTest::newRow("progress line cut mid-phrase")
        << QStringList{kProgress.left(10), kProgress.mid(10, 50), kProgress.mid(60) + "\n"}
        << QStringList{"progress|" + kProgress.left(60).trimmed()};
    QTest::newRow("finished line is not looked at again")
        << QStringList{kProgress + "\n", says(W::loadingApi) + "\n"}
        << QStringList{"progress|" + kProgress.trimmed()};
    QTest::newRow("not owned cut")
        << QStringList{notOwned.left(notOwned.size() - 8), notOwned.right(8)}
        << QStringList{reason(SteamFailure::Kind::NotOwned), "not owned"};

    // A reason on the end of an open line, cut between reads: reported when
    // it is whole, and once, also when its line ends; each kind once per start.
    const QString rateLimited = failure(Form::OpenLine, W::rateLimitExceeded);
    QTest::newRow("reason cut on an open line, then its line ends")
        << QStringList{says(W::loggingIn, "u"), rateLimited.left(12), rateLimited.mid(12), "\n"}
        << QStringList{reason(SteamFailure::Kind::RateLimited)};
    const QString refused = failure(Form::OpenLine, W::invalidPassword) + "\n";
    QTest::newRow("each kind once") << QStringList{refused, refused}
                                    << QStringList{reason(SteamFailure::Kind::InvalidPassword),
                                                   "login failure", "login failure"};

    // Time-outs: the phone approval's when one is under way, a connection
    // problem otherwise.
    const QString approval = says(W::approvalNotice) + "\n\n" + W::waitingForConfirmation;
    const QString approvalEnd =
        says(W::approvalTimedOut) + "\n" + failure(Form::Error, W::timeout) + "\n";
    QTest::newRow("time-out, no approval")
        << QStringList{says(W::cachedLogin) + "\n", says(W::userInfoTimedOut) + "\n"}
        << QStringList{reason(SteamFailure::Kind::TimedOut)};
    QTest::newRow("time-out of the approval")
        << QStringList{approval + "\n", approvalEnd}
        << QStringList{"approval", reason(SteamFailure::Kind::ApprovalTimedOut)};
    QTest::newRow("approval and its time-out in one read")
        << QStringList{approval + "\n" + approvalEnd}
        << QStringList{reason(SteamFailure::Kind::ApprovalTimedOut), "approval"};
    QTest::newRow("time-out after the approval")
        << QStringList{approval, "OK\n", says(W::userInfoTimedOut) + "\n"}
        << QStringList{"approval", "approved", reason(SteamFailure::Kind::TimedOut)};

    const QString noticeStart = says(W::emailNotice).section('\n', 0, 0) + "\n";
    const QString noticeRest = says(W::emailNotice).section('\n', 1) + "\n" + guard;
    // A prompt that comes back after a code: Steam refused it, each time.
    QTest::newRow("prompt back after a code")
        << QStringList{kEmailPrompt, kCodeTyped, kEmailPrompt, kCodeTyped, kEmailPrompt}
        << QStringList{"guard", reason(SteamFailure::Kind::CodeAskedAgain), "guard",
                       reason(SteamFailure::Kind::CodeAskedAgain), "guard"};
    // Its notice over several reads is one prompt.
    QTest::newRow("prompt back, in several reads")
        << QStringList{guard, kCodeTyped, noticeStart, noticeRest}
        << QStringList{"guard", reason(SteamFailure::Kind::CodeAskedAgain), "guard", "guard"};
    // A code typed while the notice is still coming may be dropped by the
    // prompt: only one typed at the prompt tells a refusal, and the line the
    // prompt stands on is still SteamCMD's.
    QTest::newRow("code typed ahead of its prompt")
        << QStringList{noticeStart,         kCodeTyped, noticeRest.chopped(3), kCodeTyped,
                       noticeRest.right(3), kCodeTyped, kEmailPrompt}
        << QStringList{"guard", "guard", reason(SteamFailure::Kind::CodeAskedAgain), "guard"};
    QTest::newRow("a reason of its own explains the refusal")
        << QStringList{twoFactor, kCodeTyped, failure(Form::AfterPrompt, W::codeMismatch) + "\n"}
        << QStringList{"guard", reason(SteamFailure::Kind::CodeRejected), "guard"};
    QTest::newRow("code taken") << QStringList{guard, kCodeTyped, says(W::loggingIn, "u") + "OK\n",
                                               kProgress + "\n"}
                                << QStringList{"guard", "progress|" + kProgress.trimmed()};

    // The password prompt: an unfinished line, any case, blanks after; once
    // until the line ends.
    const QString password = says(W::passwordPrompt);
    QTest::newRow("password prompt")
        << QStringList{says(W::loggingIn, "u") + "\n", password.trimmed().toUpper(), " \t", "",
                       "\n" + password}
        << QStringList{"password", "password"};
    QTest::newRow("password on a finished line is no prompt")
        << QStringList{password + "\n", password + "x"} << QStringList{};
    // Phone approval: its notice names Steam Guard, yet progress that follows
    // in the same read still counts, after the confirmation, which may end an
    // open line.
    QTest::newRow("phone approval in capitals, then confirmed")
        << QStringList{approval.toUpper(), "OK\n" + kProgress + "\n"}
        << QStringList{"approval", "approved", "progress|" + kProgress.trimmed()};

    // Noise SteamCMD writes on every run.
    QStringList noise;
    for (const char *line :
         {W::redirecting, W::logFolder, W::localize, W::checkingUpdate, W::verifyingInstallation,
          W::notShutDown, W::setlocale, W::sdl, W::updateStarted, W::version, W::typeQuit,
          W::loadingApi, W::clientConfig, W::success, W::unloading})
        noise.append(says(line, "/home/u/.local/share/Steam") + "\n");
    QTest::newRow("noise") << noise << QStringList{};
}

void TestSteamCMDOutput::events()
{
    QFETCH(QStringList, reads);
    QFETCH(QStringList, events);
    SteamCMDReader reader = makeReader();
    QCOMPARE(feedAll(reader, reads), events);
}

void TestSteamCMDOutput::typedLineEndForgetsPrompt()
{
    // The typed line ends the prompt's line: a read that follows is a new
    // line, not the prompt again, however the next phrase begins.
    const QString guard = W::guardPrompt;
    SteamCMDReader reader = makeReader();
    QCOMPARE(feedAll(reader, {guard.left(8)}), QStringList{});
    reader.lineEnded();
    QCOMPARE(feedAll(reader, {guard.mid(8)}), QStringList{});
    reader.codeSubmitted();
    QCOMPARE(feedAll(reader, {guard.mid(8)}), QStringList{});
}

void TestSteamCMDOutput::refusedCodeIsTheExitsReason()
{
    // Refused without a word: SteamCMD's end is explained by the refusal.
    SteamCMDReader reader = makeReader();
    feedAll(reader, {kEmailPrompt, kCodeTyped});
    QVERIFY(reader.reasonForExit().isNull());
    feedAll(reader, {kEmailPrompt});
    const SteamFailure refused = reader.reasonForExit();
    QCOMPARE(refused.kind, SteamFailure::Kind::CodeRejected);
    QCOMPARE(refused.failure, SteamFailureReasons::authenticationFailed());
    QVERIFY(refused.endsRun);

    // The next code was taken: SteamCMD went on, its end is its own.
    feedAll(reader, {kCodeTyped, kProgress + "\n"});
    QVERIFY(reader.reasonForExit().isNull());

    // A new start forgets the refusal.
    feedAll(reader, {kEmailPrompt, kCodeTyped, kEmailPrompt});
    QVERIFY(!reader.reasonForExit().isNull());
    reader.restart();
    QVERIFY(reader.reasonForExit().isNull());
}

void TestSteamCMDOutput::saidMore_data()
{
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<bool>("saidMore"); // of the last read
    const QString line = W::reset + kProgress + "\n";
    QTest::newRow("first progress line") << QStringList{line} << true;
    QTest::newRow("the same line, resets and blanks")
        << QStringList{line, line + " " + W::reset + "\r\n" + line} << false;
    QTest::newRow("the same line and a word")
        << QStringList{line, line + says(W::retrying) + "\n"} << true;
    QTest::newRow("another progress line") << QStringList{line, kVerifying + "\n"} << true;
    QTest::newRow("blanks only") << QStringList{"  \n\r\n"} << false;
}

void TestSteamCMDOutput::saidMore()
{
    QFETCH(QStringList, reads);
    QFETCH(bool, saidMore);
    SteamCMDReader reader = makeReader();
    feedAll(reader, reads);
    QCOMPARE(reader.saidMore(), saidMore);
    // After a new start the same text is news again, unless it is nothing.
    reader.restart();
    feedAll(reader, {reads.last()});
    QCOMPARE(reader.saidMore(), !reads.last().trimmed().isEmpty());
}

void TestSteamCMDOutput::openLineKeeps1024Characters_data()
{
    // The failure line of the start script with a long folder, cut in the
    // folder: found while the line's start is among the last 1024
    // characters kept, lost once it is not.
    QTest::addColumn<int>("firstReadLength");
    QTest::addColumn<bool>("found");
    QTest::newRow("1024 kept") << 1024 << true;
    QTest::newRow("1025: its start is lost") << 1025 << false;
}

void TestSteamCMDOutput::openLineKeeps1024Characters()
{
    QFETCH(int, firstReadLength);
    QFETCH(bool, found);
    const QString head = says(W::loaderMissing, "/").section("/linux32", 0, 0);
    const QString folder(firstReadLength - head.size(), u'f');
    const QString rest = says(W::loaderMissing, "").section('/', 1);
    SteamCMDReader reader = makeReader();
    QCOMPARE(feedAll(reader, {"noise\n" + head + folder, "/" + rest + "\n"}).size(), found ? 1 : 0);

    // A progress line longer than what is kept loses its head, not its end:
    // exactly the last 1024 characters of what came before its last read.
    const QString progressHead = kProgress.left(8); // " Update "
    feedAll(reader, {"\n" + QString(3000, u'y') + progressHead});
    const QStringList events = feedAll(reader, {kProgress.mid(8) + "\n"});
    QCOMPARE(events,
             QStringList{"progress|" + QString(1024 - progressHead.size(), u'y') + kProgress});
}

QTEST_GUILESS_MAIN(TestSteamCMDOutput)
#include "tst_steamcmdoutput.moc"
