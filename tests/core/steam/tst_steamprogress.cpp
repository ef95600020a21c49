// SPDX-License-Identifier: GPL-3.0-or-later
// SteamCMD's progress lines as they are printed, and lines that only look so;
// when the same line over and over is a stall.
#include "steam/DownloadProgress.h"
#include "steam/SteamProgress.h"

#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;

using Phase = SteamProgress::Phase;
Q_DECLARE_METATYPE(SteamProgress::Phase)

class TestSteamProgress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parses_data();
    void parses();
    void rejects_data();
    void rejects();
    void lastOfSeveral();
    void stallAllowsForTheLimit_data();
    void stallAllowsForTheLimit();
    void percentDetail_data();
    void percentDetail();
    void detailsOfLines();
};

void TestSteamProgress::parses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<uint>("state");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("percent");
    QTest::addColumn<qint64>("done");
    QTest::addColumn<qint64>("total");
    QTest::newRow("downloading")
        << " Update state (0x61) downloading, progress: 12.34 (127644881 / 11530459441)"
        << Phase::Downloading << 0x61u << "Downloading" << 12.34 << qint64(127644881)
        << qint64(11530459441);
    QTest::newRow("decimal comma, reset sequence, line end")
        << "\x1b[0m Update state (0x61) downloading, progress: 12,49 (26785670 / 87188267)\r\n"
        << Phase::Downloading << 0x61u << "Downloading" << 12.49 << qint64(26785670)
        << qint64(87188267);
    QTest::newRow("preallocating") << " Update state (0x11) preallocating, progress: 0.00 (0 / "
                                      "11530459441)"
                                   << Phase::Preallocating << 0x11u << "Preparing disk space" << 0.0
                                   << qint64(0) << qint64(11530459441);
    QTest::newRow("verifying install")
        << " Update state (0x5) verifying install, progress: 94.34 (82251010 / 87188267)"
        << Phase::VerifyingInstall << 0x5u << "Verifying" << 94.34 << qint64(82251010)
        << qint64(87188267);
    QTest::newRow("verifying update")
        << " Update state (0x81) verifying update, progress: 5.00 (5 / 100)"
        << Phase::VerifyingUpdate << 0x81u << "Verifying" << 5.0 << qint64(5) << qint64(100);
    QTest::newRow("committing") << " Update state (0x101) committing, progress: 100.00 (87188267 "
                                   "/ 87188267)"
                                << Phase::Committing << 0x101u << "Writing files" << 100.0
                                << qint64(87188267) << qint64(87188267);
    QTest::newRow("reconfiguring")
        << " Update state (0x3) reconfiguring, progress: 0.00 (0 / 0)" << Phase::Reconfiguring
        << 0x3u << "Reconfiguring" << 0.0 << qint64(0) << qint64(0);
    QTest::newRow("unknown words, upper case")
        << "UPDATE STATE (0x7) Staging Files, PROGRESS: 50 (1 / 2)" << Phase::Other << 0x7u
        << "Staging Files" << 50.0 << qint64(1) << qint64(2);
    QTest::newRow("no byte counts")
        << " Update state (0x61) downloading, progress: 7.5" << Phase::Downloading << 0x61u
        << "Downloading" << 7.5 << qint64(-1) << qint64(-1);
    // Counts that cannot be true are dropped, the percentage kept.
    QTest::newRow("done beyond total")
        << " Update state (0x61) downloading, progress: 10.00 (900 / 100)" << Phase::Downloading
        << 0x61u << "Downloading" << 10.0 << qint64(-1) << qint64(-1);
    QTest::newRow("counts beyond 64 bits")
        << " Update state (0x61) downloading, progress: 10.00 (1 / 99999999999999999999)"
        << Phase::Downloading << 0x61u << "Downloading" << 10.0 << qint64(-1) << qint64(-1);
}

void TestSteamProgress::parses()
{
    QFETCH(QString, text);
    QFETCH(Phase, phase);
    QFETCH(uint, state);
    QFETCH(QString, name);
    QFETCH(double, percent);
    QFETCH(qint64, done);
    QFETCH(qint64, total);
    const auto progress = SteamProgress::parse(text);
    QVERIFY(progress.has_value());
    QCOMPARE(progress->phase, phase);
    QCOMPARE(progress->state, state);
    QCOMPARE(progress->phaseName(), name);
    QCOMPARE(progress->percent, percent);
    QCOMPARE(progress->bytesDone, done);
    QCOMPARE(progress->bytesTotal, total);
    QCOMPARE(progress->hasBytes(), total >= 0);
}

