// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/RunLog.h"

#include "LogCategories.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kPrefix = QStringLiteral("run-");
const QString kSuffix = QStringLiteral(".log");

} // namespace

QString RunLog::defaultFolder()
{
#ifdef Q_OS_MACOS
    return QDir::homePath() + QStringLiteral("/Library/Logs/Vantor Online");
#else
    // A relative XDG_STATE_HOME is invalid and must be ignored.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QStringLiteral("/Vantor Online/logs"));
#endif
}

RunLog::RunLog(QString folder, int keep, Clock clock)
    : m_folder(std::move(folder)), m_keep(qMax(keep, 1)),
      m_clock(clock ? std::move(clock) : Clock([] { return QDateTime::currentDateTimeUtc(); }))
{}

RunLog::~RunLog()
{
    close();
}

bool RunLog::open()
{
    close();
    if (!QDir().mkpath(m_folder)) {
        qCWarning(lcSteamCmd) << "cannot create the log folder" << m_folder;
        return false;
    }
    const QString stamp = m_clock().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss.zzzZ"));
    QString path = QDir(m_folder).filePath(kPrefix + stamp + kSuffix);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = QDir(m_folder).filePath(kPrefix + stamp + u'-' + QString::number(n) + kSuffix);
    m_file.setFileName(path);
    // NewOnly: never append to (or through) something already there.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        qCWarning(lcSteamCmd) << "cannot create the run log" << path << m_file.errorString();
        return false;
    }
    prune();
    return true;
}

void RunLog::addSecret(const QString &secret)
{
    if (!secret.isEmpty() && !m_secrets.contains(secret))
        m_secrets.append(secret);
}

void RunLog::append(const QString &text)
{
    if (!m_file.isOpen())
        return;
    // Shared, not copied, when nothing was held back: it is only copied
    // where a secret is replaced or text is held back.
    QString pending = m_held.isEmpty() ? text : m_held + text;
    m_held.clear();
    for (const QString &secret : std::as_const(m_secrets))
        pending.replace(secret, kPlaceholder);
    // The longest end of the text that begins some secret waits for more.
    qsizetype hold = 0;
    for (const QString &secret : std::as_const(m_secrets)) {
        for (qsizetype n = qMin(secret.size() - 1, pending.size()); n > hold; --n) {
            if (QStringView(pending).right(n) == QStringView(secret).left(n)) {
                hold = n;
                break;
            }
        }
    }
    m_held = pending.right(hold);
    pending.chop(hold);
    write(pending);
}

void RunLog::close()
{
    if (!m_file.isOpen())
        return;
    write(std::exchange(m_held, QString()));
    m_file.close();
}

void RunLog::write(const QString &text)
{
    if (text.isEmpty())
        return;
    m_file.write(text.toUtf8());
    m_file.flush();
}

QStringList RunLog::runFiles() const
{
    QDir dir(m_folder);
    QStringList names = dir.entryList({kPrefix + u'*' + kSuffix}, QDir::Files, QDir::Name);
    for (QString &name : names)
        name = dir.filePath(name);
    return names;
}

void RunLog::prune()
{
    const QStringList files = runFiles();
    for (qsizetype i = 0; i + m_keep < files.size(); ++i) {
        if (!QFile::remove(files.at(i)))
            qCDebug(lcSteamCmd) << "could not remove the old run log" << files.at(i);
    }
}
