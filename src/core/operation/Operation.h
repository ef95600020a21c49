// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "l10n/LocalizedText.h"

#include <QObject>
#include <QString>

// One long piece of work (a download, a child process, an unpack): started
// once, reports progress, can be asked to abort, and ends exactly once in one
// outcome with one finished(). The end is guarded by the state itself: only
// a Running operation can end, and ending leaves Running for good, so a
// second succeed(), fail() or cancelled() does nothing.
//
// A subclass does its work in run() and ends through succeed(), fail() or
// cancelled(); abort() asks it to stop through onAbort(), whose default is to
// end cancelled at once. A subclass that needs time to stop (a child process
// with a grace period) overrides onAbort() and calls cancelled() when it has
// stopped; until then the operation is still Running, so nothing that comes
// after it starts while it winds down.
class Operation : public QObject
{
    Q_OBJECT

public:
    enum class Outcome
    {
        Succeeded,
        Failed, // message() says why
        Cancelled,
    };
    Q_ENUM(Outcome)

    enum class Status
    {
        NotStarted,
        Running,
        Finished,
    };
    Q_ENUM(Status)

    explicit Operation(QObject *parent = nullptr);
    ~Operation() override;

    // Starts the work; does nothing the second time. The operation may end
    // before this returns (a folder that cannot be made).
    void start();
    // Asks a running operation to stop. Not started: it ends cancelled at
    // once without running. Finished: nothing happens.
    void abort();

    Status status() const { return m_status; }
    bool isRunning() const { return m_status == Status::Running; }
    bool isFinished() const { return m_status == Status::Finished; }
    // Whether abort() has been asked for (the outcome may still differ: an
    // operation already ending keeps its own end).
    bool abortRequested() const { return m_abortRequested; }
    // Meaningful once finished.
    Outcome outcome() const { return m_outcome; }
    QString message() const { return m_message.english(); }
    // The message in both renderings: English for the console, translated
    // for the status.
    LocalizedText localizedMessage() const { return m_message; }

Q_SIGNALS:
    // Work done of the whole, in the operation's own unit (bytes for a
    // transfer); total < 0 while it is not known.
    void progress(qint64 done, qint64 total);
    // A line or more for the console, as it is to appear there.
    void log(const QString &text);
    // Emitted once, after which the operation does nothing more.
    void finished(Operation::Outcome outcome, const QString &message);

protected:
    virtual void run() = 0;
    // Stop the work; end with cancelled() (at once or once stopped) or with
    // the end the work reached meanwhile.
    virtual void onAbort();
    // Called once when the operation ends, before finished(): release what
    // the work holds (files, children).
    virtual void cleanUp() {}

    void succeed();
    void fail(const QString &message) { fail(LocalizedText(message)); }
    void fail(const LocalizedText &message);
    void cancelled();

private:
    void end(Outcome outcome, const LocalizedText &message);

    Status m_status = Status::NotStarted;
    Outcome m_outcome = Outcome::Failed;
    LocalizedText m_message;
    bool m_abortRequested = false;
};
