// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconProvider.h"
#include "LinkOpener.h"
#include "RoundedPictureProvider.h"
#include "UiSupport.h"
#include "UrlRecorder.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

// The helpers behind the window: which addresses may be opened, how pictures
// are found (and found missing), and how symbols are painted.
class TestUiSupport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundedPicturesHaveTransparentCorners();
    void webUrl_data();
    void webUrl();
    void openHandsOnlyWebAddresses();
    void uiOpenLinkGoesThroughTheSameCheck();

    void picturesFromTheLauncher_data();
    void picturesFromTheLauncher();
    void pictureSearchFollowsThePath();
    void unreadablePictureCountsAsMissing();
    void pictureNamesCannotLeaveTheFolder();

    void iconIsPaintedInTheAskedColour();
    void iconKeepsTheColoursOpacity();
    void unknownOrHostileIconNamesDrawNothing_data();
    void unknownOrHostileIconNamesDrawNothing();
    void iconSourceEncodesTheColour();

    void versionFallsBackToOnePointZero();

    void cleanup() { UiSupport::setPictureSearchPath(UiSupport::defaultPictureSearchPath()); }
};

void TestUiSupport::webUrl_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("expected"); // empty: refused

    QTest::newRow("https") << "https://vantor-online.org"
                           << "https://vantor-online.org";
    QTest::newRow("http with path") << "http://example.org/a/b?c=d"
                                    << "http://example.org/a/b?c=d";
    QTest::newRow("upper-case scheme") << "HTTPS://example.org/x"
                                       << "https://example.org/x";
    QTest::newRow("surrounding spaces") << "  https://example.org/  "
                                        << "https://example.org/";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("spaces only") << "   "
                                 << "";
    QTest::newRow("no host") << "https://"
                             << "";
    QTest::newRow("relative") << "/tmp/launcher.zip"
                              << "";
    QTest::newRow("file") << "file:///usr/bin/xterm"
                          << "";
    QTest::newRow("javascript") << "javascript:alert(1)"
                                << "";
    QTest::newRow("ftp") << "ftp://example.org/update.zip"
                         << "";
    QTest::newRow("custom scheme") << "steam://install/4187530"
                                   << "";
    QTest::newRow("not a URL") << "http://exa mple.org/%zz"
                               << "";
}

void TestUiSupport::webUrl()
{
    QFETCH(QString, address);
    QFETCH(QString, expected);
    const std::optional<QUrl> url = LinkOpener::webUrl(address);
    if (expected.isEmpty()) {
        QVERIFY2(!url, qPrintable(url ? url->toString() : QString()));
    } else {
        QVERIFY(url);
        QCOMPARE(url->toString(), expected);
    }
}

void TestUiSupport::openHandsOnlyWebAddresses()
{
    UrlRecorder recorder;
    QVERIFY(!LinkOpener::open("file:///etc/passwd"));
    QVERIFY(!LinkOpener::open("steam://run/1"));
    QVERIFY(!LinkOpener::open("javascript:alert(1)"));
    QVERIFY(recorder.opened.isEmpty());

    QVERIFY(LinkOpener::open("https://t.me/vantoronline"));
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl("https://t.me/vantoronline")});
}

void TestUiSupport::uiOpenLinkGoesThroughTheSameCheck()
{
    UrlRecorder recorder;
    UiSupport ui(nullptr);
    QVERIFY(!ui.openLink("file:///tmp"));
    QVERIFY(ui.openLink(ui.websiteURL()));
    QVERIFY(ui.openLink(ui.telegramURL()));
    QVERIFY(ui.openLink(ui.githubURL()));
    QCOMPARE(recorder.opened.size(), 3);
    for (const QUrl &url : recorder.opened)
        QCOMPARE(url.scheme(), QStringLiteral("https"));
}

void TestUiSupport::picturesFromTheLauncher_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("present");
    QTest::newRow("background") << "background" << true;
    QTest::newRow("author_logo") << "author_logo" << true;
    QTest::newRow("dir_image") << "dir_image" << true;
    QTest::newRow("unknown") << "no_such_picture" << false;
}

void TestUiSupport::picturesFromTheLauncher()
{
    QFETCH(QString, name);
    QFETCH(bool, present);
    UiSupport ui(nullptr);
    const QUrl url = ui.picture(name);
    QCOMPARE(!url.isEmpty(), present);
    if (present) {
        QCOMPARE(url.scheme(), QStringLiteral("qrc"));
        QVERIFY(!QImage(":" + url.path()).isNull());
    }
}

void TestUiSupport::pictureSearchFollowsThePath()
{
    QTemporaryDir first;
    QTemporaryDir second;
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QVERIFY(red.save(QDir(second.path()).filePath("background.png")));
    QVERIFY(red.save(QDir(first.path()).filePath("AppIcon.png")));

    UiSupport::setPictureSearchPath({first.path(), second.path()});
    UiSupport ui(nullptr);
    QCOMPARE(ui.picture("background"),
             QUrl::fromLocalFile(QDir(second.path()).filePath("background.png")));
    QCOMPARE(ui.picture("AppIcon"),
             QUrl::fromLocalFile(QDir(first.path()).filePath("AppIcon.png")));
    // The launcher's own pictures are no longer on the path.
    QVERIFY(ui.picture("author_logo").isEmpty());

    UiSupport::setPictureSearchPath({});
    QVERIFY(ui.picture("background").isEmpty());
}

