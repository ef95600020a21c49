// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationFiles.h"
#include "l10n/LocalizedText.h"
#include "l10n/Translations.h"
#include "steam/SteamCMDState.h"
#include "transfer/TransferRate.h"

#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

#include <algorithm>

namespace {

// What a translation must keep of its source: the numbered placeholders
// (%1, %L2), the count (%n), the texts a player types (%command%) and the
// keyboard accelerators (a single &), each as often as the source has it.
QStringList markers(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral(R"(%L?\d+|%L?n|%[a-z]+%|&(?!&)(?=\S))"));
    QStringList found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(QString(text).remove(u"&&"_qs)))
        found.append(m.captured());
    std::sort(found.begin(), found.end());
    return found;
}

QString key(const TranslationMessage &m)
{
    return m.context + QLatin1Char('|') + m.source + QLatin1Char('|') + m.comment;
}

} // namespace

// The translation files the program is built with, and how a language is
// chosen and shown.
class TestTranslations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void everyFileIsComplete_data() { languageRows(); }
    void everyFileIsComplete();
    void everyTranslationKeepsItsMarkers_data() { languageRows(); }
    void everyTranslationKeepsItsMarkers();
    void markersAreFound();
    void systemLanguages_data();
    void systemLanguages();
    void failuresShowTranslatedAndLogEnglish();
    void sizesAndTimesFollowTheLanguage();

private:
    void languageRows();
    QList<TranslationFile> m_files;
};

void TestTranslations::initTestCase()
{
    m_files = TranslationFiles::all();
    // One file per language the launcher offers besides English.
    QCOMPARE(m_files.size(), Translations::languages().size() - 1);
}

void TestTranslations::cleanup()
{
    Translations::install(QStringLiteral("en"));
}

void TestTranslations::languageRows()
{
    QTest::addColumn<int>("file");
    for (qsizetype i = 0; i < m_files.size(); ++i)
        QTest::newRow(qPrintable(m_files[i].language)) << int(i);
}

void TestTranslations::everyFileIsComplete()
{
    QFETCH(int, file);
    const TranslationFile &ts = m_files[file];
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.path + ": " + ts.error));
    // German is kept up to date with the sources (lupdate); every other
    // file must hold exactly its messages.
    const auto german = std::find_if(m_files.cbegin(), m_files.cend(), [](const auto &f) {
        return f.language == QLatin1String("de");
    });
    QVERIFY(german != m_files.cend());
    QStringList expected, held, unfinished, stale;
    for (const TranslationMessage &m : german->messages)
        expected.append(key(m));
    for (const TranslationMessage &m : ts.messages) {
        held.append(key(m));
        const bool empty = std::any_of(m.translations.cbegin(), m.translations.cend(),
                                       [](const QString &t) { return t.isEmpty(); });
        if (m.type == QLatin1String("unfinished") || empty || m.translations.isEmpty())
            unfinished.append(m.source);
        else if (!m.type.isEmpty())
            stale.append(m.type + QLatin1String(": ") + m.source);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(held.begin(), held.end());
    QStringList missing;
    std::set_difference(expected.cbegin(), expected.cend(), held.cbegin(), held.cend(),
                        std::back_inserter(missing));
    QVERIFY2(unfinished.isEmpty() && stale.isEmpty() && missing.isEmpty(),
             qPrintable(QStringLiteral("%1: %2 unfinished, %3 obsolete or vanished, %4 missing; "
                                       "first: %5")
                            .arg(ts.path)
                            .arg(unfinished.size())
                            .arg(stale.size())
                            .arg(missing.size())
                            .arg((unfinished + stale + missing).value(0))));
    // And the program carries it.
    QTranslator translator;
    QVERIFY2(translator.load(QStringLiteral(":/i18n/vantor-launcher_") + ts.language),
             qPrintable(ts.language));
    QVERIFY(!translator.isEmpty());
}

