// SPDX-License-Identifier: GPL-3.0-or-later
#include "SteamFailureWatch.h"

#include <algorithm>

SteamFailureWatch::SteamFailureWatch(QString assetsDir, QString steamCMDDir)
    : m_assetsDir(std::move(assetsDir)), m_steamCMDDir(std::move(steamCMDDir))
{}

void SteamFailureWatch::restart()
{
    m_openLine.clear();
    m_seen.clear();
}

void SteamFailureWatch::look(QStringView line, QList<SteamFailure> &found)
{
    if (line.trimmed().isEmpty())
        return;
    const SteamFailure failure =
        SteamFailureReasons::recogniseWithLog(line, m_assetsDir, m_steamCMDDir);
    if (failure.isNull() || m_seen.contains(failure.kind))
        return;
    m_seen.insert(failure.kind);
    found.append(failure);
}

QList<SteamFailure> SteamFailureWatch::feed(QStringView chunk)
{
    QList<SteamFailure> found;
    const QString text = m_openLine + chunk.toString();
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' || text[i] == u'\r') {
            look(QStringView(text).mid(start, i - start), found);
            start = i + 1;
        }
    }
    // A line without end (a flood of garbage) is not kept whole.
    start = std::max(start, text.size() - maxOpenLine);
    m_openLine = text.mid(start);
    look(m_openLine, found);
    return found;
}
