// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DetachedEngineStarter.h"

#include "LogCategories.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

QString describeErrno(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

EngineStarter::Result DetachedEngineStarter::start(const QString &program,
                                                   const QStringList &arguments,
                                                   const QString &workingDirectory,
                                                   const QProcessEnvironment &environment)
{
    // The common failures are checked here first, so the user reads the
    // system's plain words rather than whatever wording the process layer
    // wraps around them. Executing a folder fails with EACCES, as execve does.
    if (QFileInfo(program).isDir())
        return {false, 0, describeErrno(EACCES)};
    if (::access(QFile::encodeName(program).constData(), X_OK) != 0)
        return {false, 0, describeErrno(errno)};

    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    process.setProcessEnvironment(environment);
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        qCWarning(lcLaunch) << "engine start failed:" << process.errorString();
        return {false, 0, systemDescription(process.errorString())};
    }
    return {true, pid, {}};
}

QString DetachedEngineStarter::systemDescription(const QString &processError)
{
    // QProcess names the failing call before the description: "execv: ...",
    // "chdir: ...", "fork: ...".
    static const QRegularExpression callPrefix(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*: (.+)$"));
    const QRegularExpressionMatch match = callPrefix.match(processError);
    return match.hasMatch() ? match.captured(1) : processError;
}
