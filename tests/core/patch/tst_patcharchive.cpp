// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "patch/PatchArchive.h"
#include "patch/ZipStreamCheck.h"

#include <QBuffer>
#include <QDir>
#include <QProcess>
#include <QTest>

// The look at a patch archive before unzip runs: every way two zip readers
// can read one archive differently is refused, ordinary archives are not.
class TestPatchArchive : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crafted_data();
    void crafted();
    void madeByZip_data();
    void madeByZip();
    void notAnArchive();
};

namespace {

using Entries = QList<CraftedEntry>;

PatchArchive::Inspection inspectBytes(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return PatchArchive::inspect(buffer);
}

// Writes a 16-bit value into an archive, for fields CraftedZip leaves alone.
void poke16(QByteArray &archive, qsizetype at, quint16 value)
{
    archive[at] = char(value & 0xff);
    archive[at + 1] = char(value >> 8);
}

void poke32(QByteArray &archive, qsizetype at, quint32 value)
{
    poke16(archive, at, quint16(value & 0xffff));
    poke16(archive, at + 2, quint16(value >> 16));
}

qsizetype nth(const QByteArray &archive, const char *signature, int n)
{
    qsizetype at = -1;
    for (int i = 0; i <= n; ++i)
        at = archive.indexOf(signature, at + 1);
    return at;
}

CraftedEntry folder(const QByteArray &name)
{
    CraftedEntry entry(name, {}, kFolderMode);
    entry.dosAttributes = 0x10;
    return entry;
}

} // namespace

