// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/InstallLock.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The id another launcher wrote; anything but a plain positive number is
// ignored, the file being writable by whoever can write the support folder.
qint64 readHolder(int fd)
{
    char buffer[32] = {};
    const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return -1;
    const QByteArray text = QByteArray(buffer, n).trimmed();
    bool ok = false;
    const qint64 pid = text.toLongLong(&ok);
    return ok && pid > 0 && pid <= 0x7fffffff ? pid : -1;
}

} // namespace

QString InstallLock::pathIn(const QString &supportDir)
{
    return QDir(supportDir).filePath(QStringLiteral("download.lock"));
}

InstallLock::InstallLock(QString path) : m_path(std::move(path)) {}

InstallLock::~InstallLock()
{
    unlock();
}

bool InstallLock::tryLock()
{
    if (isLocked())
        return true;
    m_holder = -1;
    m_heldElsewhere = false;
    m_error = LocalizedText();
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray name = QFile::encodeName(m_path);
    // No symbolic link followed: the lock must be this file, not one an
    // attacker points it at.
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        //: %1 is a file, %2 the system's reason.
        m_error = LocalizedText::translate("InstallLock", "Cannot open the download lock %1: %2")
                      .arg(QDir::toNativeSeparators(m_path))
                      .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int code = errno;
        if (code == EWOULDBLOCK) {
            m_heldElsewhere = true;
            m_holder = readHolder(fd);
            m_error = m_holder > 0
                          ? LocalizedText::translate(
                                "InstallLock", "Another download is already running (process %1)")
                                .arg(LocalizedText(QString::number(m_holder)))
                          : LocalizedText::translate("InstallLock",
                                                     "Another download is already running");
        } else {
            m_error = LocalizedText::translate("InstallLock", "Cannot lock %1: %2")
                          .arg(QDir::toNativeSeparators(m_path))
                          .arg(QString::fromLocal8Bit(std::strerror(code)));
        }
        ::close(fd);
        return false;
    }
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) != 0 ||
        ::pwrite(fd, pid.constData(), size_t(pid.size()), 0) != pid.size())
        qCWarning(lcSteamCmd) << "could not write the process id into" << m_path;
    m_fd = fd;
    return true;
}

void InstallLock::unlock()
{
    if (m_fd < 0)
        return;
    // Emptied first, so nobody reads a stale id between unlock and close.
    if (::ftruncate(m_fd, 0) != 0)
        qCDebug(lcSteamCmd) << "could not empty" << m_path;
    ::flock(m_fd, LOCK_UN);
    ::close(m_fd);
    m_fd = -1;
}
