// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: SteamCMD's output as the reader takes it apart. The input
// is cut into reads at each 0xFF byte (never part of UTF-8), so the fuzzer
// chooses where reads end; every progress line the reader reports, and every
// line of the input, is taken apart and compared with the regular expression
// that states the progress line's grammar, and the details written from it
// with QString::number.
#include "steam/SteamCMDReader.h"
#include "steam/SteamProgress.h"
#include "transfer/FixedDecimal.h"

#include <QRegularExpression>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The grammar as a regular expression, taken as SteamProgress::parse must:
// the last match, the percentage within 0..100, counts only when they agree.
std::optional<SteamProgress> reference(QStringView text)
{
    static const QRegularExpression line(
        QStringLiteral(R"(update state \(0x([0-9a-f]{1,8})\)\s*([a-z][a-z ]*?)\s*,\s*progress:\s*)"
                       R"((\d{1,3}(?:[.,]\d+)?)(?![\d.,])(?:\s*\((\d{1,18})\s*/\s*(\d{1,18})\))?)"),
        QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = line.globalMatch(text); it.hasNext();)
        last = it.next();
    if (!last.hasMatch())
        return std::nullopt;
    SteamProgress progress;
    progress.state = last.captured(1).toUInt(nullptr, 16);
    progress.phaseText = last.captured(2);
    using Phase = SteamProgress::Phase;
    const QString words = progress.phaseText.toLower();
    const std::pair<const char *, Phase> names[] = {
        {"preallocating", Phase::Preallocating},
        {"downloading", Phase::Downloading},
        {"verifying install", Phase::VerifyingInstall},
        {"verifying update", Phase::VerifyingUpdate},
        {"committing", Phase::Committing},
        {"reconfiguring", Phase::Reconfiguring},
    };
    for (const auto &[name, phase] : names) {
        if (words == QLatin1StringView(name))
            progress.phase = phase;
    }
    const double percent = last.captured(3).replace(u',', u'.').toDouble();
    if (!std::isfinite(percent) || percent < 0 || percent > 100)
        return std::nullopt;
    progress.percent = percent;
    if (last.hasCaptured(4)) {
        const qint64 done = last.captured(4).toLongLong();
        const qint64 total = last.captured(5).toLongLong();
        if (done <= total) {
            progress.bytesDone = done;
            progress.bytesTotal = total;
        }
    }
    return progress;
}

void check(QStringView text)
{
    const std::optional<SteamProgress> got = SteamProgress::parse(text);
    const std::optional<SteamProgress> want = reference(text);
    if (got.has_value() != want.has_value())
        std::abort();
    if (!got)
        return;
    if (got->state != want->state || got->phase != want->phase ||
        got->phaseText != want->phaseText || got->percent != want->percent ||
        got->bytesDone != want->bytesDone || got->bytesTotal != want->bytesTotal)
        std::abort();
    if (got->percentDetail() !=
        got->phaseName() + QStringLiteral(" · ") + QString::number(got->percent, 'f', 1) + u'%')
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(data, qsizetype(size));

    // Any eight bytes as a number, written with 0 and 1 decimals.
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        for (int decimals : {0, 1}) {
            if (FixedDecimal::text(value, decimals) != QString::number(value, 'f', decimals))
                std::abort();
        }
    }

    SteamCMDReader reader(QStringLiteral("/assets"), QStringLiteral("/steamcmd"));
    QString all;
    for (qsizetype from = 0; from <= input.size();) {
        qsizetype end = input.indexOf('\xff', from);
        if (end < 0)
            end = input.size();
        const QString chunk = QString::fromUtf8(input.sliced(from, end - from));
        all += chunk;
        for (const SteamCMDReader::Event &event : reader.feed(chunk)) {
            if (event.kind == SteamCMDReader::Event::Kind::Progress)
                check(event.line);
        }
        // The byte after a cut says what the launcher did meanwhile.
        if (end + 1 < input.size()) {
            switch (uchar(input[end + 1]) % 8) {
            case 0:
                reader.lineEnded();
                break;
            case 1:
                reader.codeSubmitted();
                break;
            default:
                break;
            }
        }
        from = end + 1;
    }
    for (const QStringView line : QStringView(all).tokenize(u'\n'))
        check(line);
    check(all);
    return 0;
}
