// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"
#include "FakeSteamCMD.h"
#include "FaultSupport.h"
#include "LoopbackHttpServer.h"
#include "RunWait.h"
#include "StateRecorder.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/ExtractedTree.h"
#include "patch/FreeSpace.h"
#include "patch/PatchArchive.h"
#include "patch/PatchManifest.h"
#include "patch/PatchUnpack.h"
#include "patch/ResumableDownload.h"
#include "steam/SteamCMDManager.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <optional>

#include <unistd.h>

using Kind = SteamCMDState::Kind;

namespace {

const QString kPatchPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");

CraftedZip stored(const QList<CraftedEntry> &entries)
{
    CraftedZip zip;
    zip.entries = entries;
    return zip;
}

QByteArray noise(qint64 size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(5).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

} // namespace

// The patch step as a download run drives it, from the manager: hostile
// archives and the plain patch after them, a download broken off and
// continued, a server that ignores ranges, archives that lie about their
// entries, unzip or the move into place failing half-way on a small disk,
// and the leftovers of a launcher killed while unpacking. A folder "outside" beside
// the install tree must stay as it was whatever happens.
class TestFaultsPatchRun : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void hostileThenPlainPatch_data();
    void hostileThenPlainPatch();
    void brokenDownloadContinues_data();
    void brokenDownloadContinues();
    void smallDisk_data();
    void smallDisk();
    void leftoversOfAKilledLauncher();

private:
    QString outside(const QString &name = QString()) const
    {
        return m_home->filePath(QStringLiteral("outside/") + name);
    }
    QByteArray expand(QByteArray text) const
    {
        return text.replace("@out", QFile::encodeName(m_home->filePath("outside")));
    }
    void serve(const LoopbackHttpServer::Response &response)
    {
        m_server->setRoute(kPatchPath, response);
    }
    void serve(const QByteArray &zip)
    {
        LoopbackHttpServer::Response response;
        response.body = zip;
        serve(response);
    }
    // One download run (SteamCMD succeeds at once) to its end.
    void run(SteamCMDManager &manager)
    {
        manager.startDownload("u", "p");
        QVERIFY(waitForRunFinished(manager, 30000));
    }
    // No link anywhere in the install tree, no private folder, no archive.
    void checkInstallTree(SteamCMDManager &manager)
    {
        const QStringList tree = treeOf(manager.installDir());
        for (const QString &entry : tree) {
            QVERIFY2(!entry.contains(" -> "), qPrintable(entry));
            QVERIFY2(!entry.startsWith(ExtractedTree::namePrefix()), qPrintable(entry));
        }
        QVERIFY(!tree.contains("temp_patch.zip"));
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QStringList m_outsideBefore;
};

void TestFaultsPatchRun::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_PATCH_URL", m_server->url(kPatchPath).toUtf8());
    QVERIFY(writeFile(outside("victim.txt"), "the user's own file\n"));
    QVERIFY(QDir().mkpath(outside("Maps")));
    m_outsideBefore = treeOf(outside());
}

void TestFaultsPatchRun::cleanup()
{
    if (m_home) {
        QCOMPARE(treeOf(outside()), m_outsideBefore);
        QCOMPARE(readFile(outside("victim.txt")), QByteArray("the user's own file\n"));
    }
    qunsetenv("VANTOR_PATCH_URL");
    m_server.reset();
    m_home.reset();
}

void TestFaultsPatchRun::hostileThenPlainPatch_data()
{
    QTest::addColumn<CraftedZip>("archive");
    QTest::addColumn<QString>("refusal");
    const CraftedEntry ini("patch.ini", "[patch]\n");
    const CraftedEntry linkOut("Maps", "@out/Maps", kLinkMode);

    // The list is read whole, whatever count the end record gives.
    CraftedZip low = stored({ini, linkOut});
    low.count = 1;
    QTest::newRow("link hidden by a low count") << low << "entry \"Maps\" is a symbolic link";
    CraftedEntry unicode = ini;
    unicode.centralExtra = unicodePathField(ini.name, "Maps");
    unicode.mode = kLinkMode;
    unicode.flags = 0;
    unicode.data = "@out/Maps";
    QTest::newRow("Unicode path renames a link")
        << stored({unicode}) << "entry \"patch.ini\" carries a different Unicode name \"Maps\"";
}

