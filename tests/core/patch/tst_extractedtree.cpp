// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultSupport.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/ExtractedTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

// The private folder the patch is unpacked into: the look at what was
// really written, the move into the install tree, the clean-up.
class TestExtractedTree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void walk_data();
    void walk();
    void moveMerges_data();
    void moveMerges();
    void removalNeverFollowsLinks();
    void leftovers();

private:
    QString install(const QString &relative = QString()) const
    {
        return m_home->filePath(QStringLiteral("install/") + relative);
    }
    QString outside(const QString &relative = QString()) const
    {
        return m_home->filePath(QStringLiteral("outside/") + relative);
    }
    std::unique_ptr<TestHome> m_home;
};

void TestExtractedTree::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(writeFile(outside("victim.txt"), "the user's own file\n"));
    QVERIFY(QDir().mkpath(install()));
}

void TestExtractedTree::cleanup()
{
    if (m_home)
        QCOMPARE(treeOf(outside()), QStringList{"victim.txt"});
    if (m_home)
        QCOMPARE(readFile(outside("victim.txt")), QByteArray("the user's own file\n"));
    m_home.reset();
}

void TestExtractedTree::walk_data()
{
    // Each spec: "f:path" file, "d:path" folder, "l:path" link to outside,
    // "p:path" named pipe, "s:path" socket, "c:path" device, "h:path" a
    // second name of the file before it.
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QString>("refusal"); // empty: moved into place

    QTest::newRow("plain tree") << QStringList{"d:Maps", "f:Maps/One.map", "f:patch.ini"}
                                << QString();
    QTest::newRow("link at the top")
        << QStringList{"f:patch.ini", "l:Maps"} << "entry \"Maps\" is a symbolic link";
    QTest::newRow("link deep inside")
        << QStringList{"d:Maps", "d:Maps/Deep", "f:Maps/One.map", "l:Maps/Deep/out"}
        << "entry \"Maps/Deep/out\" is a symbolic link";
    QTest::newRow("named pipe") << QStringList{"d:Data", "p:Data/fifo"}
                                << "entry \"Data/fifo\" is a named pipe";
    QTest::newRow("socket") << QStringList{"s:sock"} << "entry \"sock\" is a socket";
    QTest::newRow("device") << QStringList{"c:null"} << "entry \"null\" is a device";
    QTest::newRow("hard link") << QStringList{"f:a.ini", "h:b.ini"}
                               << "entry \"a.ini\" is a hard link|entry \"b.ini\" is a hard link";
}

