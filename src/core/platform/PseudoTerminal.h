// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

class QProcess;
class QSocketNotifier;

// A pseudo-terminal for one child process. Programs that buffer their output
// whenever it does not go to a terminal (SteamCMD among them) then show their
// prompts while they wait, not only when they exit.
//
// The terminal is set up so that what the child writes arrives byte for byte:
// nothing written to the child is echoed back and output is not
// post-processed ("\n" stays "\n"). Standard output and standard error arrive
// merged, as on any terminal.
class PseudoTerminal : public QObject
{
    Q_OBJECT

public:
    ~PseudoTerminal() override;

    // A new terminal, or nullptr with the reason in `error` when the system
    // has none to give.
    static std::unique_ptr<PseudoTerminal> open(QString *error);

    // Makes `process` start as the leader of a new session whose controlling
    // terminal is this one, with the terminal as its standard input, output
    // and error. Call before QProcess::start(), then childStarted() after it.
    void attach(QProcess *process);
    // Closes the launcher's copy of the child's side, so that the end of the
    // child's output can be seen. Call once start() has returned.
    void childStarted();

    // What has been read from the child since the last call (after
    // readyRead()); never blocks.
    QByteArray readAvailable();
    // Everything the child has written and nobody has read yet, for when
    // the child has ended; never blocks.
    QByteArray readRest();
    // Sends bytes to the child's standard input. Echo is switched off again
    // first, in case the child turned it on: what the launcher sends (a Steam
    // Guard code) must never come back as output.
    bool write(const QByteArray &bytes);

Q_SIGNALS:
    // The child has written something.
    void readyRead();

private:
    PseudoTerminal(int master, int child);
    void onReadable();
    void readInto(qsizetype limit);
    void noEcho(int fd);

    int m_master = -1;
    int m_child = -1;
    QSocketNotifier *m_notifier = nullptr;
    QByteArray m_pending;
};
