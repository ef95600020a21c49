// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>
#include <memory>
#include <optional>

class LineReader;

// The terminal a command talks to a person on. Standard input may be a pipe
// that has been read to its end (a password given with --password-stdin)
// and standard error may go to a file, yet the person is still at the
// session's controlling terminal, /dev/tty: questions can be asked there, as
// ssh and sudo do. Also answers which of the standard streams show on the
// same terminal, so that nothing is asked or explained twice on one screen.
class Terminal
{
public:
    ~Terminal();
    Terminal(const Terminal &) = delete;
    Terminal &operator=(const Terminal &) = delete;

    // The controlling terminal, or nullptr when the process has none (a
    // service, a pipeline started without a terminal, a container).
    static std::unique_ptr<Terminal> openControlling();

    int fd() const { return m_fd; }
    // Writes the bytes as they are; false when the terminal is gone.
    bool write(const QByteArray &bytes) const;

    static bool isTerminal(int fd);
    // Whether both descriptors are the same terminal: what is written to
    // either appears in the same place.
    static bool isSameTerminal(int a, int b);

    // Reads one line from the reader's descriptor, a terminal, with its echo
    // off, so that a password typed there is not shown. ask() writes the
    // question once echo is off: nothing typed after it shows. The
    // terminal's settings come back afterwards, also when SIGINT or SIGTERM
    // ends the process meanwhile. Before the event loop runs only.
    static std::optional<QByteArray> readLineUnseen(LineReader &reader,
                                                    const std::function<void()> &ask);

private:
    explicit Terminal(int fd) : m_fd(fd) {}

    int m_fd = -1;
};
