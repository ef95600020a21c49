// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/PatchArchive.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <vector>

namespace {

constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kZip64Locator = 0x07064b50;
constexpr quint32 kZip64EndOfDirectory = 0x06064b50;
constexpr quint32 kDirectoryEntry = 0x02014b50;
constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kDataDescriptor = 0x08074b50;
constexpr quint16 kZip64Extra = 0x0001;
constexpr quint16 kUnicodePathExtra = 0x7075;
constexpr qint64 kEndRecordSize = 22;
constexpr qint64 kLocatorSize = 20;
constexpr qint64 kZip64RecordSize = 56;
constexpr qint64 kDirectoryEntrySize = 46;
constexpr qint64 kLocalHeaderSize = 30;
constexpr qint64 kMaxCommentSize = 0xffff;
// A patch lists a few thousand entries; a list far beyond that is not one.
constexpr qint64 kMaxDirectorySize = 64 * 1024 * 1024;
// Far beyond any patch, and far from overflowing a sum of sizes.
constexpr quint64 kMaxEntrySize = quint64(1) << 50;
constexpr quint32 kFileTypeMask = 0170000;
constexpr quint32 kSymbolicLink = 0120000;
constexpr quint32 kRegularFile = 0100000;
constexpr quint32 kFolder = 0040000;
constexpr quint32 kDosFolder = 0x10;
constexpr quint16 kEncrypted = 0x0001;
constexpr quint16 kHasDataDescriptor = 0x0008;
constexpr quint16 kUtf8Name = 0x0800;

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

// One entry as the central directory describes it.
struct Entry
{
    QByteArray rawName;
    QString name;
    QByteArray extra;
    quint16 flags = 0;
    quint16 method = 0;
    quint32 crc = 0;
    quint32 attributes = 0;
    quint64 compressed = 0;
    quint64 uncompressed = 0;
    quint64 localOffset = 0;
};

// The extra fields of a header as (tag, data) pairs; false when they do not
// add up to the space they were given.
bool splitExtra(const QByteArray &extra, QList<QPair<quint16, QByteArray>> &fields)
{
    qint64 at = 0;
    while (at < extra.size()) {
        if (at + 4 > extra.size())
            return false;
        const quint16 tag = u16(extra, at);
        const qint64 length = u16(extra, at + 2);
        if (at + 4 + length > extra.size())
            return false;
        fields.append({tag, extra.mid(at + 4, length)});
        at += 4 + length;
    }
    return true;
}

// Why a Unicode path field in these extra fields does not repeat the plain
// name, or an empty text. unzip prefers the field's name when its checksum
// matches the plain one: another reader would write a different path.
QString checkUnicodePath(const QList<QPair<quint16, QByteArray>> &fields, const Entry &entry)
{
    for (const auto &[tag, data] : fields) {
        if (tag != kUnicodePathExtra)
            continue;
        const QByteArray unicodeName = data.mid(5);
        if (data.size() < 5 || unicodeName != entry.rawName)
            return QStringLiteral("entry \"%1\" carries a different Unicode name \"%2\"")
                .arg(entry.name, QString::fromUtf8(unicodeName));
    }
    return QString();
}

// Reads the 64-bit values a zip64 field holds for the 32-bit ones that are
// saturated, in the order the format lists them; false when it is too short.
bool applyZip64(const QList<QPair<quint16, QByteArray>> &fields, quint64 *uncompressed,
                quint64 *compressed, quint64 *offset)
{
    bool needed = *uncompressed == 0xffffffff || *compressed == 0xffffffff ||
                  (offset && *offset == 0xffffffff);
    for (const auto &[tag, data] : fields) {
        if (tag != kZip64Extra)
            continue;
        qint64 at = 0;
        for (quint64 *value : {uncompressed, compressed, offset}) {
            if (!value || *value != 0xffffffff)
                continue;
            if (at + 8 > data.size())
                return false;
            *value = u64(data, at);
            at += 8;
        }
        needed = false;
        break;
    }
    return !needed;
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

// Names as a file system sees them: each path once, folders and files apart,
// and no two differing only in case (one file system's two files are
// another's one), Unicode composition or the kind of slash.
class NameSet
{
public:
    QString add(const Entry &entry, bool isFolder)
    {
        QString path = entry.name;
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
        parts.removeAll(QStringLiteral("."));
        if (parts.isEmpty())
            return QStringLiteral("entry \"%1\" has a broken name").arg(entry.name);
        QString prefix;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            prefix += (i ? QStringLiteral("/") : QString()) + parts[i];
            const bool last = i == parts.size() - 1;
            const bool folderHere = !last || isFolder;
            const QString key = prefix.normalized(QString::NormalizationForm_C).toCaseFolded();
            auto seen = m_seen.find(key);
            if (seen == m_seen.end()) {
                m_seen.insert(key, {prefix, entry.name, folderHere, last});
                continue;
            }
            if (seen->path != prefix)
                return QStringLiteral("entries \"%1\" and \"%2\" differ only in case")
                    .arg(seen->entryName, entry.name);
            if (seen->folder != folderHere)
                return QStringLiteral("entry \"%1\" is both a file and a folder").arg(prefix);
            if (last && seen->listed)
                return QStringLiteral("entry \"%1\" is listed twice").arg(entry.name);
            if (last)
                seen->listed = true;
        }
        return QString();
    }

private:
    struct Seen
    {
        QString path;
        QString entryName;
        bool folder = false;
        bool listed = false; // an entry of its own, not only a parent
    };
    QHash<QString, Seen> m_seen;
};

// Why one central record must not be unpacked, or an empty text.
QString checkEntry(const Entry &entry, NameSet &names)
{
    if (entry.rawName.contains('\0'))
        return QStringLiteral("entry \"%1\" has a broken name").arg(entry.name);
    if (const QString why = checkName(entry.name); !why.isEmpty())
        return why;
    if (entry.flags & kEncrypted)
        return QStringLiteral("entry \"%1\" is encrypted").arg(entry.name);
    // The upper half of the attributes is the Unix mode. unzip honours it
    // only for some systems an archive says it was made on, other readers
    // for all: it is looked at whatever the archive claims.
    const quint32 type = (entry.attributes >> 16) & kFileTypeMask;
    if (type == kSymbolicLink)
        return QStringLiteral("entry \"%1\" is a symbolic link").arg(entry.name);
    if (type != 0 && type != kRegularFile && type != kFolder)
        return QStringLiteral("entry \"%1\" is not a plain file or folder").arg(entry.name);
    const bool namedFolder =
        entry.name.endsWith(QLatin1Char('/')) || entry.name.endsWith(QLatin1Char('\\'));
    const bool markedFolder = type == kFolder || (entry.attributes & kDosFolder);
    if (namedFolder != markedFolder && (markedFolder || type == kRegularFile))
        return QStringLiteral("entry \"%1\" is both a file and a folder").arg(entry.name);
    if (namedFolder && (entry.uncompressed > 0 || (entry.method == 0 && entry.compressed > 0)))
        return QStringLiteral("entry \"%1\" is a folder with data").arg(entry.name);
    if (entry.compressed > kMaxEntrySize || entry.uncompressed > kMaxEntrySize)
        return damaged();
    return names.add(entry, namedFolder);
}

// Parses one central record at `at` and moves past it; why it cannot be
// read, or an empty text.
QString readEntry(const QByteArray &list, qint64 &at, Entry &entry)
{
    if (at + kDirectoryEntrySize > list.size() || u32(list, at) != kDirectoryEntry)
        return damaged();
    entry.flags = u16(list, at + 8);
    entry.method = u16(list, at + 10);
    entry.crc = u32(list, at + 16);
    entry.compressed = u32(list, at + 20);
    entry.uncompressed = u32(list, at + 24);
    const qint64 nameLength = u16(list, at + 28);
    const qint64 extraLength = u16(list, at + 30);
    const qint64 commentLength = u16(list, at + 32);
    const quint16 disk = u16(list, at + 34);
    entry.attributes = u32(list, at + 38);
    entry.localOffset = u32(list, at + 42);
    if (at + kDirectoryEntrySize + nameLength + extraLength + commentLength > list.size())
        return damaged();
    entry.rawName = list.mid(at + kDirectoryEntrySize, nameLength);
    entry.extra = list.mid(at + kDirectoryEntrySize + nameLength, extraLength);
    at += kDirectoryEntrySize + nameLength + extraLength + commentLength;

    // Bit 11: the name is UTF-8; older archives leave the code page open.
    if (entry.flags & kUtf8Name) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        entry.name = utf8.decode(entry.rawName);
        if (utf8.hasError())
            return QStringLiteral("entry \"%1\" has a broken name").arg(entry.name);
    } else {
        entry.name = QString::fromLatin1(entry.rawName);
    }
    QList<QPair<quint16, QByteArray>> fields;
    if (!splitExtra(entry.extra, fields) ||
        !applyZip64(fields, &entry.uncompressed, &entry.compressed, &entry.localOffset))
        return damaged();
    if (disk != 0 && disk != 0xffff)
        return QStringLiteral("it is split over several disks");
    return checkUnicodePath(fields, entry);
}

