// SPDX-License-Identifier: GPL-3.0-or-later
// One download per install, across processes: a second holder is refused at
// once with the first one's process id, and a killed holder frees the lock.
#include "RunWait.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "game/GameFolders.h"
#include "steam/InstallLock.h"
#include "steam/SteamCMDManager.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <signal.h>
#include <unistd.h>

namespace {

const char *const kHoldFlag = "--hold-lock";

// The child's side: takes the lock, says so, and holds it until killed.
// With `spawnFile` it first starts a long-lived program of its own, as the
// launcher starts SteamCMD, and writes that program's id there.
int holdLock(const char *path, const char *spawnFile)
{
    InstallLock lock(QString::fromLocal8Bit(path));
    if (!lock.tryLock()) {
        std::printf("refused %s\n", qPrintable(lock.errorString()));
        return 3;
    }
    if (spawnFile) {
        const QByteArray command =
            QByteArray("sleep 60 </dev/null >/dev/null 2>&1 & echo $! > '") + spawnFile + "'";
        if (std::system(command.constData()) != 0)
            return 4;
    }
    std::printf("held\n");
    std::fflush(stdout);
    for (;;)
        ::pause();
}

} // namespace

class TestInstallLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup() { m_home.reset(); }

    void secondHolderRefusedUntilFirstIsKilled_data();
    void secondHolderRefusedUntilFirstIsKilled();
    void sameProcessTwice();
    void notInheritedBySteamCMD();
    void holderIdFromFileIsChecked_data();
    void holderIdFromFileIsChecked();
    void symbolicLinkRefused();
    void heldWhileAReplacedRunStillStops();

private:
    QString lockPath() const { return InstallLock::pathIn(m_home->filePath("support")); }
    // Starts a child process that holds the lock; waits until it does.
    bool startHolder(QProcess &child)
    {
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kHoldFlag), lockPath()});
        return child.waitForStarted() && child.waitForReadyRead(10000) &&
               child.readAllStandardOutput() == "held\n";
    }

    std::unique_ptr<TestHome> m_home;
};

void TestInstallLock::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
}

void TestInstallLock::secondHolderRefusedUntilFirstIsKilled_data()
{
    QTest::addColumn<bool>("kill");
    QTest::newRow("SIGKILL") << true;
    QTest::newRow("SIGTERM") << false;
}

void TestInstallLock::secondHolderRefusedUntilFirstIsKilled()
{
    QFETCH(bool, kill);
    QProcess child;
    QVERIFY(startHolder(child));

    InstallLock lock(lockPath());
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!lock.tryLock());
    QVERIFY(timer.elapsed() < 1000); // at once, no waiting
    QCOMPARE(lock.holderPid(), child.processId());
    QCOMPARE(
        lock.errorString(),
        QStringLiteral("Another download is already running (process %1)").arg(child.processId()));
    QVERIFY(!lock.isLocked());

    if (kill)
        child.kill();
    else
        child.terminate();
    QVERIFY(child.waitForFinished(10000));
    QVERIFY(lock.tryLock());
    QVERIFY(lock.isLocked());
    QCOMPARE(readFile(lockPath()), QByteArray::number(qint64(::getpid())) + '\n');

    // Now the child is the one refused, and it names this process.
    QProcess second;
    second.start(QCoreApplication::applicationFilePath(),
                 {QString::fromLatin1(kHoldFlag), lockPath()});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 3);
    QCOMPARE(second.readAllStandardOutput(),
             "refused Another download is already running (process " +
                 QByteArray::number(qint64(::getpid())) + ")\n");

    // Released: the id is gone from the file with the lock.
    lock.unlock();
    QVERIFY(!lock.isLocked());
    QCOMPARE(readFile(lockPath()), QByteArray());
    QProcess third;
    QVERIFY(startHolder(third));
    third.kill();
    third.waitForFinished();
}

