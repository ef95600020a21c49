// SPDX-License-Identifier: GPL-3.0-or-later
#include "PatchInstaller.h"

#include "Endpoints.h"
#include "LogCategories.h"
#include "PatchArchive.h"
#include "patch/ExtractedTree.h"
#include "patch/FreeSpace.h"
#include "patch/ResumableDownload.h"

#include <QFile>
#include <QNetworkAccessManager>
#include <QProcess>
#include <QUrl>

PatchInstaller::PatchInstaller(QNetworkAccessManager *network, QString installDir, QObject *parent)
    : Operation(parent), m_network(network), m_installDir(std::move(installDir))
{}

PatchInstaller::~PatchInstaller()
{
    // The download keeps its part for the next run; unzip is stopped with
    // its QProcess, and the private folder goes with m_tree.
    if (m_download)
        m_download->disconnect(this);
    if (m_unzip)
        m_unzip->disconnect(this);
}

QString PatchInstaller::archivePath() const
{
    return m_installDir + QStringLiteral("/temp_patch.zip");
}

void PatchInstaller::end(bool ok, const QString &failure)
{
    // Whatever unzip wrote and was not moved goes, in every outcome.
    m_tree.reset();
    if (abortRequested())
        cancelled();
    else if (ok)
        succeed();
    else
        fail(failure);
}

void PatchInstaller::run()
{
    const QUrl url(Endpoints::communityPatch(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return end(false, QStringLiteral("Invalid patch URL."));

    // Private folders of a launcher that crashed or was killed mid-unpack.
    if (const int removed = ExtractedTree::removeLeftovers(m_installDir))
        qCInfo(lcPatch) << "removed" << removed << "unpacking leftovers in" << m_installDir;
    // A link in the archive's place would be renamed over, not written
    // through; the part beside it is opened by the download itself.
    m_download = new ResumableDownload(m_network, url, archivePath(), this);
    m_download->setTransferTimeout(m_transferTimeout);
    connect(m_download, &ResumableDownload::resuming, this, [this](qint64 offset, qint64 total) {
        Q_EMIT log(QStringLiteral("[*] ") + ResumableDownload::resumingText(offset, total) +
                   QStringLiteral("\n"));
    });
    connect(m_download, &ResumableDownload::progress, this, &PatchInstaller::downloadProgressed);
    connect(m_download, &ResumableDownload::finished, this, &PatchInstaller::downloadFinished);
    m_download->start();
}

void PatchInstaller::onAbort()
{
    if (m_download)
        m_download->abort(); // its end finishes the cancel
    else if (m_unzip)
        m_unzip->kill();
    else
        end(false);
}

void PatchInstaller::downloadProgressed(qint64 done, qint64 total)
{
    Q_EMIT progress(done, total);
}

void PatchInstaller::downloadFinished()
{
    ResumableDownload *download = m_download;
    m_download = nullptr;
    download->deleteLater();
    const ResumableDownload::Outcome outcome = download->outcome();
    if (outcome == ResumableDownload::Outcome::Aborted)
        return end(false);
    QString failure;
    switch (outcome) {
    case ResumableDownload::Outcome::Succeeded:
        break;
    case ResumableDownload::Outcome::FileError:
        // Nothing written (the part could not be opened) or all of it
        // (it could not be renamed into place): the file, not the transfer.
        if (download->bytesTransferred() == 0 || download->bytesDone() == download->bytesTotal())
            failure = QStringLiteral("Failed to prepare patch file: ") + download->errorString();
        else
            failure = QStringLiteral("Failed to download patch: ") + download->errorString();
        break;
    default:
        failure = QStringLiteral("Failed to download patch: ") + download->errorString();
        break;
    }
    if (!failure.isEmpty())
        return end(false, failure);
    unpack();
}

void PatchInstaller::unpack()
{
    Q_EMIT unpacking();
    Q_EMIT log(QStringLiteral("[*] Unpacking patch...\n"));
    const QString zip = archivePath();
    const auto fail = [this, &zip](const QString &failure) {
        QFile::remove(zip);
        end(false, failure);
    };

    // Looked at before anything is written. Not the last word: what unzip
    // makes of the bytes is looked at again before it reaches the tree.
    const PatchArchive::Inspection inspection = PatchArchive::inspect(zip);
    if (inspection.refusal)
        return fail(QStringLiteral("Refused the patch archive: ") + *inspection.refusal);
    // A body that is no zip archive goes to unzip all the same, which says so.
    if (inspection.isZip) {
        const QString shortage = FreeSpace::shortage(m_installDir, inspection.uncompressedBytes);
        if (!shortage.isEmpty())
            return fail(QStringLiteral("Failed to unpack patch: ") + shortage);
    }
    QString error;
    m_tree = ExtractedTree::create(m_installDir, &error);
    if (!m_tree)
        return fail(QStringLiteral("Failed to unpack patch: ") + error);

    auto *unzip = new QProcess(this);
    unzip->setProgram(QStringLiteral("/usr/bin/unzip"));
    // Into the empty private folder: -o only keeps unzip from asking about
    // names the archive holds twice.
    unzip->setArguments({QStringLiteral("-o"), zip, QStringLiteral("-d"), m_tree->path()});
    // unzip's own report goes to the launcher's output, not the console. It
    // gets no input: a question from it must not wait on a pipe nobody feeds.
    unzip->setProcessChannelMode(QProcess::ForwardedChannels);
    unzip->setStandardInputFile(QProcess::nullDevice());

    connect(unzip, &QProcess::errorOccurred, this, [this, unzip](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        unzip->deleteLater();
        m_unzip = nullptr;
        // The archive stays; the next patch download replaces it.
        end(false, QStringLiteral("Failed to execute unzip: ") + unzip->errorString());
    });
    connect(unzip, &QProcess::finished, this, [this, unzip](int exitCode) {
        unzip->deleteLater();
        m_unzip = nullptr;
        unzipEnded(exitCode);
    });
    m_unzip = unzip;
    unzip->start();
}

void PatchInstaller::unzipEnded(int exitCode)
{
    if (abortRequested())
        return end(false);
    QFile::remove(archivePath());
    // Whatever the archive check concluded, this is what unzip made of the
    // bytes: a link, device, pipe or socket anywhere refuses the whole patch.
    if (const std::optional<QString> reason = m_tree->refusalReason())
        return end(false, QStringLiteral("Refused the patch archive: ") + *reason);
    // Plain files and folders only: moved in also after a failed unzip, as
    // unzip itself would have left them in the install folder.
    const std::optional<QString> moveFailure = m_tree->moveIntoPlace();
    if (exitCode != 0) {
        return end(false, QStringLiteral("Failed to unpack patch (unzip exited with code ") +
                              QString::number(exitCode) + QStringLiteral(")"));
    }
    if (moveFailure)
        return end(false, QStringLiteral("Failed to unpack patch: ") + *moveFailure);
    Q_EMIT log(QStringLiteral("[✓] Community Patch successfully applied!\n"));
    end(true);
}