void TestExtractedTree::walk()
{
    QFETCH(QStringList, made);
    QFETCH(QString, refusal);
    QVERIFY(writeFile(install("keep.txt"), "kept"));
    QString error;
    std::unique_ptr<ExtractedTree> tree = ExtractedTree::create(install(), &error);
    QVERIFY2(tree, qPrintable(error));
    const QString staging = tree->path();
    QVERIFY(QFileInfo(staging).fileName().startsWith(ExtractedTree::namePrefix()));
    QCOMPARE(QFileInfo(staging).permissions() & 0x0777,
             QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
    QStringList expected{"keep.txt"};
    QString previous;
    for (const QString &spec : made) {
        const QString path = staging + '/' + spec.mid(2);
        const QByteArray native = QFile::encodeName(path);
        switch (spec.at(0).toLatin1()) {
        case 'f':
            QVERIFY(writeFile(path, spec.toUtf8()));
            expected << spec.mid(2);
            break;
        case 'd':
            QVERIFY(QDir().mkpath(path));
            expected << spec.mid(2) + '/';
            break;
        case 'l':
            QVERIFY(QFile::link(outside(), path));
            break;
        case 'p':
            QCOMPARE(::mkfifo(native.constData(), 0644), 0);
            break;
        case 'c':
            if (::mknod(native.constData(), S_IFCHR | 0644, makedev(1, 3)) != 0)
                SKIP_OR_FAIL_IN_CI("making a device needs privileges this test does not have");
            break;
        case 'h':
            QCOMPARE(::link(QFile::encodeName(previous).constData(), native.constData()), 0);
            break;
        case 's': {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            qstrncpy(address.sun_path, native.constData(), sizeof address.sun_path);
            const bool bound =
                ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
            ::close(fd);
            QVERIFY(bound);
            break;
        }
        }
        previous = path;
    }

    // Either name of a file with two names may come first.
    const QStringList refusals = refusal.split('|');
    const QString why = tree->refusalReason().value_or(QString());
    QVERIFY2(refusals.contains(why), qPrintable(why));
    const std::optional<QString> moved = tree->moveIntoPlace();
    QCOMPARE(moved.value_or(QString()), why);
    tree.reset();
    QVERIFY(!QFileInfo::exists(staging));
    if (!refusal.isEmpty())
        expected = QStringList{"keep.txt"}; // nothing of it arrived
    expected.sort();
    QCOMPARE(treeOf(install()), expected);
}

void TestExtractedTree::moveMerges_data()
{
    QTest::addColumn<bool>("blocked"); // the last entry cannot be put in place
    QTest::newRow("all in place") << false;
    QTest::newRow("the last one blocked: all undone") << true;
}

void TestExtractedTree::moveMerges()
{
    QFETCH(bool, blocked);
    // The install tree before: a folder to merge into, a file to replace, a
    // folder the user moved elsewhere (a link to it), a link to a file, and
    // a file where the patch brings a folder.
    QVERIFY(writeFile(install("Maps/Old.map"), "old map"));
    QVERIFY(writeFile(install("Maps/One.map"), "old one"));
    QVERIFY(writeFile(m_home->filePath("elsewhere/Big/base.big"), "base"));
    QVERIFY(QFile::link(m_home->filePath("elsewhere/Big"), install("Big")));
    QVERIFY(QFile::link(outside("victim.txt"), install("notes.txt")));
    QVERIFY(writeFile(install("Data"), "a file in the way"));

    std::unique_ptr<ExtractedTree> tree = ExtractedTree::create(install());
    QVERIFY(tree);
    const QString s = tree->path();
    QVERIFY(writeFile(s + "/Maps/One.map", "new one"));
    QVERIFY(writeFile(s + "/Maps/Two.map", "two"));
    QVERIFY(writeFile(s + "/Big/patch.big", "patch"));
    QVERIFY(writeFile(s + "/notes.txt", "patch notes"));
    QVERIFY(writeFile(s + "/Data/x.ini", "x"));
    QVERIFY(writeFile(s + "/New/Deep/y.ini", "y"));
    QVERIFY(QFile::setPermissions(s + "/New/Deep/y.ini", QFile::ReadOwner | QFile::ExeOwner));
    // Moved last (names in order): a file where the install tree has a folder.
    if (blocked) {
        QVERIFY(writeFile(install("zz/keep"), "kept"));
        QVERIFY(writeFile(s + "/zz", "a file"));
    }
    const auto contents = [this] {
        QStringList all;
        for (const QString &root : {install(), m_home->filePath("elsewhere")}) {
            for (const QString &entry : treeOf(root)) {
                if (!entry.startsWith(ExtractedTree::namePrefix()))
                    all << entry + ": " + readFile(root + '/' + entry);
            }
        }
        return all;
    };
    const QStringList before = contents();

    bool unchanged = false;
    const std::optional<QString> failure = tree->moveIntoPlace(&unchanged);
    tree.reset();
    if (blocked) {
        QCOMPARE(failure.value_or(QString()),
                 QStringLiteral("could not put \"zz\" in place: Is a directory"));
        QVERIFY(unchanged);
        QCOMPARE(contents(), before);
        return;
    }
    QCOMPARE(failure, std::nullopt);
    QCOMPARE(treeOf(install()),
             (QStringList{"Big -> " + m_home->filePath("elsewhere/Big"), "Data/", "Data/x.ini",
                          "Maps/", "Maps/Old.map", "Maps/One.map", "Maps/Two.map", "New/",
                          "New/Deep/", "New/Deep/y.ini", "notes.txt"}));
    QCOMPARE(readFile(install("Maps/One.map")), QByteArray("new one"));
    QCOMPARE(readFile(m_home->filePath("elsewhere/Big/patch.big")), QByteArray("patch"));
    QCOMPARE(readFile(install("notes.txt")), QByteArray("patch notes"));
    QCOMPARE(QFileInfo(install("New/Deep/y.ini")).permissions() & 0x7000,
             QFile::ReadOwner | QFile::ExeOwner);
    // cleanup(): the user's file behind the replaced link is untouched.
}

void TestExtractedTree::removalNeverFollowsLinks()
{
    std::unique_ptr<ExtractedTree> tree = ExtractedTree::create(install());
    QVERIFY(tree);
    const QString s = tree->path();
    QVERIFY(QFile::link(outside(), s + "/out"));
    QVERIFY(QFile::link(outside("victim.txt"), s + "/victim"));
    QVERIFY(writeFile(s + "/Maps/Inner/x", "x"));
    QVERIFY(tree->refusalReason().has_value());
    tree->remove();
    QVERIFY(!QFileInfo::exists(s));
    tree->remove(); // again: nothing happens
    QCOMPARE(treeOf(install()), QStringList());
}

void TestExtractedTree::leftovers()
{
    // A launcher that is gone (a pid no process has), this one, and
    // folders that only look similar.
    const QString dead = install(ExtractedTree::namePrefix() + "999999999-1a2b");
    const QString mine = install(ExtractedTree::namePrefix() + QString::number(::getpid()) + "-ff");
    QVERIFY(writeFile(dead + "/Maps/One.map", "half"));
    QVERIFY(QFile::link(outside(), dead + "/Maps/out"));
    QVERIFY(QDir().mkpath(mine));
    QVERIFY(QDir().mkpath(install(".patch-staging-notes")));
    QVERIFY(writeFile(install("Maps/One.map"), "mine"));
    QCOMPARE(ExtractedTree::removeLeftovers(install()), 1);
    QStringList expected{".patch-staging-notes/", QFileInfo(mine).fileName() + '/', "Maps/",
                         "Maps/One.map"};
    expected.sort();
    QCOMPARE(treeOf(install()), expected);
    QCOMPARE(ExtractedTree::removeLeftovers(m_home->filePath("missing")), 0);
}

QTEST_GUILESS_MAIN(TestExtractedTree)
#include "tst_extractedtree.moc"
