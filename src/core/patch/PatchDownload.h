// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"

#include <QFile>
#include <QPointer>
#include <QString>

#include <chrono>
#include <memory>

class QNetworkAccessManager;
class ResumableDownload;
class ZipStreamCheck;

// The patch download: the archive from `url` into `archivePath`,
// continuing a part an earlier run kept (see ResumableDownload). While the
// bytes arrive, a ZipStreamCheck reads them back from the part file (a kept
// part first), so that checking each entry's data against its records costs
// no time after the download; an entry that lies about its size or CRC-32
// ends the download at once, refused ("Refused the patch archive: ..."), and
// the part goes. progress() counts bytes of the whole archive, kept ones
// included; a resumed download says so in the console.
//
// An abort stops the transfer and keeps the part for the next run. Failures:
// "Invalid patch URL.", "Failed to download patch: <why>", "Failed to
// prepare patch file: <why>" (the file, not the transfer), the refusal.
class PatchDownload : public Operation
{
    Q_OBJECT

public:
    // `network` must outlive the operation.
    PatchDownload(QNetworkAccessManager *network, QString url, QString archivePath,
                  std::chrono::milliseconds transferTimeout = std::chrono::seconds(60),
                  QObject *parent = nullptr);
    ~PatchDownload() override;

    // Holds the transfer to this many bytes per second (0: no limit); set
    // before it starts.
    void setRateLimit(qint64 bytesPerSecond) { m_rateLimit = bytesPerSecond; }

    QString archivePath() const { return m_archivePath; }
    // What was read of the archive while it arrived, for the archive check
    // (PatchCheck); once the download has succeeded, and only once.
    std::unique_ptr<ZipStreamCheck> takeStreamCheck();

protected:
    void run() override;
    void onAbort() override;
    void cleanUp() override;

private:
    void partOpened();
    void readArrived();
    void downloadFinished();
    void refuse();

    QNetworkAccessManager *m_network;
    QString m_url;
    QString m_archivePath;
    std::chrono::milliseconds m_transferTimeout;
    qint64 m_rateLimit = 0;
    QPointer<ResumableDownload> m_download;
    // The part file, read back as it grows (it stays readable through the
    // rename that ends the download).
    QFile m_reader;
    std::unique_ptr<ZipStreamCheck> m_check;
    bool m_downloaded = false;
    bool m_readScheduled = false;
};
