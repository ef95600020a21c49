// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// One SteamCMD progress line, taken apart:
//   " Update state (0x61) downloading, progress: 12.34 (127644881 / 11530459441)"
// Some locales print a decimal comma ("12,34"); the line may begin with a
// blank and a terminal reset sequence. The percentage restarts with each
// phase, so the phase belongs with it.
struct SteamProgress
{
    enum class Phase
    {
        Other, // a state SteamCMD names in words we do not know
        Preallocating,
        Downloading,
        VerifyingInstall,
        VerifyingUpdate,
        Committing,
        Reconfiguring,
    };

    Phase phase = Phase::Other;
    uint state = 0;        // the flags in "(0x61)"
    QString phaseText;     // the phase as SteamCMD printed it: "verifying install"
    double percent = 0;    // 0..100
    qint64 bytesDone = -1; // -1 when the line gives no usable byte counts
    qint64 bytesTotal = -1;

    bool hasBytes() const { return bytesTotal >= 0; }
    // A short word for people: "Downloading", "Verifying", ...
    QString phaseName() const;
    // "Downloading · 12.3%": the phase's name and the percentage to a tenth.
    QString percentDetail() const;
    // The same two in the player's language (see Translations); exactly
    // the ones above while the launcher speaks English.
    QString translatedPhaseName() const;
    QString translatedPercentDetail() const;

    // The last progress line in `text`, or nothing.
    static std::optional<SteamProgress> parse(QStringView text);
};
