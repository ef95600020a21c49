// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/InstallFolderMove.h"

#include "LogCategories.h"
#include "patch/FreeSpace.h"
#include "patch/PatchManifest.h"
#include "settings/LauncherSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 kBlockBytes = 4096;
// What each entry counts for against a chunk at least, so that a folder of
// many small files is spread over turns of the event loop too.
constexpr qint64 kEntryCost = 64 * 1024;
constexpr qint64 kBufferBytes = 1024 * 1024;

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray below(const QByteArray &folder, const QByteArray &relative)
{
    return folder + '/' + relative;
}

bool exists(const QByteArray &path)
{
    struct stat info
    {
    };
    return ::lstat(path.constData(), &info) == 0;
}

// The path as the system resolves it: the canonical path of its nearest
// existing folder with the rest appended, so that a folder still to be made
// compares with the folders that exist.
QString resolved(const QString &path)
{
    QString existing = QDir::cleanPath(path);
    QStringList rest;
    while (!QFileInfo::exists(existing) && existing != QDir::rootPath()) {
        rest.prepend(QFileInfo(existing).fileName());
        existing = QFileInfo(existing).path();
    }
    QString canonical = QFileInfo(existing).canonicalFilePath();
    if (canonical.isEmpty())
        canonical = existing;
    return QDir::cleanPath(canonical + QLatin1Char('/') + rest.join(QLatin1Char('/')));
}

bool isInside(const QString &inner, const QString &outer)
{
    if (outer == QDir::rootPath())
        return inner != outer;
    return inner.startsWith(outer + QLatin1Char('/'));
}

// The file system's id of path or, when it is still to be made, of its
// nearest existing folder; -1 when none can be told.
dev_t deviceOf(const QString &path)
{
    QString existing = QDir::cleanPath(path);
    struct stat info
    {
    };
    while (::stat(QFile::encodeName(existing).constData(), &info) != 0) {
        if (existing == QDir::rootPath())
            return dev_t(-1);
        existing = QFileInfo(existing).path();
    }
    return info.st_dev;
}

// A rename that never replaces what is at `to`; where the file system
// cannot promise that, the check is made just before.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return -1;
    if (exists(to)) {
        errno = EEXIST;
        return -1;
    }
    return ::rename(from.constData(), to.constData());
}

// Removes path and everything in it; links are removed, never followed.
QString removeTree(const QByteArray &path)
{
    std::error_code error;
    std::filesystem::remove_all(std::filesystem::path(path.toStdString()), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

QString kindOf(mode_t mode)
{
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QCoreApplication::translate("InstallFolderMove", "device");
    if (S_ISFIFO(mode))
        return QCoreApplication::translate("InstallFolderMove", "named pipe");
    if (S_ISSOCK(mode))
        return QCoreApplication::translate("InstallFolderMove", "socket");
    return QCoreApplication::translate("InstallFolderMove", "special file");
}

// Private copy folders of moves whose launcher is no longer running.
void removeLeftovers(const QString &targetDir)
{
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(
        InstallFolderMove::stagingPrefix() + QStringLiteral("(\\d+)-[0-9a-f]+")));
    const QStringList names =
        QDir(targetDir).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QRegularExpressionMatch match = pattern.match(name);
        if (!match.hasMatch())
            continue;
        const pid_t pid = pid_t(match.captured(1).toLongLong());
        if (pid > 0 && (pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM))
            continue;
        qCInfo(lcSettings) << "removing the leftover of an interrupted move" << name;
        removeTree(QFile::encodeName(QDir(targetDir).filePath(name)));
    }
}

} // namespace

InstallFolderMove::InstallFolderMove(QString sourceDir, QString targetDir, QObject *parent)
    : Operation(parent), m_source(QDir::cleanPath(sourceDir)), m_target(QDir::cleanPath(targetDir))
{
    m_chunkTimer.setInterval(0);
    connect(&m_chunkTimer, &QTimer::timeout, this, &InstallFolderMove::copyChunk);
}

InstallFolderMove::~InstallFolderMove()
{
    // Gone before its end (the launcher quits): the old folder stays in use.
    if (isRunning())
        undo();
}

QString InstallFolderMove::stagingPrefix()
{
    return QStringLiteral(".install-move-");
}

