// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "l10n/LocalizedText.h"

#include <QMetaType>
#include <QObject>
#include <QString>

// Where the Steam download workflow stands. A value type: one of ten kinds,
// some carrying a payload (a progress line, a patch fraction, a failure text).
class SteamCMDState
{
    Q_GADGET
    Q_PROPERTY(Kind kind READ kind CONSTANT)
    Q_PROPERTY(QString statusText READ statusText CONSTANT)
    Q_PROPERTY(QString translatedStatusText READ translatedStatusText CONSTANT)
    Q_PROPERTY(bool isRunning READ isRunning CONSTANT)
    Q_PROPERTY(QString text READ text CONSTANT)
    Q_PROPERTY(double progress READ progress CONSTANT)
    Q_PROPERTY(double fraction READ fraction CONSTANT)

public:
    enum class Kind
    {
        Downloading,         // SteamCMD reports a progress line (text payload)
        DownloadingPatch,    // community patch download (fraction payload, 0..1)
        Failed,              // the workflow ended with a message (text payload)
        Idle,                // nothing under way; also after a cancel
        DownloadingSteamCMD, // SteamCMD itself is being installed
        Authenticating,      // SteamCMD launched, or a Steam Guard code sent
        WaitingSteamGuard,   // SteamCMD asks for a Steam Guard code
        Validating,          // SteamCMD verifies the installed files
        UnpackingPatch,      // unzip runs over the install folder
        Completed,           // assets ready
    };
    Q_ENUM(Kind)

    SteamCMDState() = default; // idle

    static SteamCMDState downloading(const QString &progressLine);
    // The fraction is kept within 0..1; one that is not a number counts as 0.
    static SteamCMDState downloadingPatch(double fraction);
    static SteamCMDState failed(const QString &message);
    static SteamCMDState failed(const LocalizedText &message);
    static SteamCMDState idle() { return SteamCMDState(Kind::Idle); }
    static SteamCMDState downloadingSteamCMD() { return SteamCMDState(Kind::DownloadingSteamCMD); }
    static SteamCMDState authenticating() { return SteamCMDState(Kind::Authenticating); }
    static SteamCMDState waitingSteamGuard() { return SteamCMDState(Kind::WaitingSteamGuard); }
    static SteamCMDState validating() { return SteamCMDState(Kind::Validating); }
    static SteamCMDState unpackingPatch() { return SteamCMDState(Kind::UnpackingPatch); }
    static SteamCMDState completed() { return SteamCMDState(Kind::Completed); }

    Kind kind() const { return m_kind; }
    // Payload of Downloading and Failed; empty for the other kinds.
    QString text() const { return m_text; }
    // Payload of DownloadingPatch; 0 for the other kinds.
    double progress() const { return m_progress; }

    // In English, as the console, the run logs and the tests read it.
    QString statusText() const;
    // In the player's language, as the window and the command line show it.
    QString translatedStatusText() const;
    // The failure's message in the player's language; text() otherwise.
    QString translatedText() const { return m_translatedText; }
    // How far the current step has come, 0..1: the percentage of SteamCMD's
    // progress line (it restarts with each phase) or the patch download's
    // fraction. -1 when no fraction is known.
    double fraction() const;
    // True while a workflow is busy. Waiting for a Steam Guard code is not busy.
    bool isRunning() const;

    // Same kind and equal payloads.
    friend bool operator==(const SteamCMDState &a, const SteamCMDState &b);
    friend bool operator!=(const SteamCMDState &a, const SteamCMDState &b) { return !(a == b); }

private:
    explicit SteamCMDState(Kind kind) : m_kind(kind) {}

    Kind m_kind = Kind::Idle;
    QString m_text;
    QString m_translatedText;
    double m_progress = 0.0;
};

Q_DECLARE_METATYPE(SteamCMDState)
