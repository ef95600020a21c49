#include "AppUpdate.h"
#include "UpdateChecker.h"

#include <QJsonDocument>
#include <QTest>

#include <limits>

namespace {

// A valid manifest with one member's source text replaced (or removed when
// `value` is empty), so every failure row differs from a good document in
// exactly one place.
QByteArray manifestWith(const QByteArray &key, const QByteArray &value)
{
    const QList<QPair<QByteArray, QByteArray>> members = {
        {"version", "\"1.4.2\""},
        {"build", "42"},
        {"downloadURL", "\"https://vantor-online.org/download\""},
        {"releaseNotes", "\"Faster downloads.\""},
        {"releaseDate", "\"2024-05-01\""},
        {"minOSVersion", "\"11.0\""},
    };
    QByteArrayList parts;
    for (const auto &[name, text] : members) {
        if (name != key)
            parts << '"' + name + "\": " + text;
        else if (!value.isEmpty())
            parts << '"' + name + "\": " + value;
    }
    return "{" + parts.join(", ") + "}";
}

} // namespace

class TestAppUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodesValidDocuments_data();
    void decodesValidDocuments();
    void rejectsBrokenDocuments_data();
    void rejectsBrokenDocuments();
    void integerTokens_data();
    void integerTokens();
    void encodesBackToTheSameRecord();

    void versionComparison_data();
    void versionComparison();
    void currentValuesFallBack_data();
    void currentValuesFallBack();
};

void TestAppUpdate::decodesValidDocuments_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("build");

    QTest::newRow("plain") << manifestWith({}, {}) << "1.4.2" << qint64(42);
    QTest::newRow("extra keys ignored")
        << QByteArray(
               R"({"channel":"beta","version":"2","build":1,"downloadURL":"u","releaseNotes":"n",
                          "releaseDate":"d","minOSVersion":"m","nested":{"build":"x"},"list":[1,{"a":null}]})")
        << "2" << qint64(1);
    QTest::newRow("empty texts")
        << QByteArray(
               R"({"version":"","build":0,"downloadURL":"","releaseNotes":"","releaseDate":"","minOSVersion":""})")
        << "" << qint64(0);
    QTest::newRow("downloadURL not a URL")
        << manifestWith("downloadURL", "\"::not a url::\"") << "1.4.2" << qint64(42);
    QTest::newRow("build 42.0") << manifestWith("build", "42.0") << "1.4.2" << qint64(42);
    QTest::newRow("build 4.2e1") << manifestWith("build", "4.2e1") << "1.4.2" << qint64(42);
    QTest::newRow("build negative") << manifestWith("build", "-7") << "1.4.2" << qint64(-7);
    QTest::newRow("build max") << manifestWith("build", "9223372036854775807") << "1.4.2"
                               << std::numeric_limits<qint64>::max();
    QTest::newRow("build min") << manifestWith("build", "-9223372036854775808") << "1.4.2"
                               << std::numeric_limits<qint64>::min();
    // Beyond 2^53 a double would round this to ...992.
    QTest::newRow("build exact with fraction zero")
        << manifestWith("build", "9007199254740993.0") << "1.4.2" << qint64(9007199254740993LL);
    QTest::newRow("escaped key")
        << QByteArray(
               R"({"version":"1","\u0062uild":7,"downloadURL":"","releaseNotes":"","releaseDate":"","minOSVersion":""})")
        << "1" << qint64(7);
    // Qt keeps the last of duplicate keys; the build check must look at the same one.
    QTest::newRow("duplicate build, last valid")
        << QByteArray(R"({"build":1.5,"version":"1","build":3,"downloadURL":"","releaseNotes":"",)"
                      R"("releaseDate":"","minOSVersion":""})")
        << "1" << qint64(3);
    QTest::newRow("build inside a nested object is not the build")
        << QByteArray(
               R"({"x":{"build":1.5},"version":"1","build":3,"downloadURL":"","releaseNotes":"",)"
               R"("releaseDate":"","minOSVersion":"","y":["build",2.5]})")
        << "1" << qint64(3);
    QTest::newRow("non-ASCII and escapes in texts")
        << manifestWith("version", R"("1.0 \"ünï\" \u2713")") << QStringLiteral("1.0 \"ünï\" ✓")
        << qint64(42);
}

void TestAppUpdate::decodesValidDocuments()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, version);
    QFETCH(qint64, build);
    const auto update = AppUpdate::decode(json);
    QVERIFY2(update.has_value(), json.constData());
    QCOMPARE(update->version, version);
    QCOMPARE(update->build, build);
}

