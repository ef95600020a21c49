// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QQuickImageProvider>

// Pictures with rounded corners, cut out once when loaded:
// "image://vantorrounded/<radius>/<picture URL>" gives the picture scaled to
// fit the requested size (in device pixels) with its corners rounded by
// radius, a fraction of the shorter side (0.5 makes a circle). Doing it here
// spares the window a shader effect per picture at start-up.
class RoundedPictureProvider : public QQuickImageProvider
{
public:
    static constexpr const char *providerId = "vantorrounded";

    RoundedPictureProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The picture cut to a rounded rectangle; a null image stays null.
    static QImage rounded(const QImage &picture, qreal radiusFraction);
};
