// SPDX-License-Identifier: GPL-3.0-or-later
#include "Terminal.h"

#include "LineReader.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// What to put back if the process is ended while echo is off.
int g_unseenFd = -1;
struct termios g_savedSettings;

extern "C" void restoreEchoAndDie(int number)
{
    ::tcsetattr(g_unseenFd, TCSANOW, &g_savedSettings);
    ::signal(number, SIG_DFL);
    ::raise(number);
}

} // namespace

Terminal::~Terminal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

std::unique_ptr<Terminal> Terminal::openControlling()
{
    const int fd = ::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<Terminal>(new Terminal(fd));
}

bool Terminal::write(const QByteArray &bytes) const
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += wrote;
    }
    return true;
}

bool Terminal::isTerminal(int fd)
{
    return ::isatty(fd) == 1;
}

bool Terminal::isSameTerminal(int a, int b)
{
    struct stat first;
    struct stat second;
    if (!isTerminal(a) || !isTerminal(b) || ::fstat(a, &first) != 0 || ::fstat(b, &second) != 0)
        return false;
    return first.st_rdev == second.st_rdev;
}

std::optional<QByteArray> Terminal::readLineUnseen(LineReader &reader,
                                                   const std::function<void()> &ask)
{
    const int fd = reader.fd();
    if (::tcgetattr(fd, &g_savedSettings) != 0) {
        ask();
        return reader.readLineBlocking();
    }
    g_unseenFd = fd;
    struct sigaction restore = {};
    restore.sa_handler = restoreEchoAndDie;
    sigemptyset(&restore.sa_mask);
    struct sigaction previousInt;
    struct sigaction previousTerm;
    ::sigaction(SIGINT, &restore, &previousInt);
    ::sigaction(SIGTERM, &restore, &previousTerm);
    struct termios quiet = g_savedSettings;
    // The line end is not echoed either; the caller moves to the next line.
    quiet.c_lflag &= ~tcflag_t(ECHO | ECHONL);
    ::tcsetattr(fd, TCSAFLUSH, &quiet);

    ask();
    std::optional<QByteArray> line = reader.readLineBlocking();

    ::tcsetattr(fd, TCSANOW, &g_savedSettings);
    ::sigaction(SIGINT, &previousInt, nullptr);
    ::sigaction(SIGTERM, &previousTerm, nullptr);
    g_unseenFd = -1;
    return line;
}
