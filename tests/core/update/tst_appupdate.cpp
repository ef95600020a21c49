// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/AppUpdate.h"
#include "update/UpdateChecker.h"

#include <QJsonDocument>
#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(std::optional<qint64>)

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
    void buildValues_data();
    void buildValues();
    void rejectsWhatIsNotJson_data();
    void rejectsWhatIsNotJson();
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
    QTest::newRow("build negative") << manifestWith("build", "-7") << "1.4.2" << qint64(-7);
    QTest::newRow("build min") << manifestWith("build", "-9223372036854775808") << "1.4.2"
                               << std::numeric_limits<qint64>::min();
    // Beyond 2^53 a double would round this to ...992.
    QTest::newRow("build exact with fraction zero")
        << manifestWith("build", "9007199254740993.0") << "1.4.2" << qint64(9007199254740993LL);
    QTest::newRow("escaped key")
        << QByteArray(
               R"({"version":"1","\u0062uild":7,"downloadURL":"","releaseNotes":"","releaseDate":"","minOSVersion":""})")
        << "1" << qint64(7);
    // The last of duplicate keys counts, for the build as for every member.
    QTest::newRow("duplicate build, last valid")
        << QByteArray(R"({"build":1.5,"version":"1","build":3,"downloadURL":"","releaseNotes":"",)"
                      R"("releaseDate":"","minOSVersion":""})")
        << "1" << qint64(3);
    QTest::newRow("build inside a nested object is not the build")
        << QByteArray(
               R"({"x":{"build":1.5},"version":"1","build":3,"downloadURL":"","releaseNotes":"",)"
               R"("releaseDate":"","minOSVersion":"","y":["build",2.5]})")
        << "1" << qint64(3);
    QTest::newRow("every escape, all four kinds of blank, a byte order mark")
        << QByteArray("\xef\xbb\xbf \t\r\n{ \t\r\n\"version\" \t\r\n: \t\r\n"
                      R"("\"\\\/\b\f\n\r\t\u00e9\ud83d\ude00\u0000",)"
                      R"("build":-0.0e+0,"downloadURL":"","releaseNotes":"","releaseDate":"",)"
                      R"("minOSVersion":"","extra":[0,-0,1E2,1e-2,0.5,true,false,null,{},[]]})"
                      " \t\r\n")
        << QStringLiteral("\"\\/\b\f\n\r\t\u00e9\U0001F600") + QChar(u'\0') << qint64(0);
    QTest::newRow("512 levels of nesting")
        << QByteArray(manifestWith({}, {}))
               .replace("{", "{\"extra\": " + QByteArray(511, '[') + QByteArray(511, ']') + ", ")
        << "1.4.2" << qint64(42);
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
    QTest::addColumn<QString>("reason"); // what decode() tells of it

    const QString notJson = QStringLiteral("it is not JSON");
    const QString notObject = QStringLiteral("it is JSON but not an object");
    const auto field = [](const char *key, const char *what) {
        return QStringLiteral("the field \"%1\" %2").arg(QLatin1String(key), QLatin1String(what));
    };
    const QString buildNotWhole = field("build", "is not a whole number in the 64-bit range");
    QTest::newRow("empty body") << QByteArray() << notJson;
    QTest::newRow("not JSON") << QByteArray("<html><body>404 Not Found</body></html>") << notJson;
    QTest::newRow("truncated") << manifestWith({}, {}).chopped(1) << notJson;
    QTest::newRow("top level array") << "[" + manifestWith({}, {}) + "]" << notObject;
    QTest::newRow("top level string") << QByteArray("\"1.4.2\"") << notObject;
    QTest::newRow("invalid UTF-8") << manifestWith("releaseNotes", "\"caf\xe9\"") << notJson;
    for (const char *key :
         {"version", "build", "downloadURL", "releaseNotes", "releaseDate", "minOSVersion"}) {
        const bool build = qstrcmp(key, "build") == 0;
        QTest::addRow("missing %s", key) << manifestWith(key, {}) << field(key, "is missing");
        QTest::addRow("null %s", key)
            << manifestWith(key, "null") << (build ? buildNotWhole : field(key, "is not a string"));
    }
    for (const char *key :
         {"version", "downloadURL", "releaseNotes", "releaseDate", "minOSVersion"}) {
        const QString notString = field(key, "is not a string");
        QTest::addRow("number %s", key) << manifestWith(key, "1") << notString;
        QTest::addRow("bool %s", key) << manifestWith(key, "true") << notString;
        QTest::addRow("array %s", key) << manifestWith(key, "[\"1\"]") << notString;
        QTest::addRow("object %s", key) << manifestWith(key, "{}") << notString;
    }
    QTest::newRow("key case differs")
        << manifestWith("downloadURL", {}).replace("}", ", \"downloadUrl\": \"u\"}")
        << field("downloadURL", "is missing");
    for (const auto &[name, token] : std::initializer_list<std::pair<const char *, const char *>>{
             {"build string", "\"42\""},
             {"build bool", "true"},
             {"build array", "[42]"},
             {"build fraction", "42.5"},
             {"build tiny fraction", "42.000000000000000000001"},
             {"build negative exponent", "123e-1"},
             {"build 2^63", "9223372036854775808"},
             {"build below min", "-9223372036854775809"},
             {"build 1e19", "1e19"}}) {
        QTest::newRow(name) << manifestWith("build", token) << buildNotWhole;
    }
    QTest::newRow("build huge exponent")
        << manifestWith("build", "1e400")
        << QStringLiteral("it holds a number beyond the range of a double");
    QTest::newRow("duplicate build, last a fraction")
        << QByteArray(R"({"build":3,"version":"1","build":1.5,"downloadURL":"","releaseNotes":"",)"
                      R"("releaseDate":"","minOSVersion":""})")
        << buildNotWhole;
    QTest::newRow("513 levels of nesting")
        << manifestWith({}, {}).replace("{", "{\"extra\": " + QByteArray(512, '[') +
                                                 QByteArray(512, ']') + ", ")
        << QStringLiteral("it is nested more than 512 levels deep");
}

