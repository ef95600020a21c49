// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"
#include "patch/PatchArchive.h"
#include "patch/ZipStreamCheck.h"

#include <QBuffer>
#include <QTest>

using Status = ZipStreamCheck::Status;
Q_DECLARE_METATYPE(ZipStreamCheck::Status)

// The check of each entry's data against its records, reading the archive
// in the order it arrives, in pieces of every size: an entry that holds
// more, fewer or other bytes than it declares is refused, and what is read
// agrees with the list check (the same entries and sizes).
class TestZipStreamCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entries_data();
    void entries();
};

void TestZipStreamCheck::entries_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<Status>("arrived"); // once every byte has arrived
    QTest::addColumn<QString>("refusal");

    const CraftedEntry ini("patch.ini", "[patch]\n");
    CraftedEntry map("Maps/One.map", QByteArray(70000, 'm'));
    map.deflated = true;
    const auto zip = [](const QList<CraftedEntry> &entries) {
        CraftedZip archive;
        archive.entries = entries;
        return archive.build();
    };

    QTest::newRow("stored and deflated") << zip({ini, map}) << Status::Done << QString();
    CraftedEntry streamed = map;
    streamed.dataDescriptor = true;
    QTest::newRow("deflated, sizes after the data")
        << zip({streamed, ini}) << Status::Done << QString();
    // Its end is known only from the list: the rest is read once it is.
    CraftedEntry storedStreamed = ini;
    storedStreamed.dataDescriptor = true;
    QTest::newRow("stored, sizes after the data")
        << zip({storedStreamed, map}) << Status::Stopped << QString();
    // As streaming writers leave folders: stored, sizes after no data.
    CraftedEntry folder("Maps/", {}, kFolderMode);
    folder.dataDescriptor = true;
    QTest::newRow("folder, sizes after it") << zip({folder, map}) << Status::Done << QString();
    QTest::newRow("no zip archive")
        << QByteArray("<html>404</html>") << Status::Stopped << QString();

    const QString bombed = QStringLiteral("entry Data/big.bin holds more than the 1000 bytes it "
                                          "declares");
    CraftedEntry bomb = deflatedZeros("Data/big.bin", 5000000);
    bomb.size = 1000;
    QTest::newRow("inflates past its size") << zip({ini, bomb}) << Status::Refused << bombed;
    bomb.dataDescriptor = true;
    QTest::newRow("inflates past the size after it") << zip({bomb}) << Status::Refused << bombed;
    CraftedEntry fewer = map;
    fewer.size = 80000;
    QTest::newRow("holds fewer") << zip({fewer}) << Status::Refused
                                 << "entry Maps/One.map holds 70000 bytes, fewer than the 80000 "
                                    "it declares";
    CraftedEntry storedMore = ini;
    storedMore.size = 4;
    QTest::newRow("stored, more than declared")
        << zip({storedMore}) << Status::Refused
        << "entry patch.ini holds more than the 4 bytes it declares";
    CraftedEntry otherBytes = map;
    otherBytes.crc = 0x12345678;
    QTest::newRow("other bytes, deflated")
        << zip({ini, otherBytes}) << Status::Refused
        << "entry Maps/One.map does not match the CRC-32 it declares";
    CraftedEntry otherStored = ini;
    otherStored.crc = 1;
    otherStored.dataDescriptor = true;
    QTest::newRow("other bytes, stored, sizes after the data")
        << zip({otherStored}) << Status::Stopped
        << "entry patch.ini does not match the CRC-32 it declares";
    CraftedEntry garbage = map;
    garbage.packed = QByteArray("\xff\xfe not deflate");
    QTest::newRow("damaged stream")
        << zip({garbage}) << Status::Refused << "entry Maps/One.map has damaged data";
    QByteArray bzip2 = zip({map});
    for (const qsizetype at : {qsizetype(8), bzip2.indexOf("PK\x01\x02") + 10})
        bzip2[at] = 12;
    QTest::newRow("packed another way")
        << bzip2 << Status::Refused
        << "entry Maps/One.map is packed with method 12, which cannot be checked";
}

void TestZipStreamCheck::entries()
{
    QFETCH(QByteArray, archive);
    QFETCH(Status, arrived);
    QFETCH(QString, refusal);
    const qint64 size = archive.size();
    for (const qint64 piece : {qint64(1), qint64(7), qint64(4096), size}) {
        ZipStreamCheck stream;
        for (qint64 at = 0; at < size && stream.status() == Status::Reading; at += piece)
            stream.feed(archive.constData() + at, qMin(piece, size - at));
        QCOMPARE(stream.status(), arrived);
        if (arrived == Status::Refused) {
            QCOMPARE(stream.refusal().value_or(QString()), refusal);
            continue;
        }
        QBuffer buffer(&archive);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const PatchArchive::Inspection inspection = PatchArchive::inspect(buffer);
        QVERIFY(!inspection.refusal);
        if (!inspection.isZip) {
            QVERIFY(stream.entries().isEmpty());
            continue;
        }
        // The list in hand, the reading goes on from where it stopped.
        stream.useListing(inspection.listed);
        QVERIFY(stream.readFrom(buffer, std::chrono::hours(1)));
        QCOMPARE(stream.disagreement(inspection.listed).value_or(QString()), refusal);
        if (refusal.isEmpty()) {
            QCOMPARE(stream.entries().size(), inspection.entries);
            QCOMPARE(stream.uncompressedBytes(), inspection.uncompressedBytes);
        }
    }
}

QTEST_GUILESS_MAIN(TestZipStreamCheck)
#include "tst_zipstreamcheck.moc"
