// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"
#include "FaultSupport.h"
#include "LoopbackHttpServer.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/ExtractedTree.h"
#include "patch/FreeSpace.h"
#include "patch/PatchCheck.h"
#include "patch/PatchDownload.h"
#include "patch/PatchUnpack.h"
#include "patch/ResumableDownload.h"
#include "patch/ZipStreamCheck.h"

#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using Outcome = Operation::Outcome;

namespace {

// Runs an operation to its end; false on time-out.
bool finishes(Operation &step, int timeoutMs = 60000)
{
    QSignalSpy finished(&step, &Operation::finished);
    step.start();
    return step.isFinished() || finished.wait(timeoutMs);
}

QByteArray noise(qint64 size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

} // namespace

// The patch step's operations on their own: an abort stops what runs and
// leaves what the next run needs, failures that come before unzip, and
// unzip held to what the archive declares when the check is not there to
// refuse it. The install folder must end as it began unless a patch was
// applied.
class TestPatchSteps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void downloadAbortKeepsPartForTheNextRun();
    void unpackAbortStopsUnzip();
    void failuresBeforeUnzip();
    void unzipHeldToTheRecords_data();
    void unzipHeldToTheRecords();

private:
    QString install(const QString &name = QString()) const
    {
        return m_home->filePath(QStringLiteral("install/") + name);
    }
    std::unique_ptr<TestHome> m_home;
    QStringList m_before;
};

void TestPatchSteps::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(writeFile(install("patch.ini"), "old\n"));
    m_before = treeOf(install());
}

void TestPatchSteps::cleanup()
{
    // Never a private folder left, whatever the outcome.
    for (const QString &entry : treeOf(install()))
        QVERIFY2(!entry.startsWith(ExtractedTree::namePrefix()), qPrintable(entry));
    m_home.reset();
}

void TestPatchSteps::downloadAbortKeepsPartForTheNextRun()
{
    const QByteArray content = noise(4 * 1024 * 1024);
    CraftedZip zip;
    zip.entries = {{"Maps/big.map", content}, {"patch.ini", "new\n"}};
    const QByteArray bytes = zip.build();
    LoopbackHttpServer server;
    QVERIFY(server.listen());
    LoopbackHttpServer::Response response;
    response.body = bytes;
    response.etag = "\"v1\"";
    response.stallAfter = 1024 * 1024;
    server.setRoute("/p.zip", response);
    QNetworkAccessManager network;
    const QString archive = install("temp_patch.zip");
    {
        PatchDownload first(&network, server.url("/p.zip"), archive);
        connect(&first, &Operation::progress, &first, [&first](qint64 done) {
            if (done > 0)
                QTimer::singleShot(0, &first, &Operation::abort);
        });
        QVERIFY(finishes(first));
        QCOMPARE(first.outcome(), Outcome::Cancelled);
        QVERIFY(!first.takeStreamCheck());
    }
    const qint64 kept = QFileInfo(archive + ".part").size();
    QVERIFY2(kept > 0 && kept <= response.stallAfter, qPrintable(QString::number(kept)));

    response.stallAfter = -1;
    server.setRoute("/p.zip", response);
    PatchDownload second(&network, server.url("/p.zip"), archive);
    QStringList lines;
    connect(&second, &Operation::log, this, [&lines](const QString &text) { lines << text; });
    QVERIFY(finishes(second));
    QCOMPARE(second.outcome(), Outcome::Succeeded);
    QCOMPARE(lines,
             QStringList{"[*] " + ResumableDownload::resumingText(kept, bytes.size()) + "\n"});
    QVERIFY(server.lastRequestHeaders("/p.zip").contains(
        "Range: bytes=" + QByteArray::number(kept) + "-"));
    QVERIFY(readFile(archive) == bytes);
    // The kept part was read back too: both entries, the first begun in it.
    std::unique_ptr<ZipStreamCheck> stream = second.takeStreamCheck();
    QVERIFY(stream);
    QCOMPARE(stream->status(), ZipStreamCheck::Status::Done);
    QCOMPARE(stream->entries().size(), 2);
    PatchCheck check(archive, std::move(stream));
    QVERIFY(finishes(check));
    QCOMPARE(check.outcome(), Outcome::Succeeded);
    QCOMPARE(check.declaredBytes(), content.size() + 4);
    QCOMPARE(check.largestEntryBytes(), content.size());
}

