#include "QmlHarness.h"
#include "UrlRecorder.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>

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
    void consoleFollowsTheEndEvenWhenScrolledUp();
    void consoleTextCanBeCopied();
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
                           "Window { id: root; width: 700; height: 400; color: 'black'\n" +
                           body + "\n}\n";
    QQuickWindow *window = m_qml.showWindow(qml, properties);
    if (!window)
        qWarning() << m_qml.lastError();
    return window;
}

static const QByteArray kConsole = "property string log: ''\n"
                                   "ConsoleView { objectName: 'console'; width: 500; height: 120;"
                                   " log: root.log }";

void TestUiComponents::consoleShowsPlaceholderOnlyWhenEmpty()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QVERIFY(QmlHarness::isShown(w, "consolePlaceholder"));
    QCOMPARE(QmlHarness::item(w, "consolePlaceholder")->property("text").toString(),
             QStringLiteral("Awaiting command..."));

    w->setProperty("log", "[*] Installing SteamCMD...\n");
    QVERIFY(!QmlHarness::isShown(w, "consolePlaceholder"));
    QCOMPARE(QmlHarness::item(w, "consoleText")->property("text").toString(),
             QStringLiteral("[*] Installing SteamCMD...\n"));

    w->setProperty("log", QString());
    QVERIFY(QmlHarness::isShown(w, "consolePlaceholder"));
    QCOMPARE(QmlHarness::item(w, "consoleText")->property("text").toString(), QString());
}

void TestUiComponents::consoleAppendsOnlyTheNewTail()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *text = QmlHarness::item(w, "consoleText");
    QString log = QStringLiteral("[*] Logging in user 'player' to Steam Public...\n");
    w->setProperty("log", log);

    // A selection at the start survives appends only when the document is
    // extended rather than replaced.
    QVERIFY(QMetaObject::invokeMethod(text, "select", Q_ARG(int, 0), Q_ARG(int, 3)));
    for (int i = 0; i < 50; ++i) {
        log += QStringLiteral(" Update state (0x61) downloading, progress: %1.00 (%2 / 87188267)\n")
                   .arg(i)
                   .arg(i * 1000);
        w->setProperty("log", log);
    }
    log += QStringLiteral("[✓] Steam Guard accepted — ⭳ 100%\n");
    w->setProperty("log", log);

    QCOMPARE(text->property("text").toString(), log);
    QCOMPARE(text->property("selectionStart").toInt(), 0);
    QCOMPARE(text->property("selectionEnd").toInt(), 3);
    QCOMPARE(text->property("selectedText").toString(), QStringLiteral("[*]"));
}

void TestUiComponents::consoleStartsAfreshWhenTheLogIsReplaced_data()
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

void TestUiComponents::consoleStartsAfreshWhenTheLogIsReplaced()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *text = QmlHarness::item(w, "consoleText");
    w->setProperty("log", first);
    QVERIFY(QMetaObject::invokeMethod(text, "select", Q_ARG(int, 0), Q_ARG(int, 2)));
    w->setProperty("log", second);
    QCOMPARE(text->property("text").toString(), second);
    QCOMPARE(text->property("selectedText").toString(), QString());
}

void TestUiComponents::consoleFollowsTheEndEvenWhenScrolledUp()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *flick = QmlHarness::item(w, "consoleFlickable");
    QString log;
    for (int i = 0; i < 200; ++i)
        log += QStringLiteral("line %1\n").arg(i);
    w->setProperty("log", log);
    QTRY_VERIFY(flick->property("contentHeight").toReal() > flick->height() * 5);
    auto atEnd = [&] {
        const qreal end = flick->property("contentHeight").toReal() - flick->height();
        return qAbs(flick->property("contentY").toReal() - end) < 1.0;
    };
    QTRY_VERIFY(atEnd());

    // The user scrolls to the top; the next output brings the end back.
    flick->setProperty("contentY", 0);
    QVERIFY(!atEnd());
    w->setProperty("log", log + QStringLiteral("one more line\n"));
    QTRY_VERIFY(atEnd());
    QVERIFY(flick->property("contentY").toReal() > 0);
}

void TestUiComponents::consoleTextCanBeCopied()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *text = QmlHarness::item(w, "consoleText");
    w->setProperty("log", "[✗] Download failed\n");
    QCOMPARE(text->property("readOnly").toBool(), true);
    QCOMPARE(text->property("selectByMouse").toBool(), true);

    QGuiApplication::clipboard()->clear();
    text->forceActiveFocus();
    QVERIFY(QMetaObject::invokeMethod(text, "selectAll"));
    QTest::keySequence(w, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("[✗] Download failed\n"));

    // Read only: typing changes nothing.
    QTest::keyClick(w, Qt::Key_X);
    QTest::keyClick(w, Qt::Key_Backspace);
    QCOMPARE(text->property("text").toString(), QStringLiteral("[✗] Download failed\n"));
}

void TestUiComponents::hiddenConsoleCatchesUpWhenShown()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    QQuickItem *console = QmlHarness::item(w, "console");
    QQuickItem *text = QmlHarness::item(w, "consoleText");
    w->setProperty("log", "one\n");
    console->setVisible(false);
    w->setProperty("log", "one\ntwo\n");
    w->setProperty("log", "one\ntwo\nthree\n");
    console->setVisible(true);
    QCOMPARE(text->property("text").toString(), QStringLiteral("one\ntwo\nthree\n"));
    // Replaced while hidden: shown afresh.
    console->setVisible(false);
    w->setProperty("log", "new run\n");
    console->setVisible(true);
    QCOMPARE(text->property("text").toString(), QStringLiteral("new run\n"));
}

void TestUiComponents::consoleShowsMarkupAsText()
{
    QQuickWindow *w = show(kConsole);
    QVERIFY(w);
    const QString log = QStringLiteral("<b>not bold</b> &amp; <img src=x>\n");
    w->setProperty("log", log);
    QCOMPARE(QmlHarness::item(w, "consoleText")->property("text").toString(), log);
}

static const QByteArray kBanner =
    "property bool closed: false\n"
    "property string notes: ''\n"
    "property string address: ''\n"
    "UpdateBanner { objectName: 'banner'; width: 560; version: '2.1.0';"
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
    QCOMPARE(notesText->property("lineCount").toInt(), 3);
    QVERIFY(notesText->property("truncated").toBool());

    w->setProperty("notes", "One line only");
    QCOMPARE(notesText->property("lineCount").toInt(), 1);
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