void TestInstallLock::heldWhileAReplacedRunStillStops()
{
    // A run waiting at a prompt is replaced by a new one, which fails at
    // once; the replaced run's SteamCMD takes its time to exit. Until it
    // has, another launcher is refused: two SteamCMDs must never share the
    // install.
    SteamCMDManager manager;
    StandInStep slowToStop = StandInStep::hanging();
    slowToStop.stopDelayMs = 700;
    auto plan = startStandInRun(manager, {slowToStop, StandInStep::failing("boom")});
    QTRY_VERIFY(plan->current);
    manager.startDownload("player", "secret");
    QVERIFY(waitForRunFinished(manager));
    QVERIFY(manager.hasActiveWork());
    InstallLock other(InstallLock::pathIn(GameFolders::supportDir()));
    QVERIFY(!other.tryLock());
    QVERIFY(other.isHeldElsewhere());
    QTRY_VERIFY_WITH_TIMEOUT(!manager.hasActiveWork(), 5000);
    QVERIFY(other.tryLock());
}

void TestInstallLock::sameProcessTwice()
{
    // Two windows of one launcher are two objects in one process: flock
    // tells their descriptors apart.
    InstallLock first(lockPath());
    InstallLock second(lockPath());
    QVERIFY(first.tryLock());
    QVERIFY(first.tryLock()); // held already
    QVERIFY(!second.tryLock());
    QCOMPARE(second.holderPid(), qint64(::getpid()));
    {
        InstallLock scoped(lockPath());
        first.unlock();
        QVERIFY(scoped.tryLock());
    } // released with the object
    QVERIFY(second.tryLock());
}

void TestInstallLock::notInheritedBySteamCMD()
{
    // A SteamCMD left running by a killed launcher must not keep the lock.
    const QString spawned = m_home->filePath("spawned");
    QProcess launcher;
    launcher.start(QCoreApplication::applicationFilePath(),
                   {QString::fromLatin1(kHoldFlag), lockPath(), spawned});
    QVERIFY(launcher.waitForReadyRead(10000));
    QCOMPARE(launcher.readAllStandardOutput(), QByteArray("held\n"));
    const qint64 steamcmd = readFile(spawned).trimmed().toLongLong();
    QVERIFY(processAlive(steamcmd));
    launcher.kill();
    QVERIFY(launcher.waitForFinished(10000));

    InstallLock next(lockPath());
    const bool taken = next.tryLock();
    QVERIFY(processAlive(steamcmd)); // still running, yet not holding the lock
    ::kill(pid_t(steamcmd), SIGKILL);
    QVERIFY2(taken, qPrintable(next.errorString()));
}

void TestInstallLock::holderIdFromFileIsChecked_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("pid");
    QTest::newRow("plain") << QByteArray("4242\n") << qint64(4242);
    QTest::newRow("empty") << QByteArray() << qint64(-1);
    QTest::newRow("text") << QByteArray("rm -rf ~\n") << qint64(-1);
    QTest::newRow("negative") << QByteArray("-1\n") << qint64(-1);
    QTest::newRow("huge") << QByteArray("99999999999999\n") << qint64(-1);
    QTest::newRow("long file") << QByteArray(1 << 20, '7') << qint64(-1);
}

void TestInstallLock::holderIdFromFileIsChecked()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, pid);
    InstallLock holder(lockPath());
    QVERIFY(holder.tryLock());
    // What another launcher, or someone else, left in the file.
    QVERIFY(writeFile(lockPath(), content));

    InstallLock lock(lockPath());
    QVERIFY(!lock.tryLock());
    QCOMPARE(lock.holderPid(), pid);
    QCOMPARE(lock.errorString(),
             pid > 0 ? QStringLiteral("Another download is already running (process %1)").arg(pid)
                     : QStringLiteral("Another download is already running"));
}

void TestInstallLock::symbolicLinkRefused()
{
    const QString target = m_home->filePath("elsewhere");
    QVERIFY(writeFile(target, "keep me\n"));
    QVERIFY(QDir().mkpath(m_home->filePath("support")));
    QVERIFY(QFile::link(target, lockPath()));
    InstallLock lock(lockPath());
    QVERIFY(!lock.tryLock());
    QVERIFY2(lock.errorString().startsWith("Cannot open the download lock"),
             qPrintable(lock.errorString()));
    QCOMPARE(readFile(target), QByteArray("keep me\n"));
}

int main(int argc, char *argv[])
{
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], kHoldFlag) == 0)
        return holdLock(argv[2], argc == 4 ? argv[3] : nullptr);
    QCoreApplication app(argc, argv);
    TestInstallLock test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_installlock.moc"
