// SPDX-License-Identifier: GPL-3.0-or-later
#include "operation/Operation.h"

Operation::Operation(QObject *parent) : QObject(parent) {}

Operation::~Operation() = default;

void Operation::start()
{
    if (m_status != Status::NotStarted)
        return;
    m_status = Status::Running;
    run();
}

void Operation::abort()
{
    if (m_status == Status::Finished || m_abortRequested)
        return;
    m_abortRequested = true;
    if (m_status == Status::NotStarted) {
        m_status = Status::Running;
        cancelled();
        return;
    }
    onAbort();
}

void Operation::onAbort()
{
    cancelled();
}

void Operation::succeed()
{
    end(Outcome::Succeeded, QString());
}

void Operation::fail(const LocalizedText &message)
{
    end(Outcome::Failed, message);
}

void Operation::cancelled()
{
    end(Outcome::Cancelled, QString());
}

void Operation::end(Outcome outcome, const LocalizedText &message)
{
    if (m_status != Status::Running)
        return;
    m_status = Status::Finished;
    m_outcome = outcome;
    m_message = message;
    cleanUp();
    Q_EMIT finished(outcome, message.english());
}
