// SPDX-License-Identifier: GPL-3.0-or-later
#include "QmlHarness.h"
#include "UrlRecorder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

// The window's parts on their own, fed plain values: the console, the update
// banner, the local folder panel, the hint and the launch button.
class TestUiComponents : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void consoleShowsPlaceholderOnlyWhenEmpty();
    void consoleAppendsOnlyTheNewTail();
    void consoleStartsAfreshWhenTheLogIsReplaced_data();
    void consoleStartsAfreshWhenTheLogIsReplaced();
    void consoleFollowsTheEndUntilTheUserScrollsUp();
    void consoleKeepsASelectionInView();
    void consoleTextCanBeCopied();
    void consoleMenuCopiesAndSelectsAll();
    void hiddenConsoleCatchesUpWhenShown();
    void consoleShowsMarkupAsText();

    void bannerTitleAndNotes();
    void bannerButtonsOpenOnlyWebAddresses_data();
    void bannerButtonsOpenOnlyWebAddresses();
    void bannerCloseReportsDismissal();

    void localPanelPathStates_data();
    void localPanelPathStates();
    void longPathIsShortenedInTheMiddle();

    void hintTextAndPicture_data();
    void hintTextAndPicture();

    void launchButtonStates();

private:
    QQuickWindow *show(const QByteArray &body, const QVariantMap &properties = {});
    QmlHarness m_qml;
};

QQuickWindow *TestUiComponents::show(const QByteArray &body, const QVariantMap &properties)
{
    const QByteArray qml = "import QtQuick\nimport VantorLauncher\n"
                           "Window { id: root; width: 800; height: 400; color: 'black'\n" +
                           body + "\n}\n";
    QQuickWindow *window = m_qml.showWindow(qml, properties);
    if (!window)
        qWarning() << m_qml.lastError();
    return window;
}

static const QByteArray kConsole = "property string log: ''\n"
                                   "ConsoleView { objectName: 'console'; width: 500; height: 120;"
                                   " log: root.log }";

namespace {
QObject *consoleLines(QQuickWindow *w)
{
    QQuickItem *console = QmlHarness::item(w, "console");
    return console ? console->findChild<QObject *>("consoleLines") : nullptr;
}
QQuickItem *delegateAt(QQuickItem *list, int row)
{
    QQuickItem *item = nullptr;
    QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, item),
                              Q_ARG(int, row));
    return item;
}
bool atEnd(QQuickItem *list)
{
    return list->property("atYEnd").toBool();
}
} // namespace

void TestUiComponents::consoleShowsPlaceholderOnlyWhenEmpty()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QVERIFY(QmlHarness::isShown(w, "consolePlaceholder"));
    QCOMPARE(QmlHarness::item(w, "consolePlaceholder")->property("text").toString(),
             QStringLiteral("Awaiting command..."));

    w->setProperty("log", "[*] Installing SteamCMD...\n");
    QVERIFY(!QmlHarness::isShown(w, "consolePlaceholder"));
    QQuickItem *list = QmlHarness::item(w, "consoleList");
    QTRY_COMPARE(list->property("count").toInt(), 1);
    QTRY_VERIFY(delegateAt(list, 0));
    QCOMPARE(delegateAt(list, 0)->property("text").toString(),
             QStringLiteral("[*] Installing SteamCMD..."));

    w->setProperty("log", QString());
    QVERIFY(QmlHarness::isShown(w, "consolePlaceholder"));
    QCOMPARE(list->property("count").toInt(), 0);
}

void TestUiComponents::consoleAppendsOnlyTheNewTail()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QObject *lines = consoleLines(w);
    QVERIFY(lines);
    QSignalSpy resets(lines, SIGNAL(modelReset()));
    QString log = QStringLiteral("[*] Logging in user 'player' to Steam Public...\n");
    w->setProperty("log", log);
    for (int i = 0; i < 50; ++i) {
        log += QStringLiteral(" Update state (0x61) downloading, progress: %1.00 (%2 / 87188267)\n")
                   .arg(i)
                   .arg(i * 1000);
        w->setProperty("log", log);
    }
    log += QStringLiteral("[✓] Steam Guard accepted — ⭳ 100%\n");
    w->setProperty("log", log);

    QCOMPARE(resets.count(), 0);
    QCOMPARE(lines->property("text").toString(), log);
    QCOMPARE(QmlHarness::item(w, "consoleList")->property("count").toInt(), 52);
}