void TestPatchSteps::unpackAbortStopsUnzip()
{
    // An unzip that has written part of the patch and goes on working.
    const QString marker = m_home->filePath("unzip.pid");
    const QString unzip = m_home->filePath("slow-unzip");
    QVERIFY(writeScript(unzip, "#!/bin/sh\nmkdir -p \"$4/Maps\" && echo new > \"$4/Maps/new.map\" "
                               "&& echo new > \"$4/patch.ini\"\necho $$ > '" +
                                   QFile::encodeName(marker) + "'\nexec sleep 60\n"));
    QVERIFY(writeFile(install("temp_patch.zip"), "PK"));
    PatchUnpack unpack(install("temp_patch.zip"), install(), 100, 100);
    unpack.setUnzipProgram(unzip);
    QSignalSpy finished(&unpack, &Operation::finished);
    unpack.start();
    QTRY_VERIFY_WITH_TIMEOUT(readFile(marker).endsWith('\n'), 20000);
    const qint64 pid = readFile(marker).trimmed().toLongLong();
    unpack.abort();
    QVERIFY(unpack.isFinished() || finished.wait(20000));
    QCOMPARE(unpack.outcome(), Outcome::Cancelled);
    QVERIFY(!processAlive(pid));
    // Nothing of the patch in place; the archive waits for the next download.
    QCOMPARE(treeOf(install()), (QStringList{"patch.ini", "temp_patch.zip"}));
    QCOMPARE(readFile(install("patch.ini")), QByteArray("old\n"));
}

void TestPatchSteps::failuresBeforeUnzip()
{
    QNetworkAccessManager network;
    PatchDownload download(&network, "http://exa mple.org/p.zip", install("temp_patch.zip"));
    QVERIFY(finishes(download));
    QCOMPARE(download.message(), QStringLiteral("Invalid patch URL."));

    QVERIFY(writeFile(install("temp_patch.zip"), "PK"));
    PatchUnpack unpack(install("temp_patch.zip"), install(), 8, 4);
    unpack.setUnzipProgram(m_home->filePath("no-such-unzip"));
    QVERIFY(finishes(unpack));
    QCOMPARE(unpack.outcome(), Outcome::Failed);
    QVERIFY2(unpack.message().startsWith("Failed to execute unzip: "),
             qPrintable(unpack.message()));
    // The archive stays for the next download to replace.
    QCOMPARE(treeOf(install()), (QStringList{"patch.ini", "temp_patch.zip"}));
}

void TestPatchSteps::unzipHeldToTheRecords_data()
{
    // Archives handed to unzip as though the check had missed them, with
    // the figures their records give.
    QTest::addColumn<QList<CraftedEntry>>("entries");
    QTest::addColumn<qint64>("declared");
    QTest::addColumn<qint64>("largest");
    QTest::addColumn<QString>("message");
    const CraftedEntry ini("patch.ini", "new\n");
    QTest::newRow("a file past the largest entry")
        << QList<CraftedEntry>{ini, deflatedZeros("Data/big.bin", 50000000)} << qint64(1004)
        << qint64(1000)
        << "Failed to unpack patch (unzip exited with code 50); nothing was changed";
    // Each file within its bound, all of them far past the total.
    QTest::newRow("more in all than declared")
        << QList<CraftedEntry>{deflatedZeros("Data/a.bin", 40000000),
                               deflatedZeros("Data/b.bin", 40000000),
                               deflatedZeros("Data/c.bin", 40000000)}
        << qint64(0) << qint64(40000000)
        << "Failed to unpack patch: unzip wrote more than the 0 bytes the archive declares; "
           "nothing was changed";
}

void TestPatchSteps::unzipHeldToTheRecords()
{
    QFETCH(QList<CraftedEntry>, entries);
    QFETCH(qint64, declared);
    QFETCH(qint64, largest);
    QFETCH(QString, message);
    // Its own small file system, so that the watch sees unzip alone.
    const ScopedMount mount = ScopedMount::tmpfs(install("disk"), 256 * 1024 * 1024);
    if (!mount.isMounted())
        SKIP_OR_FAIL_IN_CI(qPrintable(mount.error()));
    const QString folder = install("disk");
    QVERIFY(writeFile(folder + "/patch.ini", "old\n"));
    CraftedZip zip;
    zip.entries = entries;
    QVERIFY(writeFile(folder + "/temp_patch.zip", zip.build()));
    const qint64 freeBefore = FreeSpace::available(folder);
    qint64 leastFree = freeBefore;
    QTimer sample;
    connect(&sample, &QTimer::timeout, this,
            [&] { leastFree = qMin(leastFree, FreeSpace::available(folder)); });
    sample.start(2);
    PatchUnpack unpack(folder + "/temp_patch.zip", folder, declared, largest);
    QVERIFY(finishes(unpack));
    QCOMPARE(unpack.message(), message);
    QCOMPARE(treeOf(folder), QStringList{"patch.ini"});
    QCOMPARE(readFile(folder + "/patch.ini"), QByteArray("old\n"));
    // Stopped near the margin, far from the 120 MB unzip would write.
    QVERIFY2(freeBefore - leastFree < declared + PatchUnpack::marginBytes(declared) + 40000000,
             qPrintable(QString::number(freeBefore - leastFree)));
}

QTEST_GUILESS_MAIN(TestPatchSteps)
#include "tst_patchsteps.moc"
