// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/PatchDownload.h"

#include "LogCategories.h"
#include "patch/ResumableDownload.h"
#include "patch/ZipStreamCheck.h"

#include <QTimer>
#include <QUrl>

namespace {

// How long one turn of reading back may hold the main thread while the
// check catches up with a kept part; the transfer goes on in between.
constexpr std::chrono::milliseconds kReadTurn{20};
// How far the download may run ahead of the check before it reads on.
constexpr qint64 kReadAhead = 1024 * 1024;

} // namespace

PatchDownload::PatchDownload(QNetworkAccessManager *network, QString url, QString archivePath,
                             std::chrono::milliseconds transferTimeout, QObject *parent)
    : Operation(parent), m_network(network), m_url(std::move(url)),
      m_archivePath(std::move(archivePath)), m_transferTimeout(transferTimeout)
{}

PatchDownload::~PatchDownload()
{
    // A transfer still under way stops with its object; the part stays.
    if (m_download)
        m_download->disconnect(this);
}

std::unique_ptr<ZipStreamCheck> PatchDownload::takeStreamCheck()
{
    if (outcome() != Outcome::Succeeded || !isFinished())
        return nullptr;
    return std::move(m_check);
}

void PatchDownload::run()
{
    const QUrl url(m_url, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return fail(LocalizedText::translate("Patch", "Invalid patch URL."));
    // A link in the archive's place would be renamed over, not written
    // through; the part beside it is opened by the download itself.
    m_download = new ResumableDownload(m_network, url, m_archivePath, this);
    m_download->setTransferTimeout(m_transferTimeout);
    m_download->setRateLimit(m_rateLimit);
    connect(m_download, &ResumableDownload::partOpened, this, &PatchDownload::partOpened);
    connect(m_download, &ResumableDownload::resuming, this, [this](qint64 offset, qint64 total) {
        Q_EMIT log(QStringLiteral("[*] ") + ResumableDownload::resumingText(offset, total) +
                   QStringLiteral("\n"));
    });
    connect(m_download, &ResumableDownload::progress, this, [this](qint64 done, qint64 total) {
        Q_EMIT progress(done, total);
        // A megabyte at a time rather than every piece the network hands on.
        if (m_check && done - m_check->position() >= kReadAhead)
            readArrived();
    });
    connect(m_download, &ResumableDownload::finished, this, &PatchDownload::downloadFinished);
    m_download->start();
}

void PatchDownload::partOpened()
{
    // From the first byte again: the part holds a kept beginning, or
    // nothing at all.
    m_check = std::make_unique<ZipStreamCheck>();
    m_reader.close();
    m_reader.setFileName(m_download->partialPath());
    if (!m_reader.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        qCWarning(lcPatch) << "cannot read the patch back while it downloads:"
                           << m_reader.errorString();
}

void PatchDownload::readArrived()
{
    if (!isRunning() || m_readScheduled)
        return;
    // What was written so far (the writer's buffer may hold a little more).
    // Without a reader the archive check reads the archive itself.
    if (m_check && m_reader.isOpen()) {
        const bool caughtUp = m_check->readFrom(m_reader, kReadTurn);
        if (m_check->status() == ZipStreamCheck::Status::Refused)
            return refuse();
        if (!caughtUp) {
            m_readScheduled = true;
            QTimer::singleShot(0, this, [this] {
                m_readScheduled = false;
                readArrived();
            });
            return;
        }
    }
    if (m_downloaded)
        succeed();
}

void PatchDownload::refuse()
{
    const QString why = m_check->refusal().value_or(QString());
    if (m_download) {
        m_download->disconnect(this);
        m_download->abort();
    }
    // Not worth continuing: whatever the rest holds, this archive is refused.
    ResumableDownload::discardPartial(m_archivePath);
    QFile::remove(m_archivePath);
    qCWarning(lcPatch) << "refused the patch while it downloaded:" << why;
    fail(LocalizedText::translate("Patch", "Refused the patch archive: %1").arg(why));
}

void PatchDownload::downloadFinished()
{
    ResumableDownload *download = m_download;
    const ResumableDownload::Outcome outcome = download->outcome();
    switch (outcome) {
    case ResumableDownload::Outcome::Succeeded:
        m_downloaded = true;
        // The rest of what was written is read; succeeds once it is.
        readArrived();
        return;
    case ResumableDownload::Outcome::Aborted:
        return cancelled();
    case ResumableDownload::Outcome::FileError:
        // Nothing written (the part could not be opened) or all of it
        // (it could not be renamed into place): the file, not the transfer.
        if (download->bytesTransferred() == 0 || download->bytesDone() == download->bytesTotal())
            return fail(LocalizedText::translate("Patch", "Failed to prepare patch file: %1")
                            .arg(download->errorString()));
        return fail(LocalizedText::translate("Patch", "Failed to download patch: %1")
                        .arg(download->errorString()));
    default:
        return fail(LocalizedText::translate("Patch", "Failed to download patch: %1")
                        .arg(download->errorString()));
    }
}

void PatchDownload::onAbort()
{
    // The transfer ends as aborted (downloadFinished), keeping its part; a
    // download already over is only being read back.
    if (m_download && m_download->outcome() == ResumableDownload::Outcome::Running)
        m_download->abort();
    // Between two requests (a range answer that did not fit) there is
    // nothing to abort: the download object goes with the operation.
    cancelled();
}

void PatchDownload::cleanUp()
{
    m_reader.close();
    if (m_download) {
        m_download->disconnect(this);
        m_download->deleteLater();
    }
}
