// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/PatchUnpack.h"

#include "LogCategories.h"
#include "patch/ExtractedTree.h"
#include "patch/FreeSpace.h"
#include "patch/PatchManifest.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// Often enough that unzip, writing some hundreds of megabytes a second,
// passes the margin by little before it is stopped.
constexpr int kWatchIntervalMs = 20;
constexpr qint64 kMinimumMargin = 64LL * 1024 * 1024;

// Hands what unzip printed on to the launcher's own output, as it came.
void relay(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += written;
    }
}

} // namespace

PatchUnpack::PatchUnpack(QString archivePath, QString installDir, qint64 declaredBytes,
                         qint64 largestEntryBytes, QObject *parent)
    : Operation(parent), m_archivePath(std::move(archivePath)), m_installDir(std::move(installDir)),
      m_declared(qMax<qint64>(0, declaredBytes)), m_largest(qMax<qint64>(0, largestEntryBytes))
{
    m_watch.setInterval(kWatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &PatchUnpack::watchSpace);
}

PatchUnpack::~PatchUnpack()
{
    if (m_unzip)
        m_unzip->disconnect(this);
}

qint64 PatchUnpack::marginBytes(qint64 declaredBytes)
{
    return qMax(kMinimumMargin, declaredBytes / 100);
}

void PatchUnpack::run()
{
    // Private folders of a launcher that crashed or was killed mid-unpack.
    if (const int removed = ExtractedTree::removeLeftovers(m_installDir))
        qCInfo(lcPatch) << "removed" << removed << "unpacking leftovers in" << m_installDir;
    // A real bound: unzip writes no more than this (and the margin).
    if (const QString shortage = FreeSpace::shortage(m_installDir, m_declared);
        !shortage.isEmpty()) {
        QFile::remove(m_archivePath);
        return fail(LocalizedText::translate("Patch", "Failed to unpack patch: %1").arg(shortage));
    }
    QString error;
    m_tree = ExtractedTree::create(m_installDir, &error);
    if (!m_tree) {
        QFile::remove(m_archivePath);
        return fail(LocalizedText::translate("Patch", "Failed to unpack patch: %1").arg(error));
    }

    auto *unzip = new QProcess(this);
    unzip->setProgram(m_program);
    // Into the empty private folder: -o only keeps unzip from asking about
    // names the archive holds twice.
    unzip->setArguments(
        {QStringLiteral("-o"), m_archivePath, QStringLiteral("-d"), m_tree->path()});
    // unzip's own report goes to the launcher's output, not the console,
    // through pipes: the file size limit below would hold for a standard
    // output redirected to a file as well. It gets no input: a question from
    // it must not wait on a pipe nobody feeds.
    unzip->setStandardInputFile(QProcess::nullDevice());
    connect(unzip, &QProcess::readyReadStandardOutput, this,
            [unzip] { relay(STDOUT_FILENO, unzip->readAllStandardOutput()); });
    connect(unzip, &QProcess::readyReadStandardError, this,
            [unzip] { relay(STDERR_FILENO, unzip->readAllStandardError()); });
    const auto limit = rlim_t(m_largest);
    unzip->setChildProcessModifier([limit] {
        // In the child, before unzip runs: a write past the limit fails
        // (unzip reports it and exits non-zero) instead of killing it.
        ::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit bound = {limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &bound);
    });
    connect(unzip, &QProcess::errorOccurred, this, [this, unzip](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        m_watch.stop();
        m_unzip = nullptr;
        unzip->deleteLater();
        if (abortRequested())
            return cancelled();
        // The archive stays; the next patch download replaces it.
        fail(LocalizedText::translate("Patch", "Failed to execute unzip: %1")
                 .arg(unzip->errorString()));
    });
    connect(unzip, &QProcess::finished, this, &PatchUnpack::unzipEnded);
    m_unzip = unzip;
    m_overran = false;
    m_freeBaseline = FreeSpace::available(m_tree->path());
    m_watch.start();
    unzip->start();
}

void PatchUnpack::watchSpace()
{
    if (!m_unzip || m_freeBaseline < 0)
        return;
    const qint64 bound = m_declared + marginBytes(m_declared);
    const qint64 free = FreeSpace::available(m_tree->path());
    if (free < 0 || m_freeBaseline - free <= bound)
        return;
    // Other programs write to the same disk: only what is in the private
    // folder counts. Measured only now, when the cheap figure says it may
    // be too much; the rest of the loss is someone else's.
    const qint64 written = m_tree->bytesOnDisk();
    if (written <= bound) {
        m_freeBaseline = free + written;
        return;
    }
    qCWarning(lcPatch) << "unzip wrote" << written << "bytes for an archive that declares"
                       << m_declared << "; stopping it";
    m_overran = true;
    m_watch.stop();
    m_unzip->kill();
}

void PatchUnpack::failUnchanged(const LocalizedText &message)
{
    //: Ends a failure's message: the install folder was left as it was.
    fail(LocalizedText::translate("Patch", "%1; nothing was changed").arg(message));
}

void PatchUnpack::unzipEnded(int exitCode, QProcess::ExitStatus status)
{
    m_watch.stop();
    if (m_unzip) {
        relay(STDOUT_FILENO, m_unzip->readAllStandardOutput());
        relay(STDERR_FILENO, m_unzip->readAllStandardError());
        m_unzip->deleteLater();
    }
    m_unzip = nullptr;
    // Stopped on request: nothing is moved; the private folder goes with
    // the end, the archive stays for the next download to replace.
    if (abortRequested())
        return cancelled();
    QFile::remove(m_archivePath);
    if (m_overran)
        return failUnchanged(LocalizedText::translate("Patch",
                                                      "Failed to unpack patch: unzip wrote more "
                                                      "than the %1 the archive declares")
                                 .arg(FreeSpace::size(m_declared)));
    if (status == QProcess::CrashExit)
        return failUnchanged(
            LocalizedText::translate("Patch", "Failed to unpack patch (unzip ended by signal %1)")
                .arg(exitCode));
    if (exitCode != 0)
        return failUnchanged(
            LocalizedText::translate("Patch", "Failed to unpack patch (unzip exited with code %1)")
                .arg(exitCode));
    // Whatever the archive check concluded, this is what unzip made of the
    // bytes: a link, device, pipe or socket anywhere refuses the whole patch.
    if (const std::optional<QString> reason = m_tree->refusalReason())
        return fail(
            LocalizedText::translate("Patch", "Refused the patch archive: %1").arg(*reason));
    // What the patch puts at the top of the install folder, recorded once it
    // is there: the launcher's own files among the player's, for a move.
    const QStringList placed =
        QDir(m_tree->path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    bool unchanged = true;
    if (const std::optional<QString> failure = m_tree->moveIntoPlace(&unchanged)) {
        const LocalizedText message =
            LocalizedText::translate("Patch", "Failed to unpack patch: %1").arg(*failure);
        return unchanged ? failUnchanged(message) : fail(message);
    }
    PatchManifest::record(m_installDir, placed);
    Q_EMIT log(QStringLiteral("[✓] Community Patch successfully applied!\n"));
    succeed();
}

void PatchUnpack::onAbort()
{
    // unzip is killed; its end (unzipEnded) ends the operation.
    if (m_unzip && m_unzip->state() != QProcess::NotRunning)
        m_unzip->kill();
    else
        cancelled();
}

void PatchUnpack::cleanUp()
{
    m_watch.stop();
    // What unzip wrote and was not moved goes, in every outcome.
    m_tree.reset();
}
