// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"

#include "game/GameFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <signal.h>

bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(content) == content.size();
}

bool writeScript(const QString &path, const QByteArray &script)
{
    if (!writeFile(path, script))
        return false;
    return QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool processAlive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

QString makeGameFolder(const QString &root)
{
    const bool ok =
        writeFile(root + "/Base/INI.big", "x") && writeFile(root + "/Expansion/inidl.big", "x");
    return ok ? root : QString();
}

bool makeSteamAssets()
{
    return writeFile(GameFolders::assetsDir() + "/inidl.big", "x") &&
           writeFile(GameFolders::baseGameDir() + "/ini.big", "x");
}
