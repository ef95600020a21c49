// SPDX-License-Identifier: GPL-3.0-or-later
#include "RoundedPictureProvider.h"

#include "LogCategories.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

RoundedPictureProvider::RoundedPictureProvider() : QQuickImageProvider(QQuickImageProvider::Image)
{}

QImage RoundedPictureProvider::rounded(const QImage &picture, qreal radiusFraction)
{
    if (picture.isNull())
        return {};
    QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    const QRectF area(QPointF(0, 0), QSizeF(picture.size()));
    const qreal radius = qBound(0.0, radiusFraction, 0.5) * qMin(area.width(), area.height());
    QPainterPath path;
    path.addRoundedRect(area, radius, radius);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setClipPath(path);
    painter.drawImage(area, picture);
    return result;
}

QImage RoundedPictureProvider::requestImage(const QString &id, QSize *size,
                                            const QSize &requestedSize)
{
    const qsizetype slash = id.indexOf(QLatin1Char('/'));
    const qreal fraction = slash < 0 ? 0 : id.left(slash).toDouble();
    const QUrl url(slash < 0 ? id : id.mid(slash + 1));
    // Only the launcher's own pictures: resources and local files.
    QString path;
    if (url.scheme() == QLatin1String("qrc"))
        path = QLatin1Char(':') + url.path();
    else if (url.isLocalFile())
        path = url.toLocalFile();
    QImageReader reader(path);
    if (requestedSize.isValid() && !requestedSize.isEmpty()) {
        QSize scaled = reader.size();
        scaled.scale(requestedSize, Qt::KeepAspectRatio);
        if (scaled.isValid())
            reader.setScaledSize(scaled);
    }
    const QImage picture = path.isEmpty() ? QImage() : reader.read();
    if (picture.isNull())
        qCWarning(lcUi) << "cannot read picture" << url;
    const QImage result = rounded(picture, fraction);
    if (size)
        *size = result.size();
    return result;
}
