// SPDX-License-Identifier: GPL-3.0-or-later
// The fake SteamCMD later tests rely on, driven on a real pseudo-terminal as
// the launcher drives SteamCMD: its prompts, what it records, and that each
// failure it prints is one the reason classifier recognises.
#include "FakeSteamCMD.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/PseudoTerminal.h"
#include "steam/SteamFailureReasons.h"

#include <QProcess>
#include <QTest>

#include <memory>

using Scenario = FakeSteamCMD::Scenario;
using Form = FakeSteamCMD::Form;
using Kind = SteamFailure::Kind;
Q_DECLARE_METATYPE(FakeSteamCMD::Scenario)
Q_DECLARE_METATYPE(FakeSteamCMD::Form)
Q_DECLARE_METATYPE(SteamFailure::Kind)

namespace {

// One SteamCMD start on its own terminal.
class Session
{
public:
    bool start(const QString &program, const QStringList &arguments, const QString &folder)
    {
        QString error;
        m_terminal = PseudoTerminal::open(&error);
        if (!m_terminal)
            return false;
        QObject::connect(m_terminal.get(), &PseudoTerminal::readyRead, m_terminal.get(),
                         [this] { m_output += m_terminal->readAvailable(); });
        m_terminal->attach(&m_process);
        m_process.setWorkingDirectory(folder);
        m_process.start(program, arguments);
        if (!m_process.waitForStarted())
            return false;
        m_terminal->childStarted();
        return true;
    }
    // Waits until `text` has appeared `times` times in the output.
    bool waitFor(const QByteArray &text, int times = 1)
    {
        return QTest::qWaitFor([&] { return m_output.count(text) >= times; }, 10000);
    }
    bool type(const QByteArray &line) { return m_terminal->write(line + '\n'); }
    // The exit status once the child has ended, -1 on time-out.
    int finish()
    {
        if (!QTest::qWaitFor([&] { return m_process.state() == QProcess::NotRunning; }, 10000))
            return -1;
        m_output += m_terminal->readRest();
        return m_process.exitCode();
    }
    void stop()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QByteArray output() const { return m_output; }

private:
    std::unique_ptr<PseudoTerminal> m_terminal;
    QProcess m_process;
    QByteArray m_output;
};

// The first failure in the output, line by line, the open end included.
SteamFailure firstFailure(const QByteArray &output, const QString &steamcmdDir)
{
    for (const QString &line : QString::fromUtf8(output).split(u'\n')) {
        const SteamFailure f = SteamFailureReasons::recogniseWithLog(line, "/assets", steamcmdDir);
        if (!f.isNull())
            return f;
    }
    return {};
}

} // namespace

class TestFakeSteamCMD : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void signIns_data();
    void signIns();
    void failuresInEveryForm_data();
    void failuresInEveryForm();
    void oneOffScenarios_data();
    void oneOffScenarios();
    void stallRepeatsOneLine();
    void pipesHoldOutputBack();

private:
    QString steamcmdDir() const { return m_home->filePath("steamcmd"); }
    // The command line on a terminal: the user name only.
    QStringList terminalArguments() const
    {
        return {"+@sSteamCmdForcePlatformType",
                "windows",
                "+force_install_dir",
                m_home->filePath("Vantor Online/Assets"),
                "+login",
                "o'brien",
                "+app_update",
                "4187530",
                "validate",
                "+quit"};
    }
    bool start(Session &session)
    {
        return session.start(m_fake->binary(), terminalArguments(), steamcmdDir());
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<FakeSteamCMD> m_fake;
};

void TestFakeSteamCMD::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_fake = std::make_unique<FakeSteamCMD>(m_home->filePath("steamcmd/steamcmd.sh"),
                                            m_home->filePath("fake record"));
    QVERIFY(m_fake->install());
    QVERIFY(m_fake->setDelay(0.3));
}

void TestFakeSteamCMD::cleanup()
{
    m_fake.reset();
    m_home.reset();
}

