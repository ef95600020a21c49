// SPDX-License-Identifier: GPL-3.0-or-later
#include "PatchInstaller.h"

#include "Endpoints.h"
#include "LogCategories.h"
#include "PatchArchive.h"
#include "ReplyBody.h"

#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSaveFile>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace {

// How much of the download may wait in memory before it is written to
// disk; the socket is throttled beyond that.
constexpr qint64 kReadBufferBytes = 1024 * 1024;

} // namespace

PatchInstaller::PatchInstaller(QNetworkAccessManager *network, QString installDir, QObject *parent)
    : QObject(parent), m_network(network), m_installDir(std::move(installDir))
{}

PatchInstaller::~PatchInstaller()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    if (m_unzip)
        m_unzip->disconnect(this);
}

QString PatchInstaller::archivePath() const
{
    return m_installDir + QStringLiteral("/temp_patch.zip");
}

bool PatchInstaller::isBusy() const
{
    return m_reply || m_unzip;
}

void PatchInstaller::end(bool ok, const QString &failure)
{
    if (m_ended)
        return;
    m_ended = true;
    if (!m_abandoned)
        Q_EMIT finished(ok, failure);
}

void PatchInstaller::start()
{
    const QUrl url(Endpoints::communityPatch(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return end(false, QStringLiteral("Invalid patch URL."));

    // A link in the archive's place would make the download land wherever
    // it points: the link goes, not its target.
    if (QFileInfo(archivePath()).isSymLink())
        QFile::remove(archivePath());
    m_file = std::make_unique<QSaveFile>(archivePath());
    if (!m_file->open(QIODevice::WriteOnly))
        return end(false, QStringLiteral("Failed to prepare patch file: ") + m_file->errorString());

    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_transferTimeout.count()));
    m_reply = m_network->get(request);
    m_reply->setReadBufferSize(kReadBufferBytes);
    qCInfo(lcPatch) << "downloading the community patch from" << url.toString();

    connect(m_reply, &QNetworkReply::readyRead, this, &PatchInstaller::dataArrived);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        // Without a known size there is no fraction to show.
        if (total > 0 && !m_abandoned)
            Q_EMIT progress(double(received) / double(total));
    });
    connect(m_reply, &QNetworkReply::finished, this, &PatchInstaller::downloadFinished);
    Q_EMIT busyChanged();
}

void PatchInstaller::abandon()
{
    m_abandoned = true;
    if (m_reply)
        m_reply->abort(); // finishes the download, which then says nothing
}

void PatchInstaller::dataArrived()
{
    if (!m_reply || !m_reply->isOpen() || !m_file)
        return;
    const QByteArray data = m_reply->readAll();
    if (data.isEmpty() || !m_writeError.isEmpty())
        return;
    m_received += data.size();
    if (m_file->write(data) != data.size()) {
        m_writeError = m_file->errorString();
        m_reply->abort();
    }
}

void PatchInstaller::downloadFinished()
{
    if (!m_abandoned)
        dataArrived();
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    if (m_abandoned) {
        m_file.reset();
        Q_EMIT busyChanged();
        return end(false);
    }

    // An HTTP answer, even an error page, is a body that arrived and is
    // handed to unzip like any other; transport failures and a body cut short
    // are download failures.
    const QNetworkReply::NetworkError error = reply->error();
    QString failure;
    if (!m_writeError.isEmpty()) {
        failure = QStringLiteral("Failed to download patch: ") + m_writeError;
    } else if (error == QNetworkReply::OperationCanceledError) {
        // Only the inactivity timeout cancels a download that was not abandoned.
        failure = QStringLiteral("Failed to download patch: no data received for %1 seconds")
                      .arg(QString::number(double(m_transferTimeout.count()) / 1000.0));
    } else if (!ReplyBody::arrivedWhole(reply, m_received)) {
        // Cut short without an error from the network layer: the connection
        // closed early all the same.
        failure = QStringLiteral("Failed to download patch: ") +
                  (error == QNetworkReply::NoError ? QStringLiteral("Connection closed")
                                                   : reply->errorString());
    } else {
        // Whatever is in the archive's place (a folder left by someone) goes;
        // the commit renames the finished download there.
        std::error_code ignored;
        std::filesystem::remove_all(archivePath().toStdString(), ignored);
        if (!m_file->commit())
            failure = QStringLiteral("Failed to prepare patch file: ") + m_file->errorString();
    }
    m_file.reset(); // an uncommitted download is removed here
    if (!failure.isEmpty()) {
        Q_EMIT busyChanged();
        return end(false, failure);
    }
    unpack();
}

void PatchInstaller::unpack()
{
    Q_EMIT unpacking();
    Q_EMIT log(QStringLiteral("[*] Unpacking patch...\n"));
    const QString zip = archivePath();

    // Looked at before anything is written: unzip would create whatever
    // links the archive holds inside the install folder.
    if (const std::optional<QString> reason = PatchArchive::refusalReason(zip)) {
        QFile::remove(zip);
        Q_EMIT busyChanged();
        return end(false, QStringLiteral("Refused the patch archive: ") + *reason);
    }

    auto *unzip = new QProcess(this);
    unzip->setProgram(QStringLiteral("/usr/bin/unzip"));
    unzip->setArguments({QStringLiteral("-o"), zip, QStringLiteral("-d"), m_installDir});
    // unzip's own report goes to the launcher's output, not the console. It
    // gets no input: a question from it must not wait on a pipe nobody feeds.
    unzip->setProcessChannelMode(QProcess::ForwardedChannels);
    unzip->setStandardInputFile(QProcess::nullDevice());

    connect(unzip, &QProcess::errorOccurred, this, [this, unzip](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        unzip->deleteLater();
        m_unzip = nullptr;
        Q_EMIT busyChanged();
        // The archive stays; the next patch download replaces it.
        end(false, QStringLiteral("Failed to execute unzip: ") + unzip->errorString());
    });
    connect(unzip, &QProcess::finished, this, [this, unzip, zip](int exitCode) {
        unzip->deleteLater();
        m_unzip = nullptr;
        // An abandoned install leaves the archive to the run that replaced it.
        if (!m_abandoned)
            QFile::remove(zip);
        Q_EMIT busyChanged();
        if (exitCode != 0) {
            return end(false, QStringLiteral("Failed to unpack patch (unzip exited with code ") +
                                  QString::number(exitCode) + QStringLiteral(")"));
        }
        if (!m_abandoned)
            Q_EMIT log(QStringLiteral("[✓] Community Patch successfully applied!\n"));
        end(true);
    });
    m_unzip = unzip;
    unzip->start();
}