void TestUiComponents::consoleStartsAfreshWhenTheLogIsReplaced_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    // The model's own tests cover the ways a text can be replaced; here the
    // view must follow it and drop its selection.
    QTest::newRow("cleared") << "old run\nline two\n"
                             << "";
    QTest::newRow("same length") << "abc\n"
                                 << "xyz\n";
}

void TestUiComponents::consoleStartsAfreshWhenTheLogIsReplaced()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *console = QmlHarness::item(w, "console");
    w->setProperty("log", first);
    QVERIFY(QMetaObject::invokeMethod(console, "selectAll"));
    QCOMPARE(console->property("selectionAnchor").toInt(), 0);
    w->setProperty("log", second);
    QCOMPARE(consoleLines(w)->property("text").toString(), second);
    QCOMPARE(QmlHarness::item(w, "consoleList")->property("count").toInt(),
             int(second.count('\n')));
    // A selection of the old text does not survive.
    QCOMPARE(console->property("selectionAnchor").toInt(), -1);
}

namespace {
// Turns the mouse wheel over the item, as a user scrolling it.
void wheel(QQuickWindow *w, QQuickItem *item, int notches)
{
    const QPointF local(item->width() / 2, item->height() / 2);
    const QPointF scene = item->mapToScene(local);
    QWheelEvent event(scene, w->mapToGlobal(scene), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    // Wheel turns are told apart by their time.
    static ulong timestamp = 1000;
    timestamp += 1000;
    event.setTimestamp(timestamp);
    QGuiApplication::sendEvent(w, &event);
}
// The line at the top of the visible part of the list.
int topRow(QQuickItem *list)
{
    int row = -1;
    QMetaObject::invokeMethod(
        list, "indexAt", Q_RETURN_ARG(int, row), Q_ARG(qreal, 20),
        Q_ARG(qreal, list->property("contentY").toReal() + list->height() / 2));
    return row;
}
} // namespace

void TestUiComponents::consoleFollowsTheEndUntilTheUserScrollsUp()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *console = QmlHarness::item(w, "console");
    QQuickItem *list = QmlHarness::item(w, "consoleList");
    QString log;
    for (int i = 0; i < 200; ++i)
        log += QStringLiteral("line %1\n").arg(i);
    w->setProperty("log", log);
    QTRY_VERIFY(atEnd(list) && !list->property("atYBeginning").toBool());

    // The user scrolls up: new output leaves the view where it is.
    wheel(w, console, 3);
    QTRY_VERIFY(!atEnd(list));
    QTRY_VERIFY(!console->property("following").toBool());
    QTRY_VERIFY(!list->property("moving").toBool());
    const int readingAt = topRow(list);
    log += QStringLiteral("one more line\n");
    w->setProperty("log", log);
    QTest::qWait(100);
    QCOMPARE(topRow(list), readingAt);
    QVERIFY(!atEnd(list));

    // Back at the end, it follows again.
    // (As a drag of the scroll bar to the bottom would.)
    QVERIFY(QMetaObject::invokeMethod(list, "positionViewAtEnd"));
    QVERIFY(QMetaObject::invokeMethod(console, "userScrolled"));
    QTRY_VERIFY(atEnd(list));
    QTRY_VERIFY(console->property("following").toBool());
    w->setProperty("log", log + QStringLiteral("and another\nSteam Guard code:"));
    QTRY_VERIFY(atEnd(list));
    QTRY_COMPARE(list->property("count").toInt(), 203);

    // A new run (the log replaced) starts at its end again.
    QVERIFY(QMetaObject::invokeMethod(list, "positionViewAtBeginning"));
    QVERIFY(QMetaObject::invokeMethod(console, "userScrolled"));
    QVERIFY(!console->property("following").toBool());
    QString fresh;
    for (int i = 0; i < 100; ++i)
        fresh += QStringLiteral("fresh %1\n").arg(i);
    w->setProperty("log", fresh);
    QTRY_VERIFY(atEnd(list));
}

