// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

// How many bytes a transfer held to a rate may take now: a token bucket
// that fills at the rate, up to a tenth of a second's worth, so that a
// pause (nothing to read) is not made up for with a burst afterwards.
// Without a rate everything may be taken at once.
class TokenBucket
{
public:
    explicit TokenBucket(qint64 bytesPerSecond = 0);

    bool isLimited() const { return m_rate > 0; }
    // The most the bucket holds (0 without a rate).
    qint64 capacity() const { return m_capacity; }
    // What may be taken now; the largest qint64 without a rate.
    qint64 available();
    void take(qint64 bytes);

private:
    void refill();

    qint64 m_rate;
    qint64 m_capacity;
    double m_tokens;
    QElapsedTimer m_clock;
    qint64 m_lastMs = 0;
};