void TestFakeSteamCMD::signIns_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QByteArrayList>("prompts"); // answered in turn
    QTest::addColumn<QByteArrayList>("answers");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("shown"); // part of the output
    QTest::addColumn<QByteArray>("typed");
    const QByteArray success = "Success! App '4187530' fully installed.\n";
    const QByteArray password = FakeSteamCMD::kPassword;
    QTest::newRow("cached login")
        << Scenario::CachedLogin << QByteArrayList{} << QByteArrayList{} << 0
        << QByteArray("Logging in using cached credentials.\nWaiting for client config...OK\n")
        << QByteArray();
    QTest::newRow("password at the prompt")
        << Scenario::PasswordPrompt << QByteArrayList{"password: "} << QByteArrayList{password} << 0
        << QByteArray("to Steam Public...\npassword: OK\n") << password + '\n';
    QTest::newRow("wrong password")
        << Scenario::PasswordPrompt << QByteArrayList{"password: "} << QByteArrayList{"guess"} << 5
        << QByteArray("password: FAILED (Invalid Password)\n") << QByteArray("guess\n");
    QTest::newRow("password refused: asked twice")
        << Scenario::PasswordRefused << QByteArrayList{"password: ", "password: password: "}
        << QByteArrayList{password, password} << 5
        << QByteArray("password: password: FAILED (Invalid Password)\n")
        << password + '\n' + password + '\n';
    QTest::newRow("email code")
        << Scenario::SteamGuardCode << QByteArrayList{"Steam Guard code:"}
        << QByteArrayList{FakeSteamCMD::kCode} << 0
        << QByteArray("Steam Guard code:Logging in user 'o'brien' [U:1:59827295] to Steam "
                      "Public...OK\n")
        << QByteArray("F4KE2\n");
    QTest::newRow("phone approval")
        << Scenario::PhoneApproval << QByteArrayList{} << QByteArrayList{} << 0
        << QByteArray("to Steam Public...This account is protected by a Steam Guard mobile "
                      "authenticator.\nPlease confirm the login in the Steam Mobile app on your "
                      "phone.\n\nWaiting for confirmation...\nWaiting for confirmation...OK\n"
                      "Waiting for client config...OK\n")
        << QByteArray();
    QTest::newRow("approval timed out")
        << Scenario::ApprovalTimeout << QByteArrayList{} << QByteArrayList{} << 5
        << QByteArray("Waiting for confirmation...\nWait for confirmation timed out.Timed out "
                      "waiting for confirmation.\nERROR (Timeout)\n")
        << QByteArray();
}

void TestFakeSteamCMD::signIns()
{
    QFETCH(Scenario, scenario);
    QFETCH(QByteArrayList, prompts);
    QFETCH(QByteArrayList, answers);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, shown);
    QFETCH(QByteArray, typed);
    QVERIFY(m_fake->setScenario(scenario));
    Session session;
    QVERIFY(start(session));
    for (qsizetype i = 0; i < prompts.size(); ++i) {
        QVERIFY2(session.waitFor(prompts.at(i)), session.output().constData());
        QVERIFY(session.type(answers.at(i)));
    }
    QCOMPARE(session.finish(), exitCode);
    const QByteArray output = session.output();
    QVERIFY2(output.startsWith("Redirecting stderr to '" + QFile::encodeName(steamcmdDir())),
             output.constData());
    QVERIFY2(output.contains(shown), output.constData());
    QCOMPARE(output.contains("Success! App '4187530' fully installed.\n"), exitCode == 0);
    // Nothing typed comes back out of the terminal.
    for (const QByteArray &answer : answers)
        QVERIFY(!output.contains(answer + '\n'));

    QCOMPARE(m_fake->runs(), 1);
    QCOMPARE(m_fake->arguments(1), terminalArguments());
    QCOMPARE(m_fake->workingDir(1), steamcmdDir());
    QVERIFY(m_fake->ranOnTerminal(1));
    QVERIFY(m_fake->pid(1) > 0);
    QCOMPARE(m_fake->typed(1), typed);
}

void TestFakeSteamCMD::failuresInEveryForm_data()
{
    QTest::addColumn<QString>("reason");
    QTest::addColumn<Form>("form");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("exitCode");
    const QList<QPair<const char *, Kind>> signIn{
        {"Rate Limit Exceeded", Kind::RateLimited},
        {"Two-factor code mismatch", Kind::CodeRejected},
        {"Invalid Login Auth Code", Kind::CodeRejected},
        {"Account Logon Denied", Kind::CodeRejected},
        {"No Connection", Kind::NoConnection},
        {"Invalid Password", Kind::InvalidPassword},
        {"Timeout", Kind::ApprovalTimedOut},
    };
    for (const auto &[reason, kind] : signIn) {
        for (Form form : {Form::LoginFailure, Form::ResultCode, Form::OpenLine, Form::Error,
                          Form::AfterPrompt}) {
            QTest::addRow("%s, %s", reason, qPrintable(FakeSteamCMD::formName(form)))
                << QString::fromLatin1(reason) << form << kind << 5;
        }
    }
    const QList<QPair<const char *, Kind>> install{
        {"No subscription", Kind::NotOwned},
        {"No license", Kind::NotOwned},
        {"Disk write failure", Kind::DiskWriteFailure},
        {"Missing configuration", Kind::MissingConfiguration},
        {"Invalid platform", Kind::InvalidPlatform},
        {"Not enough disk space", Kind::DiskFull},
    };
    for (const auto &[reason, kind] : install)
        QTest::addRow("%s, install", reason)
            << QString::fromLatin1(reason) << Form::InstallFailed << kind << 8;
    for (const auto &[state, kind] :
         QList<QPair<const char *, Kind>>{{"0x202", Kind::DiskFull},
                                          {"0x212", Kind::DiskFull},
                                          {"0x402", Kind::NoConnection},
                                          {"0x606", Kind::DiskWriteFailure}})
        QTest::addRow("%s, state", state)
            << QString::fromLatin1(state) << Form::UpdateJobState << kind << 8;
}

