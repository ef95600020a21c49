// SPDX-License-Identifier: GPL-3.0-or-later
// The fake SteamCMD later tests rely on, driven on a real pseudo-terminal as
// the launcher drives SteamCMD. The product's code under test here is the
// terminal (PseudoTerminal): the child sees a terminal on its input and
// output, a prompt without a line end arrives as it is written, a typed line
// reaches the child and is not echoed back, and what the child wrote just
// before it ended is still read. The rest checks the fixture itself: each
// scenario prints what it promises and records what it was given. Which
// failure each of its lines means is the failure reasons' table test.
#include "FakeSteamCMD.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/PseudoTerminal.h"

#include <QProcess>
#include <QTest>

#include <memory>

using Scenario = FakeSteamCMD::Scenario;
using Form = FakeSteamCMD::Form;
using W = FakeSteamCMD::Words;
Q_DECLARE_METATYPE(FakeSteamCMD::Scenario)
Q_DECLARE_METATYPE(FakeSteamCMD::Form)

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

QByteArray says(const char *words, const QString &filling = {})
{
    return FakeSteamCMD::says(words, filling).toUtf8();
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
    const QByteArray password = FakeSteamCMD::kPassword;
    const QByteArray code = FakeSteamCMD::kCode;
    const QByteArray signIn = says(W::loggingIn, "o'brien");
    const QByteArray passwordPrompt = W::passwordPrompt;
    const QByteArray guardPrompt = says(W::emailNotice) + '\n' + W::guardPrompt;
    const QByteArray approval =
        signIn + says(W::approvalNotice) + "\n\n" + W::waitingForConfirmation + '\n';
    QTest::newRow("cached login") << Scenario::CachedLogin << QByteArrayList{} << QByteArrayList{}
                                  << 0 << says(W::cachedLogin) + '\n' + W::clientConfig + '\n'
                                  << QByteArray();
    QTest::newRow("password at the prompt")
        << Scenario::PasswordPrompt << QByteArrayList{passwordPrompt} << QByteArrayList{password}
        << 0 << signIn + '\n' + passwordPrompt + "OK\n"
        << password + '\n';
    const QByteArray refused =
        FakeSteamCMD::failureLine(Form::OpenLine).arg(W::invalidPassword).toUtf8() + '\n';
    QTest::newRow("wrong password")
        << Scenario::PasswordPrompt << QByteArrayList{passwordPrompt} << QByteArrayList{"guess"}
        << 5 << passwordPrompt + refused << QByteArray("guess\n");
    QTest::newRow("password refused: asked twice")
        << Scenario::PasswordRefused
        << QByteArrayList{passwordPrompt, passwordPrompt + passwordPrompt}
        << QByteArrayList{password, password} << 5 << passwordPrompt + passwordPrompt + refused
        << password + '\n' + password + '\n';
    QTest::newRow("email code") << Scenario::SteamGuardCode << QByteArrayList{guardPrompt}
                                << QByteArrayList{code} << 0 << guardPrompt + signIn + "OK\n"
                                << code + '\n';
    // A wrong code: the same prompt again, no word of failure.
    QTest::newRow("email code, wrong then right")
        << Scenario::SteamGuardCode << QByteArrayList{guardPrompt, guardPrompt + guardPrompt}
        << QByteArrayList{"11111", code} << 0 << guardPrompt + guardPrompt + signIn + "OK\n"
        << "11111\n" + code + '\n';
    QTest::newRow("email code, wrong three times")
        << Scenario::SteamGuardCode
        << QByteArrayList{guardPrompt, guardPrompt + guardPrompt,
                          guardPrompt + guardPrompt + guardPrompt}
        << QByteArrayList{"111111", "222222", "333333"} << 5
        << signIn + '\n' + guardPrompt + guardPrompt + guardPrompt
        << QByteArray("111111\n222222\n333333\n");
    QTest::newRow("phone approval")
        << Scenario::PhoneApproval << QByteArrayList{} << QByteArrayList{} << 0
        << approval + W::confirmed + '\n' + W::clientConfig + '\n'
        << QByteArray();
    QTest::newRow("approval timed out")
        << Scenario::ApprovalTimeout << QByteArrayList{} << QByteArrayList{} << 5
        << approval + W::approvalTimedOut + '\n' +
               FakeSteamCMD::failureLine(Form::Error).arg(W::timeout).toUtf8() + '\n'
        << QByteArray();
    QTest::newRow("no user info in time")
        << Scenario::UserInfoTimeout << QByteArrayList{} << QByteArrayList{} << 5
        << says(W::clientConfig) + '\n' + W::userInfoTimedOut + '\n'
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
        // Each prompt arrives without its line end; the answer is read.
        QVERIFY2(session.waitFor(prompts.at(i)), session.output().constData());
        QVERIFY(session.type(answers.at(i)));
    }
    QCOMPARE(session.finish(), exitCode);
    const QByteArray output = session.output();
    // Every start begins with the banner and its noise, line by line.
    QByteArray banner;
    for (const char *line :
         {W::redirecting, W::logFolder, W::localize, W::checkingUpdate, W::verifyingInstallation,
          W::notShutDown, W::setlocale, W::sdl, W::version, W::typeQuit, W::loadingApi})
        banner += says(line, steamcmdDir()) + '\n';
    QVERIFY2(output.startsWith(banner), output.constData());
    QVERIFY2(output.contains(shown), output.constData());
    QCOMPARE(output.contains(says(W::success) + '\n'), exitCode == 0);
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
    QTest::addColumn<int>("exitCode");
    for (Form form :
         {Form::LoginFailure, Form::ResultCode, Form::OpenLine, Form::Error, Form::AfterPrompt})
        QTest::addRow("%s", qPrintable(FakeSteamCMD::formName(form)))
            << QString(W::rateLimitExceeded) << form << 5;
    QTest::newRow("install") << QString(W::diskWriteFailure) << Form::InstallFailed << 8;
    QTest::newRow("state, disk full") << "0x202" << Form::UpdateJobState << 8;
    QTest::newRow("state, connection") << "0x402" << Form::UpdateJobState << 8;
}