void TestFaultsPatchRun::hostileThenPlainPatch()
{
    QFETCH(CraftedZip, archive);
    QFETCH(QString, refusal);
    for (CraftedEntry &entry : archive.entries)
        entry.data = expand(entry.data);
    serve(archive.build());
    SteamCMDManager manager;
    QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
    run(manager);
    QCOMPARE(manager.state(), SteamCMDState::failed("Refused the patch archive: " + refusal));
    checkInstallTree(manager);
    QCOMPARE(treeOf(manager.installDir()), QStringList{"Assets/"});

    // The next, ordinary patch lands inside, in a folder of its own.
    serve(stored({{"Maps/new.map", "next"}, {"patch.ini", "next"}}).build());
    run(manager);
    QCOMPARE(manager.state(), SteamCMDState::completed());
    checkInstallTree(manager);
    QVERIFY(QFileInfo(manager.installDir() + "/Maps").isDir());
    QCOMPARE(readFile(manager.installDir() + "/Maps/new.map"), QByteArray("next"));
    QCOMPARE(readFile(manager.installDir() + "/patch.ini"), QByteArray("next"));
}

void TestFaultsPatchRun::brokenDownloadContinues_data()
{
    QTest::addColumn<bool>("serverIgnoresRange");
    QTest::newRow("206: the rest is appended") << false;
    QTest::newRow("200 to the range: starts over") << true;
}

void TestFaultsPatchRun::brokenDownloadContinues()
{
    QFETCH(bool, serverIgnoresRange);
    // Big enough that what the network layer drops when the connection
    // breaks (up to its buffers) is small next to the whole.
    const QByteArray content = noise(64 * 1000 * 1000);
    const QByteArray zip = stored({{"Maps/big.map", content}}).build();
    LoopbackHttpServer::Response response;
    response.body = zip;
    response.etag = "\"v1\"";
    response.breakAtByte = 30 * 1000 * 1000;
    serve(response);
    SteamCMDManager manager;
    QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
    run(manager);
    QCOMPARE(manager.state().kind(), Kind::Failed);
    QVERIFY2(manager.state().text().startsWith("Failed to download patch: "),
             qPrintable(manager.state().text()));
    // Only the part and what it was fetched under are left.
    const QString target = manager.installDir() + "/temp_patch.zip";
    QCOMPARE(treeOf(manager.installDir()),
             (QStringList{"Assets/", "temp_patch.zip.part", "temp_patch.zip.part.validator"}));
    const qint64 kept = QFileInfo(target + ".part").size();
    QVERIFY2(kept > 0 && kept <= response.breakAtByte, qPrintable(QString::number(kept)));
    QCOMPARE(manager.progressDetail(), QString());

    response.breakAtByte = -1;
    response.ignoreRange = serverIgnoresRange;
    serve(response);
    StateRecorder recorder(manager);
    const qint64 sentBefore = m_server->bodyBytesSent(kPatchPath);
    run(manager);
    QCOMPARE(manager.state(), SteamCMDState::completed());
    const QByteArray asked = m_server->lastRequestHeaders(kPatchPath);
    QVERIFY2(asked.contains("Range: bytes=" + QByteArray::number(kept) + "-") &&
                 asked.contains("If-Range: \"v1\""),
             asked.constData());
    const QString resuming = "[*] " + ResumableDownload::resumingText(kept, zip.size()) + "\n";
    const qint64 sent = m_server->bodyBytesSent(kPatchPath) - sentBefore;
    if (serverIgnoresRange) {
        QVERIFY(!manager.consoleLog().contains("resuming"));
        QCOMPARE(sent, qint64(zip.size()));
    } else {
        QVERIFY2(manager.consoleLog().contains("\n[⭳] Downloading Community Patch & Maps...\n" +
                                               resuming + "[*] Unpacking patch...\n"),
                 qPrintable(manager.consoleLog()));
        QCOMPARE(sent, zip.size() - kept);
        const qint64 all = m_server->bodyBytesSent(kPatchPath);
        QCOMPARE(all, zip.size() + (30 * 1000 * 1000 - kept));
        QVERIFY2(all < zip.size() + zip.size() / 10, qPrintable(QString::number(all)));
        // The fraction is of the whole archive: the kept bytes count as done.
        const QList<double> fractions = recorder.patchFractions();
        QVERIFY(fractions.size() >= 2);
        QCOMPARE(fractions.at(0), 0.0);
        QCOMPARE(fractions.at(1), double(kept) / double(zip.size()));
    }
    QCOMPARE(recorder.patchFractions().last(), 1.0);
    QVERIFY(readFile(manager.installDir() + "/Maps/big.map") == content);
    checkInstallTree(manager);
    QCOMPARE(treeOf(manager.installDir()),
             (QStringList{".community-patch-files", "Assets/", "Maps/", "Maps/big.map"}));
    // What the patch put there is on record, for a move of the data.
    QCOMPARE(PatchManifest::read(manager.installDir()), QStringList{"Maps"});
}

