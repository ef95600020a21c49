// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <chrono>

class QNetworkAccessManager;

// Puts SteamCMD into its folder: fetches the published tarball, unpacks it
// with the system's tar, clears the quarantine attributes (macOS) and makes
// the SteamCMD executable runnable. Every step is reported as console text;
// the install ends in exactly one finished().
class SteamCMDInstaller : public QObject
{
    Q_OBJECT

public:
    // steamCMDDir receives the tarball's contents; binary is the executable
    // inside it that must be there afterwards.
    SteamCMDInstaller(QNetworkAccessManager *network, QString steamCMDDir, QString binary,
                      QObject *parent = nullptr);

    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }

    // Begins the install; may finish before it returns (a folder that cannot
    // be made, an address that is no address).
    void start();

Q_SIGNALS:
    void log(const QString &text);
    // ok: SteamCMD is ready. Otherwise failure is the message for the console.
    void finished(bool ok, const QString &failure);

private:
    void extract(const QByteArray &body);
    void clearQuarantine();
    void setPermissions();
    void end(bool ok, const QString &failure = {});

    QNetworkAccessManager *m_network;
    QString m_dir;
    QString m_binary;
    QString m_tarball;
    std::chrono::milliseconds m_transferTimeout{60000};
    bool m_ended = false;
};
