#include "PatchArchive.h"

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>

#include <cstdint>

namespace {

constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kZip64Locator = 0x07064b50;
constexpr quint32 kZip64EndOfDirectory = 0x06064b50;
constexpr quint32 kDirectoryEntry = 0x02014b50;
constexpr qint64 kEndRecordSize = 22;
constexpr qint64 kMaxCommentSize = 0xffff;
// A patch lists a few thousand entries; a list far beyond that is not one.
constexpr qint64 kMaxDirectorySize = 64 * 1024 * 1024;
constexpr quint32 kFileTypeMask = 0170000;
constexpr quint32 kSymbolicLink = 0120000;

quint16 u16(const QByteArray &data, qint64 at)
{
    return quint16(quint8(data[at])) | quint16(quint8(data[at + 1])) << 8;
}

quint32 u32(const QByteArray &data, qint64 at)
{
    return quint32(u16(data, at)) | quint32(u16(data, at + 2)) << 16;
}

quint64 u64(const QByteArray &data, qint64 at)
{
    return quint64(u32(data, at)) | quint64(u32(data, at + 4)) << 32;
}

QByteArray readAt(QIODevice &file, qint64 offset, qint64 size)
{
    if (offset < 0 || size < 0 || !file.seek(offset))
        return {};
    return file.read(size);
}

QString damaged()
{
    return QStringLiteral("its list of entries is damaged");
}

// Why one entry name must not be unpacked, or an empty text.
QString checkName(const QString &name)
{
    // unzip reads a backslash as a folder separator in archives made on
    // Windows; treat it as one everywhere.
    QString path = name;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    if (path.startsWith(QLatin1Char('/')) || drive.match(path).hasMatch())
        return QStringLiteral("entry \"%1\" has an absolute path").arg(name);
    const QStringList parts = path.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            return QStringLiteral("entry \"%1\" leads out of the install folder").arg(name);
    }
    return QString();
}

} // namespace

std::optional<QString> PatchArchive::refusalReason(const QString &zipPath)
{
    QFile file(zipPath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt; // unzip reports an unreadable file itself
    return refusalReason(file);
}

std::optional<QString> PatchArchive::refusalReason(QIODevice &file)
{
    const qint64 size = file.size();
    if (size < kEndRecordSize)
        return std::nullopt;

    // The end record sits in the last 22 bytes plus an optional comment.
    const qint64 tailStart = qMax<qint64>(0, size - kEndRecordSize - kMaxCommentSize);
    const QByteArray tail = readAt(file, tailStart, size - tailStart);
    qint64 end = -1;
    for (qint64 at = tail.size() - kEndRecordSize; at >= 0; --at) {
        if (u32(tail, at) == kEndOfDirectory) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return std::nullopt; // not a zip archive: unzip refuses it

    const qint64 endOffset = tailStart + end;
    quint64 entries = u16(tail, end + 10);
    quint64 directorySize = u32(tail, end + 12);
    qint64 recordOffset = endOffset;
    if (entries == 0xffff || directorySize == 0xffffffff || u32(tail, end + 16) == 0xffffffff) {
        // A zip64 archive: the real counts are in the zip64 end record.
        const QByteArray locator = readAt(file, endOffset - 20, 20);
        if (locator.size() != 20 || u32(locator, 0) != kZip64Locator)
            return damaged();
        const qint64 zip64Offset = qint64(u64(locator, 8));
        const QByteArray record = readAt(file, zip64Offset, 56);
        if (record.size() != 56 || u32(record, 0) != kZip64EndOfDirectory)
            return damaged();
        entries = u64(record, 32);
        directorySize = u64(record, 40);
        recordOffset = zip64Offset;
    }
    if (directorySize > quint64(kMaxDirectorySize) || qint64(directorySize) > recordOffset)
        return damaged();

    // Counted back from the end record, as unzip does, so that data put in
    // front of the archive does not shift the list.
    const QByteArray directory =
        readAt(file, recordOffset - qint64(directorySize), qint64(directorySize));
    if (directory.size() != qint64(directorySize))
        return damaged();

    qint64 at = 0;
    for (quint64 i = 0; i < entries; ++i) {
        if (at + 46 > directory.size() || u32(directory, at) != kDirectoryEntry)
            return damaged();
        const quint16 flags = u16(directory, at + 8);
        const qint64 nameLength = u16(directory, at + 28);
        const qint64 extraLength = u16(directory, at + 30);
        const qint64 commentLength = u16(directory, at + 32);
        const quint32 attributes = u32(directory, at + 38);
        if (at + 46 + nameLength + extraLength + commentLength > directory.size())
            return damaged();
        const QByteArray rawName = directory.mid(at + 46, nameLength);
        // Bit 11: the name is UTF-8; older archives leave the code page open.
        const QString name =
            (flags & 0x0800) ? QString::fromUtf8(rawName) : QString::fromLatin1(rawName);
        if (rawName.contains('\0'))
            return QStringLiteral("entry \"%1\" has a broken name").arg(name);
        const QString why = checkName(name);
        if (!why.isEmpty())
            return why;
        // The upper half of the attributes is the Unix mode where one was kept.
        if (((attributes >> 16) & kFileTypeMask) == kSymbolicLink)
            return QStringLiteral("entry \"%1\" is a symbolic link").arg(name);
        at += 46 + nameLength + extraLength + commentLength;
    }
    return std::nullopt;
}
