// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteamCMDOutput.h"

#include <QTest>

// The phrase rules, fed with lines SteamCMD really writes, whole or cut
// between reads as a terminal delivers them.
class TestSteamCMDOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void events_data();
    void events();
    void typedLineEndForgetsPrompt();
    void longLineKeepsOnlyItsTail();
};

namespace {

// One event as text, for readable tables.
QString describe(const SteamCMDOutput::Event &event)
{
    using Kind = SteamCMDOutput::Event::Kind;
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
    }
    return {};
}

QStringList feedAll(SteamCMDOutput &output, const QStringList &reads)
{
    QStringList seen;
    for (const QString &read : reads) {
        for (const SteamCMDOutput::Event &event : output.feed(read))
            seen.append(describe(event));
    }
    return seen;
}

const QString kProgress =
    QStringLiteral(" Update state (0x61) downloading, progress: 30.72 (26785670 / 87188267)");
const QString kVerifying =
    QStringLiteral(" Update state (0x5) verifying install, progress: 94.34 (82251010 / 87188267)");

} // namespace

void TestSteamCMDOutput::events_data()
{
    QTest::addColumn<QStringList>("reads");
    QTest::addColumn<QStringList>("events");

    // Whole lines as SteamCMD writes them.
    QTest::newRow("e-mail guard prompt")
        << QStringList{"This computer has not been authenticated for your account using Steam "
                       "Guard.\nPlease check your email for the message from Steam, and enter the "
                       "Steam Guard\n code from that message.\nSteam Guard code:"}
        << QStringList{"guard"};
    QTest::newRow("mobile authenticator")
        << QStringList{"Enter the current code from your Steam Guard Mobile Authenticator app\n"
                       "Two-factor code:"}
        << QStringList{"guard"};
    QTest::newRow("prompt in capitals") << QStringList{"TWO-FACTOR CODE:"} << QStringList{"guard"};
    QTest::newRow("progress, trimmed, case kept")
        << QStringList{kProgress + "\n"} << QStringList{"progress|" + kProgress.trimmed()};
    QTest::newRow("two progress lines in one read, CR and ANSI reset")
        << QStringList{"\x1b[0m" + kProgress + "\r" + kVerifying + "\r\n"}
        << QStringList{"progress|\x1b[0m" + kProgress, "progress|" + kVerifying.trimmed()};
    QTest::newRow("comma decimals") << QStringList{" UPDATE STATE (0x61) downloading, progress: "
                                                   "12,49 (12 / 100)\n"}
                                    << QStringList{"progress|UPDATE STATE (0x61) downloading, "
                                                   "progress: 12,49 (12 / 100)"};
    QTest::newRow("validating") << QStringList{"Validating files...\n"}
                                << QStringList{"validating"};
    QTest::newRow("not owned")
        << QStringList{"ERROR! Failed to install app '4187530' (No subscription)\n"}
        << QStringList{"not owned"};
    QTest::newRow("no license") << QStringList{"No License\n"} << QStringList{"not owned"};
    QTest::newRow("invalid password on an open line")
        << QStringList{"Logging in user 'u' [U:1:59827295] to Steam Public...",
                       "FAILED (Invalid Password)\n"}
        << QStringList{"login failure"};
    QTest::newRow("old login failure prefix")
        << QStringList{"Login Failure: Rate Limit Exceeded\n"} << QStringList{"login failure"};

    // One kind per read, by precedence.
    QTest::newRow("guard beats progress")
        << QStringList{kProgress + "\nSteam Guard code:"} << QStringList{"guard"};
    QTest::newRow("not owned beats progress")
        << QStringList{kProgress + "\nERROR! Failed to install app '4187530' (No subscription)\n"}
        << QStringList{"not owned"};
    QTest::newRow("progress beats validating") << QStringList{"Validating\n" + kVerifying + "\n"}
                                               << QStringList{"progress|" + kVerifying.trimmed()};
    QTest::newRow("validating beats login failure")
        << QStringList{"validating\nLogin Failure: x\n"} << QStringList{"validating"};

    // Reads that cut a phrase; a phrase is reported once.
    QTest::newRow("prompt cut between reads")
        << QStringList{"Steam Gu", "ard code:"} << QStringList{"guard"};
    QTest::newRow("prompt cut after one letter")
        << QStringList{"T", "wo-factor code:"} << QStringList{"guard"};
    QTest::newRow("prompt not repeated by the next read")
        << QStringList{"Steam Guard code:", "", " ", "OK\n"} << QStringList{"guard"};
    QTest::newRow("progress line cut mid-phrase")
        << QStringList{" Update st", "ate (0x61) downloading, progress: 30.72 (26785670 / ",
                       "87188267)\n"}
        << QStringList{"progress|Update state (0x61) downloading, progress: 30.72 (26785670 /"};
    QTest::newRow("finished line is not looked at again")
        << QStringList{kProgress + "\n", "Loading Steam API...OK\n"}
        << QStringList{"progress|" + kProgress.trimmed()};
    QTest::newRow("not owned cut")
        << QStringList{"(No subscr", "iption)\n"} << QStringList{"not owned"};

    // The password prompt: an unfinished line, any case, blanks after; once
    // until the line ends.
    QTest::newRow("password prompt") << QStringList{"Logging in user 'u' to Steam Public...\n",
                                                    "PassWord:", " \t", "", "\npassword: "}
                                     << QStringList{"password", "password"};
    QTest::newRow("password on a finished line is no prompt")
        << QStringList{"Enter your password:\n", "password: x"} << QStringList{};
    // Phone approval: its notice names Steam Guard, yet progress that follows
    // in the same read still counts, after the confirmation, which may end an
    // open line.
    QTest::newRow("phone approval, then confirmed")
        << QStringList{"This account is protected by a Steam Guard mobile authenticator.\n"
                       "Please CONFIRM THE LOGIN in the Steam Mobile app on your phone.\n\n"
                       "Waiting for confirmation...",
                       "OK\n" + kProgress + "\n"}
        << QStringList{"approval", "approved", "progress|" + kProgress.trimmed()};

    // Noise SteamCMD writes on every run.
    QTest::newRow("noise")
        << QStringList{"Redirecting stderr to '/home/u/.local/share/Steam/logs/stderr.txt'\n",
                       "ILocalize::AddFile() failed to load file "
                       "\"public/steambootstrapper_english.txt\".\n",
                       "[  0%] Checking for available update...\n",
                       "[----] Downloading update (0 of 15,633 KB)...\n",
                       "Steam Console Client (c) Valve Corporation - version 1738023025\n",
                       "-- type 'quit' to exit --\n",
                       "Loading Steam API...OK\n",
                       "Waiting for client config...OK\n",
                       "Success! App '4187530' fully installed.\n",
                       "Unloading Steam API...OK\n"}
        << QStringList{};
}

