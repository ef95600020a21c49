// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDProcess.h"

#include "LogCategories.h"
#include "platform/PseudoTerminal.h"

#include <QProcess>
#include <QTimer>

#include <csignal>

// A byte order mark at the start is text SteamCMD wrote: kept as it is.
SteamCMDProcess::StreamDecoder::StreamDecoder()
    : QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)
{}

QString SteamCMDProcess::StreamDecoder::take(QByteArrayView bytes)
{
    QString text;
    if (state.remainingChars != 0) {
        // A character left unfinished by the last read is completed only by
        // continuation bytes. Qt's decoder would take the bytes that end it
        // early (a line end) into the broken character and drop them, so the
        // continuation bytes go first and anything else ends the character.
        qsizetype n = 0;
        while (n < bytes.size() && n < 3 && (uchar(bytes[n]) & 0xC0) == 0x80)
            ++n;
        text += decode(bytes.first(n));
        bytes = bytes.sliced(n);
        if (state.remainingChars != 0 && !bytes.isEmpty())
            text += finish();
    }
    text += decode(bytes);
    return text;
}

QString SteamCMDProcess::StreamDecoder::finish()
{
    // A character cut off by the end of the stream shows as U+FFFD.
    const bool unfinished = state.remainingChars != 0;
    resetState();
    return unfinished ? QString(QChar::ReplacementCharacter) : QString();
}

SteamCMDProcess::SteamCMDProcess(QObject *parent) : QObject(parent) {}

SteamCMDProcess::~SteamCMDProcess()
{
    // A child still running goes with its owner (a replaced run's, or the
    // launcher's at exit): killed with everything it started and waited
    // for, not left to the QProcess teardown, which would kill the child
    // alone. Its last signals must not reach a half-destroyed object.
    if (m_child) {
        m_child->disconnect(this);
        if (m_child->state() != QProcess::NotRunning) {
            signalChild(SIGKILL);
            m_child->waitForFinished(2000);
        }
    }
}

void SteamCMDProcess::start(const QString &program, const QStringList &arguments,
                            const QString &workingDirectory)
{
    Q_ASSERT(!m_child);
    m_child = new QProcess(this);
    m_child->setProgram(program);
    m_child->setArguments(arguments);
    m_child->setWorkingDirectory(workingDirectory);

    QString terminalError = QStringLiteral("switched off");
    if (m_useTerminal) {
        if (auto opened = PseudoTerminal::open(&terminalError)) {
            m_terminal = opened.release();
            m_terminal->setParent(m_child);
        }
    }
    if (m_terminal) {
        m_terminal->attach(m_child);
        connect(m_terminal, &PseudoTerminal::readyRead, this,
                [this] { take(m_terminal->readAvailable(), m_outDecoder); });
    } else {
        qCWarning(lcSteamCmd) << "no pseudo-terminal for SteamCMD:" << terminalError;
        Q_EMIT usingPipes(terminalError);
        m_child->setProcessChannelMode(QProcess::SeparateChannels);
        if (!m_pipeArguments.isEmpty())
            m_child->setArguments(m_pipeArguments);
        connect(m_child, &QProcess::readyReadStandardOutput, this,
                [this] { take(m_child->readAllStandardOutput(), m_outDecoder); });
        connect(m_child, &QProcess::readyReadStandardError, this,
                [this] { take(m_child->readAllStandardError(), m_errDecoder); });
    }

    connect(m_child, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart || m_ended)
            return;
        m_ended = true;
        Q_EMIT failedToStart(m_child->errorString());
    });
    connect(m_child, &QProcess::finished, this,
            [this](int exitCode, QProcess::ExitStatus status) { onFinished(exitCode, status); });

    qCInfo(lcSteamCmd) << "launching" << program << (m_terminal ? "on a terminal" : "with pipes");
    m_child->start(QIODevice::ReadWrite);
    if (m_terminal)
        m_terminal->childStarted();
}

bool SteamCMDProcess::isRunning() const
{
    return m_child && !m_ended && m_child->state() != QProcess::NotRunning;
}

void SteamCMDProcess::take(const QByteArray &bytes, StreamDecoder &decoder)
{
    // Always drained, so the child never blocks on a full pipe or terminal.
    if (bytes.isEmpty())
        return;
    const QString text = decoder.take(bytes);
    if (!text.isEmpty())
        Q_EMIT output(text);
}

void SteamCMDProcess::onFinished(int exitCode, int exitStatus)
{
    if (m_ended)
        return;
    m_ended = true;
    // QProcess has read both pipes to their end before it reports the exit;
    // the terminal is read here for what its child wrote last.
    if (m_terminal)
        take(m_terminal->readRest(), m_outDecoder);
    for (StreamDecoder *decoder : {&m_outDecoder, &m_errDecoder}) {
        const QString rest = decoder->finish();
        if (!rest.isEmpty())
            Q_EMIT output(rest);
    }
    Ending ending = Ending::Exited;
    if (m_stopRequested)
        ending = Ending::Stopped;
    else if (exitStatus == QProcess::CrashExit)
        ending = Ending::Crashed;
    // For a crash QProcess gives the signal number as the exit code.
    Q_EMIT finished(exitCode, ending);
}

bool SteamCMDProcess::write(const QByteArray &bytes)
{
    if (!isRunning())
        return false;
    if (m_terminal)
        return m_terminal->write(bytes);
    return m_child->write(bytes) == bytes.size();
}

void SteamCMDProcess::signalChild(int signalNumber)
{
    const pid_t pid = pid_t(m_child->processId());
    // A child on its own terminal leads its own process group: the request
    // reaches what SteamCMD has started itself as well. Until the child has
    // made its group, only the child can be reached.
    if (m_terminal && pid > 0 && ::kill(-pid, signalNumber) == 0)
        return;
    if (signalNumber == SIGKILL)
        m_child->kill();
    else
        m_child->terminate();
}

void SteamCMDProcess::stop()
{
    // Only a child that was really started can be asked to stop.
    if (!isRunning())
        return;
    m_stopRequested = true;
    signalChild(SIGTERM);
    // Timed on the child: the timer goes with it.
    QTimer::singleShot(m_stopGraceMs, m_child, [this] {
        if (!isRunning())
            return;
        qCWarning(lcSteamCmd) << "SteamCMD did not stop when asked; killing it";
        signalChild(SIGKILL);
    });
}