void TestUiComponents::consoleKeepsASelectionInView()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *console = QmlHarness::item(w, "console");
    QQuickItem *list = QmlHarness::item(w, "consoleList");
    QString log;
    for (int i = 0; i < 100; ++i)
        log += QStringLiteral("line %1\n").arg(i);
    w->setProperty("log", log);
    QTRY_VERIFY(atEnd(list) && !list->property("atYBeginning").toBool());
    // Clicking a line selects it; output that follows does not move it away.
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier,
                      console->mapToScene(QPointF(40, 40)).toPoint());
    QVERIFY(console->property("selectionAnchor").toInt() >= 0);
    const int at = topRow(list);
    for (int i = 0; i < 20; ++i)
        log += QStringLiteral("more %1\n").arg(i);
    w->setProperty("log", log);
    QTest::qWait(100);
    QCOMPARE(topRow(list), at);
}

void TestUiComponents::consoleTextCanBeCopied()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    w->setProperty("log", "[*] first\n[✗] Download failed\nthird\n");
    QQuickItem *list = QmlHarness::item(w, "consoleList");
    QTRY_VERIFY(delegateAt(list, 2));
    QQuickItem *first = delegateAt(list, 0);
    QQuickItem *second = delegateAt(list, 1);

    // Drag from the first line to the second selects both; Ctrl+C copies them.
    const QPoint from = first->mapToScene(QPointF(30, first->height() / 2)).toPoint();
    const QPoint to = second->mapToScene(QPointF(60, second->height() / 2)).toPoint();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(w, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("[*] first\n[✗] Download failed\n"));

    // Select all.
    QTest::keySequence(w, QKeySequence::SelectAll);
    QTest::keySequence(w, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("[*] first\n[✗] Download failed\nthird\n"));

    // Shift-click extends from the anchor.
    const QPoint third = delegateAt(list, 2)->mapToScene(QPointF(30, 5)).toPoint();
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, to);
    QTest::mouseClick(w, Qt::LeftButton, Qt::ShiftModifier, third);
    QTest::keySequence(w, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("[✗] Download failed\nthird\n"));
}

void TestUiComponents::consoleMenuCopiesAndSelectsAll()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *console = QmlHarness::item(w, "console");
    w->setProperty("log", "alpha\nbeta\n");
    QTRY_COMPARE(consoleLines(w)->property("lineCount").toInt(), 2);
    const QPoint at = console->mapToScene(QPointF(60, 20)).toPoint();
    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, at);
    QObject *menu = console->findChild<QObject *>("consoleMenu");
    QVERIFY(menu);
    QTRY_VERIFY(menu->property("opened").toBool());
    // Nothing selected yet: Copy is off, Select All on.
    QQuickItem *copy = QmlHarness::item(w, "consoleCopyItem");
    QQuickItem *selectAll = QmlHarness::item(w, "consoleSelectAllItem");
    QVERIFY(copy && selectAll);
    QVERIFY(!copy->isEnabled());
    QVERIFY(QmlHarness::click(w, selectAll));
    QTRY_VERIFY(!menu->property("visible").toBool());
    QCOMPARE(console->property("selectionFirst").toInt(), 0);
    QCOMPARE(console->property("selectionLast").toInt(), 1);

    QTest::mouseClick(w, Qt::RightButton, Qt::NoModifier, at);
    QTRY_VERIFY(menu->property("opened").toBool());
    QVERIFY(copy->isEnabled());
    QGuiApplication::clipboard()->clear();
    QVERIFY(QmlHarness::click(w, copy));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("alpha\nbeta\n"));
}

void TestUiComponents::hiddenConsoleCatchesUpWhenShown()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *console = QmlHarness::item(w, "console");
    QObject *lines = consoleLines(w);
    w->setProperty("log", "one\n");
    console->setVisible(false);
    w->setProperty("log", "one\ntwo\n");
    // Hidden: nothing is done.
    QCOMPARE(lines->property("text").toString(), QStringLiteral("one\n"));
    w->setProperty("log", "one\ntwo\nthree\n");
    console->setVisible(true);
    QCOMPARE(lines->property("text").toString(), QStringLiteral("one\ntwo\nthree\n"));
    // Replaced while hidden: shown afresh.
    console->setVisible(false);
    w->setProperty("log", "new run\n");
    console->setVisible(true);
    QCOMPARE(lines->property("text").toString(), QStringLiteral("new run\n"));
    QCOMPARE(lines->property("lineCount").toInt(), 1);
}