QStringList InstallFolderMove::launcherEntries(const QString &installDir)
{
    // The patch download's archive and its kept part (PatchDownload,
    // ResumableDownload) are the launcher's as well.
    QStringList candidates = {QStringLiteral("Assets"), QStringLiteral("DL_Vantor")};
    candidates += PatchManifest::read(installDir);
    candidates +=
        {PatchManifest::fileName(), QStringLiteral("temp_patch.zip"),
         QStringLiteral("temp_patch.zip.part"), QStringLiteral("temp_patch.zip.part.validator")};
    QStringList present;
    for (const QString &name : std::as_const(candidates)) {
        if (!present.contains(name) && exists(QFile::encodeName(QDir(installDir).filePath(name))))
            present.append(name);
    }
    return present;
}

QString InstallFolderMove::refusal(const QString &sourceDir, const QString &targetDir)
{
    if (!QDir::isAbsolutePath(sourceDir) || !QDir::isAbsolutePath(targetDir))
        return QCoreApplication::translate("InstallFolderMove",
                                           "The install folder must be an absolute path.");
    const QString source = QDir::cleanPath(sourceDir);
    const QString target = QDir::cleanPath(targetDir);
    const QString from = resolved(source);
    const QString to = resolved(target);
    if (from == to)
        return QCoreApplication::translate("InstallFolderMove",
                                           "The game data is in \"%1\" already.")
            .arg(target);
    if (isInside(to, from))
        return QCoreApplication::translate(
                   "InstallFolderMove",
                   "The new install folder cannot be inside the current one (\"%1\").")
            .arg(source);
    if (isInside(from, to))
        return QCoreApplication::translate(
                   "InstallFolderMove",
                   "The new install folder cannot hold the current one (\"%1\").")
            .arg(source);
    const QFileInfo info(target);
    if (info.exists() && !info.isDir())
        return QStringLiteral("\"%1\" is not a folder.").arg(target);
    if (const QStringList there = launcherEntries(target); !there.isEmpty())
        return QStringLiteral("\"%1\" already holds game data of the launcher (%2). Choose another "
                              "folder, or change the folder without moving to use that data.")
            .arg(target, there.join(QStringLiteral(", ")));
    for (const QString &name : launcherEntries(source)) {
        if (exists(QFile::encodeName(QDir(target).filePath(name))))
            return QStringLiteral("\"%1\" already has a \"%2\" of its own, which the move would "
                                  "replace.")
                .arg(target, name);
    }
    return QString();
}

QString InstallFolderMove::failureText(const QString &what) const
{
    return QCoreApplication::translate("InstallFolderMove",
                                       "Could not move the game data: %1; it stays in \"%2\".")
        .arg(what, m_source);
}

void InstallFolderMove::run()
{
    if (const QString why = refusal(m_source, m_target); !why.isEmpty())
        return fail(why);
    m_sourcePath = QFile::encodeName(m_source);
    m_targetPath = QFile::encodeName(m_target);
    m_entries = launcherEntries(m_source);
    if (m_entries.isEmpty())
        return switchFolder();
    qCInfo(lcSettings) << "moving" << m_entries << "from" << m_source << "to" << m_target;

    if (deviceOf(m_source) == deviceOf(m_target)) {
        QString error;
        if (!makeTarget(&error)) {
            undo();
            return fail(failureText(error));
        }
        bool crossDevice = false;
        if (tryRenames(&error, &crossDevice)) {
            m_renamed = true;
            return switchFolder();
        }
        if (!crossDevice) {
            undo();
            return fail(failureText(error));
        }
        // An entry on a file system of its own (a mount point): copied.
        qCInfo(lcSettings) << "an entry is on another file system; copying instead";
    }
    startCopy();
}

bool InstallFolderMove::makeTarget(QString *error)
{
    QStringList missing;
    QString existing = m_target;
    while (!exists(QFile::encodeName(existing)) && existing != QDir::rootPath()) {
        missing.prepend(existing);
        existing = QFileInfo(existing).path();
    }
    for (const QString &folder : std::as_const(missing)) {
        const QByteArray path = QFile::encodeName(folder);
        if (::mkdir(path.constData(), 0777) != 0) {
            *error = QCoreApplication::translate("InstallFolderMove", "could not make \"%1\": %2")
                         .arg(folder, reason(errno));
            return false;
        }
        m_createdFolders.append(path);
    }
    return true;
}

bool InstallFolderMove::tryRenames(QString *error, bool *crossDevice)
{
    for (const QString &name : std::as_const(m_entries)) {
        const QByteArray encoded = QFile::encodeName(name);
        if (renameNoReplace(below(m_sourcePath, encoded), below(m_targetPath, encoded)) != 0) {
            const int failure = errno;
            undoRenames();
            *crossDevice = failure == EXDEV;
            *error = QCoreApplication::translate("InstallFolderMove", "could not move \"%1\": %2")
                         .arg(name, reason(failure));
            return false;
        }
        m_renamedEntries.append(name);
    }
    return true;
}