void TestFakeSteamCMD::failuresInEveryForm()
{
    QFETCH(QString, reason);
    QFETCH(Form, form);
    QFETCH(int, exitCode);
    QVERIFY(m_fake->setFailure(reason, form));
    Session session;
    QVERIFY(start(session));
    if (form == Form::AfterPrompt) {
        QVERIFY(session.waitFor(W::twoFactorPrompt));
        QVERIFY(session.type("12345"));
    }
    QCOMPARE(session.finish(), exitCode);
    const QByteArray output = session.output();
    const QByteArray line = FakeSteamCMD::failureLine(form).arg(reason).toUtf8() + '\n';
    QVERIFY2(output.endsWith(line), output.constData());
    const QByteArray before = output.left(output.size() - line.size());
    if (form == Form::LoginFailure || form == Form::ResultCode || form == Form::OpenLine)
        QVERIFY(before.endsWith(says(W::loggingIn, "o'brien")));
    if (form == Form::AfterPrompt)
        QVERIFY(before.endsWith(W::twoFactorPrompt));
    // Only a disk state leaves the numbers in SteamCMD's content log.
    const QByteArray log = readFile(steamcmdDir() + "/logs/content_log.txt");
    QCOMPARE(log, reason == "0x202" ? says(W::shortfall, steamcmdDir()) + '\n' + W::paused + '\n'
                                    : QByteArray());
    QCOMPARE(m_fake->typed(1), QByteArray(form == Form::AfterPrompt ? "12345\n" : ""));
}

void TestFakeSteamCMD::oneOffScenarios_data()
{
    QTest::addColumn<Scenario>("scenario");
    QTest::addColumn<QList<int>>("exitCodes"); // one start each
    QTest::addColumn<QByteArray>("firstOutput");
    const QByteArray missing =
        FakeSteamCMD::failureLine(Form::InstallFailed).arg(W::missingConfiguration).toUtf8() + '\n';
    QTest::newRow("missing configuration once")
        << Scenario::MissingConfigOnce << QList<int>{8, 0, 0} << missing;
    QTest::newRow("missing configuration always")
        << Scenario::MissingConfigAlways << QList<int>{8, 8} << missing;
    QTest::newRow("self-update") << Scenario::SelfUpdate << QList<int>{42, 0}
                                 << says(W::updateInstalling) + '\n';
    QTest::newRow("missing 32-bit loader") << Scenario::Missing32BitLoader << QList<int>{127, 127}
                                           << says(W::loaderMissing, "<steamcmd>") + '\n';
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
            QVERIFY(session.output().endsWith(says(W::unloading) + '\n'));
    }
    QCOMPARE(m_fake->runs(), exitCodes.size());
}

void TestFakeSteamCMD::stallRepeatsOneLine()
{
    QVERIFY(m_fake->setScenario(Scenario::Stall));
    QVERIFY(m_fake->setDelay(0.05));
    Session session;
    QVERIFY(start(session));
    const QByteArray line = W::reset + says(W::stalled) + '\n';
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
    QVERIFY(!output.contains(says(W::passwordPrompt).trimmed()));
    QVERIFY(output.contains(says(W::success) + '\n'));
    QVERIFY(!m_fake->ranOnTerminal(1));
    QCOMPARE(m_fake->arguments(1), arguments);
    QCOMPARE(m_fake->typed(1), QByteArray());
    QVERIFY(QFileInfo::exists(m_fake->recordDir() + "/held-1"));
}

QTEST_GUILESS_MAIN(TestFakeSteamCMD)
#include "tst_fakesteamcmd.moc"