void TestPatchArchive::crafted_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("refusal"); // empty: accepted
    QTest::addColumn<qint64>("uncompressed");

    const CraftedEntry ini("patch.ini", "[patch]\n");
    const CraftedEntry map("Maps/One.map", QByteArray(1000, 'm'));
    const auto zip = [](const Entries &entries) {
        CraftedZip archive;
        archive.entries = entries;
        return archive;
    };
    const auto add = [](const char *tag, const CraftedZip &archive, const QString &refusal,
                        qint64 size = 0) {
        QTest::newRow(tag) << archive.build() << refusal << size;
    };
    const auto addBytes = [](const char *tag, const QByteArray &bytes, const QString &refusal) {
        QTest::newRow(tag) << bytes << refusal << qint64(0);
    };

    // Accepted: what patch archives look like.
    add("plain files and a folder", zip({folder("Maps/"), map, ini}), {}, 1008);
    add("empty archive", zip({}), {}, 0);
    {
        CraftedEntry streamed = map;
        streamed.dataDescriptor = true;
        add("data descriptor that agrees", zip({streamed, ini}), {}, 1008);
        CraftedZip wide = zip({folder("Maps/"), streamed, ini});
        wide.zip64 = true;
        add("zip64 end record", wide, {}, 1008);
        CraftedEntry named = ini;
        named.centralExtra = unicodePathField(ini.name, ini.name);
        named.localExtra = named.centralExtra;
        add("Unicode path that repeats the name", zip({named}), {}, 8);
        CraftedEntry windows = ini;
        windows.host = 0;
        windows.mode = 0;
        add("made on Windows, no mode", zip({windows}), {}, 8);
    }

    // The end record disagrees with the list.
    {
        CraftedZip low = zip({ini, map});
        low.count = 1;
        add("count too low", low, "its end record counts 1 entries, but its list holds 2");
        CraftedZip high = zip({ini, map});
        high.count = 3;
        add("count too high", high, "its end record counts 3 entries, but its list holds 2");
        CraftedZip size = zip({ini, map});
        size.listSize = 46 + 9;
        add("list size too small", size,
            "its end record gives its list of entries 55 bytes, but it takes 113");
        CraftedZip offset = zip({ini, map});
        offset.listOffset = 0;
        add("list offset elsewhere", offset,
            "its end record puts its list of entries at byte 0, but it is at byte 1089");
        CraftedZip nowhere = zip({ini, map});
        nowhere.listOffset = 5;
        nowhere.listSize = 0;
        add("list offset and size elsewhere", nowhere,
            "its end record puts its list of entries at byte 5, where there is none");
        CraftedZip wide = zip({ini, map});
        wide.zip64 = true;
        QByteArray bytes = wide.build();
        // The plain record's counts, no longer saturated.
        poke16(bytes, bytes.size() - 14, 1);
        poke16(bytes, bytes.size() - 12, 1);
        addBytes("zip64 and plain records disagree", bytes,
                 "its end record and its zip64 end record disagree");
    }
    // Data in front: a self-extractor stub, offsets counting it or not.
    {
        CraftedZip stub = zip({ini});
        stub.prefix = QByteArray(512, 'x');
        add("self-extractor stub", stub, "512 bytes at byte 0 belong to no entry");
        addBytes("data put in front", QByteArray(300, 'x') + zip({ini}).build(),
                 "its end record puts its list of entries at byte 47, but it is at byte 347");
        addBytes("a second archive in front", zip({map}).build() + zip({ini}).build(),
                 "its end record puts its list of entries at byte 47, but it is at byte 1169");
    }
    // Entries the list does not show, or shows twice.
    {
        CraftedEntry hidden("Maps", "/tmp", kLinkMode);
        hidden.listed = false;
        add("local entry missing from the list", zip({ini, hidden, map}),
            "38 bytes at byte 47 belong to no entry");
        QByteArray bytes = zip({ini, map}).build();
        poke32(bytes, nth(bytes, "PK\x01\x02", 1) + 42, 0); // both point at the first
        addBytes("two list entries share data", bytes,
                 "entries \"patch.ini\" and \"Maps/One.map\" overlap");
    }
    // Names the local header or a Unicode field give differently.
    {
        CraftedEntry local = ini;
        local.localName = "evil.ini";
        add("local name differs", zip({local}),
            "entry \"patch.ini\" is named \"evil.ini\" in its local header");
        CraftedEntry unicode = ini;
        unicode.centralExtra = unicodePathField(ini.name, "Maps/evil");
        add("Unicode path differs", zip({unicode}),
            "entry \"patch.ini\" carries a different Unicode name \"Maps/evil\"");
        CraftedEntry localUnicode = ini;
        localUnicode.localExtra = unicodePathField(ini.name, "../evil");
        add("Unicode path differs in the local header", zip({localUnicode}),
            "entry \"patch.ini\" carries a different Unicode name \"../evil\"");
        CraftedEntry sizes = map;
        sizes.listedSize = 10;
        add("sizes differ", zip({sizes}),
            "entry \"Maps/One.map\" is described differently in its local header");
        CraftedEntry descriptor = map;
        descriptor.dataDescriptor = true;
        descriptor.descriptorSize = 10;
        add("data descriptor disagrees", zip({descriptor}),
            "entry \"Maps/One.map\" has a data descriptor that disagrees with its list entry");
    }
    // One path twice, as a file system sees it.
    {
        add("same name twice", zip({ini, ini}), "entry \"patch.ini\" is listed twice");
        add("names differing by case", zip({ini, CraftedEntry("PATCH.ini", "x")}),
            "entries \"patch.ini\" and \"PATCH.ini\" differ only in case");
        add("folders differing by case", zip({map, CraftedEntry("maps/Two.map", "x")}),
            "entries \"Maps/One.map\" and \"maps/Two.map\" differ only in case");
        add("slash and backslash", zip({map, CraftedEntry("Maps\\One.map", "x")}),
            "entry \"Maps\\One.map\" is listed twice");
        add("a file where a folder is", zip({CraftedEntry("Maps", "x"), map}),
            "entry \"Maps\" is both a file and a folder");
        add("same folder twice", zip({folder("Maps/"), folder("Maps/")}),
            "entry \"Maps/\" is listed twice");
        add("composed and decomposed accents",
            zip({CraftedEntry("caf\xc3\xa9", "x"), CraftedEntry("cafe\xcc\x81", "y")}),
            QString::fromUtf8("entries \"caf\xc3\xa9\" and \"cafe\xcc\x81\" differ only in case"));
    }
    // Entries that are not plain files and folders, whatever the host says.
    {
        CraftedEntry dosLink("Maps", "/tmp", kLinkMode);
        dosLink.host = 0;
        add("link mode on an MS-DOS entry", zip({dosLink}), "entry \"Maps\" is a symbolic link");
        add("named pipe", zip({CraftedEntry("pipe", {}, kFifoMode)}),
            "entry \"pipe\" is not a plain file or folder");
        add("folder with data", zip({CraftedEntry("Maps/", "data", kFolderMode)}),
            "entry \"Maps/\" is a folder with data");
        add("folder mode on a file name", zip({CraftedEntry("Maps", {}, kFolderMode)}),
            "entry \"Maps\" is both a file and a folder");
        add("file mode on a folder name", zip({CraftedEntry("Maps/", {}, 0100644)}),
            "entry \"Maps/\" is both a file and a folder");
        CraftedEntry locked = ini;
        locked.flags |= 1;
        add("encrypted", zip({locked}), "entry \"patch.ini\" is encrypted");
        add("broken UTF-8 name", zip({CraftedEntry("bad\xff.ini", "x")}),
            QString::fromUtf8("entry \"bad\xef\xbf\xbd.ini\" has a broken name"));
        add("name of dots only", zip({CraftedEntry("./", {}, kFolderMode)}),
            "entry \"./\" has a broken name");
    }
    // The end of the file read two ways.
    {
        const QByteArray inner = zip({CraftedEntry("evil", "x")}).build();
        CraftedZip hiding = zip({ini});
        hiding.comment = inner;
        add("comment holding an end record", hiding, "it has more than one end record");
        addBytes("data after the end record", zip({ini}).build() + "trailing",
                 "it has data after its end record");
    }
}

