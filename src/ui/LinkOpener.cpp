#include "LinkOpener.h"

#include "LogCategories.h"

#include <QDesktopServices>

std::optional<QUrl> LinkOpener::webUrl(const QString &address)
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

bool LinkOpener::open(const QString &address)
{
    const std::optional<QUrl> url = webUrl(address);
    if (!url) {
        qCInfo(lcUi) << "not opening a non-web address" << address;
        return false;
    }
    return QDesktopServices::openUrl(*url);
}