// Why the local header and the data of `entry` disagree with its central
// record; `next` becomes the offset just past its data (and descriptor).
QString checkLocal(QIODevice &file, const Entry &entry, quint64 &next)
{
    const qint64 offset = qint64(entry.localOffset);
    const QByteArray header = readAt(file, offset, kLocalHeaderSize);
    if (header.size() != kLocalHeaderSize || u32(header, 0) != kLocalHeader)
        return QStringLiteral("entry \"%1\" has no local header").arg(entry.name);
    const qint64 nameLength = u16(header, 26);
    const qint64 extraLength = u16(header, 28);
    const QByteArray rest = readAt(file, offset + kLocalHeaderSize, nameLength + extraLength);
    if (rest.size() != nameLength + extraLength)
        return damaged();
    const QByteArray localName = rest.left(nameLength);
    if (localName != entry.rawName)
        return QStringLiteral("entry \"%1\" is named \"%2\" in its local header")
            .arg(entry.name, QString::fromUtf8(localName));
    QList<QPair<quint16, QByteArray>> fields;
    if (!splitExtra(rest.mid(nameLength), fields))
        return damaged();
    if (const QString why = checkUnicodePath(fields, entry); !why.isEmpty())
        return why;

    const QString differs =
        QStringLiteral("entry \"%1\" is described differently in its local header").arg(entry.name);
    const quint16 flags = u16(header, 6);
    constexpr quint16 kMeaningful = kEncrypted | kHasDataDescriptor | kUtf8Name;
    if ((flags & kMeaningful) != (entry.flags & kMeaningful) || u16(header, 8) != entry.method)
        return differs;
    quint64 compressed = u32(header, 18);
    quint64 uncompressed = u32(header, 22);
    const bool zip64 = std::any_of(fields.cbegin(), fields.cend(),
                                   [](const auto &field) { return field.first == kZip64Extra; });
    if (!applyZip64(fields, &uncompressed, &compressed, nullptr))
        return damaged();
    const quint32 crc = u32(header, 14);
    // With a data descriptor the header may leave crc and sizes at zero.
    const bool deferred = flags & kHasDataDescriptor;
    const auto agrees = [deferred](quint64 local, quint64 central) {
        return local == central || (deferred && local == 0);
    };
    if (!agrees(crc, entry.crc) || !agrees(compressed, entry.compressed) ||
        !agrees(uncompressed, entry.uncompressed))
        return differs;

    next =
        entry.localOffset + quint64(kLocalHeaderSize + nameLength + extraLength) + entry.compressed;
    if (!deferred)
        return QString();
    // Readers that stream the file take crc and sizes from here instead.
    const qint64 valueSize = zip64 ? 8 : 4;
    QByteArray descriptor = readAt(file, qint64(next), 4 + 4 + 2 * valueSize);
    qint64 at = 0;
    if (descriptor.size() >= 4 && u32(descriptor, 0) == kDataDescriptor)
        at = 4;
    if (descriptor.size() < at + 4 + 2 * valueSize)
        return damaged();
    const quint64 descriptorCompressed = zip64 ? u64(descriptor, at + 4) : u32(descriptor, at + 4);
    const quint64 descriptorUncompressed =
        zip64 ? u64(descriptor, at + 4 + valueSize) : u32(descriptor, at + 8);
    if (u32(descriptor, at) != entry.crc || descriptorCompressed != entry.compressed ||
        descriptorUncompressed != entry.uncompressed)
        return QStringLiteral("entry \"%1\" has a data descriptor that disagrees with its list "
                              "entry")
            .arg(entry.name);
    next += quint64(at + 4 + 2 * valueSize);
    return QString();
}

