// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaultSupport.h"
#include "CraftedZip.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>

namespace {

QString describeErrno()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

QByteArray craftZip(const QList<ZipEntry> &entries)
{
    CraftedZip zip;
    for (const ZipEntry &entry : entries) {
        quint32 mode = 0100644;
        if (entry.kind == ZipEntry::Kind::Folder)
            mode = kFolderMode;
        else if (entry.kind == ZipEntry::Kind::SymbolicLink)
            mode = kLinkMode;
        zip.entries.append(CraftedEntry(entry.name, entry.data, mode));
    }
    return zip.build();
}

QByteArray craftTarGz(const QList<TarEntry> &entries)
{
    QByteArray tar;
    for (const TarEntry &entry : entries) {
        QByteArray header(512, '\0');
        const auto field = [&header](int at, int size, const QByteArray &value) {
            std::memcpy(header.data() + at, value.constData(),
                        size_t(qMin(size, int(value.size()))));
        };
        const auto octal = [&field](int at, int size, qint64 value) {
            field(at, size, QByteArray::number(value, 8).rightJustified(size - 1, '0'));
        };
        const qint64 size = entry.kind == TarEntry::Kind::File ? entry.data.size() : 0;
        field(0, 100, entry.name);
        octal(100, 8, 0755);
        octal(108, 8, 0);
        octal(116, 8, 0);
        octal(124, 12, size);
        octal(136, 12, 0);
        field(148, 8, "        ");
        const char type = entry.kind == TarEntry::Kind::File           ? '0'
                          : entry.kind == TarEntry::Kind::SymbolicLink ? '2'
                                                                       : '1';
        header[156] = type;
        field(157, 100, entry.linkTarget);
        field(257, 6, QByteArray("ustar", 6));
        field(263, 2, "00");
        quint32 sum = 0;
        for (const char byte : header)
            sum += quint8(byte);
        field(148, 8, QByteArray::number(sum, 8).rightJustified(6, '0') + '\0' + ' ');
        tar += header;
        if (size > 0) {
            tar += entry.data;
            tar += QByteArray((512 - size % 512) % 512, '\0');
        }
    }
    tar += QByteArray(1024, '\0');

    QProcess gzip;
    gzip.start(QStringLiteral("/usr/bin/gzip"), {QStringLiteral("-c"), QStringLiteral("-n")});
    gzip.write(tar);
    gzip.closeWriteChannel();
    gzip.waitForFinished(30000);
    return gzip.readAllStandardOutput();
}

ScopedMount ScopedMount::tmpfs(const QString &path, qint64 sizeBytes, bool readOnly)
{
    ScopedMount mount;
    mount.m_path = path;
    QDir().mkpath(path);
    const QByteArray options = "size=" + QByteArray::number(sizeBytes) + ",mode=0755";
    if (::mount("tmpfs", QFile::encodeName(path).constData(), "tmpfs",
                readOnly ? (unsigned long)MS_RDONLY : 0UL, options.constData()) != 0) {
        mount.m_error = QStringLiteral("cannot mount a tmpfs at %1: %2").arg(path, describeErrno());
        return mount;
    }
    mount.m_mounted = true;
    return mount;
}

ScopedMount ScopedMount::readOnlyBind(const QString &source, const QString &path)
{
    ScopedMount mount;
    mount.m_path = path;
    QDir().mkpath(path);
    const QByteArray target = QFile::encodeName(path);
    if (::mount(QFile::encodeName(source).constData(), target.constData(), nullptr, MS_BIND,
                nullptr) != 0) {
        mount.m_error = QStringLiteral("cannot bind-mount %1: %2").arg(path, describeErrno());
        return mount;
    }
    mount.m_mounted = true;
    // A bind mount takes the read-only flag only on a remount.
    if (::mount(nullptr, target.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) !=
        0)
        mount.m_error = QStringLiteral("cannot make %1 read-only: %2").arg(path, describeErrno());
    return mount;
}

ScopedMount::ScopedMount(ScopedMount &&other) noexcept
    : m_path(std::move(other.m_path)), m_error(std::move(other.m_error)),
      m_mounted(std::exchange(other.m_mounted, false))
{}

ScopedMount::~ScopedMount()
{
    if (!m_mounted)
        return;
    const QByteArray target = QFile::encodeName(m_path);
    if (::umount(target.constData()) != 0)
        ::umount2(target.constData(), MNT_DETACH);
}

qint64 peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

bool resetPeakResident()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

QStringList treeOf(const QString &root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        QString name = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink())
            name += QStringLiteral(" -> ") + info.symLinkTarget();
        else if (info.isDir())
            name += QLatin1Char('/');
        entries.append(name);
    }
    entries.sort();
    return entries;
}