void TestPatchArchive::crafted()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, refusal);
    QFETCH(qint64, uncompressed);
    const PatchArchive::Inspection inspection = inspectBytes(archive);
    QVERIFY(inspection.isZip);
    if (refusal.isEmpty()) {
        QVERIFY2(!inspection.refusal, qPrintable(inspection.refusal.value_or(QString())));
        QCOMPARE(inspection.uncompressedBytes, uncompressed);
        return;
    }
    QCOMPARE(inspection.refusal.value_or(QStringLiteral("(accepted)")), refusal);
}

// Archives made by the system's zip, in the forms it writes: deflated,
// streamed (data descriptors, sizes unknown up front), zip64.
void TestPatchArchive::madeByZip_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::newRow("deflated") << QStringList{"-r", "-q"};
    QTest::newRow("stored") << QStringList{"-r", "-q", "-0"};
    QTest::newRow("zip64") << QStringList{"-r", "-q", "-fz"};
    QTest::newRow("streamed") << QStringList{"-r", "-q", "-fd"};
}

void TestPatchArchive::madeByZip()
{
    QFETCH(QStringList, options);
    TestHome home;
    const QString tree = home.filePath("tree");
    QVERIFY(writeFile(tree + "/patch.ini", QByteArray(5000, 'p')));
    QVERIFY(writeFile(tree + "/Maps/One.map", QByteArray(70000, 'm')));
    QVERIFY(writeFile(tree + "/Maps/Deep/Two.map", "two"));
    const QString zipPath = home.filePath("patch.zip");
    QProcess zip;
    zip.setWorkingDirectory(tree);
    if (options.contains("-fd")) {
        // Written to a pipe, zip cannot go back to fill in sizes.
        options.removeAll("-fd");
        zip.setStandardOutputFile(zipPath);
        zip.start("/usr/bin/zip", options << "-"
                                          << ".");
    } else {
        zip.start("/usr/bin/zip", options << zipPath << ".");
    }
    QVERIFY(zip.waitForFinished(30000));
    QCOMPARE(zip.exitCode(), 0);
    const PatchArchive::Inspection inspection = PatchArchive::inspect(zipPath);
    QVERIFY(inspection.isZip);
    QVERIFY2(!inspection.refusal, qPrintable(inspection.refusal.value_or(QString())));
    QCOMPARE(inspection.uncompressedBytes, qint64(75003));
    QCOMPARE(inspection.entries, qint64(5));

    // Their data, read in order, agrees with the list (zip64 sizes in the
    // local headers, descriptors of stored folders read once it is known).
    QFile file(zipPath);
    QVERIFY(file.open(QIODevice::ReadOnly));
    ZipStreamCheck stream;
    stream.readFrom(file, std::chrono::hours(1));
    stream.useListing(inspection.listed);
    QVERIFY(stream.readFrom(file, std::chrono::hours(1)));
    QCOMPARE(stream.disagreement(inspection.listed), std::nullopt);
    QCOMPARE(stream.uncompressedBytes(), qint64(75003));
}

void TestPatchArchive::notAnArchive()
{
    // unzip says so itself; nothing to refuse, nothing counted.
    for (const QByteArray &bytes :
         {QByteArray("<html>404</html>"), QByteArray(70000, 'x'), QByteArray()}) {
        const PatchArchive::Inspection inspection = inspectBytes(bytes);
        QVERIFY(!inspection.isZip);
        QVERIFY(!inspection.refusal);
        QCOMPARE(inspection.uncompressedBytes, 0);
    }
    QVERIFY(!PatchArchive::refusalReason(QStringLiteral("/nonexistent/patch.zip")));
}

QTEST_GUILESS_MAIN(TestPatchArchive)
#include "tst_patcharchive.moc"
