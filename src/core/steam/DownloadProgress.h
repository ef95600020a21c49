// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "steam/SteamProgress.h"
#include "transfer/TransferRate.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>

class QTimer;

// What SteamCMD's progress lines mean for a person: the phase, the bytes,
// the speed and the time left ("Downloading · 120 MB of 10.0 GB ·
// 10.0 MB/s · 17 min left"), and whether SteamCMD has stalled: no new
// output for the stall limit while it downloads or validates (a progress
// line repeated unchanged is no new output).
class DownloadProgress : public QObject
{
    Q_OBJECT

public:
    explicit DownloadProgress(std::chrono::milliseconds stallLimit, QObject *parent = nullptr,
                              TransferRate::Clock clock = {});

    // The progress lines of one read of SteamCMD's output, and whether it
    // said anything else (SteamCMDReader::saidMore()).
    void output(const QStringList &progressLines, bool saidMore);
    // Whether the stall limit applies (downloading or validating).
    void setWatching(bool watching);
    // A new SteamCMD start: the speed and the last line are forgotten.
    void restart();
    // SteamCMD is held to this many bytes per second (0: not held). Its
    // byte count can move a whole chunk of the depot (up to a mebibyte) at
    // once, so under a low limit the same line can rightly repeat for
    // longer than the stall limit: the stall limit grows to what two chunks
    // take at the limit, and the speed is averaged over a few chunks, never
    // above the limit.
    void setRateLimit(qint64 bytesPerSecond);

    QString detail() const { return m_detail; }
    // The time without news that counts as a stall, the limit's share
    // included.
    std::chrono::milliseconds stallLimit() const { return m_stallLimit; }

Q_SIGNALS:
    void detailChanged(const QString &detail);
    // Once per stall; again only after SteamCMD has moved on.
    void stalled();

private:
    void take(const QString &line);
    void moved();

    std::chrono::milliseconds m_baseStallLimit;
    std::chrono::milliseconds m_stallLimit;
    QTimer *m_stallTimer;
    TransferRate m_rate;
    SteamProgress::Phase m_phase = SteamProgress::Phase::Other;
    QString m_lastLine;
    QString m_detail;
    // What the detail was made of when it is a percentage ("Downloading ·
    // 12.3%"): most lines move it by less than the tenth it shows, and then
    // it is not made again. Length -1: the detail is of another kind.
    QString m_percentPhaseText;
    char m_percentDigits[24] = {};
    SteamProgress::Phase m_percentPhase = SteamProgress::Phase::Other;
    int m_percentLength = -1;
    bool m_watching = false;
};