void InstallFolderMove::undoRenames()
{
    while (!m_renamedEntries.isEmpty()) {
        const QByteArray name = QFile::encodeName(m_renamedEntries.takeLast());
        if (::rename(below(m_targetPath, name).constData(),
                     below(m_sourcePath, name).constData()) != 0)
            qCWarning(lcSettings) << "could not put" << name << "back into" << m_source << ":"
                                  << reason(errno);
    }
}

QString InstallFolderMove::walk(const QByteArray &relative)
{
    const QByteArray path = below(m_sourcePath, relative);
    const QString shown = QFile::decodeName(relative);
    struct stat info
    {
    };
    if (::lstat(path.constData(), &info) != 0)
        return QCoreApplication::translate("InstallFolderMove", "could not read \"%1\": %2")
            .arg(shown, reason(errno));
    Item item;
    item.relative = relative;
    item.mode = info.st_mode & 07777;
    item.modified = info.st_mtim;
    if (S_ISREG(info.st_mode)) {
        item.kind = Item::Kind::File;
        item.size = qint64(info.st_size);
        m_items.push_back(std::move(item));
        return QString();
    }
    if (S_ISLNK(info.st_mode)) {
        item.kind = Item::Kind::Link;
        QByteArray target(qMax<qsizetype>(qsizetype(info.st_size), 255) + 1, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), size_t(target.size()));
        if (length < 0 || length >= target.size())
            return QCoreApplication::translate("InstallFolderMove",
                                               "could not read the link \"%1\"")
                .arg(shown);
        target.truncate(length);
        item.linkTarget = target;
        m_items.push_back(std::move(item));
        return QString();
    }
    if (!S_ISDIR(info.st_mode))
        //: %1 is a path in the game data, %2 what it is ("device", "named pipe", ...).
        return QCoreApplication::translate(
                   "InstallFolderMove",
                   "\"%1\" is a %2; only files, folders and links can be moved")
            .arg(shown, kindOf(info.st_mode));
    item.kind = Item::Kind::Folder;
    m_items.push_back(std::move(item));
    DIR *listing = ::opendir(path.constData());
    if (!listing)
        return QCoreApplication::translate("InstallFolderMove", "could not read \"%1\": %2")
            .arg(shown, reason(errno));
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(listing)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.append(QByteArray(entry->d_name));
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    for (const QByteArray &name : std::as_const(names)) {
        if (const QString why = walk(relative + '/' + name); !why.isEmpty())
            return why;
    }
    return QString();
}

void InstallFolderMove::startCopy()
{
    m_items.clear();
    for (const QString &name : std::as_const(m_entries)) {
        if (const QString why = walk(QFile::encodeName(name)); !why.isEmpty()) {
            undo();
            return fail(failureText(why));
        }
    }
    m_total = 0;
    qint64 needed = 0;
    for (const Item &item : m_items) {
        m_total += item.size;
        needed += (item.size + kBlockBytes - 1) / kBlockBytes * kBlockBytes + kBlockBytes;
    }
    if (const QString shortage = FreeSpace::shortage(m_target, needed); !shortage.isEmpty()) {
        undo();
        return fail(failureText(shortage));
    }
    QString error;
    if (!makeTarget(&error)) {
        undo();
        return fail(failureText(error));
    }
    removeLeftovers(m_target);
    for (int attempt = 0; attempt < 16 && m_staging.isEmpty(); ++attempt) {
        const QByteArray path = below(
            m_targetPath,
            QFile::encodeName(stagingPrefix() + QString::number(::getpid()) + QLatin1Char('-') +
                              QString::number(QRandomGenerator::global()->generate(), 16)));
        if (::mkdir(path.constData(), S_IRWXU) == 0)
            m_staging = path;
        else if (errno != EEXIST)
            break;
    }
    if (m_staging.isEmpty()) {
        const QString why = QCoreApplication::translate("InstallFolderMove",
                                                        "could not make a folder in \"%1\": %2")
                                .arg(m_target, reason(errno));
        undo();
        return fail(failureText(why));
    }
    m_buffer.resize(kBufferBytes);
    m_next = 0;
    m_done = 0;
    Q_EMIT progress(0, m_total);
    if (isRunning())
        m_chunkTimer.start();
}

