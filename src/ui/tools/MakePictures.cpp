// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the launcher's pictures (the window background, the porter's
// avatar, the folder-layout hint) into a folder:
//   vantor-make-pictures <output folder>
// The PNGs are committed; run this again only to change them.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <cmath>

namespace {

const QColor kNeonBlue = QColor::fromRgbF(0.1f, 0.5f, 1.0f);
const QColor kNeonGreen = QColor::fromRgbF(0.1f, 0.9f, 0.4f);

QColor withAlpha(QColor c, qreal a)
{
    c.setAlphaF(float(a));
    return c;
}

QImage background()
{
    // 1.5 times the window's opening size: sharp enough under the dark overlay
    // and quick to decode at start-up.
    const QSize size(1290, 870);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(6, 10, 24));
    sky.setColorAt(0.55, QColor(10, 22, 48));
    sky.setColorAt(1.0, QColor(3, 5, 12));
    p.fillRect(image.rect(), sky);

    // Stars, fixed seed so the picture is reproducible.
    QRandomGenerator rng(20261208);
    for (int i = 0; i < 240; ++i) {
        const QPointF at(rng.bounded(size.width()), rng.bounded(size.height() * 0.55));
        const qreal r = 0.6 + rng.bounded(1.6);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(Qt::white, 0.15 + rng.bounded(0.6)));
        p.drawEllipse(at, r, r);
    }

    // A glow on the horizon.
    const qreal horizon = size.height() * 0.58;
    QRadialGradient glow(QPointF(size.width() / 2.0, horizon), size.width() * 0.55);
    glow.setColorAt(0.0, withAlpha(kNeonBlue, 0.55));
    glow.setColorAt(0.35, withAlpha(kNeonBlue, 0.18));
    glow.setColorAt(1.0, withAlpha(kNeonBlue, 0.0));
    p.fillRect(image.rect(), glow);

    // Mountains against the glow.
    QPainterPath ridge;
    ridge.moveTo(0, horizon);
    qreal x = 0;
    qreal y = horizon - 40;
    while (x < size.width()) {
        x += 40 + rng.bounded(90);
        y = horizon - 20 - rng.bounded(170);
        ridge.lineTo(x, y);
    }
    ridge.lineTo(size.width(), horizon);
    ridge.closeSubpath();
    p.setPen(QPen(withAlpha(kNeonBlue, 0.7), 2));
    p.setBrush(QColor(4, 8, 20));
    p.drawPath(ridge);

    // The ground: a perspective grid running to the horizon.
    p.fillRect(QRectF(0, horizon, size.width(), size.height() - horizon), QColor(3, 6, 16));
    const QPointF vanish(size.width() / 2.0, horizon);
    for (int i = -24; i <= 24; ++i) {
        const QPointF foot(size.width() / 2.0 + i * 112.0, size.height());
        QLinearGradient fade(vanish, foot);
        fade.setColorAt(0.0, withAlpha(kNeonBlue, 0.0));
        fade.setColorAt(1.0, withAlpha(kNeonBlue, 0.65));
        p.setPen(QPen(QBrush(fade), 2));
        p.drawLine(vanish, foot);
    }
    for (int i = 1; i <= 14; ++i) {
        const qreal t = std::pow(i / 14.0, 2.2);
        const qreal yy = horizon + t * (size.height() - horizon);
        p.setPen(QPen(withAlpha(kNeonBlue, 0.1 + 0.5 * t), 2));
        p.drawLine(QPointF(0, yy), QPointF(size.width(), yy));
    }
    p.setPen(QPen(withAlpha(kNeonGreen, 0.5), 2));
    p.drawLine(QPointF(0, horizon), QPointF(size.width(), horizon));
    return image;
}

QImage authorLogo()
{
    QImage image(256, 256, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 256, 256);
    g.setColorAt(0, QColor(12, 30, 70));
    g.setColorAt(1, QColor(4, 8, 20));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRect(image.rect());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(120);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kNeonBlue);
    p.drawText(image.rect().adjusted(0, -6, 0, -6), Qt::AlignCenter, QStringLiteral("VO"));
    p.setPen(QPen(withAlpha(kNeonGreen, 0.8), 8));
    p.drawLine(QPointF(64, 190), QPointF(192, 190));
    return image;
}

void drawFolder(QPainter &p, const QRectF &r, const QColor &color)
{
    QPainterPath path;
    const qreal tab = r.width() * 0.4;
    path.moveTo(r.left(), r.top() + 6);
    path.lineTo(r.left(), r.top());
    path.lineTo(r.left() + tab, r.top());
    path.lineTo(r.left() + tab + 6, r.top() + 6);
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(path);
}

QImage dirImage()
{
    // The layout the local tab accepts: a parent folder whose two game
    // folders hold ini.big and inidl.big. Drawn at twice its shown size.
    QImage image(560, 120, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(10, 12, 18));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(17);
    mono.setBold(true);
    p.setFont(mono);

    const QColor orange(255, 149, 0);
    drawFolder(p, QRectF(16, 14, 34, 26), orange);
    p.setPen(Qt::white);
    p.drawText(QPointF(60, 35), QStringLiteral("Game Folder/   <- select this"));

    const QColor blue = kNeonBlue;
    p.setPen(QPen(withAlpha(Qt::white, 0.5), 2));
    p.drawLine(QPointF(33, 44), QPointF(33, 98));
    p.drawLine(QPointF(33, 66), QPointF(56, 66));
    p.drawLine(QPointF(33, 98), QPointF(56, 98));

    drawFolder(p, QRectF(60, 54, 26, 20), blue);
    drawFolder(p, QRectF(60, 86, 26, 20), blue);
    mono.setBold(false);
    p.setFont(mono);
    p.setPen(Qt::white);
    p.drawText(QPointF(96, 72), QStringLiteral("Vantor/"));
    p.drawText(QPointF(96, 104), QStringLiteral("Vantor Duskline/"));
    p.setPen(kNeonGreen);
    p.drawText(QPointF(300, 72), QStringLiteral("ini.big"));
    p.drawText(QPointF(300, 104), QStringLiteral("inidl.big"));
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: vantor-make-pictures <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path()))
        return 1;
    const bool ok = background().save(out.filePath(QStringLiteral("background.png"))) &&
                    authorLogo().save(out.filePath(QStringLiteral("author_logo.png"))) &&
                    dirImage().save(out.filePath(QStringLiteral("dir_image.png")));
    return ok ? 0 : 1;
}