void TestFakeSteamCMD::failuresInEveryForm()
{
    QFETCH(QString, reason);
    QFETCH(Form, form);
    QFETCH(Kind, kind);
    QFETCH(int, exitCode);
    QVERIFY(m_fake->setFailure(reason, form));
    Session session;
    QVERIFY(start(session));
    if (form == Form::AfterPrompt) {
        QVERIFY(session.waitFor("Two-factor code:"));
        QVERIFY(session.type("12345"));
    }
    QCOMPARE(session.finish(), exitCode);
    const QByteArray output = session.output();
    QVERIFY2(output.contains(reason.toUtf8()), output.constData());

    const SteamFailure failure = firstFailure(output, steamcmdDir());
    QCOMPARE(failure.kind, kind);
    if (form == Form::UpdateJobState && kind == Kind::DiskFull) {
        // The numbers come from the content log the fake wrote.
        QVERIFY2(failure.explanation.contains("it needs 5969 MB and only 5845 MB are free"),
                 qPrintable(failure.explanation));
    }
    QCOMPARE(m_fake->typed(1), QByteArray(form == Form::AfterPrompt ? "12345\n" : ""));
}

void TestFakeSteamCMD::oneOffScenarios_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QList<int>>("exitCodes"); // one start each
    QTest::addColumn<QByteArray>("firstOutput");
    QTest::newRow("missing configuration once")
        << Scenario::MissingConfigOnce << QList<int>{8, 0, 0}
        << QByteArray("ERROR! Failed to install app '4187530' (Missing configuration)\n");
    QTest::newRow("missing configuration always")
        << Scenario::MissingConfigAlways << QList<int>{8, 8}
        << QByteArray("ERROR! Failed to install app '4187530' (Missing configuration)\n");
    QTest::newRow("self-update") << Scenario::SelfUpdate << QList<int>{42, 0}
                                 << QByteArray("[----] Installing update...\n");
    QTest::newRow("missing 32-bit loader")
        << Scenario::Missing32BitLoader << QList<int>{127, 127}
        << QByteArray("steamcmd.sh: line 37: <steamcmd>/linux32/steamcmd: No such file or "
                      "directory\n");
}

void TestFakeSteamCMD::oneOffScenarios()
{
    QFETCH(Scenario, scenario);
    QFETCH(QList<int>, exitCodes);
    QFETCH(QByteArray, firstOutput);
    firstOutput.replace("<steamcmd>", QFile::encodeName(steamcmdDir()));
    // A scenario chosen again starts afresh.
    QVERIFY(m_fake->setScenario(scenario));
    for (int run = 1; run <= exitCodes.size(); ++run) {
        Session session;
        QVERIFY(start(session));
        QCOMPARE(session.finish(), exitCodes.at(run - 1));
        if (run == 1)
            QVERIFY2(session.output().contains(firstOutput), session.output().constData());
        if (exitCodes.at(run - 1) == 0)
            QVERIFY(session.output().endsWith("Unloading Steam API...OK\n"));
        if (scenario == Scenario::Missing32BitLoader) {
            const SteamFailure f = firstFailure(session.output(), steamcmdDir());
            QCOMPARE(f.kind, Kind::Missing32BitRuntime);
        }
    }
    QCOMPARE(m_fake->runs(), exitCodes.size());
}

void TestFakeSteamCMD::stallRepeatsOneLine()
{
    QVERIFY(m_fake->setScenario(Scenario::Stall));
    QVERIFY(m_fake->setDelay(0.05));
    Session session;
    QVERIFY(start(session));
    const QByteArray line =
        "\x1b[0m Update state (0x61) downloading, progress: 41.17 (35895546 / 87188267)\n";
    QVERIFY(session.waitFor(line, 5));
    QVERIFY(processAlive(m_fake->pid(1)));
    session.stop();
    const QByteArray output = session.output();
    const qsizetype first = output.indexOf(line);
    // From the first progress line on, nothing but the same line again.
    QCOMPARE(QByteArray(output.mid(first)).replace(line, ""), QByteArray());
}

void TestFakeSteamCMD::pipesHoldOutputBack()
{
    // Without a terminal the password rides on the command line, no prompt
    // shows, and the output arrives only at the end.
    QVERIFY(m_fake->setScenario(Scenario::PasswordPrompt));
    QStringList arguments = terminalArguments();
    arguments.insert(6, FakeSteamCMD::kPassword);
    QProcess process;
    process.setWorkingDirectory(steamcmdDir());
    process.start(m_fake->binary(), arguments);
    QVERIFY(process.waitForStarted());
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitCode(), 0);
    const QByteArray output = process.readAllStandardOutput();
    QVERIFY(!output.contains("password:"));
    QVERIFY(output.contains("Success! App '4187530' fully installed.\n"));
    QVERIFY(!m_fake->ranOnTerminal(1));
    QCOMPARE(m_fake->arguments(1), arguments);
    QCOMPARE(m_fake->typed(1), QByteArray());
    QVERIFY(QFileInfo::exists(m_fake->recordDir() + "/held-1"));
}

QTEST_GUILESS_MAIN(TestFakeSteamCMD)
#include "tst_fakesteamcmd.moc"