void TestTranslations::everyTranslationKeepsItsMarkers()
{
    QFETCH(int, file);
    const TranslationFile &ts = m_files[file];
    QStringList wrong;
    for (const TranslationMessage &m : ts.messages) {
        const QStringList wanted = markers(m.source);
        for (const QString &translation : m.translations) {
            if (!translation.isEmpty() && markers(translation) != wanted)
                wrong.append(
                    QStringLiteral("%1: \"%2\" -> \"%3\"").arg(m.context, m.source, translation));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(ts.path + ":\n" + wrong.join(u'\n')));
}

void TestTranslations::markersAreFound()
{
    // The check above sees what it must: a lost or doubled marker differs.
    QCOMPARE(markers("%2 of %1 (%3%)"), QStringList({"%1", "%2", "%3"}));
    QCOMPARE(markers("%n times, %command%, &Open, Fish && Chips"),
             QStringList({"%command%", "%n", "&"}));
    QVERIFY(markers("&Open") != markers("Open"));
    QVERIFY(markers("%1 %1") != markers("%1"));
}

void TestTranslations::systemLanguages_data()
{
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
    QTest::newRow("Austrian German") << QStringList{"de-AT"} << "de";
    QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "pt_BR";
    QTest::newRow("Portugal's Portuguese") << QStringList{"pt-PT"} << "pt_BR";
    QTest::newRow("Simplified Chinese") << QStringList{"zh-Hans-CN"} << "zh_CN";
    QTest::newRow("Traditional Chinese") << QStringList{"zh-Hant-TW"} << "en";
    QTest::newRow("English first") << QStringList{"en-US", "de-DE"} << "en";
    QTest::newRow("C locale") << QStringList{"C"} << "en";
    QTest::newRow("unspoken, then Polish") << QStringList{"sv-SE", "pl-PL"} << "pl";
    QTest::newRow("nothing") << QStringList{} << "en";
}

void TestTranslations::systemLanguages()
{
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QCOMPARE(Translations::languageFor(uiLanguages), language);
}

void TestTranslations::failuresShowTranslatedAndLogEnglish()
{
    const auto message = [] {
        return LocalizedText::translate("SteamCMDSession", "Failed to launch SteamCMD: %1")
            .arg(
                LocalizedText::translate("ShellWords", "the backslash at the end escapes nothing"));
    };
    const QString english =
        QStringLiteral("Failed to launch SteamCMD: the backslash at the end escapes nothing");
    QCOMPARE(message().translated(), english);

    QCOMPARE(Translations::install(QStringLiteral("de")), QStringLiteral("de"));
    QVERIFY(Translations::isTranslating());
    const SteamCMDState failed = SteamCMDState::failed(message());
    QCOMPARE(failed.text(), english);
    QCOMPARE(failed.statusText(), QStringLiteral("ERROR: ") + english);
    QCOMPARE(failed.translatedStatusText(),
             QStringLiteral("FEHLER: SteamCMD konnte nicht gestartet werden: der Backslash am "
                            "Ende maskiert nichts"));
    // A count picks the plural form; the English stays the source's.
    const LocalizedText restarted = LocalizedText::translate(
        "DownloadRun", "SteamCMD asked to be restarted %n times in a row (exit code 42)", "", 6);
    QCOMPARE(restarted.english(),
             QStringLiteral("SteamCMD asked to be restarted 6 times in a row (exit code 42)"));
    QVERIFY2(restarted.translated().startsWith(QStringLiteral("SteamCMD wollte 6-mal")),
             qPrintable(restarted.translated()));
    QCOMPARE(SteamCMDState::idle().translatedStatusText(), QStringLiteral("BEREIT"));
    QCOMPARE(SteamCMDState::downloadingPatch(0.425).translatedStatusText(),
             QStringLiteral("PATCH WIRD GELADEN... 42 %"));
}

void TestTranslations::sizesAndTimesFollowTheLanguage()
{
    qint64 now = 0;
    TransferRate rate([&now] { return now; });
    rate.addSample(0, 3'400'000'000);
    now = 10'000;
    rate.addSample(125'000'000, 3'400'000'000);
    const QString english = rate.text(QStringLiteral("Downloading"));
    // English is the fast path, unchanged.
    QCOMPARE(rate.translatedText(QStringLiteral("Downloading")), english);
    Translations::install(QStringLiteral("de"));
    QCOMPARE(rate.translatedText(QStringLiteral("Download")),
             QStringLiteral("Download · 125,0 MB von 3,4 GB · 12,5 MB/s · noch 5 min"));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
