// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringConverter>
#include <QStringList>

class PseudoTerminal;
class QProcess;

// One SteamCMD child with its console: started on a pseudo-terminal of its
// own (SteamCMD holds its output back while it does not write to one) or,
// where none can be had, with three pipes. What it writes is decoded as
// UTF-8 across reads (a character cut between two reads stays whole; invalid
// bytes become U+FFFD) and handed on as it arrives, partial lines included.
class SteamCMDProcess : public QObject
{
    Q_OBJECT

public:
    // How the child ended.
    enum class Ending
    {
        Exited,  // by itself, with its exit status
        Stopped, // after stop(), however it went (trapped, killed, exited)
        Crashed, // killed by a signal nobody here sent
    };
    Q_ENUM(Ending)

    explicit SteamCMDProcess(QObject *parent = nullptr);
    ~SteamCMDProcess() override;

    void setUsePseudoTerminal(bool use) { m_useTerminal = use; }
    // How long a child asked to stop may take before it is killed.
    void setStopGracePeriod(int milliseconds) { m_stopGraceMs = milliseconds; }

    // Arguments used instead of start()'s when the child has to run with
    // pipes (no terminal could be opened); empty: the same.
    void setPipeArguments(const QStringList &arguments) { m_pipeArguments = arguments; }
    // Whether the child was started on a terminal of its own.
    bool onTerminal() const { return !m_terminal.isNull(); }

    // Starts the child once. Ends in exactly one of failedToStart() or
    // finished(); usingPipes() comes first when no terminal could be opened.
    void start(const QString &program, const QStringList &arguments,
               const QString &workingDirectory);
    // Whether the child was started and has not ended yet.
    bool isRunning() const;
    // Sends typed input to the child; false when there is no child to take it.
    bool write(const QByteArray &bytes);
    // Asks the child (and, on a terminal, everything it started) to stop;
    // one that is still there after the grace period is killed.
    void stop();

Q_SIGNALS:
    void usingPipes(const QString &reason);
    void output(const QString &text);
    void failedToStart(const QString &reason);
    // For a child killed by a signal, status is the signal number
    // (SIGTERM: 15), as a shell reports it.
    void finished(int status, SteamCMDProcess::Ending ending);

private:
    // A stateful UTF-8 decoder that can tell whether a character is left
    // unfinished when its stream ends.
    class StreamDecoder : public QStringDecoder
    {
    public:
        StreamDecoder();
        // The text of the next read.
        QString take(QByteArrayView bytes);
        QString finish();
    };

    void take(const QByteArray &bytes, StreamDecoder &decoder);
    void signalChild(int signalNumber);
    void onFinished(int exitCode, int exitStatus);

    QProcess *m_child = nullptr;
    QPointer<PseudoTerminal> m_terminal;
    StreamDecoder m_outDecoder;
    StreamDecoder m_errDecoder;
    QStringList m_pipeArguments;
    bool m_useTerminal = true;
    int m_stopGraceMs = 10'000;
    bool m_stopRequested = false;
    bool m_ended = false;
};
