// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSteamCMD.h"
#include "FaultSupport.h"
#include "LoopbackHttpServer.h"
#include "RunWait.h"
#include "StateRecorder.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/PatchManifest.h"
#include "steam/SteamCMDManager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <optional>

using Kind = SteamCMDState::Kind;

namespace {
const QString kPatchPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");
const QString kTarballPath = QStringLiteral("/client/installer/steamcmd_linux.tar.gz");
} // namespace

// Archives that try to write outside the folder they are unpacked into:
// the community patch (unzip over the install folder) and the SteamCMD
// tarball (tar into the SteamCMD folder). A folder beside the home's
// trees, "outside", holds a file each archive aims at; it must stay as it was.
class TestFaultsArchives : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void patchEntries_data();
    void patchEntries();
    void tarballEntries_data();
    void tarballEntries();

private:
    QString outside(const QString &name = QString()) const
    {
        return m_home->filePath(QStringLiteral("outside/") + name);
    }
    // "@out" in an entry name or link target becomes the outside folder's path.
    QByteArray expand(QByteArray text) const
    {
        return text.replace("@out", QFile::encodeName(m_home->filePath("outside")));
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QStringList m_outsideBefore;
};

void TestFaultsArchives::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_PATCH_URL", m_server->url(kPatchPath).toUtf8());
    qputenv("VANTOR_STEAMCMD_URL", m_server->url(kTarballPath).toUtf8());
    QVERIFY(writeFile(outside("victim.txt"), "the user's own file\n"));
    QVERIFY(QFile::setPermissions(outside("victim.txt"), QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QDir().mkpath(outside("Maps")));
    m_outsideBefore = treeOf(outside());
}

