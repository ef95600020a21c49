// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"

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
class PatchInstaller : public Operation
{
    Q_OBJECT

public:
    PatchInstaller(QNetworkAccessManager *network, QString installDir, QObject *parent = nullptr);
    ~PatchInstaller() override;

    void setTransferTimeout(std::chrono::milliseconds timeout) { m_transferTimeout = timeout; }

    // Where the downloaded archive waits for unzip.
    QString archivePath() const;

Q_SIGNALS:
    void unpacking();

protected:
    // May finish before it returns (an address that is no address).
    void run() override;
    // Stops the download, keeping what arrived for the next run, or unzip,
    // whose private folder goes.
    void onAbort() override;

private:
    void downloadProgressed(qint64 done, qint64 total);
    void downloadFinished();
    void unpack();
    void unzipEnded(int exitCode);
    void end(bool ok, const QString &failure = {});

    QNetworkAccessManager *m_network;
    QString m_installDir;
    std::chrono::milliseconds m_transferTimeout{60000};
    QPointer<ResumableDownload> m_download;
    // Where unzip writes; removed with this object in every outcome.
    std::unique_ptr<ExtractedTree> m_tree;
    QPointer<QProcess> m_unzip;
};