void TestUiComponents::consoleShowsMarkupAsText()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    w->setProperty("log", QStringLiteral("<b>not bold</b> &amp; <img src=x>\n"));
    QQuickItem *list = QmlHarness::item(w, "consoleList");
    QTRY_VERIFY(delegateAt(list, 0));
    QQuickItem *line = delegateAt(list, 0);
    QCOMPARE(line->property("textFormat").toInt(), 0 /* Text.PlainText */);
    QCOMPARE(line->property("text").toString(),
             QStringLiteral("<b>not bold</b> &amp; <img src=x>"));
}

// As wide as the banner at the smallest window size.
static const QByteArray kBanner =
    "property bool closed: false\n"
    "property string notes: ''\n"
    "property string address: ''\n"
    "UpdateBanner { objectName: 'banner'; width: 740; version: '2.1.0';"
    " releaseNotes: root.notes; downloadURL: root.address; onDismissed: root.closed = true }";

void TestUiComponents::bannerTitleAndNotes()
{
    const QString notes =
        QStringLiteral("<b>Faster downloads</b>\nFixed the Steam Guard prompt\nNew console\n"
                       "Fourth line that must not be shown\nFifth line");
    QQuickWindow *w = show(kBanner, {{"notes", notes}});
    QVERIFY(w);
    QCOMPARE(QmlHarness::item(w, "bannerTitle")->property("text").toString(),
             QStringLiteral("UPDATE AVAILABLE: v2.1.0"));

    QQuickItem *notesText = QmlHarness::item(w, "bannerNotes");
    // Plain text: the markup is shown, not interpreted.
    QCOMPARE(notesText->property("textFormat").toInt(), 0 /* Text.PlainText */);
    QCOMPARE(notesText->property("text").toString(), notes);
    // Cut to two lines beside the buttons (once the row is laid out).
    QTRY_COMPARE(notesText->property("lineCount").toInt(), 2);
    QVERIFY(notesText->property("truncated").toBool());

    w->setProperty("notes", "One line only");
    QTRY_COMPARE(notesText->property("lineCount").toInt(), 1);
    QVERIFY(!notesText->property("truncated").toBool());
}

void TestUiComponents::bannerButtonsOpenOnlyWebAddresses_data()
{
    QTest::addColumn<QString>("downloadURL");
    QTest::addColumn<bool>("opens");
    QTest::newRow("https") << "https://vantor-online.org/download/2.1.0" << true;
    QTest::newRow("file") << "file:///usr/bin/xterm" << false;
    QTest::newRow("custom scheme") << "steam://run/4187530" << false;
    QTest::newRow("not a URL") << "definitely not an address" << false;
    QTest::newRow("empty") << "" << false;
}

void TestUiComponents::bannerButtonsOpenOnlyWebAddresses()
{
    QFETCH(QString, downloadURL);
    QFETCH(bool, opens);
    UrlRecorder recorder;
    QQuickWindow *w = show(kBanner, {{"address", downloadURL}});
    QVERIFY(w);
    QVERIFY(QmlHarness::click(w, QmlHarness::item(w, "downloadUpdateButton")));
    if (opens)
        QCOMPARE(recorder.opened, QList<QUrl>{QUrl(downloadURL)});
    else
        QVERIFY(recorder.opened.isEmpty());

    recorder.opened.clear();
    QVERIFY(QmlHarness::click(w, QmlHarness::item(w, "seeDetailsButton")));
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl("https://vantor-online.org")});
    QVERIFY(!w->property("closed").toBool());
}

void TestUiComponents::bannerCloseReportsDismissal()
{
    QQuickWindow *w = show(kBanner);
    QVERIFY(w);
    QVERIFY(QmlHarness::click(w, QmlHarness::item(w, "bannerCloseButton")));
    QVERIFY(w->property("closed").toBool());
}

static const QByteArray kLocal = "property string path: ''\n"
                                 "property bool valid: false\n"
                                 "property int locates: 0\n"
                                 "LocalTab { objectName: 'local'; width: 600;"
                                 " installPath: root.path; isPathValid: root.valid;"
                                 " onLocateClicked: root.locates++ }";

void TestUiComponents::localPanelPathStates_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("warning");
    QTest::newRow("empty") << "" << false << "NO SIGNAL — AWAITING FOLDER TARGET" << false;
    QTest::newRow("invalid") << "/home/p/Games" << false << "/home/p/Games" << true;
    QTest::newRow("valid") << "/home/p/Games" << true << "/home/p/Games" << false;
}

