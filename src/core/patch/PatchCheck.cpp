// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/PatchCheck.h"

#include "LogCategories.h"
#include "patch/ZipStreamCheck.h"

#include <QTimer>

namespace {

// How long one turn of reading may hold the main thread.
constexpr std::chrono::milliseconds kReadTurn{20};

} // namespace

PatchCheck::PatchCheck(QString archivePath, std::unique_ptr<ZipStreamCheck> streamed,
                       QObject *parent)
    : Operation(parent), m_archivePath(std::move(archivePath)), m_stream(std::move(streamed))
{}

PatchCheck::~PatchCheck() = default;

void PatchCheck::run()
{
    Q_EMIT log(QStringLiteral("[*] Unpacking patch...\n"));
    m_inspection = PatchArchive::inspect(m_archivePath);
    if (m_inspection.refusal)
        return refuse(*m_inspection.refusal);
    // A body that is no zip archive goes to unzip all the same, which says
    // so; nothing of it can be written.
    if (!m_inspection.isZip) {
        m_inspection.uncompressedBytes = 0;
        m_inspection.largestEntryBytes = 0;
        return succeed();
    }
    if (!m_stream)
        m_stream = std::make_unique<ZipStreamCheck>();
    // What the reading left to the list (a stored entry of unknown size)
    // is read now, the list's sizes in hand.
    m_stream->useListing(m_inspection.listed);
    if (m_stream->status() != ZipStreamCheck::Status::Reading)
        return readOn();
    m_file.setFileName(m_archivePath);
    if (!m_file.open(QIODevice::ReadOnly))
        return refuse(QStringLiteral("it cannot be read: ") + m_file.errorString());
    readOn();
}

void PatchCheck::readOn()
{
    if (!isRunning())
        return;
    if (m_stream->status() == ZipStreamCheck::Status::Reading &&
        !m_stream->readFrom(m_file, kReadTurn)) {
        QTimer::singleShot(0, this, &PatchCheck::readOn);
        return;
    }
    if (const std::optional<QString> why = m_stream->disagreement(m_inspection.listed))
        return refuse(*why);
    succeed();
}

void PatchCheck::refuse(const QString &why)
{
    m_file.close();
    QFile::remove(m_archivePath);
    qCWarning(lcPatch) << "refused the patch archive:" << why;
    fail(LocalizedText::translate("Patch", "Refused the patch archive: %1").arg(why));
}

void PatchCheck::cleanUp()
{
    m_file.close();
}
