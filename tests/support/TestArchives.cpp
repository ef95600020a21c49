// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestArchives.h"

#include "TestFiles.h"

#include <QProcess>
#include <QTemporaryDir>

namespace {

QByteArray archive(const QString &program, QStringList arguments,
                   const QMap<QString, QByteArray> &files)
{
    QTemporaryDir staging;
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeScript(staging.filePath(it.key()), it.value());
    QProcess tool;
    tool.setWorkingDirectory(staging.path());
    tool.start(program, arguments << files.keys());
    tool.waitForFinished(30000);
    return tool.readAllStandardOutput();
}
} // namespace

QByteArray makeTarball(const QMap<QString, QByteArray> &files)
{
    return archive(QStringLiteral("/usr/bin/tar"), {"-czf", "-"}, files);
}

QByteArray makeZip(const QMap<QString, QByteArray> &files)
{
    return archive(QStringLiteral("/usr/bin/zip"), {"-q", "-"}, files);
}
