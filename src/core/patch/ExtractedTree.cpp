// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/ExtractedTree.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// unzip writes paths of a few thousand bytes at most; far deeper trees are
// not a patch, and each level holds a descriptor open while it is walked.
constexpr int kMaxDepth = 128;
constexpr int kDirectoryFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

QString reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

QString join(const QString &folder, const QByteArray &name)
{
    const QString decoded = QFile::decodeName(name);
    return folder.isEmpty() ? decoded : folder + QLatin1Char('/') + decoded;
}

// A directory stream on a folder entry of `parent`, never through a link.
// The descriptor is owned by the stream.
class Folder
{
public:
    Folder(int parent, const char *name, bool followLink = false)
    {
        // The tree is ours: a folder unzip made unreadable is opened anyway.
        int fd =
            ::openat(parent, name, followLink ? (kDirectoryFlags & ~O_NOFOLLOW) : kDirectoryFlags);
        if (fd < 0 && errno == EACCES && !followLink && ::fchmodat(parent, name, S_IRWXU, 0) == 0)
            fd = ::openat(parent, name, kDirectoryFlags);
        if (fd < 0) {
            m_error = errno;
            return;
        }
        m_dir = ::fdopendir(fd);
        if (!m_dir) {
            m_error = errno;
            ::close(fd);
        }
    }
    ~Folder()
    {
        if (m_dir)
            ::closedir(m_dir);
    }
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;