void TestFaultsPatchRun::smallDisk_data()
{
    QTest::addColumn<QList<CraftedEntry>>("entries");
    QTest::addColumn<QString>("message");    // empty: the patch is applied
    QTest::addColumn<bool>("mapsElsewhere"); // Maps/ links to a nearly full disk

    const CraftedEntry map("Maps/A.map", "new a\n");
    const CraftedEntry ini("patch.ini", "new\n");
    CraftedEntry bomb = deflatedZeros("Data/big.bin", 500000000);
    bomb.size = 1000;
    QTest::newRow("understates an entry 500,000-fold")
        << QList<CraftedEntry>{ini, bomb}
        << "Refused the patch archive: entry Data/big.bin holds more than the 1000 bytes it "
           "declares"
        << false;
    CraftedEntry otherBytes = deflatedZeros("Data/big.bin", 100000000);
    otherBytes.crc = *otherBytes.crc ^ 1;
    QTest::newRow("CRC-32 that does not match")
        << QList<CraftedEntry>{ini, otherBytes}
        << "Refused the patch archive: entry Data/big.bin does not match the CRC-32 it declares"
        << false;
    // unzip cannot make a name this long: it writes the others, exits 2.
    QTest::newRow("unzip fails half-way")
        << QList<CraftedEntry>{map, CraftedEntry(QByteArray(300, 'x') + "/b.txt", "b"), ini}
        << "Failed to unpack patch (unzip exited with code 2); nothing was changed" << false;
    // A.map is replaced first, then B.map does not fit.
    QTest::newRow("move into place fails half-way")
        << QList<CraftedEntry>{map, CraftedEntry("Maps/B.map", noise(2 * 1024 * 1024)), ini}
        << "Failed to unpack patch: could not put \"Maps/B.map\" in place: No space left on "
           "device; nothing was changed"
        << true;
    QTest::newRow("honest patch") << QList<CraftedEntry>{map, CraftedEntry("Maps/B.map", "b\n"),
                                                         ini}
                                  << QString() << false;
}

