// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"
#include "FaultSupport.h"
#include "PatchArchive.h"
#include "TestHome.h"
#include "patch/ExtractedTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

// Hostile patch archives against the staged unpacking, with the system's
// unzip: whatever the archive check says, unzip runs into the private
// folder, what it wrote is walked and moved, and then a second, plain unzip
// of an ordinary patch runs over the install folder, as an older launcher
// or the next patch would. Nothing may end up outside the install folder,
// and no link may exist inside it to be written through.
class TestFaultsPatchStaging : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void hostileArchives_data();
    void hostileArchives();

private:
    QString outside(const QString &name = QString()) const
    {
        return m_home->filePath(QStringLiteral("outside/") + name);
    }
    QString install(const QString &name = QString()) const
    {
        return m_home->filePath(QStringLiteral("install/") + name);
    }
    QByteArray expand(QByteArray text) const
    {
        return text.replace("@out", QFile::encodeName(m_home->filePath("outside")));
    }
    // unzip -o <zip> -d <folder>, as the patch step runs it; its exit code.
    static int unzip(const QString &zip, const QString &folder)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setStandardInputFile(QProcess::nullDevice());
        process.start("/usr/bin/unzip", {"-o", zip, "-d", folder});
        process.waitForFinished(30000);
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    std::unique_ptr<TestHome> m_home;
    QStringList m_outsideBefore;
};

void TestFaultsPatchStaging::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QVERIFY(writeFile(outside("victim.txt"), "the user's own file\n"));
    QVERIFY(QDir().mkpath(outside("Maps")));
    QVERIFY(writeFile(install("keep.txt"), "kept"));
    m_outsideBefore = treeOf(outside());
}

void TestFaultsPatchStaging::cleanup()
{
    if (m_home) {
        QCOMPARE(treeOf(outside()), m_outsideBefore);
        QCOMPARE(readFile(outside("victim.txt")), QByteArray("the user's own file\n"));
    }
    m_home.reset();
}

void TestFaultsPatchStaging::hostileArchives_data()
{
    QTest::addColumn<CraftedZip>("archive");
    QTest::addColumn<QString>("refusal");    // the archive check's
    QTest::addColumn<QString>("walk");       // the look at what unzip wrote
    QTest::addColumn<QStringList>("landed"); // in the install folder after the move

    const CraftedEntry ini("patch.ini", "[patch]\n");
    const CraftedEntry linkOut("Maps", "@out/Maps", kLinkMode);
    const CraftedEntry through("Maps/new.map", "pwned");
    const auto zip = [](const QList<CraftedEntry> &entries) {
        CraftedZip archive;
        archive.entries = entries;
        return archive;
    };
    const QString refusedLink = QStringLiteral("entry \"Maps\" is a symbolic link");

    QTest::newRow("link out, then a file through it")
        << zip({linkOut, through}) << refusedLink << refusedLink << QStringList();
    QTest::newRow("relative link to a file outside")
        << zip({CraftedEntry("patch.ini", "../../outside/victim.txt", kLinkMode)})
        << "entry \"patch.ini\" is a symbolic link"
        << "entry \"patch.ini\" is a symbolic link" << QStringList();
    {
        CraftedZip low = zip({ini, linkOut});
        low.count = 1;
        QTest::newRow("link hidden by a low count")
            << low << refusedLink << refusedLink << QStringList();
        CraftedEntry dos = linkOut;
        dos.host = 0;
        QTest::newRow("link mode on an MS-DOS entry")
            << zip({dos, through}) << refusedLink << QString() << QStringList{"Maps"};
        CraftedEntry renamed = ini;
        renamed.localName = "Maps";
        QTest::newRow("local header names another path")
            << zip({renamed}) << "entry \"patch.ini\" is named \"Maps\" in its local header"
            << QString() << QStringList{"patch.ini"};
        CraftedEntry unicode = ini;
        unicode.centralExtra = unicodePathField(ini.name, "Maps");
        unicode.mode = kLinkMode;
        unicode.flags = 0; // unzip looks for the field only when the name is not UTF-8
        unicode.data = "@out/Maps";
        QTest::newRow("Unicode path renames a link")
            << zip({unicode}) << "entry \"patch.ini\" carries a different Unicode name \"Maps\""
            << refusedLink << QStringList();
        CraftedEntry escape = ini;
        escape.centralExtra = unicodePathField(ini.name, "../../outside/new.txt");
        escape.flags = 0;
        QTest::newRow("Unicode path leads out")
            << zip({escape})
            << "entry \"patch.ini\" carries a different Unicode name \"../../outside/new.txt\""
            << QString() << QStringList{"outside/", "outside/new.txt"};
    }
    {
        // An archive with a link in front of a harmless one.
        CraftedZip stacked = zip({ini});
        stacked.prefix = zip({linkOut}).build();
        QTest::newRow("archive with a link in front")
            << stacked << "115 bytes at byte 0 belong to no entry" << QString()
            << QStringList{"patch.ini"};
        CraftedZip hiding = zip({ini});
        hiding.comment = zip({linkOut}).build();
        QTest::newRow("comment holding an archive with a link")
            << hiding << "it has more than one end record" << refusedLink << QStringList();
        CraftedEntry hidden = linkOut;
        hidden.listed = false;
        QTest::newRow("link left out of the list")
            << zip({ini, hidden}) << "82 bytes at byte 47 belong to no entry" << QString()
            << QStringList{"patch.ini"};
    }
    // unzip cannot put the link where its folder is (and says so).
    QTest::newRow("folder, then a link of the same name")
        << zip({CraftedEntry("Maps/", {}, kFolderMode), linkOut, through}) << refusedLink
        << QString() << QStringList{"Maps/", "Maps/new.map"};
    QTest::newRow("link through a backslash path")
        << zip({linkOut, CraftedEntry("Maps\\new.map", "pwned")}) << refusedLink << refusedLink
        << QStringList();
    QTest::newRow("names differing by case")
        << zip({CraftedEntry("maps/", {}, kFolderMode), CraftedEntry("MAPS", "@out", kLinkMode)})
        << "entry \"MAPS\" is a symbolic link"
        << "entry \"MAPS\" is a symbolic link" << QStringList();
    QTest::newRow("absolute and dot-dot names")
        << zip({CraftedEntry("@out/victim.txt", "pwned"),
                CraftedEntry("../../outside/new.txt", "pwned")})
        << "entry \"@out/victim.txt\" has an absolute path" << QString()
        << QStringList{"@rel/", "@rel/victim.txt", "outside/", "outside/new.txt"};
    QTest::newRow("folder with data")
        << zip({CraftedEntry("Maps/", "data", kFolderMode)})
        << "entry \"Maps/\" is a folder with data" << QString() << QStringList{"Maps/"};
    {
        CraftedEntry lying = ini;
        lying.dataDescriptor = true;
        lying.descriptorSize = 3;
        QTest::newRow("data descriptor that lies")
            << zip({lying})
            << "entry \"patch.ini\" has a data descriptor that disagrees with its "
               "list entry"
            << QString() << QStringList{"patch.ini"};
    }
}

