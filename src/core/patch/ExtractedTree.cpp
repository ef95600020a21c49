// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/ExtractedTree.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <csignal>
#include <cstring>

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

// A file copied where a rename cannot go (another file system, behind a
// folder the user linked elsewhere): written beside its place, then renamed
// over it, so the old file stays whole until the new one is.
QString copyFile(int from, const char *name, int to, const QString &relative, mode_t mode)
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

QString merge(int from, int to, const QString &relative);

QString mergeFolder(int from, const char *name, int to, const QString &path, mode_t mode)
{
    // What the install tree has here, a link the user made followed.
    struct stat there
    {
    };
    if (::fstatat(to, name, &there, 0) != 0) {
        if (errno != ENOENT)
            return cannotPut(path, errno);
        // Nothing, or a link to nothing: the folder moves whole.
        ::unlinkat(to, name, 0);
        if (::renameat(from, name, to, name) == 0)
            return QString();
        if (errno != EXDEV)
            return cannotPut(path, errno);
        if (::mkdirat(to, name, mode & 07777) != 0)
            return cannotPut(path, errno);
    } else if (!S_ISDIR(there.st_mode)) {
        // A file where the patch has a folder: the folder takes its place.
        if (::unlinkat(to, name, 0) != 0)
            return cannotPut(path, errno);
        if (::renameat(from, name, to, name) == 0)
            return QString();
        if (errno != EXDEV || ::mkdirat(to, name, mode & 07777) != 0)
            return cannotPut(path, errno);
    }
    Folder source(from, name);
    Folder target(to, name, /*followLink=*/true);
    if (!source.isOpen())
        return cannotPut(path, source.error());
    if (!target.isOpen())
        return cannotPut(path, target.error());
    if (const QString why = merge(source.fd(), target.fd(), path); !why.isEmpty())
        return why;
    return QString();
}

// Moves every entry of folder `from` into folder `to`.
QString merge(int from, int to, const QString &relative)
{
    Folder listing(from, ".");
    if (!listing.isOpen())
        return cannotPut(relative, listing.error());
    // Names first: the folder changes while its entries are moved away.
    QList<QByteArray> names;
    while (const char *name = listing.next())
        names.append(QByteArray(name));
    for (const QByteArray &name : names) {
        const QString path = join(relative, name);
        struct stat info
        {
        };
        if (::fstatat(from, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
            return cannotPut(path, errno);
        QString why;
        if (S_ISDIR(info.st_mode)) {
            why = mergeFolder(from, name.constData(), to, path, info.st_mode);
        } else if (S_ISREG(info.st_mode)) {
            // A rename replaces a file, or a link, without writing through it.
            if (::renameat(from, name.constData(), to, name.constData()) != 0)
                why = errno == EXDEV ? copyFile(from, name.constData(), to, path, info.st_mode)
                                     : cannotPut(path, errno);
        } else {
            // Never after a walk; kept out all the same.
            why = QStringLiteral("entry \"%1\" is not a plain file or folder").arg(path);
        }
        if (!why.isEmpty())
            return why;
    }
    return QString();
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

std::optional<QString> ExtractedTree::moveIntoPlace()
{
    if (std::optional<QString> why = refusalReason())
        return why;
    Folder source(AT_FDCWD, QFile::encodeName(m_path).constData());
    Folder target(AT_FDCWD, QFile::encodeName(m_installDir).constData(), /*followLink=*/true);
    if (!source.isOpen())
        return cannotPut(QString(), source.error());
    if (!target.isOpen())
        return cannotPut(m_installDir, target.error());
    const QString why = merge(source.fd(), target.fd(), QString());
    if (why.isEmpty())
        return std::nullopt;
    qCWarning(lcPatch) << "moving the unpacked patch into place stopped:" << why;
    return why;
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