void TestFaultsPatchRun::smallDisk()
{
    QFETCH(QList<CraftedEntry>, entries);
    QFETCH(QString, message);
    QFETCH(bool, mapsElsewhere);
    const QByteArray zip = stored(entries).build();
    serve(zip);
    SteamCMDManager manager;
    QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
    const QString dir = manager.installDir();
    const ScopedMount disk = ScopedMount::tmpfs(dir, 160 * 1024 * 1024);
    if (!disk.isMounted())
        SKIP_OR_FAIL_IN_CI(qPrintable(disk.error()));
    // The earlier patch, its maps perhaps on a disk of their own.
    QVERIFY(QDir().mkpath(dir + "/Assets"));
    QVERIFY(writeFile(dir + "/patch.ini", "old\n"));
    const QString maps = mapsElsewhere ? m_home->filePath("maps-disk") : dir + "/Maps";
    std::optional<ScopedMount> mapsDisk;
    if (mapsElsewhere) {
        mapsDisk.emplace(ScopedMount::tmpfs(maps, 1024 * 1024));
        QVERIFY(mapsDisk->isMounted());
        QVERIFY(QFile::link(maps, dir + "/Maps"));
    }
    QVERIFY(writeFile(maps + "/A.map", "old a\n"));
    QVERIFY(writeFile(maps + "/Old.map", "old\n"));
    const auto contents = [&] {
        QStringList all;
        for (const QString &root : {dir, maps}) {
            for (const QString &entry : treeOf(root))
                all << entry + ": " + readFile(root + "/" + entry).toHex();
        }
        return all;
    };
    const QStringList before = contents();

    // Free space, watched all along; unzip's report, caught.
    const qint64 freeBefore = FreeSpace::available(dir);
    qint64 leastFree = freeBefore;
    QTimer sample;
    connect(&sample, &QTimer::timeout, this,
            [&] { leastFree = qMin(leastFree, FreeSpace::available(dir)); });
    sample.start(2);
    QTemporaryFile printed;
    QVERIFY(printed.open());
    std::fflush(stdout);
    const int standardOutput = ::dup(STDOUT_FILENO);
    ::dup2(printed.handle(), STDOUT_FILENO);
    run(manager);
    std::fflush(stdout);
    ::dup2(standardOutput, STDOUT_FILENO);
    ::close(standardOutput);
    sample.stop();

    // What the records declare, refused or not: the bound on what is written.
    QByteArray bytes = zip;
    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const qint64 declared = PatchArchive::inspect(buffer).uncompressedBytes;
    QVERIFY2(freeBefore - leastFree <= zip.size() + declared + PatchUnpack::marginBytes(declared),
             qPrintable(QString::number(freeBefore - leastFree)));
    if (!message.isEmpty()) {
        QCOMPARE(manager.state(), SteamCMDState::failed(message));
        // No private folder, no archive: byte for byte what was there.
        QCOMPARE(contents(), before);
        return;
    }
    QCOMPARE(manager.state(), SteamCMDState::completed());
    checkInstallTree(manager);
    QCOMPARE(readFile(dir + "/patch.ini"), QByteArray("new\n"));
    QCOMPARE(readFile(maps + "/A.map"), QByteArray("new a\n"));
    QCOMPARE(readFile(maps + "/Old.map"), QByteArray("old\n"));
    const QByteArray report = readFile(printed.fileName());
    QVERIFY2(report.contains("extracting: ") && report.contains("/Maps/B.map"), report.constData());
}

void TestFaultsPatchRun::leftoversOfAKilledLauncher()
{
    // A process that has ended: its id names no launcher any more.
    QProcess gone;
    gone.start("/bin/true");
    QVERIFY(gone.waitForStarted(10000));
    const qint64 deadPid = gone.processId();
    QVERIFY(gone.waitForFinished(10000));
    QVERIFY(deadPid > 0 && !processAlive(deadPid));
    const QString install = QDir(m_home->filePath("Documents")).filePath("Vantor Online");
    const QString leftover =
        install + "/" + ExtractedTree::namePrefix() + QString::number(deadPid) + "-1f";
    QVERIFY(writeFile(leftover + "/Maps/half.map", "half"));
    QVERIFY(QFile::link(outside("Maps"), leftover + "/Maps/link"));
    // Not ours by name: left alone.
    QVERIFY(writeFile(install + "/.patch-staging-notes.txt", "the user's"));

    SteamCMDManager manager;
    QCOMPARE(manager.installDir(), install);
    QVERIFY(!QFileInfo::exists(leftover));
    QCOMPARE(treeOf(install), QStringList{".patch-staging-notes.txt"});
}

QTEST_GUILESS_MAIN(TestFaultsPatchRun)
#include "tst_faults_patchrun.moc"