void TestAppUpdate::rejectsBrokenDocuments_data()
{
    QTest::addColumn<QByteArray>("json");

    QTest::newRow("empty body") << QByteArray();
    QTest::newRow("not JSON") << QByteArray("<html><body>404 Not Found</body></html>");
    QTest::newRow("truncated") << manifestWith({}, {}).chopped(1);
    QTest::newRow("top level array") << "[" + manifestWith({}, {}) + "]";
    QTest::newRow("top level string") << QByteArray("\"1.4.2\"");
    QTest::newRow("invalid UTF-8") << manifestWith("releaseNotes", "\"caf\xe9\"");
    for (const char *key :
         {"version", "build", "downloadURL", "releaseNotes", "releaseDate", "minOSVersion"}) {
        QTest::addRow("missing %s", key) << manifestWith(key, {});
        QTest::addRow("null %s", key) << manifestWith(key, "null");
    }
    for (const char *key :
         {"version", "downloadURL", "releaseNotes", "releaseDate", "minOSVersion"}) {
        QTest::addRow("number %s", key) << manifestWith(key, "1");
        QTest::addRow("bool %s", key) << manifestWith(key, "true");
        QTest::addRow("array %s", key) << manifestWith(key, "[\"1\"]");
        QTest::addRow("object %s", key) << manifestWith(key, "{}");
    }
    QTest::newRow("key case differs")
        << manifestWith("downloadURL", {}).replace("}", ", \"downloadUrl\": \"u\"}");
    QTest::newRow("build string") << manifestWith("build", "\"42\"");
    QTest::newRow("build bool") << manifestWith("build", "true");
    QTest::newRow("build array") << manifestWith("build", "[42]");
    QTest::newRow("build fraction") << manifestWith("build", "42.5");
    QTest::newRow("build tiny fraction") << manifestWith("build", "42.000000000000000000001");
    QTest::newRow("build negative exponent") << manifestWith("build", "123e-1");
    QTest::newRow("build 2^63") << manifestWith("build", "9223372036854775808");
    QTest::newRow("build below min") << manifestWith("build", "-9223372036854775809");
    QTest::newRow("build 1e19") << manifestWith("build", "1e19");
    QTest::newRow("build huge exponent") << manifestWith("build", "1e400");
    QTest::newRow("duplicate build, last a fraction")
        << QByteArray(R"({"build":3,"version":"1","build":1.5,"downloadURL":"","releaseNotes":"",)"
                      R"("releaseDate":"","minOSVersion":""})");
}

void TestAppUpdate::rejectsBrokenDocuments()
{
    QFETCH(QByteArray, json);
    QCOMPARE(AppUpdate::decode(json), std::nullopt);
}

void TestAppUpdate::integerTokens_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("value");

    QTest::newRow("zero") << QByteArray("0") << true << qint64(0);
    QTest::newRow("minus zero") << QByteArray("-0") << true << qint64(0);
    QTest::newRow("zero fraction huge exponent")
        << QByteArray("0.000e99999999999999") << true << qint64(0);
    QTest::newRow("exponent plus") << QByteArray("1E+2") << true << qint64(100);
    QTest::newRow("exponent shifts into integer") << QByteArray("100e-2") << true << qint64(1);
    QTest::newRow("max in scientific")
        << QByteArray("9.223372036854775807e18") << true << std::numeric_limits<qint64>::max();
    QTest::newRow("max with trailing zero digits")
        << QByteArray("92233720368547758070e-1") << true << std::numeric_limits<qint64>::max();
    QTest::newRow("just above max") << QByteArray("9.223372036854775808e18") << false << qint64(0);
    QTest::newRow("twenty digits") << QByteArray("10000000000000000000") << false << qint64(0);
    QTest::newRow("fraction far right")
        << QByteArray("1.0000000000000000000000001") << false << qint64(0);
    QTest::newRow("below one") << QByteArray("5e-1") << false << qint64(0);
    QTest::newRow("huge negative exponent") << QByteArray("1e-99999999999") << false << qint64(0);
    QTest::newRow("empty") << QByteArray() << false << qint64(0);
    QTest::newRow("sign only") << QByteArray("-") << false << qint64(0);
    QTest::newRow("dot without digits") << QByteArray("1.") << false << qint64(0);
    QTest::newRow("exponent without digits") << QByteArray("1e") << false << qint64(0);
    QTest::newRow("trailing garbage") << QByteArray("12x") << false << qint64(0);
}