void TestUiSupport::unreadablePictureCountsAsMissing()
{
    QTemporaryDir dir;
    QFile broken(QDir(dir.path()).filePath("background.png"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a picture");
    broken.close();
    QVERIFY(QDir(dir.path()).mkdir("author_logo.png")); // a folder, not a file

    UiSupport::setPictureSearchPath({dir.path()});
    UiSupport ui(nullptr);
    QVERIFY(ui.picture("background").isEmpty());
    QVERIFY(ui.picture("author_logo").isEmpty());
}

void TestUiSupport::pictureNamesCannotLeaveTheFolder()
{
    QTemporaryDir dir;
    QImage img(2, 2, QImage::Format_RGB32);
    img.fill(Qt::blue);
    QVERIFY(QDir(dir.path()).mkdir("inner"));
    QVERIFY(img.save(QDir(dir.path()).filePath("outside.png")));
    UiSupport::setPictureSearchPath({QDir(dir.path()).filePath("inner")});
    UiSupport ui(nullptr);
    QVERIFY(ui.picture("../outside").isEmpty());
    QVERIFY(ui.picture("").isEmpty());
}

void TestUiSupport::iconIsPaintedInTheAskedColour()
{
    IconProvider provider;
    QSize size;
    const QImage image = provider.requestImage("play.fill/ff1a80ff", &size, QSize(48, 48));
    QCOMPARE(size, QSize(48, 48));
    QCOMPARE(image.size(), QSize(48, 48));
    // Inside the triangle: the colour; outside (top-right corner): nothing.
    const QColor inside = image.pixelColor(24, 24);
    QCOMPARE(inside.alpha(), 255);
    QCOMPARE(inside.rgb(), QColor("#1a80ff").rgb());
    QCOMPARE(image.pixelColor(46, 2).alpha(), 0);

    // The same drawing in another colour.
    const QImage green = provider.requestImage("play.fill/ff1ae666", nullptr, QSize(48, 48));
    QCOMPARE(green.pixelColor(24, 24).rgb(), QColor("#1ae666").rgb());
}

void TestUiSupport::iconKeepsTheColoursOpacity()
{
    IconProvider provider;
    const QImage image = provider.requestImage("folder.fill/80ffffff", nullptr, QSize(32, 32));
    const QColor c = image.pixelColor(16, 16);
    QVERIFY2(qAbs(c.alpha() - 128) <= 2, qPrintable(QString::number(c.alpha())));
}

void TestUiSupport::unknownOrHostileIconNamesDrawNothing_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("unknown symbol") << "no.such.symbol/ffffffff";
    QTest::newRow("path traversal") << "../../etc/passwd/ffffffff";
    QTest::newRow("slash in name") << "icons/xmark";
}

void TestUiSupport::unknownOrHostileIconNamesDrawNothing()
{
    QFETCH(QString, id);
    IconProvider provider;
    const QImage image = provider.requestImage(id, nullptr, QSize(16, 16));
    QCOMPARE(image.size(), QSize(16, 16));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            QCOMPARE(image.pixelColor(x, y).alpha(), 0);
}

void TestUiSupport::iconSourceEncodesTheColour()
{
    UiSupport ui(nullptr);
    const QUrl url = ui.iconSource("xmark", QColor::fromRgbF(1, 1, 1, 0.5));
    QCOMPARE(url.scheme(), QStringLiteral("image"));
    QCOMPARE(url.host(), QStringLiteral("vantoricon"));
    // No '#' (it would start a fragment and lose the colour).
    QVERIFY(!url.toString().contains('#'));
    QCOMPARE(url.path(), QStringLiteral("/xmark/80ffffff"));

    // Whatever the source names, the provider draws the same symbol and colour.
    IconProvider provider;
    const QImage image = provider.requestImage(url.path().mid(1), nullptr, QSize(24, 24));
    bool painted = false;
    for (int y = 0; y < 24 && !painted; ++y)
        for (int x = 0; x < 24 && !painted; ++x)
            painted = image.pixelColor(x, y).alpha() > 100;
    QVERIFY(painted);
}

void TestUiSupport::versionFallsBackToOnePointZero()
{
    QCoreApplication::setApplicationVersion(QString());
    QCOMPARE(UiSupport::version(), QStringLiteral("1.0"));
    QCoreApplication::setApplicationVersion("2.1");
    QCOMPARE(UiSupport::version(), QStringLiteral("2.1"));
}

void TestUiSupport::roundedPicturesHaveTransparentCorners()
{
    QImage square(40, 40, QImage::Format_ARGB32);
    square.fill(Qt::red);
    const QImage circle = RoundedPictureProvider::rounded(square, 0.5);
    QCOMPARE(circle.size(), square.size());
    QCOMPARE(qAlpha(circle.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(circle.pixel(39, 39)), 0);
    QCOMPARE(circle.pixelColor(20, 20), QColor(Qt::red));
    // No rounding: the picture as it was.
    QCOMPARE(qAlpha(RoundedPictureProvider::rounded(square, 0).pixel(0, 0)), 255);

    // Through the provider: the launcher's own picture, at the asked size.
    RoundedPictureProvider provider;
    QSize size;
    const QImage logo = provider.requestImage(
        QStringLiteral("0.5/qrc:/VantorLauncher/images/author_logo.png"), &size, QSize(36, 36));
    QCOMPARE(size, QSize(36, 36));
    QCOMPARE(qAlpha(logo.pixel(0, 0)), 0);
    QVERIFY(qAlpha(logo.pixel(18, 18)) > 0);
    // Anything but a resource or a local file is not read.
    QVERIFY(provider.requestImage(QStringLiteral("0.5/https://example.org/x.png"), &size, QSize())
                .isNull());
}

QTEST_MAIN(TestUiSupport)
#include "tst_uisupport.moc"
