// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGINT and SIGTERM into a Qt signal delivered by the event loop
// (self-pipe: the handler only writes the signal number to a pipe). The
// previous handlers come back when the object goes away. One at a time.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    bool isValid() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void received(int signalNumber);

private:
    QSocketNotifier *m_notifier = nullptr;
};
