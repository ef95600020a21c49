// SPDX-License-Identifier: GPL-3.0-or-later
// Speed over the last seconds, time left and the line shown, on a clock the
// test drives.
#include "transfer/TransferRate.h"

#include <QTest>

class TestTransferRate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_now = 0; }
    void formats_data();
    void formats();
    void speedFollowsRecentSeconds();
    void stallSlowsToNothing();
    void newPhaseStartsAfresh();
    void textLeavesOutWhatIsUnknown();
    void limitHoldsTheSpeed();

private:
    qint64 m_now = 0;
    TransferRate make(qint64 window = 5000)
    {
        return TransferRate([this] { return m_now; }, window);
    }
};

void TestTransferRate::formats_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << qint64(0) << "0 B";
    QTest::newRow("999") << qint64(999) << "999 B";
    QTest::newRow("1000") << qint64(1000) << "1.0 KB";
    QTest::newRow("127644881") << qint64(127644881) << "128 MB";
    QTest::newRow("11530459441") << qint64(11530459441) << "11.5 GB";
    QTest::newRow("rounding up a unit") << qint64(999960) << "1.0 MB";
    QTest::newRow("99.96 MB") << qint64(99960000) << "100 MB";
    QTest::newRow("largest") << std::numeric_limits<qint64>::max() << "9.2 EB";
    // Exact halves round up, as Qt writes them; just below a half rounds down.
    QTest::newRow("12.25 KB") << qint64(12250) << "12.3 KB";
    QTest::newRow("100.5 KB") << qint64(100500) << "101 KB";
    QTest::newRow("12.2499 MB") << qint64(12249900) << "12.2 MB";
}

void TestTransferRate::formats()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(TransferRate::formatBytes(bytes), text);
}

void TestTransferRate::speedFollowsRecentSeconds()
{
    TransferRate rate = make();
    rate.addSample(0, 10'000'000'000);
    QCOMPARE(rate.bytesPerSecond(), -1.0); // nothing to measure yet
    // 20 s at 1 MB/s, then 10 s at 10 MB/s.
    for (int s = 1; s <= 20; ++s) {
        m_now = s * 1000;
        rate.addSample(qint64(s) * 1'000'000, 10'000'000'000);
    }
    QCOMPARE(rate.bytesPerSecond(), 1'000'000.0);
    for (int s = 21; s <= 30; ++s) {
        m_now = s * 1000;
        rate.addSample(20'000'000 + qint64(s - 20) * 10'000'000, 10'000'000'000);
    }
    // Since the start it would be 4 MB/s; over the last 5 s it is 10.
    QCOMPARE(rate.bytesPerSecond(), 10'000'000.0);
    QCOMPARE(rate.bytesDone(), 120'000'000);
    QCOMPARE(rate.secondsLeft(), 988); // 9880 MB at 10 MB/s
    QCOMPARE(rate.text(), QStringLiteral("120 MB of 10.0 GB · 10.0 MB/s · 17 min left"));
    QCOMPARE(rate.text("Downloading"),
             QStringLiteral("Downloading · 120 MB of 10.0 GB · 10.0 MB/s · 17 min left"));
}

void TestTransferRate::stallSlowsToNothing()
{
    TransferRate rate = make();
    for (int s = 0; s <= 10; ++s) {
        m_now = s * 1000;
        rate.addSample(qint64(s) * 2'000'000, 100'000'000);
    }
    QCOMPARE(rate.bytesPerSecond(), 2'000'000.0);
    // No new sample, or the same count again: the speed falls with time.
    m_now = 12'000;
    QCOMPARE(rate.bytesPerSecond(), 1'200'000.0); // 6 MB since 7 s
    rate.addSample(20'000'000, 100'000'000);
    m_now = 16'000;
    rate.addSample(20'000'000, 100'000'000);
    QCOMPARE(rate.bytesPerSecond(), 0.0);
    QCOMPARE(rate.secondsLeft(), -1);
    QCOMPARE(rate.text(), QStringLiteral("20.0 MB of 100 MB · 0 B/s"));
}

void TestTransferRate::newPhaseStartsAfresh()
{
    TransferRate rate = make();
    for (int s = 0; s <= 10; ++s) {
        m_now = s * 1000;
        rate.addSample(qint64(s) * 1'000'000, 10'000'000);
    }
    // Verification starts counting from nothing: the download's speed does
    // not carry over, and no negative speed comes out.
    rate.addSample(0, 10'000'000);
    QCOMPARE(rate.bytesPerSecond(), -1.0);
    m_now = 12'000;
    rate.addSample(4'000'000, 10'000'000);
    QCOMPARE(rate.bytesPerSecond(), 2'000'000.0);
    QCOMPARE(rate.secondsLeft(), 3);
    // Another total: another transfer.
    rate.addSample(5'000'000, 50'000'000);
    QCOMPARE(rate.bytesPerSecond(), -1.0);
    rate.reset();
    QCOMPARE(rate.text(), QString());
}

void TestTransferRate::textLeavesOutWhatIsUnknown()
{
    TransferRate rate = make(3000);
    rate.addSample(1'500'000, -1); // no total known
    QCOMPARE(rate.text("Downloading"), QStringLiteral("Downloading · 1.5 MB"));
    m_now = 2000;
    rate.addSample(3'500'000, -1);
    QCOMPARE(rate.text(), QStringLiteral("3.5 MB · 1.0 MB/s"));
    QCOMPARE(rate.secondsLeft(), -1);

    QCOMPARE(TransferRate::formatDuration(0), QStringLiteral("0 s"));
    QCOMPARE(TransferRate::formatDuration(59), QStringLiteral("59 s"));
    QCOMPARE(TransferRate::formatDuration(61), QStringLiteral("2 min"));
    QCOMPARE(TransferRate::formatDuration(3600), QStringLiteral("1 h"));
    QCOMPARE(TransferRate::formatDuration(7450), QStringLiteral("2 h 5 min"));
}

void TestTransferRate::limitHoldsTheSpeed()
{
    // Held to 100 kB/s, with a count that moves a mebibyte at a time.
    constexpr qint64 chunk = 1'048'576;
    TransferRate rate = make();
    rate.setLimit(100'000, chunk);
    rate.addSample(0, 100 * chunk);
    // Two chunks counted at once: no faster than the limit all the same.
    m_now = 1000;
    rate.addSample(2 * chunk, 100 * chunk);
    QCOMPARE(rate.bytesPerSecond(), 100'000.0);
    QCOMPARE(rate.secondsLeft(), 1028); // 98 MiB at 100 kB/s
    // A chunk every 10.5 s: just after one and just before the next, the
    // speed stays near the limit (five seconds would see a burst, then nothing).
    for (qint64 done = 3; done <= 8; ++done) {
        m_now += 10'486;
        rate.addSample(done * chunk, 100 * chunk);
    }
    for (const qint64 later : {100, 9'900}) {
        m_now += later;
        QVERIFY2(rate.bytesPerSecond() > 70'000.0 && rate.bytesPerSecond() <= 100'000.0,
                 qPrintable(QString::number(rate.bytesPerSecond())));
    }
}

QTEST_GUILESS_MAIN(TestTransferRate)
#include "tst_transferrate.moc"
