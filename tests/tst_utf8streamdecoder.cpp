#include "Utf8StreamDecoder.h"

#include <QTest>

class TestUtf8StreamDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pieces_data();
    void pieces();
    void everySplitPointGivesTheSameText();
};

void TestUtf8StreamDecoder::pieces_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<QStringList>("outputs"); // what each piece yields
    QTest::addColumn<QString>("rest");        // what finish() yields

    QTest::newRow("ascii") << QList<QByteArray>{"abc", "def\n"} << QStringList{"abc", "def\n"}
                           << QString();
    QTest::newRow("two-byte split")
        << QList<QByteArray>{"gr\xc3", "\xbcn"} << QStringList{"gr", "ün"} << QString();
    QTest::newRow("three-byte split twice")
        << QList<QByteArray>{"\xe2", "\x82", "\xac!"} << QStringList{"", "", "€!"} << QString();
    QTest::newRow("four-byte split")
        << QList<QByteArray>{"x\xf0\x9f", "\x98\x80"} << QStringList{"x", "😀"} << QString();
    QTest::newRow("invalid byte replaced, rest kept") << QList<QByteArray>{"a\xff"
                                                                           "b"}
                                                      << QStringList{"a\uFFFDb"} << QString();
    QTest::newRow("stray continuation byte")
        << QList<QByteArray>{"a\x80"} << QStringList{"a\uFFFD"} << QString();
    // A lead byte followed by something that does not continue it.
    QTest::newRow("broken sequence across pieces")
        << QList<QByteArray>{"a\xe2", "Z"} << QStringList{"a", "\uFFFDZ"} << QString();
    QTest::newRow("cut off at the end")
        << QList<QByteArray>{"end \xe2\x82"} << QStringList{"end "} << QString("\uFFFD");
    QTest::newRow("byte that cannot lead is not held")
        << QList<QByteArray>{"a\xf8"} << QStringList{"a\uFFFD"} << QString();
}

void TestUtf8StreamDecoder::pieces()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(QStringList, outputs);
    QFETCH(QString, rest);
    Utf8StreamDecoder decoder;
    QStringList got;
    for (const QByteArray &piece : pieces)
        got.append(decoder.decode(piece));
    QCOMPARE(got, outputs);
    QCOMPARE(decoder.finish(), rest);
    QCOMPARE(decoder.pendingBytes(), 0);
    QCOMPARE(decoder.finish(), QString());
}

void TestUtf8StreamDecoder::everySplitPointGivesTheSameText()
{
    const QString text = QStringLiteral("Größe 12 € — 😀 ✓ ok\n");
    const QByteArray bytes = text.toUtf8();
    for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
        Utf8StreamDecoder decoder;
        // Sequenced on purpose: the pieces must be decoded in stream order.
        QString joined = decoder.decode(bytes.left(cut));
        joined += decoder.decode(bytes.mid(cut));
        joined += decoder.finish();
        QVERIFY2(joined == text, qPrintable(QString::number(cut) + ": " + joined));
    }
}

QTEST_GUILESS_MAIN(TestUtf8StreamDecoder)
#include "tst_utf8streamdecoder.moc"
