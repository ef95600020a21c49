// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherRun.h"

#include "LoopbackHttpServer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

QString LauncherRun::program()
{
    return QStringLiteral(VANTOR_LAUNCHER_PATH);
}

QProcessEnvironment LauncherRun::environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_STYLE_OVERRIDE"})
        env.remove(QString::fromLatin1(name));
    if (!env.contains(QStringLiteral("VANTOR_PRIVATE_KEYRING")))
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
    // English, whatever the desktop running the tests speaks; a test that
    // wants another language sets it.
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    const struct
    {
        const char *variable;
        const char *path;
    } addresses[] = {{"VANTOR_UPDATE_URL", "/api/update.json"},
                     {"VANTOR_STEAMCMD_URL", "/steamcmd.tar.gz"},
                     {"VANTOR_PATCH_URL", "/patch.zip"}};
    for (const auto &address : addresses) {
        const QString name = QString::fromLatin1(address.variable);
        if (!env.contains(name))
            env.insert(name, LoopbackHttpServer::closedPortUrl(QString::fromLatin1(address.path)));
    }
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vantor.*.info=false"));
    return env;
}

LauncherRun::Outcome LauncherRun::run(const QStringList &arguments, const QProcessEnvironment &env,
                                      const QString &workingDir, const QString &path, int timeoutMs)
{
    QProcess process;
    process.setProgram(path);
    process.setArguments(arguments);
    process.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    QElapsedTimer clock;
    clock.start();
    process.start();
    Outcome outcome;
    outcome.ended = waitForExit(process, timeoutMs);
    outcome.elapsedMs = clock.elapsed();
    if (!outcome.ended) {
        process.kill();
        process.waitForFinished();
    } else if (process.error() == QProcess::FailedToStart) {
        outcome.err = process.errorString();
        return outcome;
    } else if (process.exitStatus() == QProcess::NormalExit) {
        outcome.exitCode = process.exitCode();
    }
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

bool LauncherRun::waitForExit(QProcess &process, int timeoutMs)
{
    return QTest::qWaitFor([&process] { return process.state() == QProcess::NotRunning; },
                           timeoutMs);
}
