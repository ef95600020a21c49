// SPDX-License-Identifier: GPL-3.0-or-later
#include "ConsoleLines.h"
#include "LoopbackHttpServer.h"
#include "StandInStages.h"
#include "TestHome.h"
#include "steam/SteamCMDManager.h"

#include <QAbstractItemModelTester>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

// The console's line model: growing text becomes inserted rows, an open
// last line grows in place, a replaced text starts afresh.
class TestConsoleLines : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitsGrowingText_data();
    void splitsGrowingText();
    void appendsWithoutReset();
    void replacedTextStartsAfresh_data();
    void replacedTextStartsAfresh();
    void sameTextChangesNothing();
    void linesTextAndCopy();
    void followsTheManagersConsole();
    void stopsFollowingAManagerThatIsGone();

private:
    static QStringList linesOf(const ConsoleLines &model)
    {
        QStringList result;
        for (int i = 0; i < model.rowCount(); ++i)
            result << model.data(model.index(i), ConsoleLines::LineRole).toString();
        return result;
    }
};

void TestConsoleLines::splitsGrowingText_data()
{
    QTest::addColumn<QStringList>("pieces"); // given one after another, each appended
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("whole lines") << QStringList{"a\nb\n"} << QStringList{"a", "b"};
    QTest::newRow("open last line") << QStringList{"a\nb"} << QStringList{"a", "b"};
    QTest::newRow("line split across pieces") << QStringList{"Steam Gu", "ard code:", "> sent\n"}
                                              << QStringList{"Steam Guard code:> sent"};
    QTest::newRow("line end arrives alone")
        << QStringList{"abc", "\n", "def\n"} << QStringList{"abc", "def"};
    QTest::newRow("CRLF") << QStringList{"one\r\ntwo\r", "\nthree\n"}
                          << QStringList{"one", "two", "three"};
    QTest::newRow("empty lines kept")
        << QStringList{"\n[✗] failed\n", "\n"} << QStringList{"", "[✗] failed", ""};
    QTest::newRow("non-BMP text") << QStringList{"🎮 ready\n"} << QStringList{"🎮 ready"};
}

void TestConsoleLines::splitsGrowingText()
{
    QFETCH(QStringList, pieces);
    QFETCH(QStringList, lines);
    ConsoleLines model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QString text;
    for (const QString &piece : pieces) {
        text += piece;
        model.setText(text);
    }
    QCOMPARE(linesOf(model), lines);
    QCOMPARE(model.lineCount(), lines.size());
    QCOMPARE(model.text(), text);
    // Whatever the pieces, the result is the same as the text given at once.
    ConsoleLines whole;
    whole.setText(text);
    QCOMPARE(linesOf(whole), lines);
}

void TestConsoleLines::appendsWithoutReset()
{
    ConsoleLines model;
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    QString text = QStringLiteral("[*] Logging in\n");
    model.setText(text);
    QCOMPARE(resets.count(), 0);
    for (int i = 0; i < 100; ++i) {
        text += QStringLiteral(" Update state (0x61) downloading, progress: %1\n").arg(i);
        model.setText(text);
    }
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserts.count(), 101);
    // Each insert adds only its own rows.
    const QList<QVariant> last = inserts.last();
    QCOMPARE(last.at(1).toInt(), 100);
    QCOMPARE(last.at(2).toInt(), 100);
    QCOMPARE(changes.count(), 0);

    text += QStringLiteral("Steam Guard code:");
    model.setText(text);
    text += QStringLiteral("> submitted\n");
    model.setText(text);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(model.lineCount(), 102);
    QCOMPARE(linesOf(model).last(), QStringLiteral("Steam Guard code:> submitted"));
}

void TestConsoleLines::replacedTextStartsAfresh_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("cleared") << "old run\nline two\n"
                             << "";
    QTest::newRow("shorter") << "old run\nline two\n"
                             << "new\n";
    QTest::newRow("longer, other text") << "old run\n"
                                        << "[*] a different and longer run\n";
    QTest::newRow("same length") << "abc\n"
                                 << "xyz\n";
}

