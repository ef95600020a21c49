// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PseudoTerminal.h"

#include "LogCategories.h"

#include <QProcess>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

QString describeErrno(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Wide enough that a program which formats for the terminal's width does not
// break its progress lines.
constexpr unsigned short kColumns = 200;
constexpr unsigned short kRows = 50;
// How much one turn of the event loop takes from the terminal at most.
constexpr qsizetype kMaxReadPerTurn = 256 * 1024;

} // namespace

std::unique_ptr<PseudoTerminal> PseudoTerminal::open(QString *error)
{
    const auto failed = [error](const char *step, int code) {
        if (error)
            *error = QString::fromLatin1(step) + QStringLiteral(": ") + describeErrno(code);
        return nullptr;
    };

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        return failed("posix_openpt", errno);
    char name[128];
    if (::grantpt(master) != 0 || ::unlockpt(master) != 0 ||
        ::ptsname_r(master, name, sizeof name) != 0) {
        const int code = errno;
        ::close(master);
        return failed("grantpt", code);
    }
    // Kept open by the launcher until the child has started: the child
    // inherits it across the fork, and the terminal counts as open meanwhile.
    const int child = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (child < 0) {
        const int code = errno;
        ::close(master);
        return failed(name, code);
    }
    const int flags = ::fcntl(master, F_GETFL);
    ::fcntl(master, F_SETFL, flags | O_NONBLOCK);

    std::unique_ptr<PseudoTerminal> terminal(new PseudoTerminal(master, child));

    termios mode{};
    if (::tcgetattr(child, &mode) == 0) {
        // No echo of what the launcher writes, no output processing (a "\n"
        // would become "\r\n"), no flow control that a stray byte could stop.
        mode.c_lflag &= ~tcflag_t(ECHO | ECHOE | ECHOK | ECHONL | ECHOCTL | ECHOKE);
        mode.c_oflag &= ~tcflag_t(OPOST);
        mode.c_iflag &= ~tcflag_t(IXON | IXOFF);
        ::tcsetattr(child, TCSANOW, &mode);
    }
    winsize size{};
    size.ws_col = kColumns;
    size.ws_row = kRows;
    ::ioctl(child, TIOCSWINSZ, &size);
    return terminal;
}

PseudoTerminal::PseudoTerminal(int master, int child) : m_master(master), m_child(child)
{
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PseudoTerminal::onReadable);
}

PseudoTerminal::~PseudoTerminal()
{
    delete m_notifier;
    if (m_child >= 0)
        ::close(m_child);
    if (m_master >= 0)
        ::close(m_master);
}

void PseudoTerminal::attach(QProcess *process)
{
    // QProcess points the three standard streams at the null device; the
    // modifier, run in the child after that and before exec, replaces them
    // with the terminal. Only async-signal-safe calls happen in there.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    const int child = m_child;
    process->setChildProcessModifier([child] {
        ::setsid();
        ::ioctl(child, TIOCSCTTY, 0);
        ::dup2(child, STDIN_FILENO);
        ::dup2(child, STDOUT_FILENO);
        ::dup2(child, STDERR_FILENO);
    });
}

void PseudoTerminal::childStarted()
{
    if (m_child >= 0) {
        ::close(m_child);
        m_child = -1;
    }
}

void PseudoTerminal::onReadable()
{
    // A child that writes without pause must not keep the event loop here:
    // the notifier fires again for the rest.
    readInto(kMaxReadPerTurn);
    if (!m_pending.isEmpty())
        Q_EMIT readyRead();
}

void PseudoTerminal::readInto(qsizetype limit)
{
    if (!m_notifier->isEnabled())
        return;
    // Read where the bytes are kept, in one buffer for the whole turn: a
    // busy terminal gives a few kilobytes per read, and a turn takes up to
    // kMaxReadPerTurn, which would otherwise be copied as it grows.
    constexpr qsizetype kReadSize = 16384;
    if (m_pending.isEmpty())
        m_pending.reserve(std::min(limit, kMaxReadPerTurn) + kReadSize);
    while (m_pending.size() < limit) {
        const qsizetype held = m_pending.size();
        m_pending.resize(held + kReadSize);
        const ssize_t n = ::read(m_master, m_pending.data() + held, size_t(kReadSize));
        const int error = errno;
        m_pending.resize(held + std::max<ssize_t>(n, 0));
        if (n > 0)
            continue;
        if (n < 0 && error == EINTR)
            continue;
        if (n == 0 || error != EAGAIN) {
            // EIO: nothing holds the child's side any more. The notifier
            // would fire for ever from here on.
            m_notifier->setEnabled(false);
        }
        break;
    }
}

QByteArray PseudoTerminal::readAvailable()
{
    return std::exchange(m_pending, QByteArray());
}

QByteArray PseudoTerminal::readRest()
{
    // Also what the child wrote just before it ended, which the event loop
    // has not announced yet.
    readInto(std::numeric_limits<qsizetype>::max());
    return std::exchange(m_pending, QByteArray());
}

void PseudoTerminal::noEcho(int fd)
{
    termios mode{};
    if (::tcgetattr(fd, &mode) != 0)
        return;
    const tcflag_t echo = ECHO | ECHONL;
    if ((mode.c_lflag & echo) == 0)
        return;
    qCInfo(lcSteamCmd) << "the child switched terminal echo on; switching it off";
    mode.c_lflag &= ~echo;
    ::tcsetattr(fd, TCSANOW, &mode);
}

bool PseudoTerminal::write(const QByteArray &bytes)
{
    noEcho(m_master);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            qCWarning(lcSteamCmd) << "writing to SteamCMD's terminal failed:"
                                  << describeErrno(errno);
            return false;
        }
        done += n;
    }
    return true;
}