void TestAppUpdate::integerTokens()
{
    QFETCH(QByteArray, token);
    QFETCH(bool, valid);
    QFETCH(qint64, value);
    const auto result = AppUpdate::integerFromJsonNumber(token);
    QCOMPARE(result.has_value(), valid);
    if (valid)
        QCOMPARE(*result, value);
}

void TestAppUpdate::encodesBackToTheSameRecord()
{
    const AppUpdate update{QStringLiteral("3.0.1"),      std::numeric_limits<qint64>::max() - 1,
                           QStringLiteral("https://x/"), QStringLiteral("Notes\nwith \"quotes\""),
                           QStringLiteral("today"),      QString()};
    const QByteArray json = QJsonDocument(update.toJson()).toJson(QJsonDocument::Compact);
    QVERIFY(json.contains("9223372036854775806"));
    QCOMPARE(AppUpdate::decode(json), update);
}

void TestAppUpdate::versionComparison_data()
{
    QTest::addColumn<QString>("candidate");
    QTest::addColumn<QString>("current");
    QTest::addColumn<bool>("newer");

    QTest::newRow("patch higher") << "1.2.1"
                                  << "1.2.0" << true;
    QTest::newRow("numeric not textual") << "1.10"
                                         << "1.9" << true;
    QTest::newRow("missing positions are 0") << "1.2"
                                             << "1.2.0" << false;
    QTest::newRow("shorter and older") << "2.0"
                                       << "2.0.1" << false;
    QTest::newRow("unparsable piece dropped") << "2.0-beta"
                                              << "1.9" << true;
    QTest::newRow("leading piece dropped") << "rc2.0"
                                           << "1.0" << false;

    QTest::newRow("equal") << "1.4.2"
                           << "1.4.2" << false;
    QTest::newRow("older") << "1.4.1"
                           << "1.4.2" << false;
    QTest::newRow("both empty") << ""
                                << "" << false;
    QTest::newRow("empty against zero") << ""
                                        << "0.0.0" << false;
    QTest::newRow("anything against empty") << "0.0.1"
                                            << "" << true;
    QTest::newRow("extra dots ignored") << "..1..2.."
                                        << "1.2" << false;
    QTest::newRow("plus sign") << "+2"
                               << "1" << true;
    QTest::newRow("negative piece") << "-1"
                                    << "0" << false;
    QTest::newRow("dropped piece moves the rest up") << "1.x.5"
                                                     << "1.4" << true;
    QTest::newRow("space is not a digit") << "1. 5"
                                          << "1.4" << false;
    QTest::newRow("non-ASCII digits are not digits")
        << QStringLiteral("1.\uFF15") << "1.4" << false;
    QTest::newRow("piece beyond 64 bits dropped") << "9223372036854775808.1"
                                                  << "0.5" << true;
    QTest::newRow("largest piece kept") << "9223372036854775807"
                                        << "9223372036854775806" << true;
    QTest::newRow("sign without digits dropped") << "-.3"
                                                 << "2" << true;
}

void TestAppUpdate::versionComparison()
{
    QFETCH(QString, candidate);
    QFETCH(QString, current);
    QFETCH(bool, newer);
    QCOMPARE(UpdateChecker::isNewerVersion(candidate, current), newer);
    // Strictly newer: never both ways at once.
    if (newer)
        QCOMPARE(UpdateChecker::isNewerVersion(current, candidate), false);
}

void TestAppUpdate::currentValuesFallBack_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<qint64>("build");

    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("number") << "57" << qint64(57);
    QTest::newRow("signed") << "+7" << qint64(7);
    QTest::newRow("negative") << "-3" << qint64(-3);
    QTest::newRow("text") << "abc" << qint64(0);
    QTest::newRow("space") << " 5" << qint64(0);
    QTest::newRow("too large") << "9223372036854775808" << qint64(0);
    QTest::newRow("fraction") << "5.0" << qint64(0);
}

void TestAppUpdate::currentValuesFallBack()
{
    QFETCH(QString, configured);
    QFETCH(qint64, build);
    QCOMPARE(UpdateChecker::currentBuildFrom(configured), build);
    QCOMPARE(UpdateChecker::currentVersionFrom(QString()), QStringLiteral("0.0.0"));
    QCOMPARE(UpdateChecker::currentVersionFrom(QStringLiteral("2.1")), QStringLiteral("2.1"));
}

QTEST_GUILESS_MAIN(TestAppUpdate)
#include "tst_appupdate.moc"
