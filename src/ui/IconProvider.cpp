// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconProvider.h"

#include "LogCategories.h"

#include <QColor>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

IconProvider::IconProvider() : QQuickImageProvider(QQuickImageProvider::Image) {}

QString IconProvider::drawingPath(const QString &name)
{
    // Names are symbol names such as "arrow.down.circle.fill": letters, digits, dots.
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('.'))
            return {};
    }
    const QString path = QStringLiteral(":/VantorLauncher/icons/%1.svg").arg(name);
    return QFile::exists(path) ? path : QString();
}

QImage IconProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    const qsizetype slash = id.indexOf(QLatin1Char('/'));
    const QString name = slash < 0 ? id : id.left(slash);
    QColor color = Qt::white;
    if (slash >= 0) {
        const QColor parsed(QLatin1Char('#') + id.mid(slash + 1));
        if (parsed.isValid())
            color = parsed;
    }

    QSize target = requestedSize;
    if (target.width() <= 0 && target.height() <= 0)
        target = QSize(24, 24);
    else if (target.width() <= 0)
        target.setWidth(target.height());
    else if (target.height() <= 0)
        target.setHeight(target.width());
    if (size)
        *size = target;

    QImage image(target, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const QString path = drawingPath(name);
    if (path.isEmpty()) {
        qCWarning(lcUi) << "no drawing for symbol" << name;
        return image;
    }
    QSvgRenderer renderer(path);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), target));
    // Keep the drawing's coverage, replace its colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), color);
    return image;
}