void TestAppUpdate::rejectsBrokenDocuments()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    QCOMPARE(AppUpdate::decode(json), std::nullopt);
    QString told;
    QCOMPARE(AppUpdate::decode(json, &told), std::nullopt);
    QCOMPARE(told, reason);
}

void TestAppUpdate::buildValues_data()
{
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<std::optional<qint64>>("value");
    const qint64 max = std::numeric_limits<qint64>::max();
    const auto row = [](const char *name, const char *token, std::optional<qint64> value) {
        QTest::newRow(name) << QByteArray(token) << value;
    };
    row("zero", "0", 0);
    row("minus zero", "-0", 0);
    row("max", "9223372036854775807", max);
    row("zero fraction huge exponent", "0.000e99999999999999", 0);
    row("exponent plus", "1E+2", 100);
    row("exponent shifts into integer", "100e-2", 1);
    row("exponent on a fraction", "4.2e1", 42);
    row("max in scientific", "9.223372036854775807e18", max);
    row("max with trailing zero digits", "92233720368547758070e-1", max);
    row("min in scientific", "-9.223372036854775808e18", std::numeric_limits<qint64>::min());
    row("just above max", "9.223372036854775808e18", {});
    row("twenty digits", "10000000000000000000", {});
    row("beyond unsigned 64 bits", "18446744073709551616", {});
    row("fraction far right", "1.0000000000000000000000001", {});
    row("below one", "5e-1", {});
    row("huge negative exponent", "1e-99999999999", {});
    // A digit far behind the point, moved back before it by a long exponent.
    row("long fraction, long exponent", ("0." + QByteArray(999, '0') + "1e1001").constData(), 10);
    row("exponent beyond any length", "1e99999999999999999999999", {});
}

void TestAppUpdate::buildValues()
{
    QFETCH(QByteArray, token);
    QFETCH(std::optional<qint64>, value);
    const auto update = AppUpdate::decode(manifestWith("build", token));
    QCOMPARE(update ? std::optional<qint64>(update->build) : std::nullopt, value);
}

