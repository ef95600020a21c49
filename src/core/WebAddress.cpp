// SPDX-License-Identifier: GPL-3.0-or-later
#include "WebAddress.h"

std::optional<QUrl> WebAddress::fromText(const QString &address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative() || url.host().isEmpty())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return std::nullopt;
    return url;
}
