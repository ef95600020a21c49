// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationFiles.h"
#include "UiSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextLayout>

namespace {

// Every character above ASCII that the launcher's sources hold, literally
// or as a \uXXXX escape (QML and C++), and that its translations hold, with
// a file it was found in.
QMap<char32_t, QString> launcherCharacters()
{
    QMap<char32_t, QString> found;
    for (const TranslationFile &file : TranslationFiles::all()) {
        for (const TranslationMessage &message : file.messages) {
            for (const char32_t c : message.translations.join(QString()).toUcs4()) {
                if (c > 0x7f)
                    found.insert(c, file.path);
            }
        }
    }
    QDirIterator it(QStringLiteral(VANTOR_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.qml")},
                    QDir::Files, QDirIterator::Subdirectories);
    static const QRegularExpression escape(QStringLiteral(R"(\\u([0-9A-Fa-f]{4}))"));
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (const char32_t c : text.toUcs4()) {
            if (c > 0x7f)
                found.insert(c, path);
        }
        for (const QRegularExpressionMatch &m : escape.globalMatch(text)) {
            const char32_t c = m.captured(1).toUInt(nullptr, 16);
            if (c > 0x7f)
                found.insert(c, path);
        }
    }
    return found;
}

// Whether text in this family draws the character with a real glyph, from
// the family itself or from a font the system falls back to.
bool draws(const QString &family, char32_t c)
{
    QFont font(family);
    font.setPixelSize(13);
    QTextLayout layout(QString::fromUcs4(&c, 1), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.isEmpty())
        return false;
    for (const QGlyphRun &run : runs) {
        const QList<quint32> glyphs = run.glyphIndexes();
        if (glyphs.isEmpty() || glyphs.contains(0) || !run.rawFont().supportsCharacter(c))
            return false;
    }
    return true;
}

} // namespace

// The console, the statuses, the alerts and the About window show texts with
// symbols (✓, ✗, ⭳, —, •, ™ ...): each must come out as a glyph in the
// fonts the window uses, not as the missing-glyph box.
class TestGlyphCoverage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theTextsHoldSymbols();
    void everySymbolIsDrawn();
    void aMissingSymbolIsNoticed();
};

void TestGlyphCoverage::theTextsHoldSymbols()
{
    const QMap<char32_t, QString> found = launcherCharacters();
    // The scan sees what the console writes, so the check below means something.
    // The German translation's letters come from the translation files.
    for (const char32_t c : {U'✓', U'✗', U'⭳', U'—', U'™', U'•', U'ß', U'„'})
        QVERIFY2(found.contains(c), qPrintable(QString::fromUcs4(&c, 1)));
}

void TestGlyphCoverage::everySymbolIsDrawn()
{
    const QMap<char32_t, QString> found = launcherCharacters();
    QStringList missing;
    for (const QString &family : {UiSupport::monoFamily(), UiSupport::sansFamily()}) {
        for (auto it = found.cbegin(); it != found.cend(); ++it) {
            const char32_t c = it.key();
            if (!draws(family, c))
                missing << QStringLiteral("U+%1 %2 in %3 (from %4)")
                               .arg(uint(c), 4, 16, QLatin1Char('0'))
                               .arg(QString::fromUcs4(&c, 1), family, it.value());
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void TestGlyphCoverage::aMissingSymbolIsNoticed()
{
    // A private-use character no font has: the check must say so.
    QVERIFY(!draws(UiSupport::monoFamily(), char32_t(0x10FFFD)));
    QVERIFY(draws(UiSupport::monoFamily(), U'A'));
}

QTEST_MAIN(TestGlyphCoverage)
#include "tst_glyphcoverage.moc"