void TestFaultsArchives::cleanup()
{
    if (m_home) {
        // Whatever happened, nothing outside our two trees changed.
        QCOMPARE(treeOf(outside()), m_outsideBefore);
        QCOMPARE(readFile(outside("victim.txt")), QByteArray("the user's own file\n"));
        QCOMPARE(QFileInfo(outside("victim.txt")).permissions() & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    }
    qunsetenv("VANTOR_PATCH_URL");
    qunsetenv("VANTOR_STEAMCMD_URL");
    m_server.reset();
    m_home.reset();
}

void TestFaultsArchives::patchEntries_data()
{
    QTest::addColumn<QList<ZipEntry>>("entries");
    // Empty: the patch is applied and these files land in the install folder.
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QStringList>("landed");
    using K = ZipEntry::Kind;

    QTest::newRow("dot-dot entry")
        << QList<ZipEntry>{{"patch.ini", "p"}, {"../../outside/victim.txt", "pwned"}}
        << "entry \"../../outside/victim.txt\" leads out of the install folder" << QStringList();
    QTest::newRow("dot-dot inside a path")
        << QList<ZipEntry>{{"Maps/../../../outside/new.txt", "pwned"}}
        << "entry \"Maps/../../../outside/new.txt\" leads out of the install folder"
        << QStringList();
    QTest::newRow("backslash dot-dot")
        << QList<ZipEntry>{{"..\\..\\outside\\new.txt", "pwned"}}
        << "entry \"..\\..\\outside\\new.txt\" leads out of the install folder" << QStringList();
    QTest::newRow("absolute path")
        << QList<ZipEntry>{{"@out/victim.txt", "pwned"}}
        << "entry \"@out/victim.txt\" has an absolute path" << QStringList();
    QTest::newRow("drive letter") << QList<ZipEntry>{{"C:/outside/new.txt", "pwned"}}
                                  << "entry \"C:/outside/new.txt\" has an absolute path"
                                  << QStringList();
    QTest::newRow("link out, then a file through it")
        << QList<ZipEntry>{{"Maps", "@out/Maps", K::SymbolicLink}, {"Maps/new.map", "pwned"}}
        << "entry \"Maps\" is a symbolic link" << QStringList();
    QTest::newRow("relative link to a file outside")
        << QList<ZipEntry>{{"patch.ini", "../../outside/victim.txt", K::SymbolicLink}}
        << "entry \"patch.ini\" is a symbolic link" << QStringList();
    // Two entries announced, one present.
    ZipEntry lonely{"patch.ini", "p"};
    QTest::newRow("list of entries damaged")
        << QList<ZipEntry>{lonely, {"", "", K::File}}
        << "its end record counts 2 entries, but its list holds 1" << QStringList();
    // Names that merely look odd are fine: nothing is refused by accident.
    QTest::newRow("plain entries with odd names")
        << QList<ZipEntry>{{"Maps/", "", K::Folder},
                           {"Maps/Map..One.map", "m"},
                           {"..hidden", "h"},
                           {"dir.../x", "x"}}
        << QString()
        << QStringList{"..hidden", "Maps/", "Maps/Map..One.map", "dir.../", "dir.../x"};
}

void TestFaultsArchives::patchEntries()
{
    QFETCH(QList<ZipEntry>, entries);
    QFETCH(QString, refusal);
    QFETCH(QStringList, landed);
    for (ZipEntry &entry : entries) {
        entry.name = expand(entry.name);
        entry.data = expand(entry.data);
    }
    QByteArray zip = craftZip(entries);
    if (QByteArray(QTest::currentDataTag()) == "list of entries damaged") {
        // Drop the second central entry but keep the count: the list ends early.
        const qsizetype second = zip.indexOf("PK\x01\x02", zip.indexOf("PK\x01\x02") + 4);
        const qsizetype end = zip.indexOf("PK\x05\x06");
        zip.remove(second, end - second);
        const quint32 size = quint32(zip.size() - 22 - zip.indexOf("PK\x01\x02"));
        zip[zip.size() - 10] = char(size & 0xff);
        zip[zip.size() - 9] = char(size >> 8);
    }
    LoopbackHttpServer::Response response;
    response.body = zip;
    m_server->setRoute(kPatchPath, response);

    SteamCMDManager manager;
    QVERIFY(writeFakeSteamCMD(manager.steamCMDBinary(), m_home->filePath("fake"), "exit 0\n"));
    StateRecorder recorder(manager);
    manager.startDownload("u", "p");
    QVERIFY(recorder.waitForRunFinished());

    const QString install = manager.installDir();
    QVERIFY(!QFileInfo::exists(install + "/temp_patch.zip"));
    QStringList tree = treeOf(install);
    tree.removeAll("Assets/");
    // The launcher's record of what the patch placed.
    tree.removeAll(PatchManifest::fileName());
    if (refusal.isEmpty()) {
        QCOMPARE(manager.state(), SteamCMDState::completed());
        QCOMPARE(tree, landed);
        return;
    }
    const QString message =
        "Refused the patch archive: " + QString::fromUtf8(expand(refusal.toUtf8()));
    QCOMPARE(manager.state(), SteamCMDState::failed(message));
    QCOMPARE(recorder.states.last(), "ERROR: " + message);
    QVERIFY2(manager.consoleLog().endsWith("[*] Unpacking patch...\n\n[✗] " + message + "\n"),
             qPrintable(manager.consoleLog()));
    // Refused before unzip ran: nothing of the archive was written anywhere.
    QCOMPARE(tree, QStringList());
}

void TestFaultsArchives::tarballEntries_data()
{
    QTest::addColumn<QList<TarEntry>>("entries");
    QTest::addColumn<int>("cutTo");       // bytes of the archive served, -1 for all
    QTest::addColumn<QString>("message"); // empty: the install succeeds
    // What ends up in the SteamCMD folder.
    QTest::addColumn<QStringList>("unpacked");
    using K = TarEntry::Kind;
    const TarEntry script{"steamcmd.sh", "#!/bin/sh\nexit 0\n"};

    // Random bytes do not compress: half the archive is half the data.
    QByteArray noise(64 * 1024, '\0');
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
    QTest::newRow("truncated tarball")
        << QList<TarEntry>{script, {"linux32/steamcmd", noise}} << 32 * 1024
        << "Failed to extract SteamCMD (exit 2)"
        << QStringList{"linux32/", "linux32/steamcmd", "steamcmd.sh", "steamcmd_linux.tar.gz"};
    // GNU tar refuses members with "..": exit 2, the rest is unpacked.
    QTest::newRow("dot-dot member")
        << QList<TarEntry>{script, {"../../../../outside/victim.txt", "pwned"}} << -1
        << "Failed to extract SteamCMD (exit 2)"
        << QStringList{"steamcmd.sh", "steamcmd_linux.tar.gz"};
    // GNU tar drops the leading "/" and unpacks inside: a warning, exit 0.
    QTest::newRow("absolute member")
        << QList<TarEntry>{script, {"@out/victim.txt", "pwned"}} << -1 << QString()
        << QStringList{"@rel/", "@rel/victim.txt", "steamcmd.sh"};
    // GNU tar will not write through a link the same archive made.
    QTest::newRow("link out, then a file through it")
        << QList<TarEntry>{script,
                           {"linux32", "", K::SymbolicLink, "@out/Maps"},
                           {"linux32/steamcmd", "pwned"}}
        << -1 << "Failed to extract SteamCMD (exit 2)"
        << QStringList{"linux32 -> @out/Maps", "steamcmd.sh", "steamcmd_linux.tar.gz"};
    QTest::newRow("hard link to a file outside")
        << QList<TarEntry>{{"steamcmd.sh", "", K::HardLink, "@out/victim.txt"}} << -1
        << "Failed to extract SteamCMD (exit 2)" << QStringList{"steamcmd_linux.tar.gz"};
    // tar is content with it; making it executable would change the
    // user's file (the mode change follows links).
    QTest::newRow("steamcmd.sh links outside")
        << QList<TarEntry>{{"steamcmd.sh", "", K::SymbolicLink, "@out/victim.txt"}} << -1
        << "Installation error: steamcmd.sh links outside the SteamCMD folder (@out/victim.txt)"
        << QStringList{"steamcmd.sh -> @out/victim.txt"};
    QTest::newRow("steamcmd.sh links inside")
        << QList<TarEntry>{{"linux32/steamcmd", "#!/bin/sh\n"},
                           {"steamcmd.sh", "", K::SymbolicLink, "linux32/steamcmd"}}
        << -1 << QString()
        << QStringList{"linux32/", "linux32/steamcmd", "steamcmd.sh -> @in/linux32/steamcmd"};
}

void TestFaultsArchives::tarballEntries()
{
    QFETCH(QList<TarEntry>, entries);
    QFETCH(int, cutTo);
    QFETCH(QString, message);
    QFETCH(QStringList, unpacked);
    for (TarEntry &entry : entries) {
        entry.name = expand(entry.name);
        entry.linkTarget = expand(entry.linkTarget);
    }
    const QByteArray tarball = craftTarGz(entries);
    QVERIFY(tarball.startsWith("\x1f\x8b"));
    LoopbackHttpServer::Response response;
    response.body = cutTo < 0 ? tarball : tarball.left(cutTo);
    m_server->setRoute(kTarballPath, response);

    SteamCMDManager manager;
    const InstallerResult result = runSteamCMDInstaller();
    QVERIFY(result.outcome);

    const QString dir = manager.steamCMDDir();
    const QString relativeOutside = outside().mid(1).chopped(1); // "/x/outside/" -> "x/outside"
    unpacked.replaceInStrings("@out", outside().chopped(1));
    unpacked.replaceInStrings("@in", dir);
    if (unpacked.removeAll("@rel/") > 0) {
        // The stripped absolute member's folders, each level of them.
        QString chain;
        for (const QString &part : relativeOutside.split('/')) {
            chain += part + '/';
            unpacked.append(chain);
        }
    }
    unpacked.replaceInStrings("@rel", relativeOutside);
    unpacked.sort();
    const QStringList tree = treeOf(dir);
    QVERIFY2(tree == unpacked, qPrintable(tree.join(", ")));
    if (message.isEmpty()) {
        QVERIFY(result.succeeded());
        QVERIFY(result.console.endsWith("[✓] SteamCMD installed successfully\n\n"));
        return;
    }
    message.replace("@out", outside().chopped(1));
    QCOMPARE(result.outcome, Operation::Outcome::Failed);
    QCOMPARE(result.message, message);
    QVERIFY2(!result.console.contains("[✓]"), qPrintable(result.console));
}

QTEST_GUILESS_MAIN(TestFaultsArchives)
#include "tst_faults_archives.moc"