void TestSteamProgress::rejects_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no state") << "downloading, progress: 12.34 (1 / 2)";
    QTest::newRow("percent above 100")
        << " Update state (0x61) downloading, progress: 100.01 (1 / 2)";
    QTest::newRow("percent of four digits")
        << " Update state (0x61) downloading, progress: 1000 (1 / 2)";
    QTest::newRow("no percent") << " Update state (0x61) downloading, progress: (1 / 2)";
    QTest::newRow("self-update line") << "[----] Downloading update (0 of 15,633 KB)...";
    QTest::newRow("success") << "Success! App '4187530' fully installed.";
}

void TestSteamProgress::rejects()
{
    QFETCH(QString, text);
    QVERIFY(!SteamProgress::parse(text).has_value());
}

void TestSteamProgress::lastOfSeveral()
{
    // A terminal program overwrites its line with carriage returns: the
    // last state in a chunk is the current one.
    const auto progress =
        SteamProgress::parse(u" Update state (0x61) downloading, progress: 99.00 (99 / 100)\r"
                             u" Update state (0x5) verifying install, progress: 3.00 (3 / 100)\r");
    QVERIFY(progress.has_value());
    QCOMPARE(progress->phase, Phase::VerifyingInstall);
    QCOMPARE(progress->bytesDone, 3);
}

void TestSteamProgress::stallAllowsForTheLimit_data()
{
    QTest::addColumn<qint64>("limit"); // bytes per second SteamCMD is held to, 0: none
    QTest::addColumn<bool>("stalled"); // within 600 ms of the same line
    QTest::newRow("no limit") << qint64(0) << true;
    // Two chunks of a mebibyte take a second at 2 MB/s: no stall before.
    QTest::newRow("2 MB/s") << qint64(2'000'000) << false;
}

void TestSteamProgress::stallAllowsForTheLimit()
{
    QFETCH(qint64, limit);
    QFETCH(bool, stalled);
    DownloadProgress progress(200ms);
    progress.setRateLimit(limit);
    QSignalSpy stalls(&progress, &DownloadProgress::stalled);
    progress.setWatching(true);
    for (int i = 0; i < 6; ++i) {
        progress.output({" Update state (0x61) downloading, progress: 1.00 (1048576 / 104857600)"},
                        false);
        QTest::qWait(100);
    }
    QCOMPARE(stalls.size(), stalled ? 1 : 0);
}

void TestSteamProgress::percentDetail_data()
{
    // As QString::number(percent, 'f', 1) writes the percentage: exact
    // halves (which a double holds) up, the rest to the nearest tenth of the
    // double's own value.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("detail");
    const QString line = QStringLiteral(" Update state (0x61) downloading, progress: %1");
    QTest::newRow("half up") << line.arg("12.25") << "Downloading · 12.3%";
    QTest::newRow("below a half") << line.arg("12.35") << "Downloading · 12.3%";
    QTest::newRow("to a whole hundred") << line.arg("99.95 (1 / 2)") << "Downloading · 100.0%";
    QTest::newRow("many decimals") << line.arg("0.0499999999") << "Downloading · 0.0%";
    QTest::newRow("words of its own") << "Update state (0x7) staging files, progress: 0.25"
                                      << "Staging files · 0.3%";
}

void TestSteamProgress::percentDetail()
{
    QFETCH(QString, text);
    QFETCH(QString, detail);
    const auto progress = SteamProgress::parse(text);
    QVERIFY(progress.has_value());
    QCOMPARE(progress->percentDetail(), detail);
}

void TestSteamProgress::detailsOfLines()
{
    // A detail is announced when its tenth, its phase's name or its kind
    // changes, also back to a percentage that was shown before the bytes.
    DownloadProgress progress(1min);
    QSignalSpy announced(&progress, &DownloadProgress::detailChanged);
    const QString line = QStringLiteral("Update state (0x61) %1, progress: %2");
    progress.output({line.arg("downloading", "5.01"), line.arg("downloading", "5.04"),
                     line.arg("downloading", "5.06"), line.arg("verifying install", "5.06"),
                     line.arg("staging files", "5.06"), line.arg("unpacking", "5.06"),
                     line.arg("unpacking", "5.06 (5 / 100)"), line.arg("unpacking", "5.07")},
                    true);
    QStringList details;
    for (const QList<QVariant> &signal : std::as_const(announced))
        details.append(signal[0].toString());
    QCOMPARE(details.size(), 7);
    details.removeAt(5); // the bytes' detail, with a speed of the clock's
    QCOMPARE(details,
             (QStringList{"Downloading · 5.0%", "Downloading · 5.1%", "Verifying · 5.1%",
                          "Staging files · 5.1%", "Unpacking · 5.1%", "Unpacking · 5.1%"}));
}

QTEST_GUILESS_MAIN(TestSteamProgress)
#include "tst_steamprogress.moc"
