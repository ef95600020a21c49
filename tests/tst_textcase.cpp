#include "TextCase.h"

#include <QTest>

class TestTextCase : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void samples_data();
    void samples();
    void agreesWithQtForEveryCodePoint();
};

void TestTextCase::samples_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("lower");
    QTest::newRow("ascii") << "Update STATE (0x61) @[]`{}"
                           << "update state (0x61) @[]`{}";
    QTest::newRow("latin") << "ÄÖÜ Größe ÉCOLE"
                           << "äöü größe école";
    QTest::newRow("greek and cyrillic")
        << "ΣΤΕΑΜ Гвард"
        << "\u03C3\u03C4\u03B5\u03B1\u03BC \u0433\u0432\u0430\u0440\u0434";
    QTest::newRow("supplementary") << QString::fromUcs4(U"\U00010400x") // Deseret capital
                                   << QString::fromUcs4(U"\U00010428x");
    QTest::newRow("dotted capital I grows") << "LOGİN" << QString("logi\u0307n");
    const QChar lone[] = {QChar(u'A'), QChar(0xD800), QChar(u'B'), QChar(0xDC00)};
    const QChar loneLower[] = {QChar(u'a'), QChar(0xD800), QChar(u'b'), QChar(0xDC00)};
    QTest::newRow("lone surrogates kept") << QString(lone, 4) << QString(loneLower, 4);
}

void TestTextCase::samples()
{
    QFETCH(QString, text);
    QFETCH(QString, lower);
    QCOMPARE(TextCase::toLower(text), lower);
}

void TestTextCase::agreesWithQtForEveryCodePoint()
{
    // Every scalar value except the one that takes Qt's own path, joined.
    QList<char32_t> points;
    for (char32_t c = 0; c <= 0x10FFFF; ++c) {
        if ((c >= 0xD800 && c <= 0xDFFF) || c == 0x0130)
            continue;
        points.append(c);
    }
    const QString all = QString::fromUcs4(points.constData(), points.size());
    QCOMPARE(TextCase::toLower(all), all.toLower());
}

QTEST_GUILESS_MAIN(TestTextCase)
#include "tst_textcase.moc"
