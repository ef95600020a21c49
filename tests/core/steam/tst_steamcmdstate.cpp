// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunWait.h"
#include "StandInStages.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"
#include "steam/SteamCMDState.h"

#include <QSignalSpy>
#include <QTest>

#include <cmath>

using Kind = SteamCMDState::Kind;

class TestSteamCMDState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusTexts_data();
    void statusTexts();
    void fractions_data();
    void fractions();
    void equality();
    void failSetsStateThenConsoleLine();
    void consoleKeepsTheStagesTextAsItCame();
    void stateNotifiesOnlyOnChange();
};

void TestSteamCMDState::statusTexts_data()
{
    QTest::addColumn<SteamCMDState>("state");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("running");
    const auto row = [](const char *name, const SteamCMDState &state, const QString &text,
                        bool running) {
        QTest::newRow(name) << state << text << running;
    };
    row("downloading", SteamCMDState::downloading("Update state (0x61) 12.5"),
        "DOWNLOADING ASSETS... Update state (0x61) 12.5", true);
    row("downloading-empty", SteamCMDState::downloading(""), "DOWNLOADING ASSETS... ", true);
    row("patch-0.456", SteamCMDState::downloadingPatch(0.456), "DOWNLOADING PATCH... 46%", true);
    row("patch-0", SteamCMDState::downloadingPatch(0.0), "DOWNLOADING PATCH... 0%", true);
    row("patch-1", SteamCMDState::downloadingPatch(1.0), "DOWNLOADING PATCH... 100%", true);
    // Not a number: no progress known yet; beyond the ends: kept at them.
    row("patch-nan", SteamCMDState::downloadingPatch(std::nan("")), "DOWNLOADING PATCH... 0%",
        true);
    row("patch-above-1", SteamCMDState::downloadingPatch(1.7), "DOWNLOADING PATCH... 100%", true);
    row("patch-below-0", SteamCMDState::downloadingPatch(-0.3), "DOWNLOADING PATCH... 0%", true);
    // printf rounds half to even: 0.125 * 100 = 12.5 gives 12.
    row("patch-half-even", SteamCMDState::downloadingPatch(0.125), "DOWNLOADING PATCH... 12%",
        true);
    row("failed", SteamCMDState::failed("Game not owned — purchase required"),
        "ERROR: Game not owned — purchase required", false);
    row("failed-empty", SteamCMDState::failed(""), "ERROR: ", false);
    row("idle", SteamCMDState::idle(), "READY", false);
    row("steamcmd", SteamCMDState::downloadingSteamCMD(), "INSTALLING STEAMCMD...", true);
    row("auth", SteamCMDState::authenticating(), "AUTHENTICATING...", true);
    row("guard", SteamCMDState::waitingSteamGuard(), "STEAM GUARD CODE REQUIRED", false);
    row("validating", SteamCMDState::validating(), "VALIDATING FILES...", true);
    row("unpacking", SteamCMDState::unpackingPatch(), "UNPACKING PATCH...", true);
    row("completed", SteamCMDState::completed(), "ASSETS READY", false);
}

void TestSteamCMDState::statusTexts()
{
    QFETCH(SteamCMDState, state);
    QFETCH(QString, text);
    QFETCH(bool, running);
    QCOMPARE(state.statusText(), text);
    QCOMPARE(state.isRunning(), running);
}

void TestSteamCMDState::fractions_data()
{
    QTest::addColumn<SteamCMDState>("state");
    QTest::addColumn<double>("fraction"); // -1: none known
    const QString line = QStringLiteral("\x1b[0m Update state (0x61) downloading, progress: ");
    QTest::newRow("byte counts") << SteamCMDState::downloading(line + "60.00 (52312960 / 87188267)")
                                 << 52312960.0 / 87188267.0;
    // Counts that contradict each other leave the percentage.
    QTest::newRow("counts out of order")
        << SteamCMDState::downloading(line + "12,50 (9 / 8)") << 0.125;
    QTest::newRow("percentage only") << SteamCMDState::downloading(line + "94.34") << 0.9434;
    QTest::newRow("empty total") << SteamCMDState::downloading(line + "0.00 (0 / 0)") << 0.0;
    QTest::newRow("not a progress line")
        << SteamCMDState::downloading("[----] Downloading update (0 of 15,633 KB)...") << -1.0;
    QTest::newRow("patch") << SteamCMDState::downloadingPatch(0.456) << 0.456;
    // Not a number counts as none done yet.
    QTest::newRow("patch, not a number") << SteamCMDState::downloadingPatch(std::nan("")) << 0.0;
    QTest::newRow("validating") << SteamCMDState::validating() << -1.0;
    QTest::newRow("failed with a progress text")
        << SteamCMDState::failed(line + "60.00 (1 / 2)") << -1.0;
}