void TestFaultsPatchStaging::hostileArchives()
{
    QFETCH(CraftedZip, archive);
    QFETCH(QString, refusal);
    QFETCH(QString, walk);
    QFETCH(QStringList, landed);
    for (CraftedEntry &entry : archive.entries) {
        entry.name = expand(entry.name);
        entry.data = expand(entry.data);
    }
    const QString zipPath = m_home->filePath("hostile.zip");
    QVERIFY(writeFile(zipPath, archive.build()));
    refusal.replace("@out", outside().chopped(1));
    QCOMPARE(PatchArchive::refusalReason(zipPath).value_or(QString()), refusal);

    // As though the check had missed it: unzip into the private folder.
    std::unique_ptr<ExtractedTree> tree = ExtractedTree::create(install());
    QVERIFY(tree);
    const QString staging = tree->path();
    const int code = unzip(zipPath, staging);
    const QStringList unpacked = treeOf(staging);
    const std::optional<QString> moved = tree->moveIntoPlace();
    QVERIFY2(moved.value_or(QString()) == walk,
             qPrintable(QStringLiteral("unzip exit %1, wrote %2; walk says: %3")
                            .arg(code)
                            .arg(unpacked.join(", "), moved.value_or("(nothing)"))));
    tree.reset();
    QVERIFY(!QFileInfo::exists(staging));

    // What reached the install folder: the file that was there, and only
    // when the walk let it through, what unzip wrote.
    const QString relativeOutside = outside().mid(1).chopped(1);
    if (landed.removeAll("@rel/") > 0) {
        QString chain;
        for (const QString &part : relativeOutside.split('/')) {
            chain += part + '/';
            landed.append(chain);
        }
    }
    landed.replaceInStrings("@rel", relativeOutside);
    landed.append("keep.txt");
    if (!walk.isEmpty())
        landed = QStringList{"keep.txt"};
    landed.sort();
    const QStringList installed = treeOf(install());
    QVERIFY2(installed == landed, qPrintable(installed.join(", ")));
    for (const QString &entry : installed)
        QVERIFY2(!entry.contains(" -> "), qPrintable(entry));

    // The next patch, unpacked plainly over the same folder, stays inside.
    QVERIFY(writeFile(m_home->filePath("next.zip"),
                      craftZip({{"Maps/new.map", "next"}, {"patch.ini", "next"}})));
    unzip(m_home->filePath("next.zip"), install());
    if (QFileInfo(install("Maps")).isDir())
        QCOMPARE(readFile(install("Maps/new.map")), QByteArray("next"));
    QCOMPARE(readFile(install("patch.ini")), QByteArray("next"));
}

QTEST_GUILESS_MAIN(TestFaultsPatchStaging)
#include "tst_faults_patchstaging.moc"
