// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QProcess;
class QSaveFile;

// Downloads the community patch archive into the install folder, checks its
// records and unpacks it over the install folder with the system's unzip.
// Ends in exactly one finished(); progress() and unpacking() come before it.
class PatchInstaller : public QObject
{
    Q_OBJECT

public:
    PatchInstaller(QNetworkAccessManager *network, QString installDir, QObject *parent = nullptr);
    ~PatchInstaller() override;

    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }

    // Begins the download; may finish before it returns (an address that is
    // no address, a folder that cannot be written).
    void start();
    // Stops the download; an unzip already running is left to end, quietly
    // and without touching the archive. Nothing is signalled afterwards.
    void abandon();
    // Whether a download or unzip is still under way.
    bool isBusy() const;

    // Where the downloaded archive waits for unzip.
    QString archivePath() const;

Q_SIGNALS:
    // Fraction of the download done (0..1), when the size is known.
    void progress(double fraction);
    void unpacking();
    void log(const QString &text);
    void finished(bool ok, const QString &failure);
    // isBusy() changed.
    void busyChanged();

private:
    void dataArrived();
    void downloadFinished();
    void unpack();
    void end(bool ok, const QString &failure = {});

    QNetworkAccessManager *m_network;
    QString m_installDir;
    std::chrono::milliseconds m_transferTimeout{60000};
    QPointer<QNetworkReply> m_reply;
    // The download streams into it beside its final place; committing it
    // renames it there, dropping it removes it.
    std::unique_ptr<QSaveFile> m_file;
    QString m_writeError;
    qint64 m_received = 0;
    QPointer<QProcess> m_unzip;
    bool m_abandoned = false;
    bool m_ended = false;
};