void InstallFolderMove::copyChunk()
{
    qint64 budget = m_chunkBytes;
    while (budget > 0 && m_next < m_items.size()) {
        bool itemDone = false;
        if (const QString why = copyItem(m_items[m_next], &budget, &itemDone); !why.isEmpty()) {
            qCWarning(lcSettings) << "the move stopped:" << why;
            undo();
            return fail(failureText(why));
        }
        if (itemDone)
            ++m_next;
    }
    Q_EMIT progress(m_done, m_total);
    // Aborted by whoever heard the progress.
    if (!isRunning())
        return;
    if (m_next == m_items.size()) {
        m_chunkTimer.stop();
        finishCopy();
    }
}

QString InstallFolderMove::copyItem(const Item &item, qint64 *budget, bool *itemDone)
{
    const QByteArray to = below(m_staging, item.relative);
    const QString shown = QFile::decodeName(item.relative);
    auto failed = [&shown](int error) {
        return QCoreApplication::translate("InstallFolderMove", "could not copy \"%1\": %2")
            .arg(shown, reason(error));
    };
    if (item.kind == Item::Kind::Folder) {
        // Writable until it is filled; its own mode comes back at the end.
        if (::mkdir(to.constData(), (item.mode & 0777) | S_IRWXU) != 0)
            return failed(errno);
        *budget -= kEntryCost;
        *itemDone = true;
        return QString();
    }
    if (item.kind == Item::Kind::Link) {
        if (::symlink(item.linkTarget.constData(), to.constData()) != 0)
            return failed(errno);
        *budget -= kEntryCost;
        *itemDone = true;
        return QString();
    }
    if (m_readFd < 0) {
        m_readFd = ::open(below(m_sourcePath, item.relative).constData(),
                          O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (m_readFd < 0)
            return failed(errno);
        m_writeFd = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                           (item.mode & 0777) | S_IRUSR | S_IWUSR);
        if (m_writeFd < 0)
            return failed(errno);
        m_fileDone = 0;
        *budget -= kEntryCost;
    }
    for (;;) {
        const qint64 want = qBound<qint64>(kBlockBytes, *budget, kBufferBytes);
        const ssize_t got = ::read(m_readFd, m_buffer.data(), size_t(want));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(errno);
        if (got == 0)
            break;
        for (ssize_t written = 0; written < got;) {
            const ssize_t put =
                ::write(m_writeFd, m_buffer.constData() + written, size_t(got - written));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                return failed(errno);
            written += put;
        }
        m_fileDone += got;
        m_done += got;
        *budget -= got;
        if (m_fileDone > item.size)
            return QStringLiteral("\"%1\" grew while it was being moved").arg(shown);
        if (*budget <= 0)
            return QString();
    }
    if (m_fileDone != item.size)
        return QStringLiteral("\"%1\" changed while it was being moved").arg(shown);
    // The file's own mode (not narrowed by the umask) and time.
    ::fchmod(m_writeFd, item.mode & 0777);
    const timespec times[2] = {{0, UTIME_OMIT}, item.modified};
    ::futimens(m_writeFd, times);
    // On the disk before the old copy may go.
    if (::fdatasync(m_writeFd) != 0 && errno != EINVAL)
        return failed(errno);
    const int writeFd = std::exchange(m_writeFd, -1);
    if (::close(writeFd) != 0)
        return failed(errno);
    ::close(std::exchange(m_readFd, -1));
    *itemDone = true;
    return QString();
}

void InstallFolderMove::closeFiles()
{
    if (m_readFd >= 0)
        ::close(std::exchange(m_readFd, -1));
    if (m_writeFd >= 0)
        ::close(std::exchange(m_writeFd, -1));
}

QString InstallFolderMove::verify() const
{
    for (const Item &item : m_items) {
        const QByteArray path = below(m_staging, item.relative);
        const QString shown = QFile::decodeName(item.relative);
        struct stat info
        {
        };
        if (::lstat(path.constData(), &info) != 0)
            return QCoreApplication::translate("InstallFolderMove", "the copy of \"%1\" is missing")
                .arg(shown);
        switch (item.kind) {
        case Item::Kind::Folder:
            if (!S_ISDIR(info.st_mode))
                return QCoreApplication::translate("InstallFolderMove",
                                                   "the copy of \"%1\" is no folder")
                    .arg(shown);
            break;
        case Item::Kind::File:
            if (!S_ISREG(info.st_mode) || qint64(info.st_size) != item.size)
                return QCoreApplication::translate(
                           "InstallFolderMove", "the copy of \"%1\" holds %2 bytes instead of %3")
                    .arg(shown)
                    .arg(qint64(info.st_size))
                    .arg(item.size);
            break;
        case Item::Kind::Link: {
            QByteArray target(item.linkTarget.size() + 1, Qt::Uninitialized);
            const ssize_t length =
                ::readlink(path.constData(), target.data(), size_t(target.size()));
            if (!S_ISLNK(info.st_mode) || length != item.linkTarget.size() ||
                target.left(length) != item.linkTarget)
                return QCoreApplication::translate("InstallFolderMove",
                                                   "the copy of the link \"%1\" differs")
                    .arg(shown);
            break;
        }
        }
    }
    return QString();
}

