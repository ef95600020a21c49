// SPDX-License-Identifier: GPL-3.0-or-later
// The run logs: where they go, how many are kept, and that no secret reaches
// them however the console text is cut.
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/RunLog.h"

#include <QDir>
#include <QTest>

class TestRunLog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void folderFromEnvironment_data();
    void folderFromEnvironment();
    void oneFilePerRunLastTenKept();
    void secretsNeverWritten_data();
    void secretsNeverWritten();
    void textWrittenAsItComes();
};

void TestRunLog::folderFromEnvironment_data()
{
    QTest::addColumn<QByteArray>("stateHome"); // null: unset
    QTest::addColumn<QString>("expected");     // relative to HOME
    QTest::newRow("XDG_STATE_HOME")
        << QByteArray("/elsewhere/state") << "/elsewhere/state/Vantor Online/logs";
    QTest::newRow("unset") << QByteArray() << "~/.local/state/Vantor Online/logs";
    QTest::newRow("relative is ignored")
        << QByteArray("rel/state") << "~/.local/state/Vantor Online/logs";
}

void TestRunLog::folderFromEnvironment()
{
    QFETCH(QByteArray, stateHome);
    QFETCH(QString, expected);
    TestHome home;
    if (stateHome.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", stateHome);
    expected.replace("~", home.path());
    QCOMPARE(RunLog::defaultFolder(), expected);
}

void TestRunLog::oneFilePerRunLastTenKept()
{
    TestHome home;
    QDateTime now(QDate(2026, 12, 8), QTime(22, 31, 5, 123), Qt::UTC);
    const QString folder = RunLog::defaultFolder();
    // Somebody else's file in the folder is left alone.
    QVERIFY(writeFile(folder + "/notes.txt", "mine\n"));
    QStringList made;
    for (int run = 0; run < 12; ++run) {
        RunLog log(folder, RunLog::kRunsKept, [&now] { return now; });
        QVERIFY(log.open());
        log.append(QStringLiteral("run %1\n").arg(run));
        made.append(log.filePath());
        // Runs a day apart, so that a sort by day alone would go wrong.
        now = now.addSecs(run % 2 ? 86400 : 61);
    }
    QCOMPARE(QFileInfo(made.first()).fileName(),
             QStringLiteral("run-2026-12-08T22-31-05.123Z.log"));
    RunLog reader(folder);
    QCOMPARE(reader.runFiles(), made.mid(2));
    QCOMPARE(readFile(made.last()), QByteArray("run 11\n"));
    QCOMPARE(readFile(folder + "/notes.txt"), QByteArray("mine\n"));
    QCOMPARE(QFileInfo(made.last()).permissions() & (QFile::ReadOther | QFile::ReadGroup),
             QFileDevice::Permissions());

    // Two runs in the same millisecond get two files.
    RunLog a(folder, RunLog::kRunsKept, [&now] { return now; });
    RunLog b(folder, RunLog::kRunsKept, [&now] { return now; });
    QVERIFY(a.open() && b.open());
    QVERIFY(a.filePath() != b.filePath());
    QCOMPARE(reader.runFiles().size(), RunLog::kRunsKept);
}

void TestRunLog::secretsNeverWritten_data()
{
    QTest::addColumn<QStringList>("chunks");
    QTest::addColumn<QString>("written");
    const QString h = RunLog::kPlaceholder;
    QTest::newRow("whole") << QStringList{"login u hunter2 ok\n"} << "login u " + h + " ok\n";
    QTest::newRow("split in three")
        << QStringList{"pass: hun", "te", "r2\n"} << "pass: " + h + "\n";
    QTest::newRow("one character at a time")
        << QString("x hunter2 y 55XKQ z").split(QString()) << "x " + h + " y " + h + " z";
    QTest::newRow("started, not finished")
        << QStringList{"hunt", "ing season\n"} << "hunting season\n";
    QTest::newRow("overlapping starts") << QStringList{"huhunhunter", "2!"} << "huhun" + h + "!";
    QTest::newRow("at the very end") << QStringList{"code ", "55XK", "Q"} << "code " + h;
    QTest::newRow("twice in a chunk") << QStringList{"hunter2hunter2"} << h + h;
}

void TestRunLog::secretsNeverWritten()
{
    QFETCH(QStringList, chunks);
    QFETCH(QString, written);
    TestHome home;
    RunLog log(home.filePath("logs"));
    QVERIFY(log.open());
    log.addSecret("hunter2");
    log.addSecret("55XKQ");
    log.addSecret(QString()); // ignored, not "everything"
    for (const QString &chunk : chunks)
        log.append(chunk);
    log.close();
    QCOMPARE(QString::fromUtf8(readFile(log.filePath())), written);
}

void TestRunLog::textWrittenAsItComes()
{
    // A launcher that is killed leaves everything but a possible secret's
    // start on disk.
    TestHome home;
    RunLog log(home.filePath("logs"));
    QVERIFY(log.open());
    log.addSecret("hunter2");
    log.append(QStringLiteral("[*] Launching SteamCMD...\n✓ hu"));
    QCOMPARE(readFile(log.filePath()), QStringLiteral("[*] Launching SteamCMD...\n✓ ").toUtf8());
    log.append(QStringLiteral("t\n"));
    QCOMPARE(readFile(log.filePath()),
             QStringLiteral("[*] Launching SteamCMD...\n✓ hut\n").toUtf8());
    // Nothing is written once closed, and a folder that cannot be made is
    // reported.
    log.close();
    log.append("late");
    QCOMPARE(readFile(log.filePath()).endsWith("late"), false);
    QVERIFY(writeFile(home.filePath("file"), "x"));
    RunLog blocked(home.filePath("file/logs"));
    QVERIFY(!blocked.open());
    QVERIFY(!blocked.isOpen());
}

QTEST_GUILESS_MAIN(TestRunLog)
#include "tst_runlog.moc"
