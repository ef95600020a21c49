// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/PatchManifest.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <sys/stat.h>

namespace {

// Far more than a patch holds at its top; a larger file is not ours.
constexpr qint64 kMaxBytes = 64 * 1024;

bool existsNoFollow(const QString &path)
{
    struct stat info
    {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

} // namespace

QString PatchManifest::fileName()
{
    return QStringLiteral(".community-patch-files");
}

QString PatchManifest::pathIn(const QString &installDir)
{
    return QDir(installDir).filePath(fileName());
}

bool PatchManifest::isPlainName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QChar(0)) && name != fileName();
}

QStringList PatchManifest::read(const QString &installDir)
{
    QFile file(pathIn(installDir));
    // A link or a folder by that name is not a record the launcher wrote.
    struct stat info
    {
    };
    if (::lstat(QFile::encodeName(file.fileName()).constData(), &info) != 0 ||
        !S_ISREG(info.st_mode) || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.read(kMaxBytes);
    QStringList names;
    for (const QByteArray &line : bytes.split('\n')) {
        if (line.startsWith('#'))
            continue;
        const QString name = QString::fromUtf8(line);
        if (isPlainName(name) && !names.contains(name))
            names.append(name);
    }
    return names;
}

bool PatchManifest::record(const QString &installDir, const QStringList &names)
{
    QStringList all;
    for (const QString &name : read(installDir)) {
        if (existsNoFollow(QDir(installDir).filePath(name)))
            all.append(name);
    }
    for (const QString &name : names) {
        if (isPlainName(name) && !all.contains(name))
            all.append(name);
    }
    QSaveFile file(pathIn(installDir));
    if (!file.open(QIODevice::WriteOnly)) {
        qCWarning(lcPatch) << "could not record the patch's files in" << file.fileName() << ":"
                           << file.errorString();
        return false;
    }
    file.write("# Placed here by the community patch; moved with the game data.\n");
    for (const QString &name : std::as_const(all))
        file.write(name.toUtf8() + '\n');
    if (!file.commit()) {
        qCWarning(lcPatch) << "could not record the patch's files in" << file.fileName() << ":"
                           << file.errorString();
        return false;
    }
    return true;
}
