// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHome.h"
#include "game/GameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <memory>

#include <fcntl.h>
#include <unistd.h>

// The two checks of game data share one reading of folder names: a name is
// a marker ("ini.big", "inidl.big") when it equals it but for letter case.
// Both checks must agree on every name, including names that are not text.
class TestGameFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void bothChecksReadNamesAlike_data();
    void bothChecksReadNamesAlike();
    void namesThatAreNotTextAreSkipped();
    void assetFoldersReachedThroughLinks();

private:
    // Writes an empty file at path (and its folders); the name is taken as
    // raw bytes, so it need not be text.
    static bool touch(const QByteArray &path);

    std::unique_ptr<TestHome> m_home;
};

void TestGameFolders::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
}

void TestGameFolders::cleanup()
{
    m_home.reset();
}

bool TestGameFolders::touch(const QByteArray &path)
{
    const QString folder = QFileInfo(QFile::decodeName(path)).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

void TestGameFolders::bothChecksReadNamesAlike_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("marker"); // "ini.big", "inidl.big" or "" for none
    const auto row = [](const char *tag, const char16_t *name, const char *marker) {
        QTest::newRow(tag) << QString::fromUtf16(name) << QString::fromLatin1(marker);
    };
    row("base", u"ini.big", "ini.big");
    row("base, upper case", u"INI.BIG", "ini.big");
    row("expansion", u"inidl.big", "inidl.big");
    row("expansion, mixed case", u"IniDL.bIG", "inidl.big");
    row("leading dot", u".ini.big", "");
    row("trailing space", u"inidl.big ", "");
    // Letters outside ASCII never stand for ASCII ones, whatever their case.
    row("capital I with dot", u"\u0130NI.big", "");
    row("dotless i", u"\u0131ni.big", "");
    row("full-width letters", u"\uFF29\uFF2E\uFF29.big", "");
    row("one-dot leader", u"inidl\u2024big", "");
}

void TestGameFolders::bothChecksReadNamesAlike()
{
    QFETCH(QString, name);
    QFETCH(QString, marker);
    // Each layout holds the other marker for sure and the name in question in
    // place of the marker it may stand for; it is valid when the name counts.
    for (const QString &standsFor : {QStringLiteral("ini.big"), QStringLiteral("inidl.big")}) {
        const bool counts = marker == standsFor;
        const QString other = standsFor == QLatin1String("ini.big") ? QStringLiteral("inidl.big")
                                                                    : QStringLiteral("ini.big");
        const QString local = m_home->filePath("Local " + standsFor);
        QVERIFY(touch(QFile::encodeName(local + "/A/" + name)));
        QVERIFY(touch(QFile::encodeName(local + "/B/" + other)));
        QCOMPARE(GameFolders::isGameFolder(local), counts);

        // Assets: "inidl.big" must lie in Assets, "ini.big" may lie in DL_Vantor.
        QVERIFY(QDir(GameFolders::installDir()).removeRecursively());
        const QString nameDir = standsFor == QLatin1String("ini.big") ? GameFolders::baseGameDir()
                                                                      : GameFolders::assetsDir();
        QVERIFY(touch(QFile::encodeName(nameDir + "/" + name)));
        QVERIFY(touch(QFile::encodeName(GameFolders::assetsDir() + "/" + other)));
        QCOMPARE(GameFolders::areAssetsValid(), counts);
    }
}

void TestGameFolders::namesThatAreNotTextAreSkipped()
{
    // Names a file system holds but no text encodes: read past, never a match.
    const QList<QByteArray> garbled{"\xff\xfe.big", "INI\xff.big", "ini.big\xc3", "\xc3\x28"};
    const QByteArray local = QFile::encodeName(m_home->filePath("Local"));
    const QByteArray assets = QFile::encodeName(GameFolders::assetsDir());
    for (const QByteArray &name : garbled) {
        QVERIFY(touch(local + "/A/" + name));
        QVERIFY(touch(assets + "/" + name));
    }
    QVERIFY(touch(local + "/B/inidl.big"));
    QVERIFY(touch(assets + "/inidl.big"));
    QVERIFY(!GameFolders::isGameFolder(QFile::decodeName(local)));
    QVERIFY(!GameFolders::areAssetsValid());

    QVERIFY(touch(local + "/A/ini.big"));
    QVERIFY(touch(assets + "/INI.big"));
    QVERIFY(GameFolders::isGameFolder(QFile::decodeName(local)));
    QVERIFY(GameFolders::areAssetsValid());

    // Qt cannot name these files to remove them with the temporary home.
    for (const QByteArray &name : garbled) {
        QCOMPARE(::unlink((local + "/A/" + name).constData()), 0);
        QCOMPARE(::unlink((assets + "/" + name).constData()), 0);
    }
}

void TestGameFolders::assetFoldersReachedThroughLinks()
{
    // Assets kept on another disk and linked in are read through the link.
    const QString elsewhere = m_home->filePath("OtherDisk/Assets");
    QVERIFY(touch(QFile::encodeName(elsewhere + "/inidl.big")));
    QVERIFY(touch(QFile::encodeName(elsewhere + "/ini.big")));
    QVERIFY(QDir().mkpath(GameFolders::installDir()));
    QVERIFY(QFile::link(elsewhere, GameFolders::assetsDir()));
    QVERIFY(GameFolders::areAssetsValid());

    // A file where the folder belongs holds nothing.
    QVERIFY(QFile::remove(GameFolders::assetsDir()));
    QVERIFY(touch(QFile::encodeName(GameFolders::assetsDir())));
    QVERIFY(touch(QFile::encodeName(GameFolders::baseGameDir() + "/ini.big")));
    QVERIFY(!GameFolders::areAssetsValid());
}

QTEST_GUILESS_MAIN(TestGameFolders)
#include "tst_gamefolders.moc"
