// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Helpers shared by the fault tests: archives with hand-made entries (what
// the system's zip and tar refuse to write), mounts for read-only and full
// file systems, the process's peak memory and a picture of a folder tree.

// One entry of a hand-made zip archive, stored without compression.
struct ZipEntry
{
    enum class Kind
    {
        File,
        Folder,
        SymbolicLink, // data is the link's target
    };
    ZipEntry() = default;
    ZipEntry(QByteArray entryName, QByteArray content = {}, Kind entryKind = Kind::File)
        : name(std::move(entryName)), data(std::move(content)), kind(entryKind)
    {}
    QByteArray name;
    QByteArray data;
    Kind kind = Kind::File;
};
QByteArray craftZip(const QList<ZipEntry> &entries);

// One entry of a hand-made gzip-compressed tar archive (ustar headers).
struct TarEntry
{
    enum class Kind
    {
        File,
        SymbolicLink,
        HardLink,
    };
    TarEntry() = default;
    TarEntry(QByteArray entryName, QByteArray content = {}, Kind entryKind = Kind::File,
             QByteArray target = {})
        : name(std::move(entryName)), data(std::move(content)), kind(entryKind),
          linkTarget(std::move(target))
    {}
    QByteArray name;
    QByteArray data;
    Kind kind = Kind::File;
    QByteArray linkTarget;
};
QByteArray craftTarGz(const QList<TarEntry> &entries);

// A file system mounted for the lifetime of the object, unmounted (lazily,
// if busy) when it goes away. We run as root in the test container; where
// mounting is not permitted error() says why and the test skips.
class ScopedMount
{
public:
    // A tmpfs of sizeBytes at path (created if missing).
    static ScopedMount tmpfs(const QString &path, qint64 sizeBytes, bool readOnly = false);
    // A read-only view of source at path.
    static ScopedMount readOnlyBind(const QString &source, const QString &path);

    ScopedMount(ScopedMount &&other) noexcept;
    ScopedMount &operator=(ScopedMount &&) = delete;
    ScopedMount(const ScopedMount &) = delete;
    ~ScopedMount();

    bool isMounted() const { return m_mounted; }
    QString error() const { return m_error; }

private:
    ScopedMount() = default;
    QString m_path;
    QString m_error;
    bool m_mounted = false;
};

// The process's peak resident memory in KiB (VmHWM), -1 when unknown.
qint64 peakResidentKiB();
// Starts a new peak from the current resident size; false when the kernel
// does not allow it (the peak then counts from the process start).
bool resetPeakResident();

// Every entry under root (relative paths, folders with a trailing '/',
// links shown as "name -> target"), sorted: a picture of what is on disk.
QStringList treeOf(const QString &root);
