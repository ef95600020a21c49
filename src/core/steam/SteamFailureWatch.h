// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SteamFailureReasons.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

// Finds SteamCMD's failure reasons in its output as it arrives: each line,
// and the end of the line still open (SteamCMD often prints a reason there
// and waits). Each kind of failure is reported once per SteamCMD start, so
// a reason seen on the open line is not reported again when the line ends.
class SteamFailureWatch
{
public:
    SteamFailureWatch(QString assetsDir, QString steamCMDDir);

    // The failures first seen in this read, in order.
    QList<SteamFailure> feed(QStringView chunk);
    // A new SteamCMD start: everything may be reported again.
    void restart();

    // How much of an open line is kept for the next read.
    static constexpr qsizetype maxOpenLine = 1024;

private:
    void look(QStringView line, QList<SteamFailure> &found);

    QString m_assetsDir;
    QString m_steamCMDDir;
    QString m_openLine;
    QSet<SteamFailure::Kind> m_seen;
};