QString InstallFolderMove::placeStaged()
{
    for (const QString &name : std::as_const(m_entries)) {
        const QByteArray encoded = QFile::encodeName(name);
        if (renameNoReplace(below(m_staging, encoded), below(m_targetPath, encoded)) != 0)
            return QCoreApplication::translate("InstallFolderMove",
                                               "could not put \"%1\" in place: %2")
                .arg(name, reason(errno));
        m_placed.append(name);
    }
    return QString();
}

void InstallFolderMove::finishCopy()
{
    if (const QString why = verify(); !why.isEmpty()) {
        undo();
        return fail(failureText(why));
    }
    // The folders' own modes, the innermost first: each was kept writable
    // while it was filled.
    for (auto item = m_items.rbegin(); item != m_items.rend(); ++item) {
        if (item->kind == Item::Kind::Folder)
            ::chmod(below(m_staging, item->relative).constData(), item->mode & 0777);
    }
    if (const QString why = placeStaged(); !why.isEmpty()) {
        undo();
        return fail(failureText(why));
    }
    removeStaging();
    switchFolder();
}

void InstallFolderMove::switchFolder()
{
    if (!LauncherSettings::storeInstallDir(m_target)) {
        undo();
        return fail(failureText(QCoreApplication::translate(
            "InstallFolderMove", "the new install folder could not be stored")));
    }
    qCInfo(lcSettings) << "install folder is now" << m_target;
    if (m_entries.isEmpty()) {
        m_summary =
            QCoreApplication::translate("InstallFolderMove",
                                        "There was no game data to move; the game data now goes to "
                                        "\"%1\".")
                .arg(m_target);
        return succeed();
    }
    m_summary =
        m_renamed
            ? QCoreApplication::translate("InstallFolderMove", "Moved the game data to \"%1\".")
                  .arg(m_target)
            : QCoreApplication::translate("InstallFolderMove",
                                          "Moved the game data to \"%1\" (%2 copied).")
                  .arg(m_target, FreeSpace::size(m_total));
    // The new folder is in use from here: the old copies go.
    if (!m_renamed) {
        if (const QString why = removeOldCopies(); !why.isEmpty())
            m_summary += QLatin1Char(' ') + why;
    }
    m_createdFolders.clear();
    m_renamedEntries.clear();
    m_placed.clear();
    succeed();
}

QString InstallFolderMove::removeOldCopies()
{
    QStringList left;
    QString firstReason;
    for (const QString &name : std::as_const(m_entries)) {
        if (const QString why = removeTree(below(m_sourcePath, QFile::encodeName(name)));
            !why.isEmpty()) {
            qCWarning(lcSettings) << "could not remove the old copy of" << name << ":" << why;
            left.append(name);
            if (firstReason.isEmpty())
                firstReason = why;
        }
    }
    if (left.isEmpty())
        return QString();
    return QCoreApplication::translate("InstallFolderMove",
                                       "The old copy of %1 in \"%2\" could not be removed (%3).")
        .arg(left.join(QStringLiteral(", ")), m_source, firstReason);
}

void InstallFolderMove::undo()
{
    m_chunkTimer.stop();
    closeFiles();
    undoRenames();
    // Copies this move put in place: its own, never what was there.
    while (!m_placed.isEmpty())
        removeTree(below(m_targetPath, QFile::encodeName(m_placed.takeLast())));
    removeStaging();
    removeCreatedTargetFolders();
}

void InstallFolderMove::removeStaging()
{
    if (m_staging.isEmpty())
        return;
    if (const QString why = removeTree(m_staging); !why.isEmpty())
        qCWarning(lcSettings) << "could not remove" << m_staging << ":" << why;
    m_staging.clear();
}

void InstallFolderMove::removeCreatedTargetFolders()
{
    // Only while empty: whatever someone else put there meanwhile stays.
    while (!m_createdFolders.isEmpty())
        ::rmdir(m_createdFolders.takeLast().constData());
}

void InstallFolderMove::onAbort()
{
    undo();
    cancelled();
}

void InstallFolderMove::cleanUp()
{
    m_chunkTimer.stop();
    closeFiles();
    m_buffer = QByteArray();
}
