// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/TokenBucket.h"

#include <algorithm>
#include <limits>

namespace {

// The bucket holds this much time's worth of the rate.
constexpr qint64 kBurstMs = 100;

} // namespace

TokenBucket::TokenBucket(qint64 bytesPerSecond)
    : m_rate(std::max<qint64>(bytesPerSecond, 0)),
      m_capacity(m_rate > 0 ? std::max<qint64>(m_rate * kBurstMs / 1000, 1) : 0),
      // Full at the start: the first bytes need not wait.
      m_tokens(double(m_capacity))
{
    m_clock.start();
}

void TokenBucket::refill()
{
    const qint64 now = m_clock.elapsed();
    const qint64 elapsed = now - m_lastMs;
    if (elapsed <= 0)
        return;
    m_lastMs = now;
    m_tokens = std::min(double(m_capacity), m_tokens + double(elapsed) * double(m_rate) / 1000.0);
}

qint64 TokenBucket::available()
{
    if (!isLimited())
        return std::numeric_limits<qint64>::max();
    refill();
    return qint64(m_tokens);
}

void TokenBucket::take(qint64 bytes)
{
    if (isLimited())
        m_tokens = std::max(0.0, m_tokens - double(bytes));
}
