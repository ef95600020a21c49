// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/FreeSpace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <sys/statvfs.h>

qint64 FreeSpace::available(const QString &folder)
{
    // A folder that is still to be made lands on its parent's file system.
    QString existing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath())
        existing = QFileInfo(existing).path();
    struct statvfs info
    {
    };
    if (::statvfs(QFile::encodeName(existing).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

QString FreeSpace::shortage(const QString &folder, qint64 needed)
{
    const qint64 free = available(folder);
    if (free < 0 || needed <= free)
        return QString();
    return QStringLiteral("Not enough free space in \"%1\": %2 needed, %3 free")
        .arg(QDir::toNativeSeparators(folder), size(needed), size(free));
}

QString FreeSpace::size(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}
