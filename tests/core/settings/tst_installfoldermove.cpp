// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultSupport.h"
#include "StandInStages.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/PatchManifest.h"
#include "settings/InstallFolderController.h"
#include "settings/InstallFolderMove.h"
#include "settings/LauncherSettings.h"
#include "steam/InstallLock.h"
#include "steam/SteamCMDManager.h"

#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using Outcome = Operation::Outcome;

namespace {

// Every entry under root: relative path, "/" for a folder, the size of a
// file, a link's own target text.
QStringList picture(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info = it.fileInfo();
        QString entry = QDir(root).relativeFilePath(path);
        if (info.isSymLink()) {
            char target[256] = {};
            const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, 255);
            entry += " -> " + QString::fromUtf8(target, int(qMax<ssize_t>(0, length)));
        } else if (info.isDir()) {
            entry += '/';
        } else {
            entry += QStringLiteral(" (%1)").arg(info.size());
        }
        entries.append(entry);
    }
    entries.sort();
    return entries;
}

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 4096) & 0xff);
    return bytes;
}

// Fills the file system holding folder until a write fails.
void fill(const QString &folder)
{
    QFile filler(folder + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(64 * 1024, 'f');
    while (filler.write(block) == block.size()) {
    }
}

} // namespace

// Moving the launcher's data to another install folder: by renaming on one
// file system, by a checked copy across two (a tmpfs), refused where it
// cannot be done safely, and never beside a download.
class TestInstallFolderMove : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void sameFileSystemRenames();
    void acrossFileSystems_data();
    void acrossFileSystems();
    void refusals_data();
    void refusals();
    void downloadsAndMovesExcludeEachOther();

private:
    // A tmpfs of its own under the home (a second file system).
    QString mountDisk();
    static Outcome runToEnd(InstallFolderMove &move);

    std::unique_ptr<TestHome> m_home;
    std::optional<ScopedMount> m_disk;
    QString m_source;
    // The player's own files in the install folder, never moved.
    QStringList m_userFiles;
};

void TestInstallFolderMove::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_home->useForSettings();
    m_source = m_home->filePath("old place");
    QVERIFY(LauncherSettings::storeInstallDir(m_source));
    const QString a = m_source + "/Assets";
    QVERIFY(writeFile(a + "/steamapps/appmanifest_4187530.acf", "\"AppState\" {}\n"));
    QVERIFY(writeFile(a + "/Data/inidl.big", pattern(6 * 1024 * 1024 + 123)));
    QVERIFY(writeFile(a + "/Data/empty.big", ""));
    QVERIFY(QFile::link("Data/inidl.big", a + "/latest.big"));
    QVERIFY(writeFile(m_source + "/DL_Vantor/ini.big", pattern(100000)));
    QVERIFY(writeFile(m_source + "/Maps/patch.map", "map\n"));
    QVERIFY(PatchManifest::record(m_source, {"Maps"}));
    QVERIFY(writeFile(m_source + "/notes.txt", "mine\n"));
    QVERIFY(writeFile(m_source + "/Screenshots/one.png", "png"));
    m_userFiles = QStringList{"Screenshots/", "Screenshots/one.png (3)", "notes.txt (5)"};
}

void TestInstallFolderMove::cleanup()
{
    m_disk.reset();
    m_home.reset();
}

QString TestInstallFolderMove::mountDisk()
{
    const QString path = m_home->filePath("disk");
    m_disk.emplace(ScopedMount::tmpfs(path, 64 * 1024 * 1024));
    if (!m_disk->isMounted())
        return QString();
    return path;
}

Outcome TestInstallFolderMove::runToEnd(InstallFolderMove &move)
{
    QSignalSpy finished(&move, &Operation::finished);
    move.start();
    if (finished.isEmpty() && !finished.wait(20000))
        return Outcome::Failed;
    return move.outcome();
}

void TestInstallFolderMove::sameFileSystemRenames()
{
    const QStringList before = picture(m_source);
    struct stat assets
    {
    };
    QCOMPARE(::stat(QFile::encodeName(m_source + "/Assets/Data/inidl.big").constData(), &assets),
             0);
    const QString target = m_home->filePath("new place/nested");
    InstallFolderMove move(m_source, target);
    QCOMPARE(runToEnd(move), Outcome::Succeeded);
    QVERIFY(move.renamed());
    QCOMPARE(LauncherSettings::storedInstallDir(), target);
    // The same file, not a copy of it.
    struct stat moved
    {
    };
    QCOMPARE(::stat(QFile::encodeName(target + "/Assets/Data/inidl.big").constData(), &moved), 0);
    QCOMPARE(moved.st_ino, assets.st_ino);
    QStringList expected = before;
    for (const QString &mine : std::as_const(m_userFiles))
        expected.removeAll(mine);
    QCOMPARE(picture(target), expected);
    QCOMPARE(picture(m_source), m_userFiles);
}

