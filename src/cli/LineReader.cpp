// SPDX-License-Identifier: GPL-3.0-or-later
#include "LineReader.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

LineReader::LineReader(int fd, QObject *parent) : QObject(parent), m_fd(fd) {}

LineReader::~LineReader() = default;

bool LineReader::fill()
{
    char chunk[4096];
    for (;;) {
        const ssize_t got = ::read(m_fd, chunk, sizeof chunk);
        if (got > 0) {
            m_buffer.append(chunk, qsizetype(got));
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        // EAGAIN cannot happen: reads only follow a readiness notice or are
        // meant to block. Anything else (0, EBADF, EIO) ends the input.
        m_atEnd = true;
        return false;
    }
}

std::optional<QByteArray> LineReader::takeLine()
{
    qsizetype end = m_buffer.indexOf('\n');
    if (end < 0) {
        // A last line without a line end still counts once the input is over.
        if (!m_atEnd || m_buffer.isEmpty())
            return std::nullopt;
        end = m_buffer.size();
    }
    QByteArray line = m_buffer.left(end);
    m_buffer.remove(0, qMin(end + 1, m_buffer.size()));
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

std::optional<QByteArray> LineReader::readLineBlocking()
{
    for (;;) {
        if (auto line = takeLine())
            return line;
        if (m_atEnd || !fill()) {
            if (auto line = takeLine())
                return line;
            return std::nullopt;
        }
    }
}

void LineReader::requestLine()
{
    m_waiting = true;
    // A line may already be buffered (typed ahead, or written all at once).
    QTimer::singleShot(0, this, [this] { deliver(); });
}

void LineReader::deliver()
{
    if (!m_waiting)
        return;
    if (auto line = takeLine()) {
        m_waiting = false;
        if (m_notifier)
            m_notifier->setEnabled(false);
        Q_EMIT lineRead(*line);
        return;
    }
    if (m_atEnd) {
        m_waiting = false;
        if (m_notifier)
            m_notifier->setEnabled(false);
        Q_EMIT endOfInput();
        return;
    }
    if (!m_notifier) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            // Readable: one read does not block.
            fill();
            deliver();
        });
    }
    m_notifier->setEnabled(true);
}
