// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"
#include "FaultSupport.h"
#include "LoopbackHttpServer.h"
#include "RunWait.h"
#include "StateRecorder.h"
#include "TestArchives.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStorageInfo>
#include <QTest>

#include <memory>
#include <optional>

using Kind = SteamCMDState::Kind;

namespace {

const QString kTarballPath = QStringLiteral("/client/installer/steamcmd_linux.tar.gz");
const QString kPatchPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");

QByteArray noise(qint64 size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator(11).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

} // namespace

// The launcher's trees on a read-only file system and on a full one, and a
// user's own file where the fix-up wants to put the base game's folder.
class TestFaultsDisk : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readOnly_data();
    void readOnly();
    void fullFileSystem_data();
    void fullFileSystem();
    void baseGameNameTaken_data();
    void baseGameNameTaken();

private:
    void servePatch(const QByteArray &zip);
    void runToRest(SteamCMDManager &manager, StateRecorder &recorder);

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestFaultsDisk::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_STEAMCMD_URL", m_server->url(kTarballPath).toUtf8());
    qputenv("VANTOR_PATCH_URL", m_server->url(kPatchPath).toUtf8());
    servePatch(makeZip({{"patch.ini", "patched\n"}}));
}

void TestFaultsDisk::cleanup()
{
    qunsetenv("VANTOR_STEAMCMD_URL");
    qunsetenv("VANTOR_PATCH_URL");
    m_server.reset();
    m_home.reset();
}

void TestFaultsDisk::servePatch(const QByteArray &zip)
{
    LoopbackHttpServer::Response response;
    response.body = zip;
    m_server->setRoute(kPatchPath, response);
}

void TestFaultsDisk::runToRest(SteamCMDManager &manager, StateRecorder &recorder)
{
    manager.startDownload("u", "p");
    QVERIFY(recorder.waitForRunFinished());
}

void TestFaultsDisk::readOnly_data()
{
    QTest::addColumn<QString>("where"); // the folder that is read-only
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("console"); // what the console shows before the failure
    const QString readOnly = QStringLiteral("Read-only file system");
    QTest::newRow("support tree") << "support"
                                  << "Installation error: " + readOnly
                                  << "[*] Downloading SteamCMD for Linux...\n";
    QTest::newRow("Documents") << "documents"
                               << "Cannot create assets directory: " + readOnly
                               << "[*] Launching SteamCMD...\n";
    // The depot is there (downloaded earlier); nothing can be moved or added.
    QTest::newRow("install tree") << "install"
                                  << "Failed to prepare patch file: " + readOnly
                                  << "\n[✓] Vanilla download completed successfully!\n"
                                     "[!] Failed to move DL_Vantor: " +
                                         readOnly +
                                         "\n"
                                         "\n[⭳] Downloading Community Patch & Maps...\n";
}