// Where the end record is, or -1; `why` is set when the tail of the file
// could be read more than one way.
qint64 findEndRecord(const QByteArray &tail, QString &why)
{
    qint64 end = -1;
    for (qint64 at = tail.size() - kEndRecordSize; at >= 0; --at) {
        if (u32(tail, at) != kEndOfDirectory)
            continue;
        const bool endsFile = at + kEndRecordSize + u16(tail, at + 20) == tail.size();
        if (end < 0) {
            end = at;
            // The last one is what readers that search backwards take.
            if (!endsFile) {
                why = QStringLiteral("it has data after its end record");
                return end;
            }
        } else if (endsFile) {
            // One reader takes this one, another the later one, perhaps
            // hidden in this one's comment.
            why = QStringLiteral("it has more than one end record");
            return end;
        }
    }
    return end;
}

} // namespace

PatchArchive::Inspection PatchArchive::inspect(const QString &zipPath)
{
    QFile file(zipPath);
    if (!file.open(QIODevice::ReadOnly))
        return {}; // unzip reports an unreadable file itself
    return inspect(file);
}

PatchArchive::Inspection PatchArchive::inspect(QIODevice &file)
{
    Inspection result;
    const auto refuse = [&result](const QString &why) {
        result.refusal = why;
        return result;
    };
    const qint64 size = file.size();
    if (size < kEndRecordSize)
        return result;

    const qint64 tailStart = qMax<qint64>(0, size - kEndRecordSize - kMaxCommentSize);
    const QByteArray tail = readAt(file, tailStart, size - tailStart);
    QString why;
    const qint64 end = findEndRecord(tail, why);
    if (end < 0)
        return result; // not a zip archive: unzip refuses it
    result.isZip = true;
    if (!why.isEmpty())
        return refuse(why);

    const qint64 endOffset = tailStart + end;
    if (u16(tail, end + 4) != 0 || u16(tail, end + 6) != 0 ||
        u16(tail, end + 8) != u16(tail, end + 10))
        return refuse(QStringLiteral("it is split over several disks"));
    quint64 count = u16(tail, end + 10);
    quint64 listSize = u32(tail, end + 12);
    quint64 listOffset = u32(tail, end + 16);
    // Where the list must end: at the zip64 end record, or at the end record.
    qint64 listEnd = endOffset;
    const QByteArray locator = readAt(file, endOffset - kLocatorSize, kLocatorSize);
    if (locator.size() == kLocatorSize && u32(locator, 0) == kZip64Locator) {
        // A zip64 archive: the real counts are in the zip64 end record, which
        // must sit right before the locator; the plain record may only
        // repeat them or leave its fields saturated.
        const qint64 zip64Offset = qint64(u64(locator, 8));
        const QByteArray record = readAt(file, zip64Offset, kZip64RecordSize);
        if (record.size() != kZip64RecordSize || u32(record, 0) != kZip64EndOfDirectory ||
            quint64(zip64Offset) + 12 + u64(record, 4) != quint64(endOffset - kLocatorSize) ||
            u32(locator, 4) != 0 || u32(locator, 16) > 1)
            return refuse(damaged());
        if (u32(record, 16) != 0 || u32(record, 20) != 0 || u64(record, 24) != u64(record, 32))
            return refuse(QStringLiteral("it is split over several disks"));
        const auto repeats = [](quint64 plain, quint64 saturated, quint64 wide) {
            return plain == saturated || plain == wide;
        };
        if (!repeats(count, 0xffff, u64(record, 32)) ||
            !repeats(listSize, 0xffffffff, u64(record, 40)) ||
            !repeats(listOffset, 0xffffffff, u64(record, 48)))
            return refuse(QStringLiteral("its end record and its zip64 end record disagree"));
        count = u64(record, 32);
        listSize = u64(record, 40);
        listOffset = u64(record, 48);
        listEnd = zip64Offset;
    } else if (count == 0xffff || listSize == 0xffffffff || listOffset == 0xffffffff) {
        return refuse(damaged());
    }

    // Every record from where the end record says the list begins up to the
    // end record is read, whatever the count says; the list must be there.
    if (listOffset > quint64(listEnd) || quint64(listEnd) - listOffset > kMaxDirectorySize)
        return refuse(damaged());
    const QByteArray list = readAt(file, qint64(listOffset), listEnd - qint64(listOffset));
    if (list.size() != listEnd - qint64(listOffset))
        return refuse(damaged());
    if (list.size() < 4 || u32(list, 0) != kDirectoryEntry) {
        // Counted back from the end record, as unzip does, the list may be
        // elsewhere: data in front of the archive (a self-extractor) shifts
        // every offset, and readers differ in how they make up for it.
        const qint64 counted = listEnd - qint64(qMin<quint64>(listSize, quint64(listEnd)));
        if (count > 0 && counted != qint64(listOffset) &&
            u32(readAt(file, counted, 4), 0) == kDirectoryEntry)
            return refuse(QStringLiteral("its end record puts its list of entries at byte %1, "
                                         "but it is at byte %2")
                              .arg(listOffset)
                              .arg(counted));
        if (count > 0 || !list.isEmpty())
            return refuse(QStringLiteral("its end record puts its list of entries at byte %1, "
                                         "where there is none")
                              .arg(listOffset));
    }
    if (listSize != quint64(list.size()))
        return refuse(QStringLiteral("its end record gives its list of entries %1 bytes, but it "
                                     "takes %2")
                          .arg(listSize)
                          .arg(list.size()));

    std::vector<Entry> entries;
    NameSet names;
    quint64 total = 0;
    for (qint64 at = 0; at < list.size();) {
        Entry entry;
        if (const QString why = readEntry(list, at, entry); !why.isEmpty())
            return refuse(why);
        if (const QString why = checkEntry(entry, names); !why.isEmpty())
            return refuse(why);
        total += entry.uncompressed;
        if (total > kMaxEntrySize)
            return refuse(damaged());
        entries.push_back(std::move(entry));
    }
    if (count != entries.size())
        return refuse(QStringLiteral("its end record counts %1 entries, but its list holds %2")
                          .arg(count)
                          .arg(entries.size()));

    // The entries must tile the file from its first byte up to the list:
    // nothing in front (another archive, a stub), between or overlapping.
    std::vector<const Entry *> byOffset;
    for (const Entry &entry : entries)
        byOffset.push_back(&entry);
    std::sort(byOffset.begin(), byOffset.end(),
              [](const Entry *a, const Entry *b) { return a->localOffset < b->localOffset; });
    quint64 expected = 0;
    const Entry *previous = nullptr;
    for (const Entry *entry : byOffset) {
        if (entry->localOffset < expected)
            return refuse(QStringLiteral("entries \"%1\" and \"%2\" overlap")
                              .arg(previous->name, entry->name));
        if (entry->localOffset > expected)
            return refuse(QStringLiteral("%1 bytes at byte %2 belong to no entry")
                              .arg(entry->localOffset - expected)
                              .arg(expected));
        if (entry->localOffset >= listOffset)
            return refuse(damaged());
        if (const QString why = checkLocal(file, *entry, expected); !why.isEmpty())
            return refuse(why);
        previous = entry;
    }
    if (expected > listOffset) {
        if (previous)
            return refuse(
                QStringLiteral("entry \"%1\" overlaps its list of entries").arg(previous->name));
        return refuse(damaged());
    }
    if (expected < listOffset)
        return refuse(QStringLiteral("%1 bytes at byte %2 belong to no entry")
                          .arg(listOffset - expected)
                          .arg(expected));

    result.entries = qint64(entries.size());
    result.uncompressedBytes = qint64(total);
    for (const Entry *entry : byOffset) {
        result.listed.append(
            {entry->localOffset, entry->compressed, entry->uncompressed, entry->crc});
        result.largestEntryBytes = qMax(result.largestEntryBytes, qint64(entry->uncompressed));
    }
    return result;
}

std::optional<QString> PatchArchive::refusalReason(const QString &zipPath)
{
    return inspect(zipPath).refusal;
}

std::optional<QString> PatchArchive::refusalReason(QIODevice &archive)
{
    return inspect(archive).refusal;
}
