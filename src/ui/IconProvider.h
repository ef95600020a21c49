// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QQuickImageProvider>

// Draws the launcher's symbols: "image://vantoricon/<name>/<colour>" renders
// icons/<name>.svg at the requested size and paints it in one colour
// (#RRGGBB or #AARRGGBB without the hash), so one drawing serves every tint.
class IconProvider : public QQuickImageProvider
{
public:
    static constexpr const char *providerId = "vantoricon";

    IconProvider();

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    // The resource path of a symbol's drawing; empty when there is none.
    static QString drawingPath(const QString &name);
};
