// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalSession.h"

#include <QElapsedTimer>
#include <QTest>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

TerminalSession::TerminalSession() = default;

TerminalSession::~TerminalSession()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    if (m_child >= 0)
        ::close(m_child);
    if (m_master >= 0)
        ::close(m_master);
}

bool TerminalSession::start(const QString &program, const QStringList &arguments, Input input,
                            const QByteArray &piped, const QString &outputFile)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128];
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
        ::ptsname_r(m_master, name, sizeof name) != 0) {
        m_error = QStringLiteral("no pseudo-terminal: ") + QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    // Kept open here for the session's life, so the screen stays readable
    // after the program has ended.
    m_child = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_child < 0) {
        m_error = QString::fromLocal8Bit(name) + QStringLiteral(": ") +
                  QString::fromLocal8Bit(strerror(errno));
        return false;
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    winsize size{};
    size.ws_col = 160;
    size.ws_row = 40;
    ::ioctl(m_child, TIOCSWINSZ, &size);

    if (!outputFile.isEmpty())
        m_process.setStandardOutputFile(outputFile);
    const int child = m_child;
    const bool terminalInput = input == Input::Terminal;
    const bool terminalOutput = outputFile.isEmpty();
    // After QProcess has set up its channels: a new session that takes the
    // terminal as its controlling one, and the streams that belong on it.
    m_process.setChildProcessModifier([child, terminalInput, terminalOutput] {
        ::setsid();
        ::ioctl(child, TIOCSCTTY, 0);
        if (terminalInput)
            ::dup2(child, STDIN_FILENO);
        if (terminalOutput)
            ::dup2(child, STDOUT_FILENO);
        ::dup2(child, STDERR_FILENO);
    });
    m_process.setProgram(program);
    m_process.setArguments(arguments);
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        m_error = m_process.errorString();
        return false;
    }
    if (!terminalInput) {
        m_process.write(piped);
        m_process.closeWriteChannel();
    }
    return true;
}

void TerminalSession::drain()
{
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(m_master, chunk, sizeof chunk);
        if (got > 0) {
            m_screen.append(chunk, qsizetype(got));
            continue;
        }
        if (got < 0 && errno == EINTR)
            continue;
        return;
    }
}

QByteArray TerminalSession::screen()
{
    if (m_master >= 0)
        drain();
    QByteArray shown = m_screen;
    return shown.replace("\r\n", "\n");
}

bool TerminalSession::waitForScreen(const QByteArray &text, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!screen().contains(text)) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QTest::qWait(20);
    }
    return true;
}

bool TerminalSession::type(const QByteArray &keys)
{
    return ::write(m_master, keys.constData(), size_t(keys.size())) == keys.size();
}

bool TerminalSession::waitForExit(int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (m_process.state() != QProcess::NotRunning && clock.elapsed() < timeoutMs) {
        drain();
        QTest::qWait(20);
    }
    drain();
    return m_process.state() == QProcess::NotRunning;
}