void TestConsoleLines::replacedTextStartsAfresh()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    ConsoleLines model;
    model.setText(first);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.setText(second);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.text(), second);
    ConsoleLines fresh;
    fresh.setText(second);
    QCOMPARE(linesOf(model), linesOf(fresh));
}

void TestConsoleLines::sameTextChangesNothing()
{
    ConsoleLines model;
    model.setText("a\nb\n");
    QSignalSpy text(&model, &ConsoleLines::textChanged);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.setText(QStringLiteral("a\nb\n"));
    QCOMPARE(text.count(), 0);
    QCOMPARE(resets.count(), 0);
}

void TestConsoleLines::linesTextAndCopy()
{
    ConsoleLines model;
    QCOMPARE(model.linesText(0, 5), QString());
    model.setText("one\ntwo\nthree");
    QCOMPARE(model.linesText(0, 1), QStringLiteral("one\ntwo\n"));
    QCOMPARE(model.linesText(2, 0), QStringLiteral("one\ntwo\nthree"));
    QCOMPARE(model.linesText(-5, 99), QStringLiteral("one\ntwo\nthree"));
    model.setText("one\ntwo\nthree\n");
    QCOMPARE(model.linesText(0, 2), model.text());

    QGuiApplication::clipboard()->clear();
    model.copyLines(1, 2);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("two\nthree\n"));
}

void TestConsoleLines::followsTheManagersConsole()
{
    TestHome home;
    QVERIFY(home.isValid());
    SteamCMDManager manager;
    auto plan = startStandInRun(manager);
    QTRY_VERIFY(plan->current);
    Q_EMIT plan->current->log(QStringLiteral("[*] earlier\n"));
    QTRY_VERIFY(!manager.consoleLog().isEmpty());

    ConsoleLines model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setSource(&manager);
    // What the console held already shows at once.
    QCOMPARE(linesOf(model), QStringList{"[*] earlier"});

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    for (const char *piece : {"Steam Gu", "ard code:", "\n", "a\r\nb\n"})
        Q_EMIT plan->current->log(QString::fromUtf8(piece));
    QTRY_VERIFY(manager.consoleLog().endsWith(QStringLiteral("b\n")));
    QCOMPARE(model.text(), manager.consoleLog());
    QCOMPARE(linesOf(model), (QStringList{"[*] earlier", "Steam Guard code:", "a", "b"}));
    QCOMPARE(resets.count(), 0);
    QCOMPARE(inserts.count(), 2);

    // A second writer would show lines twice: the manager is the only one.
    model.setText(QStringLiteral("something else\n"));
    QCOMPARE(model.text(), manager.consoleLog());

    // A new run empties the console: the lines start afresh.
    startStandInRun(manager, {StandInStep::failing("SteamCMD exited with code 5", 5)});
    QTRY_COMPARE(manager.stateKind(), SteamCMDState::Kind::Failed);
    QTRY_VERIFY(manager.consoleLog().contains(QStringLiteral("[✗] ")));
    QCOMPARE(model.text(), manager.consoleLog());
    QCOMPARE(resets.count(), 1);
    QVERIFY(!model.text().contains(QStringLiteral("earlier")));
    ConsoleLines fresh;
    fresh.setText(manager.consoleLog());
    QCOMPARE(linesOf(model), linesOf(fresh));
}

void TestConsoleLines::stopsFollowingAManagerThatIsGone()
{
    ConsoleLines model;
    {
        TestHome home;
        QVERIFY(home.isValid());
        SteamCMDManager manager;
        model.setSource(&manager);
        auto plan = startStandInRun(manager);
        QTRY_VERIFY(plan->current);
        Q_EMIT plan->current->log(QStringLiteral("last words\n"));
        QTRY_COMPARE(model.lineCount(), 1);
    }
    // The lines stay; the text can be written again.
    QCOMPARE(model.source(), nullptr);
    QCOMPARE(linesOf(model), QStringList{"last words"});
    model.setText(QStringLiteral("last words\nmore\n"));
    QCOMPARE(linesOf(model), (QStringList{"last words", "more"}));
}

QTEST_MAIN(TestConsoleLines)
#include "tst_consolelines.moc"
