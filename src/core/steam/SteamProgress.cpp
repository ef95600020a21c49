// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamProgress.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// Byte counts of at most 18 digits fit a qint64.
const QRegularExpression kProgressLine(
    QStringLiteral(R"(update state \(0x([0-9a-f]{1,8})\)\s*([a-z][a-z ]*?)\s*,\s*progress:\s*)"
                   R"((\d{1,3}(?:[.,]\d+)?)(?![\d.,])(?:\s*\((\d{1,18})\s*/\s*(\d{1,18})\))?)"),
    QRegularExpression::CaseInsensitiveOption);

SteamProgress::Phase phaseOf(const QString &words)
{
    using Phase = SteamProgress::Phase;
    const QString w = words.toLower();
    if (w == u"preallocating")
        return Phase::Preallocating;
    if (w == u"downloading")
        return Phase::Downloading;
    if (w == u"verifying install")
        return Phase::VerifyingInstall;
    if (w == u"verifying update")
        return Phase::VerifyingUpdate;
    if (w == u"committing")
        return Phase::Committing;
    if (w == u"reconfiguring")
        return Phase::Reconfiguring;
    return Phase::Other;
}

} // namespace

QString SteamProgress::phaseName() const
{
    switch (phase) {
    case Phase::Preallocating:
        return QStringLiteral("Preparing disk space");
    case Phase::Downloading:
        return QStringLiteral("Downloading");
    case Phase::VerifyingInstall:
    case Phase::VerifyingUpdate:
        return QStringLiteral("Verifying");
    case Phase::Committing:
        return QStringLiteral("Writing files");
    case Phase::Reconfiguring:
        return QStringLiteral("Reconfiguring");
    case Phase::Other:
        break;
    }
    if (phaseText.isEmpty())
        return {};
    return phaseText.left(1).toUpper() + phaseText.mid(1);
}

std::optional<SteamProgress> SteamProgress::parse(QStringView text)
{
    QRegularExpressionMatch last;
    QRegularExpressionMatchIterator it = kProgressLine.globalMatch(text);
    while (it.hasNext())
        last = it.next();
    if (!last.hasMatch())
        return std::nullopt;

    SteamProgress progress;
    progress.state = last.captured(1).toUInt(nullptr, 16);
    progress.phaseText = last.captured(2);
    progress.phase = phaseOf(progress.phaseText);
    QString percent = last.captured(3);
    percent.replace(u',', u'.');
    bool ok = false;
    const double value = percent.toDouble(&ok);
    if (!ok || !std::isfinite(value) || value < 0 || value > 100)
        return std::nullopt;
    progress.percent = value;
    if (last.hasCaptured(4)) {
        const qint64 done = last.captured(4).toLongLong(&ok);
        bool totalOk = false;
        const qint64 total = last.captured(5).toLongLong(&totalOk);
        // Counts that contradict each other are left out, not trusted.
        if (ok && totalOk && done <= total) {
            progress.bytesDone = done;
            progress.bytesTotal = total;
        }
    }
    return progress;
}