void TestSteamCMDState::fractions()
{
    QFETCH(SteamCMDState, state);
    QFETCH(double, fraction);
    QCOMPARE(state.fraction(), fraction);
}

void TestSteamCMDState::equality()
{
    QCOMPARE(SteamCMDState::failed("a"), SteamCMDState::failed("a"));
    QVERIFY(SteamCMDState::failed("a") != SteamCMDState::failed("b"));
    // Same text, different kind.
    QVERIFY(SteamCMDState::downloading("a") != SteamCMDState::failed("a"));
    QVERIFY(SteamCMDState::idle() != SteamCMDState::completed());
    QCOMPARE(SteamCMDState::downloadingPatch(0.25), SteamCMDState::downloadingPatch(0.25));
    QVERIFY(SteamCMDState::downloadingPatch(0.25) != SteamCMDState::downloadingPatch(0.5));
    // A state with a fraction that is not a number is the one with none
    // done, so a repeated one is no change.
    const SteamCMDState nan = SteamCMDState::downloadingPatch(std::nan(""));
    QCOMPARE(nan, SteamCMDState::downloadingPatch(0.0));
    QCOMPARE(nan.progress(), 0.0);
    QCOMPARE(SteamCMDState(), SteamCMDState::idle());
}

void TestSteamCMDState::failSetsStateThenConsoleLine()
{
    TestHome home;
    QVERIFY(home.isValid());
    SteamCMDManager manager;
    QList<QPair<QString, QString>> events; // (what, value) in order of arrival
    connect(&manager, &SteamCMDManager::stateChanged, this, [&] {
        events.append({"state", manager.statusText()});
    });
    connect(&manager, &SteamCMDManager::consoleLogChanged, this, [&] {
        events.append({"console", manager.consoleLog()});
    });

    QCOMPARE(manager.state(), SteamCMDState::idle());
    startStandInRun(manager, {StandInStep::failing("boom")});
    QVERIFY(waitForRunFinished(manager));
    // Both effects happen at once, the state first, as the run's last words.
    QVERIFY(events.size() >= 2);
    QCOMPARE(events.at(events.size() - 2), qMakePair(QString("state"), QString("ERROR: boom")));
    QCOMPARE(events.last(), qMakePair(QString("console"), QString("\n[✗] boom\n")));
}

void TestSteamCMDState::consoleKeepsTheStagesTextAsItCame()
{
    TestHome home;
    QVERIFY(home.isValid());
    SteamCMDManager manager;
    auto plan = startStandInRun(manager);
    QTRY_VERIFY(plan->current);
    QStringList pieces;
    connect(&manager, &SteamCMDManager::consoleAppended, this,
            [&pieces](const QString &text) { pieces.append(text); });
    Q_EMIT plan->current->log("partial line, ");
    Q_EMIT plan->current->log("rest ✓ of it\n");

    // The console and its stream got the text at once, before the event
    // loop ran, piece by piece with no line end added.
    QCOMPARE(manager.consoleLog(), QStringLiteral("partial line, rest ✓ of it\n"));
    QCOMPARE(pieces, (QStringList{"partial line, ", "rest ✓ of it\n"}));
}

void TestSteamCMDState::stateNotifiesOnlyOnChange()
{
    SteamCMDManager manager;
    QSignalSpy guard(&manager, &SteamCMDManager::steamGuardCodeChanged);
    manager.setSteamGuardCode("123");
    manager.setSteamGuardCode("123");
    QCOMPARE(guard.count(), 1);

    QSignalSpy alert(&manager, &SteamCMDManager::showPurchaseAlertChanged);
    manager.setShowPurchaseAlert(false);
    manager.setShowPurchaseAlert(true);
    QCOMPARE(alert.count(), 1);
}

QTEST_GUILESS_MAIN(TestSteamCMDState)
#include "tst_steamcmdstate.moc"