void TestFaultsDisk::readOnly()
{
    QFETCH(QString, where);
    QFETCH(QString, message);
    QFETCH(QString, console);
    SteamCMDManager manager;
    if (where != "support")
        QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
    QString target = where == "support"     ? manager.supportDir()
                     : where == "documents" ? QFileInfo(manager.installDir()).absolutePath()
                                            : manager.installDir();
    if (where == "install")
        QVERIFY(writeFile(manager.assetsDir() + "/DL_Vantor/ini.big", "x"));
    const QStringList before = treeOf(target);
    // A read-only view of the folder's own content, mounted over it.
    const QString source = m_home->filePath("ro-source");
    QVERIFY(QDir().mkpath(source));
    QVERIFY(QDir().mkpath(target));
    for (const QString &entry : QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        QVERIFY(QDir().rename(target + '/' + entry, source + '/' + entry));
    const ScopedMount mount = ScopedMount::readOnlyBind(source, target);
    if (!mount.isMounted() || !mount.error().isEmpty())
        SKIP_OR_FAIL_IN_CI(qPrintable(mount.error()));

    StateRecorder recorder(manager);
    runToRest(manager, recorder);
    QCOMPARE(manager.state(), SteamCMDState::failed(message));
    QVERIFY2(manager.consoleLog().endsWith(console + "\n[✗] " + message + "\n"),
             qPrintable(manager.consoleLog()));
    QCOMPARE(treeOf(target), before);
}

void TestFaultsDisk::fullFileSystem_data()
{
    QTest::addColumn<QString>("where"); // "support" or "install": the 1 MiB tmpfs
    QTest::addColumn<QByteArray>("patch");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("left"); // what stays in the small file system
    QTest::newRow("SteamCMD tarball")
        << "support" << QByteArray() << "Installation error: No space left on device"
        << QStringList{"download.lock", "steamcmd/"}; // the lock file stays, empty
    // Both sizes and the folder, said before a byte is written.
    QTest::newRow("patch download")
        << "install" << makeZip({{"Maps/big.map", noise(2 * 1024 * 1024)}})
        << "Failed to download patch: Not enough free space in \"@dir\": 2.1 MB needed, "
        << QStringList{"Assets/"};
    // Small on the wire, 3 MiB unpacked: refused before unzip runs.
    QTest::newRow("patch unpacking")
        << "install" << makeZip({{"Maps/zeros.map", QByteArray(3 * 1024 * 1024, '\0')}})
        << "Failed to unpack patch: Not enough free space in \"@dir\": 3.1 MB needed, "
        << QStringList{"Assets/"};
}

void TestFaultsDisk::fullFileSystem()
{
    QFETCH(QString, where);
    QFETCH(QByteArray, patch);
    QFETCH(QString, message);
    QFETCH(QStringList, left);
    SteamCMDManager manager;
    if (where == "install") {
        QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
        QVERIFY(patch.size() < 1024 * 1024 || patch.size() > 1024 * 1024 + 4096);
        servePatch(patch);
    } else {
        LoopbackHttpServer::Response response;
        response.body =
            makeTarball({{"steamcmd.sh", "#!/bin/sh\n"}, {"blob", noise(2 * 1024 * 1024)}});
        m_server->setRoute(kTarballPath, response);
    }
    const QString target = where == "support" ? manager.supportDir() : manager.installDir();
    const ScopedMount mount = ScopedMount::tmpfs(target, 1024 * 1024);
    if (!mount.isMounted())
        SKIP_OR_FAIL_IN_CI(qPrintable(mount.error()));
    // A third of the file system taken already: what is free is not its size.
    QVERIFY(writeFile(target + "/other.bin", noise(350 * 1000)));
    left.append("other.bin");
    left.sort();

    StateRecorder recorder(manager);
    runToRest(manager, recorder);
    if (message.endsWith("needed, ")) {
        // The free figure is what the file system has left, as it says
        // itself (to one decimal; the download it held then is gone now).
        message.replace("@dir", target);
        const QString text = manager.state().text();
        static const QRegularExpression figure(QStringLiteral("^([0-9]+\\.[0-9]) (kB|MB) free$"));
        const QRegularExpressionMatch shown = figure.match(text.mid(message.size()));
        QVERIFY2(text.startsWith(message) && shown.hasMatch(), qPrintable(text));
        const double unit = shown.captured(2) == QLatin1String("MB") ? 1e6 : 1e3;
        const double shownBytes = shown.captured(1).toDouble() * unit;
        const double freeBytes = double(QStorageInfo(target).bytesAvailable());
        QVERIFY2(qAbs(shownBytes - freeBytes) <= 0.05 * unit + 16 * 1024,
                 qPrintable(QStringLiteral("%1; %2 bytes free").arg(text).arg(freeBytes)));
        message = text;
    }
    QCOMPARE(manager.state(), SteamCMDState::failed(message));
    QVERIFY2(manager.consoleLog().endsWith("\n[✗] " + message + "\n"),
             qPrintable(manager.consoleLog()));
    // No half-written tarball or download is left filling the disk.
    QCOMPARE(treeOf(target), left);
}

void TestFaultsDisk::baseGameNameTaken_data()
{
    QTest::addColumn<QString>("taken"); // "file" or "link"
    QTest::newRow("a file named DL_Vantor") << "file";
    QTest::newRow("a link named DL_Vantor") << "link";
}

void TestFaultsDisk::baseGameNameTaken()
{
    QFETCH(QString, taken);
    SteamCMDManager manager;
    QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
    QVERIFY(writeFile(manager.assetsDir() + "/DL_Vantor/ini.big", "new download"));
    QVERIFY(writeFile(manager.assetsDir() + "/inidl.big", "x"));
    const QString users = m_home->filePath("Elsewhere/Base Game");
    QVERIFY(writeFile(users + "/ini.big", "the user's copy"));
    if (taken == "file")
        QVERIFY(writeFile(manager.baseGameDir(), "the user's notes\n"));
    else
        QVERIFY(QFile::link(users, manager.baseGameDir()));

    StateRecorder recorder(manager);
    runToRest(manager, recorder);
    // Said in the console, and the workflow goes on as after any failed move.
    QCOMPARE(manager.state(), SteamCMDState::completed());
    QVERIFY2(manager.consoleLog().contains("\n[✓] Vanilla download completed successfully!\n"
                                           "[!] Failed to move DL_Vantor: " +
                                           manager.baseGameDir() +
                                           " is not a folder; it was left as it is\n"),
             qPrintable(manager.consoleLog()));
    if (taken == "file")
        QCOMPARE(readFile(manager.baseGameDir()), QByteArray("the user's notes\n"));
    else
        QCOMPARE(QFileInfo(manager.baseGameDir()).symLinkTarget(), users);
    QCOMPARE(readFile(users + "/ini.big"), QByteArray("the user's copy"));
    QCOMPARE(readFile(manager.assetsDir() + "/DL_Vantor/ini.big"), QByteArray("new download"));
}

QTEST_GUILESS_MAIN(TestFaultsDisk)
#include "tst_faults_disk.moc"
