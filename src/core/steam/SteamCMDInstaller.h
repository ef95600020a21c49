// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"

#include <QPointer>
#include <QString>

#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QProcess;

// Puts SteamCMD into its folder: fetches the published tarball, unpacks it
// with the system's tar, clears the quarantine attributes (macOS) and makes
// the SteamCMD executable runnable. Every step is reported as console text.
// Aborted, it stops the transfer or tar and removes the tarball, and with
// an unfinished extraction the SteamCMD executable too, so that the next
// run installs afresh instead of starting half a SteamCMD.
class SteamCMDInstaller : public Operation
{
    Q_OBJECT

public:
    // steamCMDDir receives the tarball's contents; binary is the executable
    // inside it that must be there afterwards.
    SteamCMDInstaller(QNetworkAccessManager *network, QString steamCMDDir, QString binary,
                      QObject *parent = nullptr);

    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }

protected:
    // May finish before it returns (a folder that cannot be made, an
    // address that is no address).
    void run() override;
    void onAbort() override;

private:
    void extract(const QByteArray &body);
    void clearQuarantine();
    void setPermissions();

    QNetworkAccessManager *m_network;
    QString m_dir;
    QString m_binary;
    QString m_tarball;
    std::chrono::milliseconds m_transferTimeout{60000};
    QPointer<QNetworkReply> m_reply;
    QPointer<QProcess> m_tar;
};
