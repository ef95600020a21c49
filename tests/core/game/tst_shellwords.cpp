// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/ShellWords.h"

#include <QTest>

class TestShellWords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void split_data();
    void split();
};

void TestShellWords::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("error"); // empty: the text splits

    QTest::newRow("empty") << "" << QStringList{} << "";
    QTest::newRow("blanks only") << " \t\n " << QStringList{} << "";
    QTest::newRow("blanks separate") << "  gamemoderun\tmangohud\n-win  "
                                     << QStringList{"gamemoderun", "mangohud", "-win"} << "";
    QTest::newRow("single quotes are literal")
        << R"('a  b' 'c\d' '"$HOME"')" << QStringList{"a  b", R"(c\d)", R"("$HOME")"} << "";
    QTest::newRow("double quotes escape four characters")
        << R"("a \"b\" \$x \`y\` \\ \n")" << QStringList{R"(a "b" $x `y` \ \n)"} << "";
    QTest::newRow("quote inside the other kind")
        << R"("it's" 'say "hi"')" << QStringList{"it's", R"(say "hi")"} << "";
    QTest::newRow("backslash outside quotes")
        << R"(a\ b \'c \\ \x)" << QStringList{"a b", "'c", R"(\)", "x"} << "";
    QTest::newRow("backslash-newline joins lines")
        << "ab\\\ncd \"ef\\\ngh\"" << QStringList{"abcd", "efgh"} << "";
    QTest::newRow("pieces join into one word")
        << R"(MANGOHUD_CONFIG="fps,frametime" pre'mid'"post"\!)"
        << QStringList{"MANGOHUD_CONFIG=fps,frametime", "premidpost!"} << "";
    QTest::newRow("empty quotes are empty words")
        << R"(a '' "" b)" << QStringList{"a", "", "", "b"} << "";
    QTest::newRow("nothing is expanded or run")
        << "echo;rm -rf ~ | cat && $(id) `id` $HOME ${X} *.txt #no >out"
        << QStringList{"echo;rm", "-rf",   "~",    "|",     "cat", "&&",  "$(id)",
                       "`id`",    "$HOME", "${X}", "*.txt", "#no", ">out"}
        << "";
    QTest::newRow("unclosed single quote")
        << "mangohud 'abc" << QStringList{} << "the single quote at character 10 is never closed";
    QTest::newRow("unclosed double quote")
        << R"(a "b\")" << QStringList{} << "the double quote at character 3 is never closed";
    QTest::newRow("quote closed by the other kind")
        << R"('a")" << QStringList{} << "the single quote at character 1 is never closed";
    QTest::newRow("lone backslash at the end")
        << R"(a b\)" << QStringList{} << "the backslash at the end escapes nothing";
}

void TestShellWords::split()
{
    QFETCH(QString, text);
    QFETCH(QStringList, words);
    QFETCH(QString, error);
    const ShellWords::Result result = ShellWords::split(text);
    QCOMPARE(result.error, error);
    QCOMPARE(result.ok(), error.isEmpty());
    QCOMPARE(result.words, words);
}

QTEST_GUILESS_MAIN(TestShellWords)
#include "tst_shellwords.moc"