    bool isOpen() const { return m_dir; }
    int error() const { return m_error; }
    int fd() const { return ::dirfd(m_dir); }
    // The next name other than "." and "..", or nothing at the end.
    const char *next()
    {
        while (const dirent *entry = ::readdir(m_dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                return entry->d_name;
        }
        return nullptr;
    }

private:
    DIR *m_dir = nullptr;
    int m_error = 0;
};

QString walk(int parent, const char *name, const QString &relative, int depth)
{
    if (depth > kMaxDepth)
        return QStringLiteral("entry \"%1\" is nested too deeply").arg(relative);
    Folder folder(parent, name);
    if (!folder.isOpen())
        return QStringLiteral("could not look at \"%1\": %2").arg(relative, reason(folder.error()));
    while (const char *child = folder.next()) {
        const QString path = join(relative, child);
        struct stat info
        {
        };
        if (::fstatat(folder.fd(), child, &info, AT_SYMLINK_NOFOLLOW) != 0)
            return QStringLiteral("could not look at \"%1\": %2").arg(path, reason(errno));
        if (S_ISLNK(info.st_mode))
            return QStringLiteral("entry \"%1\" is a symbolic link").arg(path);
        if (S_ISBLK(info.st_mode) || S_ISCHR(info.st_mode))
            return QStringLiteral("entry \"%1\" is a device").arg(path);
        if (S_ISFIFO(info.st_mode))
            return QStringLiteral("entry \"%1\" is a named pipe").arg(path);
        if (S_ISSOCK(info.st_mode))
            return QStringLiteral("entry \"%1\" is a socket").arg(path);
        // Another name of a file elsewhere: moving it would not copy it.
        if (S_ISREG(info.st_mode) && info.st_nlink > 1)
            return QStringLiteral("entry \"%1\" is a hard link").arg(path);
        if (S_ISDIR(info.st_mode)) {
            // unzip gives folders the archive's modes; the tree is ours to
            // move and remove whatever they say.
            if ((info.st_mode & S_IRWXU) != S_IRWXU)
                ::fchmodat(folder.fd(), child, (info.st_mode & 07777) | S_IRWXU, 0);
            if (const QString why = walk(folder.fd(), child, path, depth + 1); !why.isEmpty())
                return why;
        } else if (!S_ISREG(info.st_mode)) {
            return QStringLiteral("entry \"%1\" is not a plain file or folder").arg(path);
        }
    }
    return QString();
}

// What the entries under a folder take on disk, never following a link.
qint64 bytesOnDisk(int parent, const char *name, int depth)
{
    struct stat info
    {
    };
    if (::fstatat(parent, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return 0;
    qint64 bytes = qint64(info.st_blocks) * 512;
    if (!S_ISDIR(info.st_mode) || depth > kMaxDepth)
        return bytes;
    Folder folder(parent, name);
    if (folder.isOpen()) {
        while (const char *child = folder.next())
            bytes += bytesOnDisk(folder.fd(), child, depth + 1);
    }
    return bytes;
}

bool removeEntry(int parent, const char *name)
{
    struct stat info
    {
    };
    if (::fstatat(parent, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return ::unlinkat(parent, name, 0) == 0;
    {
        Folder folder(parent, name);
        if (folder.isOpen()) {
            while (const char *child = folder.next())
                removeEntry(folder.fd(), child);
        }
    }
    return ::unlinkat(parent, name, AT_REMOVEDIR) == 0;
}

QString cannotPut(const QString &path, int error)
{
    return QStringLiteral("could not put \"%1\" in place: %2").arg(path, reason(error));
}

QByteArray below(const QByteArray &folder, const char *name)
{
    return folder + '/' + name;
}

// Moves the unpacked tree into the install tree and keeps a journal of
// every change it makes there, so that a move that stops half-way (a full
// disk behind a folder the user linked elsewhere, a file in a folder's
// place) is undone: what it put in place is removed, and what that replaced
// comes back from where it was moved aside. The install tree's own files are
// never overwritten, only renamed away: into the private backup folder
// beside the unpacked tree (same file system), or, behind a link to another
// file system, next to their place. Changes are made by path from the
// install folder down, following folder links the user made, as the move
// itself does.
class Mover
{
public:
    explicit Mover(QByteArray backupFolder) : m_backupFolder(std::move(backupFolder)) {}

    // Moves every entry of folder `from` into folder `to` (at `toPath`).
    QString merge(int from, int to, const QByteArray &toPath, const QString &relative);
    // Undoes the journal, latest change first; what could not be undone,
    // or an empty text.
    QString rollBack();
    // Everything is in place: what was moved aside goes.
    void commit();

private:
    struct Step
    {
        enum class Kind
        {
            Placed,     // a file or a whole folder that was not there
            MadeFolder, // an empty folder made to copy into
            MovedAside, // a file of the install tree, now at `backup`
        };
        Kind kind;
        QByteArray path;
        QByteArray backup;
    };

    QString mergeFolder(int from, const char *name, int to, const QByteArray &toPath,
                        const QString &path, mode_t mode);
    QString placeFile(int from, const char *name, int to, const QByteArray &toPath,
                      const QString &path, mode_t mode);
    QString moveAside(int to, const char *name, const QByteArray &toPath, const QString &path);
    QString copyFile(int from, const char *name, int to, const QString &relative, mode_t mode);

    QByteArray m_backupFolder;
    bool m_backupFolderMade = false;
    int m_backups = 0;
    std::vector<Step> m_steps;
};

QString Mover::moveAside(int to, const char *name, const QByteArray &toPath, const QString &path)
{
    if (!m_backupFolderMade) {
        if (::mkdir(m_backupFolder.constData(), S_IRWXU) != 0 && errno != EEXIST)
            return cannotPut(path, errno);
        m_backupFolderMade = true;
    }
    QByteArray backup = m_backupFolder + '/' + QByteArray::number(m_backups++);
    if (::renameat(to, name, AT_FDCWD, backup.constData()) != 0) {
        if (errno != EXDEV)
            return cannotPut(path, errno);
        // Another file system: next to its place, under a name of its own.
        for (int attempt = 0;; ++attempt) {
            const QByteArray beside = QByteArray(".") + name + ".patch-old" +
                                      (attempt ? '-' + QByteArray::number(attempt) : "");
            struct stat info
            {
            };
            if (::fstatat(to, beside.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0)
                continue;
            if (::renameat(to, name, to, beside.constData()) != 0)
                return cannotPut(path, errno);
            backup = below(toPath, beside.constData());
            break;
        }
    }
    m_steps.push_back({Step::Kind::MovedAside, below(toPath, name), backup});
    return QString();
}

// A file copied where a rename cannot go (another file system, behind a
// folder the user linked elsewhere): written beside its place, then renamed
// into it.
QString Mover::copyFile(int from, const char *name, int to, const QString &relative, mode_t mode)
{
    const int source = ::openat(from, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (source < 0)
        return cannotPut(relative, errno);
    const QByteArray temporary = QByteArray(".") + name + ".patch-copy";
    ::unlinkat(to, temporary.constData(), 0);
    const int target = ::openat(to, temporary.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode & 0777);
    if (target < 0) {
        const int error = errno;
        ::close(source);
        return cannotPut(relative, error);
    }
    QByteArray buffer(1024 * 1024, Qt::Uninitialized);
    int error = 0;
    for (;;) {
        const ssize_t got = ::read(source, buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        for (ssize_t done = 0; done < got && !error;) {
            const ssize_t put = ::write(target, buffer.constData() + done, size_t(got - done));
            if (put < 0 && errno != EINTR)
                error = errno;
            done += put > 0 ? put : 0;
        }
        if (error)
            break;
    }
    ::close(source);
    if (::close(target) != 0 && !error)
        error = errno;
    if (!error && ::renameat(to, temporary.constData(), to, name) != 0)
        error = errno;
    if (error) {
        ::unlinkat(to, temporary.constData(), 0);
        return cannotPut(relative, error);
    }
    ::unlinkat(from, name, 0);
    return QString();
}

QString Mover::placeFile(int from, const char *name, int to, const QByteArray &toPath,
                         const QString &path, mode_t mode)
{
    struct stat there
    {
    };
    if (::fstatat(to, name, &there, AT_SYMLINK_NOFOLLOW) == 0) {
        // A folder is not replaced by a file (nor its contents lost).
        if (S_ISDIR(there.st_mode))
            return cannotPut(path, EISDIR);
        // A file or a link (moved, never written through).
        if (const QString why = moveAside(to, name, toPath, path); !why.isEmpty())
            return why;
    } else if (errno != ENOENT) {
        return cannotPut(path, errno);
    }
    if (::renameat(from, name, to, name) != 0) {
        if (errno != EXDEV)
            return cannotPut(path, errno);
        if (const QString why = copyFile(from, name, to, path, mode); !why.isEmpty())
            return why;
    }
    m_steps.push_back({Step::Kind::Placed, below(toPath, name), {}});
    return QString();
}

QString Mover::mergeFolder(int from, const char *name, int to, const QByteArray &toPath,
                           const QString &path, mode_t mode)
{
    // What the install tree has here, a link the user made followed.
    struct stat there
    {
    };
    const bool found = ::fstatat(to, name, &there, 0) == 0;
    if (!found && errno != ENOENT)
        return cannotPut(path, errno);
    if (!found || !S_ISDIR(there.st_mode)) {
        // Nothing, a link to nothing or a file: the folder takes its place,
        // moved whole where a rename reaches.
        struct stat entry
        {
        };
        if (::fstatat(to, name, &entry, AT_SYMLINK_NOFOLLOW) == 0) {
            if (const QString why = moveAside(to, name, toPath, path); !why.isEmpty())
                return why;
        }
        if (::renameat(from, name, to, name) == 0) {
            m_steps.push_back({Step::Kind::Placed, below(toPath, name), {}});
            return QString();
        }
        if (errno != EXDEV || ::mkdirat(to, name, mode & 07777) != 0)
            return cannotPut(path, errno);
        m_steps.push_back({Step::Kind::MadeFolder, below(toPath, name), {}});
    }
    Folder source(from, name);
    Folder target(to, name, /*followLink=*/true);
    if (!source.isOpen())
        return cannotPut(path, source.error());
    if (!target.isOpen())
        return cannotPut(path, target.error());
    return merge(source.fd(), target.fd(), below(toPath, name), path);
}

QString Mover::merge(int from, int to, const QByteArray &toPath, const QString &relative)
{
    Folder listing(from, ".");
    if (!listing.isOpen())
        return cannotPut(relative, listing.error());
    // Names first: the folder changes while its entries are moved away. In
    // order, so that a move that fails does so at the same place each time.
    QList<QByteArray> names;
    while (const char *name = listing.next())
        names.append(QByteArray(name));
    std::sort(names.begin(), names.end());
    for (const QByteArray &name : names) {
        const QString path = join(relative, name);
        struct stat info
        {
        };
        if (::fstatat(from, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return cannotPut(path, errno);
        QString why;
        if (S_ISDIR(info.st_mode))
            why = mergeFolder(from, name.constData(), to, toPath, path, info.st_mode);
        else if (S_ISREG(info.st_mode))
            why = placeFile(from, name.constData(), to, toPath, path, info.st_mode);
        else // never after a walk; kept out all the same
            why = QStringLiteral("entry \"%1\" is not a plain file or folder").arg(path);
        if (!why.isEmpty())
            return why;
    }
    return QString();
}

QString Mover::rollBack()
{
    QString failure;
    for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step) {
        bool undone = true;
        switch (step->kind) {
        case Step::Kind::Placed:
            undone = removeEntry(AT_FDCWD, step->path.constData());
            break;
        case Step::Kind::MadeFolder:
            undone = ::rmdir(step->path.constData()) == 0;
            break;
        case Step::Kind::MovedAside:
            undone = ::rename(step->backup.constData(), step->path.constData()) == 0;
            break;
        }
        if (!undone && failure.isEmpty())
            failure = QStringLiteral("could not put back \"%1\": %2")
                          .arg(QFile::decodeName(step->path), reason(errno));
    }
    m_steps.clear();
    if (failure.isEmpty())
        removeEntry(AT_FDCWD, m_backupFolder.constData());
    return failure;
}

void Mover::commit()
{
    for (const Step &step : m_steps) {
        if (step.kind == Step::Kind::MovedAside)
            removeEntry(AT_FDCWD, step.backup.constData());
    }
    m_steps.clear();
    removeEntry(AT_FDCWD, m_backupFolder.constData());
}

} // namespace

ExtractedTree::ExtractedTree(QString installDir, QString path)
    : m_installDir(std::move(installDir)), m_path(std::move(path))
{}

ExtractedTree::~ExtractedTree()
{
    remove();
}

QString ExtractedTree::namePrefix()
{
    return QStringLiteral(".patch-staging-");
}

std::unique_ptr<ExtractedTree> ExtractedTree::create(const QString &installDir, QString *error)
{
    if (!QDir().mkpath(installDir)) {
        if (error)
            *error = QStringLiteral("could not make \"%1\"").arg(installDir);
        return nullptr;
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name = namePrefix() + QString::number(::getpid()) + QLatin1Char('-') +
                             QString::number(QRandomGenerator::global()->generate(), 16);
        const QString path = QDir(installDir).filePath(name);
        if (::mkdir(QFile::encodeName(path).constData(), S_IRWXU) == 0)
            return std::unique_ptr<ExtractedTree>(new ExtractedTree(installDir, path));
        if (errno != EEXIST) {
            if (error)
                *error = QStringLiteral("could not make \"%1\": %2").arg(path, reason(errno));
            return nullptr;
        }
    }
    if (error)
        *error = QStringLiteral("could not make a private folder in \"%1\"").arg(installDir);
    return nullptr;
}

std::optional<QString> ExtractedTree::refusalReason() const
{
    const QString why = walk(AT_FDCWD, QFile::encodeName(m_path).constData(), QString(), 0);
    if (why.isEmpty())
        return std::nullopt;
    return why;
}

qint64 ExtractedTree::bytesOnDisk() const
{
    return ::bytesOnDisk(AT_FDCWD, QFile::encodeName(m_path).constData(), 0);
}

QString ExtractedTree::backupPath() const
{
    return m_path + QStringLiteral("-old");
}

std::optional<QString> ExtractedTree::moveIntoPlace(bool *unchanged)
{
    if (unchanged)
        *unchanged = true;
    if (std::optional<QString> why = refusalReason())
        return why;
    const QByteArray installDir = QFile::encodeName(m_installDir);
    Folder source(AT_FDCWD, QFile::encodeName(m_path).constData());
    Folder target(AT_FDCWD, installDir.constData(), /*followLink=*/true);
    if (!source.isOpen())
        return cannotPut(QString(), source.error());
    if (!target.isOpen())
        return cannotPut(m_installDir, target.error());
    Mover mover(QFile::encodeName(backupPath()));
    const QString why = mover.merge(source.fd(), target.fd(), installDir, QString());
    if (why.isEmpty()) {
        mover.commit();
        return std::nullopt;
    }
    qCWarning(lcPatch) << "moving the unpacked patch into place stopped:" << why;
    const QString undoFailure = mover.rollBack();
    if (undoFailure.isEmpty())
        return why;
    // The install folder's own files that could not go back stay in the
    // backup folder, which is not removed.
    qCWarning(lcPatch) << "putting the install folder back stopped:" << undoFailure;
    if (unchanged)
        *unchanged = false;
    return why +
           QStringLiteral("; %1, and what it replaced is in \"%2\"").arg(undoFailure, backupPath());
}

void ExtractedTree::remove()
{
    if (m_removed)
        return;
    m_removed = true;
    const QByteArray path = QFile::encodeName(m_path);
    if (!removeEntry(AT_FDCWD, path.constData()))
        qCWarning(lcPatch) << "could not remove" << m_path << reason(errno);
}

int ExtractedTree::removeLeftovers(const QString &installDir)
{
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(namePrefix() + QStringLiteral("(\\d+)-[0-9a-f]+")));
    Folder folder(AT_FDCWD, QFile::encodeName(installDir).constData(), /*followLink=*/true);
    if (!folder.isOpen())
        return 0;
    QList<QByteArray> stale;
    while (const char *name = folder.next()) {
        const QRegularExpressionMatch match = pattern.match(QFile::decodeName(name));
        if (!match.hasMatch())
            continue;
        // A launcher still running (its patch step under way) keeps its own.
        const pid_t pid = pid_t(match.captured(1).toLongLong());
        if (pid > 0 && (pid == ::getpid() || ::kill(pid, 0) == 0 || errno == EPERM))
            continue;
        stale.append(QByteArray(name));
    }
    int removed = 0;
    for (const QByteArray &name : stale) {
        if (removeEntry(folder.fd(), name.constData()))
            ++removed;
        else
            qCWarning(lcPatch) << "could not remove the leftover" << name << reason(errno);
    }
    return removed;
}
