// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

// Speed and time left of a transfer from samples of (bytes done, bytes
// total). The speed is averaged over the last few seconds, not since the
// start, so that it follows a connection that speeds up or stalls. Used for
// SteamCMD's progress and the patch download alike.
class TransferRate
{
public:
    // Milliseconds on a monotonic clock; tests pass their own.
    using Clock = std::function<qint64()>;

    explicit TransferRate(Clock clock = {}, qint64 windowMs = 5000);

    // A new sample taken now. Bytes done going backwards or another total
    // means a new phase or a new transfer: the history starts again.
    void addSample(qint64 bytesDone, qint64 bytesTotal);
    void reset();
    // A transfer held to a limit (bytes per second; 0: none). Its speed is
    // never taken as more than the limit, whatever a burst in the counts
    // says. Where the count moves in steps (stepBytes, 0: smoothly), the
    // window spans a few steps at the limit, so that the speed does not
    // swing between a burst and nothing. Set before the first sample.
    void setLimit(qint64 bytesPerSecond, qint64 stepBytes = 0);

    qint64 bytesDone() const { return m_done; }
    qint64 bytesTotal() const { return m_total; }
    // Bytes per second over the window up to now; -1 while unknown (fewer
    // than a second of samples).
    double bytesPerSecond() const;
    // Seconds until done at the current speed; -1 while unknown (no total,
    // no speed, or nothing moving).
    qint64 secondsLeft() const;

    // "1.2 GB of 11.5 GB · 25.3 MB/s · 7 min left", with "Phase · " in
    // front when a phase is given; the parts not known yet are left out.
    QString text(const QString &phase = {}) const;
    // The same in the player's language, sizes and numbers as it writes
    // them (see Translations); exactly text() while the launcher speaks English.
    QString translatedText(const QString &phase = {}) const;

    // "950 B", "12.3 KB", "1.2 GB", "120 GB" (powers of 1000, as Steam counts).
    static QString formatBytes(qint64 bytes);
    // "45 s", "7 min", "2 h 5 min" (rounded up to a whole unit).
    static QString formatDuration(qint64 seconds);

private:
    struct Sample
    {
        qint64 atMs;
        qint64 done;
    };
    qint64 now() const;
    static QString &appendBytes(QString &text, qint64 bytes);

    Clock m_clock;
    qint64 m_baseWindowMs;
    qint64 m_windowMs;
    qint64 m_limit = 0;
    QList<Sample> m_samples;
    qint64 m_done = -1;
    qint64 m_total = -1;
};