void TestUiComponents::localPanelPathStates()
{
    QFETCH(QString, path);
    QFETCH(bool, valid);
    QFETCH(QString, shown);
    QFETCH(bool, warning);
    QQuickWindow *w = show(kLocal, {{"path", path}, {"valid", valid}});
    QVERIFY(w);
    QCOMPARE(QmlHarness::item(w, "pathText")->property("text").toString(), shown);
    QCOMPARE(QmlHarness::isShown(w, "validationWarning"), warning);
    QCOMPARE(QmlHarness::item(w, "validationWarningText")->property("text").toString(),
             QStringLiteral("INVALID TARGET — No ini.big / inidl.big detected in subdirectories"));

    QVERIFY(QmlHarness::click(w, QmlHarness::item(w, "locateButton")));
    QCOMPARE(w->property("locates").toInt(), 1);
}

void TestUiComponents::longPathIsShortenedInTheMiddle()
{
    const QString start = QStringLiteral("/home/player/Very Long Folder Name");
    const QString end = QStringLiteral("Vantor Online Windows Install");
    QString path = start;
    for (int i = 0; i < 20; ++i)
        path += QStringLiteral("/nested folder %1").arg(i);
    path += QLatin1Char('/') + end;
    QQuickWindow *w = show(kLocal, {{"path", path}});
    QVERIFY(w);
    QQuickItem *text = QmlHarness::item(w, "pathText");
    QCOMPARE(text->property("lineCount").toInt(), 1);
    QVERIFY(text->property("truncated").toBool());
    QCOMPARE(text->property("elide").toInt(), int(Qt::ElideMiddle));
    QVERIFY(text->property("contentWidth").toReal() <= text->width() + 1);
}

static const QByteArray kHint = "property bool local: false\n"
                                "property url picture\n"
                                "TargetRequiredHint { objectName: 'hint'; localTab: root.local;"
                                " picture: root.picture; maximumWidth: 680 }";

void TestUiComponents::hintTextAndPicture_data()
{
    QTest::addColumn<bool>("local");
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("pictureShown");
    const QString steam = QStringLiteral("DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH");
    const QString local =
        QStringLiteral("SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS");
    QTest::newRow("steam, picture available") << false << true << steam << false;
    QTest::newRow("local with picture") << true << true << local << true;
    QTest::newRow("local without picture") << true << false << local << false;
}

void TestUiComponents::hintTextAndPicture()
{
    QFETCH(bool, local);
    QFETCH(bool, withPicture);
    QFETCH(QString, text);
    QFETCH(bool, pictureShown);
    const QUrl picture = withPicture ? QUrl("qrc:/VantorLauncher/images/dir_image.png") : QUrl();
    QQuickWindow *w = show(kHint, {{"local", local}, {"picture", picture}});
    QVERIFY(w);
    QCOMPARE(QmlHarness::item(w, "hintText")->property("text").toString(), text);
    QCOMPARE(QmlHarness::isShown(w, "hintPicture"), pictureShown);
    if (pictureShown)
        QVERIFY(QmlHarness::item(w, "hintPicture")->height() <= 60 + 2);
}

void TestUiComponents::launchButtonStates()
{
    const QByteArray qml = "property bool launching: false\n"
                           "property int clicks: 0\n"
                           "LaunchButton { objectName: 'launch'; launching: root.launching;"
                           " onClicked: root.clicks++ }";
    QQuickWindow *w = show(qml);
    QVERIFY(w);
    QQuickItem *button = QmlHarness::item(w, "launch");
    QCOMPARE(QmlHarness::item(w, "launchLabel")->property("text").toString(),
             QStringLiteral("LAUNCH"));
    QVERIFY(QmlHarness::isShown(w, "launchIcon"));
    QVERIFY(!QmlHarness::isShown(w, "launchSpinner"));
    QVERIFY(QmlHarness::click(w, button));
    QCOMPARE(w->property("clicks").toInt(), 1);

    w->setProperty("launching", true);
    QCOMPARE(QmlHarness::item(w, "launchLabel")->property("text").toString(),
             QStringLiteral("INITIALIZING..."));
    QVERIFY(QmlHarness::isShown(w, "launchSpinner"));
    QVERIFY(!QmlHarness::isShown(w, "launchIcon"));
    QVERIFY(!button->isEnabled());
    QVERIFY(QmlHarness::click(w, button));
    QCOMPARE(w->property("clicks").toInt(), 1);
}

QTEST_MAIN(TestUiComponents)
#include "tst_uicomponents.moc"
