// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "transfer/TransferRate.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <memory>

class ExtractedTree;
class QNetworkAccessManager;
class QProcess;
class ResumableDownload;

// Downloads the community patch archive into the install folder (continuing
// a download an earlier run broke off), checks its records, unpacks it with
// the system's unzip into a private folder inside the install folder, looks
// at what unzip really wrote and only then moves plain files and folders
// into place. Ends in exactly one finished(); progress(), detailChanged()
// and unpacking() come before it.
class PatchInstaller : public QObject
{
    Q_OBJECT

public:
    PatchInstaller(QNetworkAccessManager *network, QString installDir, QObject *parent = nullptr);
    ~PatchInstaller() override;

    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }

    // Begins the download; may finish before it returns (an address that is
    // no address).
    void start();
    // Stops the download, keeping what arrived for the next run; an unzip
    // already running is left to end, quietly: nothing of it is moved into
    // place and nothing is signalled afterwards.
    void abandon();
    // Whether a download or unzip is still under way.
    bool isBusy() const;

    // Where the downloaded archive waits for unzip.
    QString archivePath() const;

Q_SIGNALS:
    // Fraction of the whole archive done (0..1), resumed bytes included,
    // when the size is known.
    void progress(double fraction);
    // A line for under the status: size done, total, speed, time left;
    // empty once the download is over.
    void detailChanged(const QString &text);
    void unpacking();
    void log(const QString &text);
    void finished(bool ok, const QString &failure);
    // isBusy() changed.
    void busyChanged();

private:
    void downloadProgressed(qint64 done, qint64 total);
    void downloadFinished();
    void unpack();
    void unzipEnded(int exitCode);
    void setDetail(const QString &text);
    void end(bool ok, const QString &failure = {});

    QNetworkAccessManager *m_network;
    QString m_installDir;
    std::chrono::milliseconds m_transferTimeout{60000};
    QPointer<ResumableDownload> m_download;
    TransferRate m_rate;
    QElapsedTimer m_sinceDetail;
    QString m_detail;
    // Where unzip writes; removed with this object in every outcome.
    std::unique_ptr<ExtractedTree> m_tree;
    QPointer<QProcess> m_unzip;
    bool m_abandoned = false;
    bool m_ended = false;
};
