// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkOpener.h"

#include "LogCategories.h"
#include "WebAddress.h"

#include <QDesktopServices>

std::optional<QUrl> LinkOpener::webUrl(const QString &address)
{
    return WebAddress::fromText(address);
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
