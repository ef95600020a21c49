// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDState.h"

#include "l10n/Translations.h"
#include "steam/SteamProgress.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>

SteamCMDState SteamCMDState::downloading(const QString &progressLine)
{
    SteamCMDState s(Kind::Downloading);
    s.m_text = progressLine;
    s.m_translatedText = progressLine;
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
    return failed(LocalizedText(message));
}

SteamCMDState SteamCMDState::failed(const LocalizedText &message)
{
    SteamCMDState s(Kind::Failed);
    s.m_text = message.english();
    s.m_translatedText = message.translated();
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

QString SteamCMDState::translatedStatusText() const
{
    // The source texts are the English statusText() above, word for word.
    if (!Translations::isTranslating())
        return statusText();
    switch (m_kind) {
    case Kind::Downloading:
        //: Status line; the argument is SteamCMD's own progress line, left as it prints it.
        return QCoreApplication::translate("SteamCMDState", "DOWNLOADING ASSETS... %1").arg(m_text);
    case Kind::DownloadingPatch:
        // Rounded half to even, as the English text's printf rounds it.
        //: Status line; %1 is the percentage's number (42), the percent sign is in the text.
        return QCoreApplication::translate("SteamCMDState", "DOWNLOADING PATCH... %1%")
            .arg(Translations::locale().toString(qint64(std::nearbyint(m_progress * 100.0))));
    case Kind::Failed:
        //: Status line of a failed download; %1 is the failure's message.
        return QCoreApplication::translate("SteamCMDState", "ERROR: %1").arg(m_translatedText);
    case Kind::Idle:
        //: Status line: nothing under way (a state, not a button).
        return QCoreApplication::translate("SteamCMDState", "READY");
    case Kind::DownloadingSteamCMD:
        return QCoreApplication::translate("SteamCMDState", "INSTALLING STEAMCMD...");
    case Kind::Authenticating:
        //: Status line: SteamCMD signs in to Steam.
        return QCoreApplication::translate("SteamCMDState", "AUTHENTICATING...");
    case Kind::WaitingSteamGuard:
        return QCoreApplication::translate("SteamCMDState", "STEAM GUARD CODE REQUIRED");
    case Kind::Validating:
        //: Status line: SteamCMD checks the downloaded files.
        return QCoreApplication::translate("SteamCMDState", "VALIDATING FILES...");
    case Kind::UnpackingPatch:
        return QCoreApplication::translate("SteamCMDState", "UNPACKING PATCH...");
    case Kind::Completed:
        //: Status line: the game data is complete and the game can start.
        return QCoreApplication::translate("SteamCMDState", "ASSETS READY");
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
