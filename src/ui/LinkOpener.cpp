// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkOpener.h"

#include "LogCategories.h"
#include "WebAddress.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

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

std::optional<QUrl> LinkOpener::folderUrl(const QString &path)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path) || !QFileInfo(path).isDir())
        return std::nullopt;
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

bool LinkOpener::openFolder(const QString &path)
{
    const std::optional<QUrl> url = folderUrl(path);
    if (!url) {
        qCInfo(lcUi) << "not opening what is not a folder" << path;
        return false;
    }
    return QDesktopServices::openUrl(*url);
}
