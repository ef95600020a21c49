// SPDX-License-Identifier: GPL-3.0-or-later
// What follows what in a download run, with stand-in stages that end as each
// row says: no SteamCMD, no network, no disk.
#include "StandInStages.h"

#include "steam/DownloadRun.h"

#include <QSignalSpy>
#include <QTest>

using Outcome = Operation::Outcome;
Q_DECLARE_METATYPE(StandInStep)

namespace {

StandInStep failing(const QString &message, int exitStatus = 1)
{
    return StandInStep::failing(message, exitStatus);
}

StandInStep selfUpdate()
{
    return failing(QStringLiteral("SteamCMD exited with code 42"), 42);
}

StandInStep missingConfiguration()
{
    StandInStep step = failing(QStringLiteral("SteamCMD exited with code 8"), 8);
    step.missingConfiguration = true;
    return step;
}

StandInStep hanging()
{
    return StandInStep::hanging();
}

const QStringList kWholeRun = {"install",        "steamcmd",    "fix-up",
                               "patch download", "patch check", "patch unpack"};
const QStringList kPatch = {"fix-up", "patch download", "patch check", "patch unpack"};

// A run of its own over the plan, with what it said.
struct Watched
{
    explicit Watched(std::shared_ptr<StandInPlan> plan)
        : run(std::make_unique<StandInStages>(plan)), finished(&run, &Operation::finished),
          states(&run, &DownloadRun::stateChanged)
    {
        QObject::connect(&run, &DownloadRun::consoleAppended,
                         [this](const QString &text) { console += text; });
    }
    bool waitForEnd() { return finished.count() == 1 || finished.wait(5000); }
    Outcome outcome() const { return finished.at(0).at(0).value<Outcome>(); }

    DownloadRun run;
    QSignalSpy finished;
    QSignalSpy states;
    QString console;
};

} // namespace

class TestDownloadRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operationEndsOnce();
    void sequence_data();
    void sequence();
    void cancelInEveryStage_data();
    void cancelInEveryStage();
    void aStageSlowToStopHoldsTheRun();
    void abandonedRunDeletesItselfOnceStopped();
};

void TestDownloadRun::operationEndsOnce()
{
    // A stage that would end twice (aborted, then ending by itself) ends
    // once, in the first end it reached.
    StandInStep step = hanging();
    step.stopDelayMs = 10;
    QStringList codes;
    StandInStage stage(step, &codes, nullptr);
    QSignalSpy finished(&stage, &Operation::finished);
    stage.start();
    stage.abort();
    stage.endNow(); // before the delayed stop: this end wins
    QTest::qWait(50);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(stage.outcome(), Outcome::Succeeded);
    stage.start();
    stage.abort();
    QCOMPARE(finished.count(), 1);

    // Aborted before it starts: it never runs.
    StandInStep loud;
    loud.log = QStringLiteral("ran\n");
    StandInStage unstarted(loud, &codes, nullptr);
    QSignalSpy logged(&unstarted, &Operation::log);
    unstarted.abort();
    unstarted.start();
    QCOMPARE(unstarted.outcome(), Outcome::Cancelled);
    QCOMPARE(logged.count(), 0);
}