void TestSteamCMDOutput::events()
{
    QFETCH(QStringList, reads);
    QFETCH(QStringList, events);
    SteamCMDOutput output;
    QCOMPARE(feedAll(output, reads), events);
}

void TestSteamCMDOutput::typedLineEndForgetsPrompt()
{
    // The typed code ends the prompt's line: a read that follows is a new
    // line, not the prompt again, however the next phrase begins.
    SteamCMDOutput output;
    QCOMPARE(feedAll(output, {"Steam Gu"}), QStringList{});
    output.lineEnded();
    QCOMPARE(feedAll(output, {"ard code:"}), QStringList{});
}

void TestSteamCMDOutput::longLineKeepsOnlyItsTail()
{
    SteamCMDOutput output;
    // A megabyte without a line end, then a phrase cut across the next read:
    // the tail kept is enough to finish it.
    QCOMPARE(feedAll(output, {QString(1 << 20, u'x') + "Steam Gu", "ard code:"}),
             QStringList{"guard"});
    // A progress line longer than what is kept loses its head, not its end.
    const QString head(SteamCMDOutput::maxPartialLine * 2, u'y');
    const QStringList events = feedAll(output, {"\n" + head, kProgress + "\n"});
    QCOMPARE(events.size(), 1);
    QVERIFY(events[0].endsWith(kProgress));
    QVERIFY(events[0].size() <=
            QString("progress|").size() + SteamCMDOutput::maxPartialLine + kProgress.size());
}

QTEST_GUILESS_MAIN(TestSteamCMDOutput)
#include "tst_steamcmdoutput.moc"
