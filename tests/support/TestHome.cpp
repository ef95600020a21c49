#include "TestHome.h"

#include "SteamCMDManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <signal.h>

namespace {
const char *const kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                  "XDG_STATE_HOME"};
}

TestHome::TestHome()
{
    for (const char *name : kVariables)
        m_saved.append({name, qgetenv(name)});
    const QString home = m_dir.path();
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toUtf8());
    qputenv("XDG_STATE_HOME", (home + "/.local/state").toUtf8());
}

TestHome::~TestHome()
{
    for (const auto &[name, value] : m_saved) {
        if (value.isNull())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

void TestHome::useForSettings() const
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, filePath(".config"));
}

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

static QByteArray archive(const QString &program, QStringList arguments,
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

QByteArray makeTarball(const QMap<QString, QByteArray> &files)
{
    return archive(QStringLiteral("/usr/bin/tar"), {"-czf", "-"}, files);
}

QByteArray makeZip(const QMap<QString, QByteArray> &files)
{
    return archive(QStringLiteral("/usr/bin/zip"), {"-q", "-"}, files);
}

QString makeGameFolder(const QString &root)
{
    const bool ok =
        writeFile(root + "/Base/INI.big", "x") && writeFile(root + "/Expansion/inidl.big", "x");
    return ok ? root : QString();
}

bool makeSteamAssets()
{
    SteamCMDManager layout;
    return writeFile(layout.assetsDir() + "/inidl.big", "x") &&
           writeFile(layout.baseGameDir() + "/ini.big", "x");
}

bool writeFakeSteamCMD(const QString &binary, const QString &recordDir, const QByteArray &body)
{
    if (!QDir().mkpath(recordDir))
        return false;
    const QByteArray script =
        "#!/bin/sh\n"
        "F='" +
        QFile::encodeName(recordDir) +
        "'\n"
        "n=$(( $(cat \"$F/runs\" 2>/dev/null || echo 0) + 1 ))\n"
        "echo $n > \"$F/runs\"\n"
        "{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$F/argv-$n\"\n"
        "echo $$ > \"$F/pid-$n\"\n"
        "[ $# -eq 10 ] || [ $# -eq 11 ] || { echo \"fake: $# arguments\" >&2; exit 99; }\n" +
        body;
    return writeScript(binary, script);
}

bool waitForRunFinished(SteamCMDManager &manager, int timeoutMs)
{
    if (!manager.currentRun())
        return true;
    QSignalSpy finished(&manager, &SteamCMDManager::runFinished);
    return finished.wait(timeoutMs);
}

CurrentDir::CurrentDir(const QString &path) : m_previous(QDir::currentPath())
{
    m_ok = QDir().mkpath(path) && QDir::setCurrent(path);
}

CurrentDir::~CurrentDir()
{
    QDir::setCurrent(m_previous);
}