void TestDownloadRun::sequence_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QList<StandInStep>>("install");
    QTest::addColumn<QList<StandInStep>>("steamCMD");
    QTest::addColumn<QList<StandInStep>>("patch"); // download, check, unpack
    QTest::addColumn<QStringList>("started");
    QTest::addColumn<QString>("failure"); // empty: succeeded

    const QList<StandInStep> none;
    QTest::newRow("whole run") << false << none << none << none << kWholeRun << QString();
    QTest::newRow("installed") << true << none << none << none << QStringList{"steamcmd"} + kPatch
                               << QString();
    QTest::newRow("install fails")
        << false << QList{failing("Failed to download SteamCMD tarball")} << none << none
        << QStringList{"install"} << "Failed to download SteamCMD tarball";
    QTest::newRow("self-update, then done")
        << true << none << QList{selfUpdate()} << none
        << QStringList{"steamcmd", "steamcmd"} + kPatch << QString();
    QList<StandInStep> updatesForEver;
    for (int i = 0; i <= DownloadRun::maxSelfUpdateRestarts; ++i)
        updatesForEver.append(selfUpdate());
    QStringList sixStarts;
    for (int i = 0; i <= DownloadRun::maxSelfUpdateRestarts; ++i)
        sixStarts.append("steamcmd");
    QTest::newRow("self-update for ever")
        << true << none << updatesForEver << none << sixStarts
        << "SteamCMD asked to be restarted 6 times in a row (exit code 42)";
    QTest::newRow("missing configuration once")
        << true << none << QList{missingConfiguration()} << none
        << QStringList{"steamcmd", "steamcmd"} + kPatch << QString();
    QTest::newRow("missing configuration twice")
        << true << none << QList{missingConfiguration(), missingConfiguration()} << none
        << QStringList{"steamcmd", "steamcmd"} << "SteamCMD exited with code 8";
    QTest::newRow("SteamCMD fails")
        << true << none << QList{failing("Authentication failed — check credentials", 5)} << none
        << QStringList{"steamcmd"} << "Authentication failed — check credentials";
    QTest::newRow("patch download fails")
        << true << none << none << QList{failing("Failed to download patch: Connection refused")}
        << QStringList{"steamcmd", "fix-up", "patch download"}
        << "Failed to download patch: Connection refused";
    QTest::newRow("patch check fails")
        << true << none << none << QList{StandInStep{}, failing("Refused the patch archive: x")}
        << QStringList{"steamcmd", "fix-up", "patch download", "patch check"}
        << "Refused the patch archive: x";
    QTest::newRow("unpack fails") << true << none << none
                                  << QList{StandInStep{}, StandInStep{},
                                           failing("Failed to unpack patch: y")}
                                  << QStringList{"steamcmd"} + kPatch
                                  << "Failed to unpack patch: y";
}

void TestDownloadRun::sequence()
{
    QFETCH(bool, installed);
    QFETCH(QList<StandInStep>, install);
    QFETCH(QList<StandInStep>, steamCMD);
    QFETCH(QList<StandInStep>, patch);
    QFETCH(QStringList, started);
    QFETCH(QString, failure);

    auto plan = std::make_shared<StandInPlan>();
    plan->steamCMDInstalled = installed;
    plan->install = install;
    plan->steamCMD = steamCMD;
    for (QList<StandInStep> *steps : {&plan->patchDownload, &plan->patchCheck, &plan->patchUnpack})
        if (!patch.isEmpty())
            steps->append(patch.takeFirst());
    Watched watched(plan);
    watched.run.start();
    QVERIFY(watched.waitForEnd());
    QCOMPARE(plan->started, started);
    if (!installed)
        QCOMPARE(watched.states.at(0).at(0).value<SteamCMDState>(),
                 SteamCMDState::downloadingSteamCMD());
    // The start after a missing configuration may not leave it unexplained.
    if (steamCMD.value(0).missingConfiguration)
        QCOMPARE(plan->mayRetryConfiguration, (QList<bool>{true, false}));
    if (failure.isEmpty()) {
        QCOMPARE(watched.outcome(), Outcome::Succeeded);
        QCOMPARE(watched.run.state(), SteamCMDState::completed());
        QVERIFY(!watched.console.contains("[✗]"));
    } else {
        QCOMPARE(watched.outcome(), Outcome::Failed);
        QCOMPARE(watched.run.state(), SteamCMDState::failed(failure));
        // Said once, as the run's last line.
        QCOMPARE(watched.console.count("[✗]"), 1);
        QVERIFY(watched.console.endsWith("\n[✗] " + failure + "\n"));
    }
}

