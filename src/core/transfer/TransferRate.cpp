// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/TransferRate.h"

#include "l10n/Translations.h"
#include "transfer/FixedDecimal.h"

#include <QCoreApplication>
#include <QStringList>

#include <QElapsedTimer>

#include <algorithm>
#include <cmath>

namespace {

// Below this span of samples a speed is guesswork.
constexpr qint64 kMinimumSpanMs = 1000;
// Steps of the count a window spans under a limit.
constexpr qint64 kStepsInWindow = 3;
const QString kSeparator = QStringLiteral(" · ");

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.elapsed();
}

} // namespace

TransferRate::TransferRate(Clock clock, qint64 windowMs)
    : m_clock(clock ? std::move(clock) : Clock(monotonicMs)),
      m_baseWindowMs(qMax<qint64>(windowMs, 1)), m_windowMs(m_baseWindowMs)
{}

void TransferRate::setLimit(qint64 bytesPerSecond, qint64 stepBytes)
{
    m_limit = qMax<qint64>(bytesPerSecond, 0);
    m_windowMs = m_baseWindowMs;
    if (m_limit > 0 && stepBytes > 0)
        m_windowMs = qMax(m_windowMs, kStepsInWindow * stepBytes * 1000 / m_limit);
}

qint64 TransferRate::now() const
{
    return m_clock();
}

void TransferRate::reset()
{
    m_samples.clear();
    m_done = -1;
    m_total = -1;
}

void TransferRate::addSample(qint64 bytesDone, qint64 bytesTotal)
{
    if (bytesDone < 0)
        return;
    if (bytesDone < m_done || bytesTotal != m_total)
        m_samples.clear();
    m_done = bytesDone;
    m_total = bytesTotal;
    const qint64 at = now();
    m_samples.append({at, bytesDone});
    // Keep one sample at or before the window's start as the baseline.
    const qint64 windowStart = at - m_windowMs;
    while (m_samples.size() > 2 && m_samples.at(1).atMs <= windowStart)
        m_samples.removeFirst();
}

double TransferRate::bytesPerSecond() const
{
    if (m_samples.isEmpty())
        return -1;
    const qint64 at = now();
    // The newest sample at or before the window's start, else the oldest.
    Sample base = m_samples.first();
    for (const Sample &sample : m_samples) {
        if (sample.atMs > at - m_windowMs)
            break;
        base = sample;
    }
    const qint64 span = at - base.atMs;
    if (span < kMinimumSpanMs)
        return -1;
    // Measured up to now, so a transfer that has stopped slows down to 0.
    const double measured = double(m_done - base.done) * 1000.0 / double(span);
    return m_limit > 0 ? std::min(measured, double(m_limit)) : measured;
}

qint64 TransferRate::secondsLeft() const
{
    const double speed = bytesPerSecond();
    if (m_total < 0 || speed <= 0)
        return -1;
    return qint64(std::ceil(double(m_total - m_done) / speed));
}

QString TransferRate::text(const QString &phase) const
{
    // Made for each progress line: in one string, not a list joined.
    QString text;
    text.reserve(phase.size() + 64);
    const auto nextPart = [&text]() -> QString & {
        if (!text.isEmpty())
            text += kSeparator;
        return text;
    };
    if (!phase.isEmpty())
        text += phase;
    if (m_done >= 0) {
        appendBytes(nextPart(), m_done);
        if (m_total >= 0)
            appendBytes(text += QStringLiteral(" of "), m_total);
    }
    const double speed = bytesPerSecond();
    if (speed >= 0)
        appendBytes(nextPart(), qint64(std::llround(speed))) += QStringLiteral("/s");
    const qint64 left = secondsLeft();
    if (left >= 0)
        nextPart() += formatDuration(left) + QStringLiteral(" left");
    return text;
}

namespace {

QString translatedBytes(qint64 bytes)
{
    return Translations::locale().formattedDataSize(qMax<qint64>(bytes, 0), 1,
                                                    QLocale::DataSizeSIFormat);
}

QString translatedDuration(qint64 seconds)
{
    seconds = qMax<qint64>(seconds, 0);
    const QLocale locale = Translations::locale();
    //: Time left, abbreviated: seconds.
    if (seconds < 60)
        return QCoreApplication::translate("TransferRate", "%1 s").arg(locale.toString(seconds));
    const qint64 minutes = (seconds + 59) / 60;
    //: Time left, abbreviated: minutes.
    if (minutes < 60)
        return QCoreApplication::translate("TransferRate", "%1 min").arg(locale.toString(minutes));
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    //: Time left, abbreviated: hours.
    if (rest == 0)
        return QCoreApplication::translate("TransferRate", "%1 h").arg(locale.toString(hours));
    //: Time left, abbreviated: hours and minutes.
    return QCoreApplication::translate("TransferRate", "%1 h %2 min")
        .arg(locale.toString(hours), locale.toString(rest));
}

} // namespace

QString TransferRate::translatedText(const QString &phase) const
{
    if (!Translations::isTranslating())
        return text(phase);
    QStringList parts;
    if (!phase.isEmpty())
        parts << phase;
    if (m_done >= 0) {
        //: Bytes downloaded of the whole: "120 MB of 10.0 GB".
        parts << (m_total >= 0 ? QCoreApplication::translate("TransferRate", "%1 of %2")
                                     .arg(translatedBytes(m_done), translatedBytes(m_total))
                               : translatedBytes(m_done));
    }
    if (const double speed = bytesPerSecond(); speed >= 0)
        //: A download's speed: "10.0 MB/s".
        parts << QCoreApplication::translate("TransferRate", "%1/s")
                     .arg(translatedBytes(qint64(std::llround(speed))));
    if (const qint64 left = secondsLeft(); left >= 0)
        //: The time a download still needs: "17 min left".
        parts
            << QCoreApplication::translate("TransferRate", "%1 left").arg(translatedDuration(left));
    return parts.join(kSeparator);
}

QString TransferRate::formatBytes(qint64 bytes)
{
    QString text;
    return appendBytes(text, bytes);
}

QString &TransferRate::appendBytes(QString &text, qint64 bytes)
{
    if (bytes < 1000)
        return text += QString::number(qMax<qint64>(bytes, 0)) + QStringLiteral(" B");
    static const char *const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    double value = double(bytes);
    int unit = -1;
    while (value >= 999.95 && unit < 5) {
        value /= 1000.0;
        ++unit;
    }
    const int decimals = value < 99.95 ? 1 : 0;
    FixedDecimal::append(text, value, decimals);
    return text += u' ' + QLatin1String(units[unit]);
}

QString TransferRate::formatDuration(qint64 seconds)
{
    seconds = qMax<qint64>(seconds, 0);
    if (seconds < 60)
        return QString::number(seconds) + QStringLiteral(" s");
    const qint64 minutes = (seconds + 59) / 60;
    if (minutes < 60)
        return QString::number(minutes) + QStringLiteral(" min");
    const qint64 hours = minutes / 60;
    const qint64 rest = minutes % 60;
    if (rest == 0)
        return QString::number(hours) + QStringLiteral(" h");
    return QString::number(hours) + QStringLiteral(" h ") + QString::number(rest) +
           QStringLiteral(" min");
}
