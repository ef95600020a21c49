// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeEngine.h"
#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <signal.h>

FakeEngine::FakeEngine(const QString &enginePath)
    : m_path(enginePath),
      m_recordPath(QFileInfo(enginePath).absolutePath() + QStringLiteral("/engine-record.txt"))
{
    // The record is renamed into place so a reader never sees half of it.
    const QByteArray record = QFile::encodeName(m_recordPath);
    const QByteArray script = "#!/bin/sh\n"
                              "record='" +
                              record +
                              "'\n"
                              "{\n"
                              "  echo \"argc=$#\"\n"
                              "  n=0\n"
                              "  for a in \"$@\"; do\n"
                              "    n=$((n + 1)); printf 'arg%s=%s\\n' \"$n\" \"$a\"\n"
                              "  done\n"
                              "  echo \"cwd=$(pwd -P)\"\n"
                              "  echo \"install=${VANTOR_INSTALL_PATH-<unset>}\"\n"
                              "  echo \"copies=$(env | grep -c '^VANTOR_INSTALL_PATH=')\"\n"
                              "  echo \"pid=$$\"\n"
                              "} > \"$record.part\"\n"
                              "mv \"$record.part\" \"$record\"\n"
                              "exec sleep 10\n";
    m_valid = !record.contains('\'') && writeScript(enginePath, script);
}

FakeEngine::~FakeEngine()
{
    const qint64 id = pid();
    if (id > 0)
        ::kill(pid_t(id), SIGTERM);
}

bool FakeEngine::waitForRecord(int timeoutMs)
{
    return QTest::qWaitFor([this] { return QFile::exists(m_recordPath); }, timeoutMs);
}

bool FakeEngine::staysUnstarted(int waitMs)
{
    return !waitForRecord(waitMs);
}

QMap<QString, QString> FakeEngine::record() const
{
    QMap<QString, QString> values;
    QFile file(m_recordPath);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            values.insert(line.left(equals), line.mid(equals + 1));
    }
    return values;
}

QStringList FakeEngine::arguments() const
{
    const QMap<QString, QString> values = record();
    QStringList words;
    const int count = values.value(QStringLiteral("argc")).toInt();
    for (int i = 1; i <= count; ++i)
        words.append(values.value(QStringLiteral("arg%1").arg(i)));
    return words;
}

qint64 FakeEngine::pid() const
{
    return record().value(QStringLiteral("pid")).toLongLong();
}

bool FakeEngine::isRunning() const
{
    const qint64 id = pid();
    if (id <= 0)
        return false;
    // A process that has exited but not been reaped yet still answers
    // kill(0): read its state instead ("Z" is a zombie).
    QFile stat(QStringLiteral("/proc/%1/stat").arg(id));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && line.size() > close + 2 && line.at(close + 2) != 'Z';
}