void TestInstallFolderMove::acrossFileSystems_data()
{
    QTest::addColumn<QString>("end");       // "done", "disk full" or "cancelled"
    QTest::addColumn<bool>("targetExists"); // with a file of the player's in it
    QTest::newRow("copied into a new folder") << "done" << false;
    QTest::newRow("copied beside the player's file") << "done" << true;
    QTest::newRow("disk full half-way, new folder") << "disk full" << false;
    QTest::newRow("disk full half-way, existing folder") << "disk full" << true;
    QTest::newRow("cancelled half-way, new folder") << "cancelled" << false;
    QTest::newRow("cancelled half-way, existing folder") << "cancelled" << true;
}

void TestInstallFolderMove::acrossFileSystems()
{
    QFETCH(QString, end);
    QFETCH(bool, targetExists);
    const QString disk = mountDisk();
    if (disk.isEmpty())
        SKIP_OR_FAIL_IN_CI(qPrintable(m_disk->error()));
    const QString target = disk + "/games/Vantor";
    if (targetExists)
        QVERIFY(writeFile(target + "/readme.txt", "theirs"));
    const QStringList sourceBefore = picture(m_source);
    const QStringList diskBefore = picture(disk);

    const qint64 total =
        6 * 1024 * 1024 + 123 + 100000 + 4 + 14 + QFileInfo(PatchManifest::pathIn(m_source)).size();
    InstallFolderMove move(m_source, target);
    move.setChunkBytes(512 * 1024);
    QList<qint64> progress;
    connect(&move, &Operation::progress, this, [&](qint64 done, qint64 whole) {
        progress.append(done);
        QCOMPARE(whole, total);
        // Half-way: the big file is partly written.
        if (done < 3 * 1024 * 1024)
            return;
        if (end == "disk full" && !QFile::exists(disk + "/filler"))
            fill(disk);
        else if (end == "cancelled")
            move.abort();
    });
    const Outcome outcome = runToEnd(move);
    QVERIFY2(progress.size() > 5, "copied in chunks");

    if (end == "done") {
        QCOMPARE(outcome, Outcome::Succeeded);
        QVERIFY(!move.renamed());
        QCOMPARE(progress.last(), total);
        QCOMPARE(LauncherSettings::storedInstallDir(), target);
        QStringList expected = sourceBefore;
        for (const QString &mine : std::as_const(m_userFiles))
            expected.removeAll(mine);
        if (targetExists)
            expected.append("readme.txt (6)");
        expected.sort();
        // The link is a link still, its target text as it was.
        QCOMPARE(picture(target), expected);
        QCOMPARE(readFile(target + "/Assets/Data/inidl.big"), pattern(6 * 1024 * 1024 + 123));
        QCOMPARE(picture(m_source), m_userFiles);
        return;
    }
    // Interrupted: the old folder is whole and still the one in use, and
    // of the target only what was there before is left.
    if (end == "cancelled") {
        QCOMPARE(outcome, Outcome::Cancelled);
    } else {
        QCOMPARE(outcome, Outcome::Failed);
        QVERIFY2(move.message().contains("No space left on device") &&
                     move.message().endsWith("it stays in \"" + m_source + "\"."),
                 qPrintable(move.message()));
    }
    QCOMPARE(LauncherSettings::storedInstallDir(), m_source);
    QCOMPARE(picture(m_source), sourceBefore);
    QStringList diskAfter = picture(disk);
    diskAfter.removeIf([](const QString &entry) { return entry.startsWith("filler "); });
    QCOMPARE(diskAfter, diskBefore);
}