void TestAppUpdate::rejectsWhatIsNotJson_data()
{
    // Each row breaks the JSON grammar at one place of an otherwise valid
    // manifest, in a member that is used or in one that is ignored: lenient
    // parsers accept most of these, other platforms' decoders do not.
    QTest::addColumn<QByteArray>("json");
    const auto inNotes = [](const char *name, const QByteArray &text) {
        QTest::addRow("notes: %s", name) << manifestWith("releaseNotes", '"' + text + '"');
    };
    inNotes("raw tab", "a\tb");
    inNotes("raw line feed", "a\nb");
    inNotes("raw carriage return", "a\rb");
    inNotes("raw NUL", QByteArray("a\0b", 3));
    inNotes("raw 0x1f", "a\x1f"
                        "b");
    inNotes("escape \\x", "a\\x41b");
    inNotes("escape \\a", "a\\ab");
    inNotes("escape \\0", "a\\0b");
    inNotes("escape \\v", "a\\vb");
    inNotes("escape \\'", "a\\'b");
    inNotes("escape \\U", "a\\U0041b");
    inNotes("short \\u", "a\\u41b");
    inNotes("\\u with non-hex digits", "a\\u00g1b");
    inNotes("lone high surrogate", "a\\ud800b");
    inNotes("lone low surrogate", "a\\udc00b");
    inNotes("high surrogate then non-surrogate", "\\ud800\\u0041");
    inNotes("backslash at the end", "a\\");
    inNotes("overlong UTF-8", "a\xc0\xafz");
    inNotes("UTF-8 encoded surrogate", "a\xed\xa0\x80z");
    inNotes("UTF-8 beyond U+10FFFF", "a\xf4\x90\x80\x80z");
    inNotes("cut UTF-8 sequence", "a\xe2\x9c");

    const auto number = [](const char *token) {
        QTest::addRow("build %s", token) << manifestWith("build", token);
        QTest::addRow("ignored member %s", token)
            << manifestWith({}, {}).replace("{", "{\"extra\": [" + QByteArray(token) + "], ");
    };
    for (const char *token : {"2.", ".5", "-2.", "+1", "01", "-01", "00", "1e", "1e+", "1.e5",
                              "0x10", "- 1", "1_000", "NaN", "Infinity", "-Infinity", "12x"})
        number(token);

    const auto document = [](const char *name, const QByteArray &json) {
        QTest::newRow(name) << json;
    };
    const QByteArray good = manifestWith({}, {});
    document("single-quoted text", manifestWith("version", "'1.4.2'"));
    document("unquoted key", QByteArray(good).replace("\"build\"", "build"));
    document("single-quoted key", QByteArray(good).replace("\"build\"", "'build'"));
    document("trailing comma in the object", QByteArray(good).replace("}", ",}"));
    document("trailing comma in an array", QByteArray(good).replace("{", "{\"extra\": [1, 2,], "));
    document("missing comma", QByteArray(good).replace("\"1.4.2\",", "\"1.4.2\""));
    document("equals instead of colon", QByteArray(good).replace("\"build\":", "\"build\"="));
    document("line comment", QByteArray(good).replace("{", "{// note\n"));
    document("block comment", QByteArray(good).replace("{", "{/* note */"));
    document("literal True", QByteArray(good).replace("{", "{\"extra\": True, "));
    document("literal NULL", QByteArray(good).replace("{", "{\"extra\": NULL, "));
    document("literal undefined", QByteArray(good).replace("{", "{\"extra\": undefined, "));
    document("form feed between tokens", QByteArray(good).replace(", ", ",\f"));
    document("vertical tab between tokens", QByteArray(good).replace(", ", ",\v"));
    document("no-break space between tokens", QByteArray(good).replace(", ", ",\xc2\xa0"));
    document("text after the document", good + " x");
    document("two documents", good + good);
    document("NUL after the document", good + QByteArray(1, '\0'));
    document("513 levels of nesting",
             QByteArray(good).replace("{", "{\"extra\": " + QByteArray(512, '[') +
                                               QByteArray(512, ']') + ", "));
    document("unclosed nested array", QByteArray(good).replace("{", "{\"extra\": [[1], "));
}

void TestAppUpdate::rejectsWhatIsNotJson()
{
    QFETCH(QByteArray, json);
    QCOMPARE(AppUpdate::decode(json), std::nullopt);
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
    const auto row = [](const char *name, const QString &candidate, const QString &current,
                        bool newer) {
        QTest::newRow(name) << candidate << current << newer;
    };
    row("patch higher", "1.2.1", "1.2.0", true);
    row("numeric not textual", "1.10", "1.9", true);
    row("missing positions are 0", "1.2", "1.2.0", false);
    row("shorter and older", "2.0", "2.0.1", false);
    row("unparsable piece dropped", "2.0-beta", "1.9", true);
    row("leading piece dropped", "rc2.0", "1.0", false);
    row("equal", "1.4.2", "1.4.2", false);
    row("empty against zero", "", "0.0.0", false);
    row("anything against empty", "0.0.1", "", true);
    row("extra dots ignored", "..1..2..", "1.2", false);
    row("plus sign", "+2", "1", true);
    row("negative piece", "-1", "0", false);
    row("dropped piece moves the rest up", "1.x.5", "1.4", true);
    row("space is not a digit", "1. 5", "1.4", false);
    row("non-ASCII digits are not digits", QStringLiteral("1.\uFF15"), "1.4", false);
    row("piece beyond 64 bits dropped", "9223372036854775808.1", "0.5", true);
    row("largest piece kept", "9223372036854775807", "9223372036854775806", true);
    row("sign without digits dropped", "-.3", "2", true);
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
    // An empty version falls back too; any other is taken as it is.
    QCOMPARE(UpdateChecker::currentVersionFrom(configured),
             configured.isEmpty() ? "0.0.0" : configured);
}

QTEST_GUILESS_MAIN(TestAppUpdate)
#include "tst_appupdate.moc"