void TestDownloadRun::cancelInEveryStage_data()
{
    QTest::addColumn<QString>("stage");
    QTest::addColumn<bool>("exitsZeroAnyway"); // the aborted stage still succeeds
    QTest::newRow("install") << "install" << false;
    QTest::newRow("SteamCMD") << "steamcmd" << false;
    QTest::newRow("SteamCMD exits 0 after the cancel") << "steamcmd" << true;
    QTest::newRow("patch download") << "patch download" << false;
    QTest::newRow("patch check") << "patch check" << false;
    QTest::newRow("patch unpack") << "patch unpack" << false;
    QTest::newRow("unpack ends well after the cancel") << "patch unpack" << true;
}

void TestDownloadRun::cancelInEveryStage()
{
    QFETCH(QString, stage);
    QFETCH(bool, exitsZeroAnyway);

    auto plan = std::make_shared<StandInPlan>();
    plan->steamCMDInstalled = false;
    StandInStep step = hanging();
    if (exitsZeroAnyway)
        step.outcomeWhenAborted = Outcome::Succeeded;
    step.states = {SteamCMDState::downloading("Update state (0x61) downloading, progress: 1.00")};
    QList<StandInStep> *steps = stage == "install"          ? &plan->install
                                : stage == "steamcmd"       ? &plan->steamCMD
                                : stage == "patch download" ? &plan->patchDownload
                                : stage == "patch check"    ? &plan->patchCheck
                                                            : &plan->patchUnpack;
    steps->append(step);
    Watched watched(plan);
    watched.run.start();
    QTRY_VERIFY(plan->started.contains(stage));
    QVERIFY(watched.run.hasActiveWork());

    watched.run.cancel();
    QVERIFY(watched.waitForEnd());
    QCOMPARE(watched.outcome(), Outcome::Cancelled);
    QTest::qWait(20); // nothing starts late either
    QCOMPARE(plan->started.last(), stage);
    QCOMPARE(watched.run.state(), SteamCMDState::idle());
    QVERIFY(watched.console.endsWith("\n--- CANCELLED ---\n"));
    QVERIFY(!watched.console.contains("[✗]"));
    QVERIFY(!watched.run.hasActiveWork());
}

void TestDownloadRun::aStageSlowToStopHoldsTheRun()
{
    // SteamCMD given its grace period: the run shows idle at once, but it is
    // under way (and later SteamCMD states change nothing) until SteamCMD
    // has gone.
    auto plan = std::make_shared<StandInPlan>();
    StandInStep step = hanging();
    step.stopDelayMs = 200;
    plan->steamCMD = {step};
    Watched watched(plan);
    watched.run.start();
    QTRY_VERIFY(plan->current);
    watched.run.cancel();
    QCOMPARE(watched.run.state(), SteamCMDState::idle());
    Q_EMIT plan->current->stateChanged(SteamCMDState::validating());
    QCOMPARE(watched.run.state(), SteamCMDState::idle());
    QVERIFY(watched.run.hasActiveWork());
    QVERIFY(watched.run.hasSteamCMDChild());
    QCOMPARE(watched.finished.count(), 0);
    QVERIFY(watched.waitForEnd());
    QCOMPARE(watched.outcome(), Outcome::Cancelled);
    QVERIFY(!watched.run.hasSteamCMDChild());
}

void TestDownloadRun::abandonedRunDeletesItselfOnceStopped()
{
    auto plan = std::make_shared<StandInPlan>();
    StandInStep step = hanging();
    step.stopDelayMs = 50;
    plan->steamCMD = {step};
    auto *run = new DownloadRun(std::make_unique<StandInStages>(plan));
    QSignalSpy destroyed(run, &QObject::destroyed);
    run->start();
    QTRY_VERIFY(plan->current);
    run->abandon();
    QCOMPARE(destroyed.count(), 0);
    QVERIFY(destroyed.wait(2000));
    QCOMPARE(plan->started, QStringList{"steamcmd"});
}

QTEST_GUILESS_MAIN(TestDownloadRun)
#include "tst_downloadrun.moc"