void TestInstallFolderMove::refusals_data()
{
    QTest::addColumn<QString>("target"); // below the home; "disk/..." on the tmpfs
    QTest::addColumn<QString>("prepare");
    QTest::addColumn<QString>("message"); // what it holds, "<source>" for the old folder
    QTest::newRow("inside the old folder")
        << "old place/Assets/more"
        << ""
        << "The new install folder cannot be inside the current one (\"<source>\").";
    QTest::newRow("holding the old folder")
        << ""
        << ""
        << "The new install folder cannot hold the current one (\"<source>\").";
    QTest::newRow("the old folder through a link") << "link to old"
                                                   << "link"
                                                   << "The game data is in \"";
    QTest::newRow("launcher's data there already")
        << "elsewhere"
        << "assets there"
        << "already holds game data of the launcher (Assets). Choose another folder";
    QTest::newRow("a patch name taken by the player")
        << "elsewhere"
        << "maps there"
        << "already has a \"Maps\" of its own, which the move would replace.";
    QTest::newRow("no folder") << "a file"
                               << "file"
                               << "is not a folder.";
    QTest::newRow("a named pipe inside")
        << "disk/Vantor"
        << "fifo"
        << "\"Assets/Data/pipe\" is a named pipe; only files, folders and links can be moved";
}

void TestInstallFolderMove::refusals()
{
    QFETCH(QString, target);
    QFETCH(QString, prepare);
    QFETCH(QString, message);
    if (target.startsWith("disk/") && mountDisk().isEmpty())
        SKIP_OR_FAIL_IN_CI(qPrintable(m_disk->error()));
    const QString path = QDir::cleanPath(m_home->filePath(target));
    if (prepare == "link")
        QVERIFY(QFile::link(m_source, path));
    else if (prepare == "assets there")
        QVERIFY(writeFile(path + "/Assets/x", "x"));
    else if (prepare == "maps there")
        QVERIFY(writeFile(path + "/Maps/mine.map", "x"));
    else if (prepare == "file")
        QVERIFY(writeFile(path, "x"));
    else if (prepare == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(m_source + "/Assets/Data/pipe").constData(), 0600), 0);
    const QStringList sourceBefore = picture(m_source);
    const QStringList targetBefore = picture(m_home->path());

    InstallFolderMove move(m_source, path);
    QCOMPARE(runToEnd(move), Outcome::Failed);
    QVERIFY2(move.message().contains(QString(message).replace("<source>", m_source)),
             qPrintable(move.message()));
    // The controller says the same at once, without starting anything.
    if (prepare != "fifo") {
        LauncherSettings settings;
        InstallFolderController controller(&settings, nullptr);
        QCOMPARE(controller.changeInstallDir(path, true), move.message());
    }
    QCOMPARE(LauncherSettings::storedInstallDir(), m_source);
    QCOMPARE(picture(m_source), sourceBefore);
    QCOMPARE(picture(m_home->path()), targetBefore);
}

void TestInstallFolderMove::downloadsAndMovesExcludeEachOther()
{
    const QString disk = mountDisk();
    if (disk.isEmpty())
        SKIP_OR_FAIL_IN_CI(qPrintable(m_disk->error()));
    LauncherSettings settings;
    SteamCMDManager manager;
    InstallFolderController controller(&settings, &manager);

    // A download under way, the Steam Guard wait included, keeps the data where it is.
    std::shared_ptr<StandInPlan> plan = startStandInRun(manager, {StandInStep::hanging()});
    QCOMPARE(controller.changeInstallDir(disk + "/Vantor", true),
             QStringLiteral("A download is running. Stop it before changing the install folder."));
    QSignalSpy runEnded(&manager, &SteamCMDManager::runFinished);
    manager.cancel();
    QVERIFY(runEnded.wait());

    // Another launcher's download holds the install.
    {
        InstallLock elsewhere(InstallLock::pathIn(manager.supportDir()));
        QVERIFY(elsewhere.tryLock());
        const QString refused = controller.changeInstallDir(disk + "/Vantor", true);
        QVERIFY2(refused.startsWith("Another download is already running"), qPrintable(refused));
    }

    // And no download starts while the data is copied.
    QSignalSpy moveEnded(&controller, &InstallFolderController::moveFinished);
    QCOMPARE(controller.changeInstallDir(disk + "/Vantor", true), QString());
    QVERIFY(controller.moveUnderWay());
    runEnded.clear();
    manager.startDownload("u", "p");
    QCOMPARE(runEnded.size(), 1);
    QCOMPARE(runEnded.first().first().value<DownloadRun::Outcome>(), Outcome::Failed);
    QVERIFY2(manager.consoleLog().contains("[✗] The game data is being moved to another folder"),
             qPrintable(manager.consoleLog()));
    QVERIFY(moveEnded.wait(20000));
    QCOMPARE(moveEnded.first().first().toBool(), true);
    QCOMPARE(settings.installDir(), disk + "/Vantor");
    QCOMPARE(plan->started, QStringList{"steamcmd"});
}

QTEST_GUILESS_MAIN(TestInstallFolderMove)
#include "tst_installfoldermove.moc"
