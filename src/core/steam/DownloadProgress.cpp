// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/DownloadProgress.h"

#include "transfer/FixedDecimal.h"

#include <QTimer>

#include <algorithm>

namespace {

// How far a progress line's byte count can move at once: Steam sends a
// depot in chunks of up to a mebibyte, and SteamCMD's count can move by a
// whole chunk.
constexpr qint64 kChunkBytes = 1024 * 1024;
// Chunks a stall waits for under a limit before it is one.
constexpr qint64 kChunksBeforeStall = 2;

} // namespace

DownloadProgress::DownloadProgress(std::chrono::milliseconds stallLimit, QObject *parent,
                                   TransferRate::Clock clock)
    : QObject(parent), m_baseStallLimit(stallLimit), m_stallLimit(stallLimit),
      m_stallTimer(new QTimer(this)), m_rate(std::move(clock))
{
    m_stallTimer->setSingleShot(true);
    m_stallTimer->setInterval(stallLimit);
    connect(m_stallTimer, &QTimer::timeout, this, &DownloadProgress::stalled);
}

void DownloadProgress::restart()
{
    m_rate.reset();
    m_phase = SteamProgress::Phase::Other;
    m_lastLine.clear();
    m_percentLength = -1;
    moved();
}

void DownloadProgress::setRateLimit(qint64 bytesPerSecond)
{
    m_rate.setLimit(bytesPerSecond, kChunkBytes);
    m_stallLimit = m_baseStallLimit;
    if (bytesPerSecond > 0)
        m_stallLimit =
            std::max(m_stallLimit, std::chrono::milliseconds(kChunksBeforeStall * kChunkBytes *
                                                             1000 / bytesPerSecond));
    m_stallTimer->setInterval(m_stallLimit);
}

void DownloadProgress::setWatching(bool watching)
{
    if (m_watching == watching)
        return;
    m_watching = watching;
    if (watching)
        m_stallTimer->start();
    else
        m_stallTimer->stop();
}

void DownloadProgress::moved()
{
    if (m_watching)
        m_stallTimer->start();
}

void DownloadProgress::output(const QStringList &progressLines, bool saidMore)
{
    for (const QString &line : progressLines) {
        if (line != m_lastLine)
            take(line);
    }
    if (saidMore)
        moved();
}

void DownloadProgress::take(const QString &line)
{
    m_lastLine = line;
    const std::optional<SteamProgress> progress = SteamProgress::parse(line);
    if (!progress)
        return;
    // The percentage and the bytes start again with each phase.
    if (progress->phase != m_phase)
        m_rate.reset();
    m_phase = progress->phase;
    QString detail;
    if (progress->hasBytes()) {
        m_percentLength = -1;
        m_rate.addSample(progress->bytesDone, progress->bytesTotal);
        detail = m_rate.translatedText(progress->translatedPhaseName());
    } else {
        // The detail is the phase's name and these digits.
        char digits[sizeof m_percentDigits];
        const int length = FixedDecimal::write(progress->percent, 1, digits);
        if (length >= 0 && length == m_percentLength && m_phase == m_percentPhase &&
            std::equal(digits, digits + length, m_percentDigits) &&
            (m_phase != SteamProgress::Phase::Other || progress->phaseText == m_percentPhaseText))
            return;
        detail = progress->translatedPercentDetail();
        m_percentLength = length;
        m_percentPhase = m_phase;
        m_percentPhaseText = progress->phaseText;
        std::copy(digits, digits + std::max(length, 0), m_percentDigits);
    }
    if (detail == m_detail)
        return;
    m_detail = detail;
    Q_EMIT detailChanged(detail);
}
