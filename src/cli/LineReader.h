// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>

#include <optional>

class QSocketNotifier;

// Reads lines from a descriptor: standard input, or the controlling
// terminal once standard input has ended. The first line can be read before
// the event loop runs (a password given on standard input); later lines
// arrive through the event loop without ever blocking it. Bytes read beyond
// a line are kept for the next one, so input written all at once is not lost.
// The descriptor stays its owner's.
class LineReader : public QObject
{
    Q_OBJECT

public:
    explicit LineReader(int fd, QObject *parent = nullptr);
    ~LineReader() override;

    int fd() const { return m_fd; }

    // Blocks until a whole line (or the end of input) is there. The line
    // comes without its line end; nullopt at the end of input with nothing
    // read. Only for use before the event loop runs.
    std::optional<QByteArray> readLineBlocking();

    // Asks for the next line: lineRead() or endOfInput() follows, from the
    // event loop.
    void requestLine();
    bool isWaiting() const { return m_waiting; }

Q_SIGNALS:
    void lineRead(const QByteArray &line);
    void endOfInput();

private:
    // Reads once from the descriptor; false at the end of input or on an error.
    bool fill();
    std::optional<QByteArray> takeLine();
    void deliver();

    int m_fd;
    QByteArray m_buffer;
    bool m_atEnd = false;
    bool m_waiting = false;
    QSocketNotifier *m_notifier = nullptr;
};
