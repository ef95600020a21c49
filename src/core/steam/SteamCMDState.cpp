// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDState.h"

#include "steam/SteamProgress.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

SteamCMDState SteamCMDState::downloading(const QString &progressLine)
{
    SteamCMDState s(Kind::Downloading);
    s.m_text = progressLine;
    return s;
}

SteamCMDState SteamCMDState::downloadingPatch(double fraction)
{
    SteamCMDState s(Kind::DownloadingPatch);
    // A fraction that is not a number says nothing of the progress: none
    // known yet. Kept within 0..1, the state is equal to itself and its
    // status text is always a percentage, so observers hear of real changes
    // only.
    s.m_progress = std::isnan(fraction) ? 0.0 : std::clamp(fraction, 0.0, 1.0);
    return s;
}

SteamCMDState SteamCMDState::failed(const QString &message)
{
    SteamCMDState s(Kind::Failed);
    s.m_text = message;
    return s;
}

QString SteamCMDState::statusText() const
{
    switch (m_kind) {
    case Kind::Downloading:
        return QStringLiteral("DOWNLOADING ASSETS... ") + m_text;
    case Kind::DownloadingPatch: {
        // printf "%.0f" rounds half to even exactly like the C library does;
        // QString::number would not, so the C library formats it.
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "DOWNLOADING PATCH... %.0f%%", m_progress * 100.0);
        return QString::fromLatin1(buffer);
    }
    case Kind::Failed:
        return QStringLiteral("ERROR: ") + m_text;
    case Kind::Idle:
        return QStringLiteral("READY");
    case Kind::DownloadingSteamCMD:
        return QStringLiteral("INSTALLING STEAMCMD...");
    case Kind::Authenticating:
        return QStringLiteral("AUTHENTICATING...");
    case Kind::WaitingSteamGuard:
        return QStringLiteral("STEAM GUARD CODE REQUIRED");
    case Kind::Validating:
        return QStringLiteral("VALIDATING FILES...");
    case Kind::UnpackingPatch:
        return QStringLiteral("UNPACKING PATCH...");
    case Kind::Completed:
        return QStringLiteral("ASSETS READY");
    }
    return {};
}

double SteamCMDState::fraction() const
{
    switch (m_kind) {
    case Kind::Downloading:
        if (const std::optional<SteamProgress> line = SteamProgress::parse(m_text)) {
            // The byte counts are finer than the two decimals of the percentage.
            if (line->hasBytes() && line->bytesTotal > 0)
                return double(line->bytesDone) / double(line->bytesTotal);
            return line->percent / 100.0;
        }
        return -1;
    case Kind::DownloadingPatch:
        return std::isfinite(m_progress) && m_progress >= 0 ? std::min(m_progress, 1.0) : -1;
    default:
        return -1;
    }
}

bool SteamCMDState::isRunning() const
{
    switch (m_kind) {
    case Kind::Downloading:
    case Kind::DownloadingPatch:
    case Kind::DownloadingSteamCMD:
    case Kind::Authenticating:
    case Kind::Validating:
    case Kind::UnpackingPatch:
        return true;
    case Kind::Failed:
    case Kind::Idle:
    case Kind::WaitingSteamGuard:
    case Kind::Completed:
        return false;
    }
    return false;
}

bool operator==(const SteamCMDState &a, const SteamCMDState &b)
{
    if (a.m_kind != b.m_kind)
        return false;
    switch (a.m_kind) {
    case SteamCMDState::Kind::Downloading:
    case SteamCMDState::Kind::Failed:
        return a.m_text == b.m_text;
    case SteamCMDState::Kind::DownloadingPatch:
        return a.m_progress == b.m_progress;
    default:
        return true;
    }
}
