// SPDX-License-Identifier: GPL-3.0-or-later
#include "patch/ZipStreamCheck.h"

#include <QElapsedTimer>
#include <QIODevice>

#include <algorithm>
#include <utility>

#include <zlib.h>

namespace {

constexpr quint32 kLocalHeader = 0x04034b50;
constexpr quint32 kDirectoryEntry = 0x02014b50;
constexpr quint32 kEndOfDirectory = 0x06054b50;
constexpr quint32 kZip64EndOfDirectory = 0x06064b50;
constexpr quint32 kArchiveExtraData = 0x08064b50;
constexpr quint32 kDataDescriptor = 0x08074b50;
constexpr qint64 kLocalHeaderSize = 30;
constexpr quint16 kEncrypted = 0x0001;
constexpr quint16 kHasDataDescriptor = 0x0008;
constexpr quint16 kUtf8Name = 0x0800;
constexpr quint16 kZip64Extra = 0x0001;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;
// As the list check: far beyond any patch, far from overflowing a sum.
constexpr quint64 kMaxEntrySize = quint64(1) << 50;
// Deflate reaches about 1,000:1, so one piece inflates to at most some
// 30 MB: a few tens of milliseconds, the most one readFrom() step takes.
constexpr qint64 kReadPiece = 32 * 1024;
constexpr qint64 kScratchSize = 256 * 1024;

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

quint32 crcOf(quint32 crc, const char *data, qint64 size)
{
    return quint32(crc32_z(crc, reinterpret_cast<const Bytef *>(data), z_size_t(size)));
}

QString holdsMore(const QString &name, quint64 declared)
{
    return QStringLiteral("entry %1 holds more than the %2 bytes it declares")
        .arg(name)
        .arg(declared);
}

QString holdsFewer(const QString &name, quint64 held, quint64 declared)
{
    return QStringLiteral("entry %1 holds %2 bytes, fewer than the %3 it declares")
        .arg(name)
        .arg(held)
        .arg(declared);
}

QString crcDiffers(const QString &name)
{
    return QStringLiteral("entry %1 does not match the CRC-32 it declares").arg(name);
}

QString damagedData(const QString &name)
{
    return QStringLiteral("entry %1 has damaged data").arg(name);
}

QString notTheList()
{
    return QStringLiteral("its local records do not match its list of entries");
}

} // namespace

struct ZipStreamCheck::Inflater
{
    Inflater() { ready = inflateInit2(&stream, -MAX_WBITS) == Z_OK; }
    ~Inflater()
    {
        if (ready)
            inflateEnd(&stream);
    }
    Inflater(const Inflater &) = delete;
    Inflater &operator=(const Inflater &) = delete;

    // zlib keeps a pointer to the stream in its state: it must not move.
    z_stream stream{};
    bool ready = false;
};

ZipStreamCheck::ZipStreamCheck()
    : m_inflater(std::make_unique<Inflater>()), m_scratch(kScratchSize, Qt::Uninitialized)
{}

ZipStreamCheck::~ZipStreamCheck() = default;

void ZipStreamCheck::refuse(const QString &why)
{
    m_status = Status::Refused;
    m_refusal = why;
}

void ZipStreamCheck::stop()
{
    m_status = Status::Stopped;
}

bool ZipStreamCheck::collect(const char *&data, qint64 &size, qint64 need)
{
    const qint64 take = qMin(size, need - qint64(m_pending.size()));
    if (take > 0) {
        m_pending.append(data, take);
        data += take;
        size -= take;
        m_position += take;
    }
    return m_pending.size() >= need;
}

void ZipStreamCheck::feed(const char *data, qint64 size)
{
    while (size > 0 && m_status == Status::Reading) {
        switch (m_phase) {
        case Phase::Header: {
            if (m_pending.isEmpty())
                m_recordStart = m_position;
            if (!collect(data, size, 4))
                return;
            const quint32 signature = u32(m_pending, 0);
            if (signature != kLocalHeader) {
                // The list (or what stands for it in a zip64 archive) ends
                // the entries; anything else is left to the list check.
                if (signature == kDirectoryEntry || signature == kEndOfDirectory ||
                    signature == kZip64EndOfDirectory || signature == kArchiveExtraData)
                    m_status = Status::Done;
                else
                    stop();
                return;
            }
            if (!collect(data, size, kLocalHeaderSize) ||
                !collect(data, size, kLocalHeaderSize + u16(m_pending, 26) + u16(m_pending, 28)))
                return;
            readHeader();
            break;
        }
        case Phase::Data:
            readData(data, size);
            break;
        case Phase::Descriptor: {
            // The signature is optional: readers take the first four bytes
            // for it when they match it, and so does the list check.
            if (!collect(data, size, 4))
                return;
            const qint64 values = 4 + (m_zip64 ? 16 : 8);
            if (!collect(data, size, (u32(m_pending, 0) == kDataDescriptor ? 4 : 0) + values))
                return;
            readDescriptor();
            break;
        }
        }
    }
}

void ZipStreamCheck::readHeader()
{
    const QByteArray header = std::exchange(m_pending, QByteArray());
    const quint16 flags = u16(header, 6);
    m_method = u16(header, 8);
    const quint32 crc = u32(header, 14);
    quint64 compressed = u32(header, 18);
    quint64 uncompressed = u32(header, 22);
    const qint64 nameLength = u16(header, 26);
    const QByteArray rawName = header.mid(kLocalHeaderSize, nameLength);
    const QByteArray extra = header.mid(kLocalHeaderSize + nameLength);
    m_name = (flags & kUtf8Name) ? QString::fromUtf8(rawName) : QString::fromLatin1(rawName);
    m_deferred = flags & kHasDataDescriptor;
    m_compressed = 0;
    m_uncompressed = 0;
    m_crc = 0;
    m_declared = Declared();
    // The list check refuses what it is (encrypted, damaged).
    if (flags & kEncrypted)
        return stop();

    // The 64-bit sizes of a zip64 field stand for the saturated 32-bit ones,
    // in the order the format lists them.
    m_zip64 = false;
    bool saturated = uncompressed == 0xffffffff || compressed == 0xffffffff;
    for (qint64 at = 0; at + 4 <= extra.size();) {
        const quint16 tag = u16(extra, at);
        const qint64 length = u16(extra, at + 2);
        if (at + 4 + length > extra.size())
            break;
        if (tag == kZip64Extra) {
            m_zip64 = true;
            qint64 field = at + 4;
            for (quint64 *value : {&uncompressed, &compressed}) {
                if (*value != 0xffffffff)
                    continue;
                if (field + 8 > at + 4 + length)
                    return stop();
                *value = u64(extra, field);
                field += 8;
            }
            saturated = false;
            break;
        }
        at += 4 + length;
    }
    if (saturated || compressed > kMaxEntrySize || uncompressed > kMaxEntrySize)
        return stop();

    if (!m_deferred) {
        m_declared = {qint64(compressed), qint64(uncompressed), crc};
    } else if (const auto listed = m_listed.constFind(quint64(m_recordStart));
               listed != m_listed.cend()) {
        m_declared = {qint64(listed->compressed), qint64(listed->uncompressed), listed->crc};
    }
    if (m_method == kStored) {
        // A folder holds no data (the list check refuses one that does), as
        // streaming writers leave them: its sizes follow at once.
        if (m_declared.compressed < 0 && rawName.endsWith('/'))
            m_declared.compressed = 0;
        // Other stored data has no end of its own: without a size it cannot
        // be read.
        if (m_declared.compressed < 0)
            return stop();
        // Stored: as many bytes unpacked as packed (sizes after the data are
        // compared when they come).
        if (m_declared.uncompressed >= 0 && m_declared.compressed > m_declared.uncompressed)
            return refuse(holdsMore(m_name, quint64(m_declared.uncompressed)));
        if (m_declared.uncompressed >= 0 && m_declared.compressed < m_declared.uncompressed)
            return refuse(holdsFewer(m_name, quint64(m_declared.compressed),
                                     quint64(m_declared.uncompressed)));
    } else if (m_method == kDeflated) {
        if (!m_inflater->ready || inflateReset(&m_inflater->stream) != Z_OK)
            return refuse(QStringLiteral("entry %1 could not be checked").arg(m_name));
    } else {
        return refuse(QStringLiteral("entry %1 is packed with method %2, which cannot be checked")
                          .arg(m_name)
                          .arg(m_method));
    }
    m_phase = Phase::Data;
    if (m_declared.compressed == 0) {
        // Nothing to read: an empty stored file or folder. A deflated entry
        // cannot be empty (its stream takes at least two bytes).
        if (m_method == kDeflated)
            return refuse(damagedData(m_name));
        endData();
    }
}

void ZipStreamCheck::endData()
{
    // Sizes and CRC-32 follow the data, or were in the local header.
    if (m_deferred)
        m_phase = Phase::Descriptor;
    else
        endEntry(m_compressed, quint64(m_declared.uncompressed), m_declared.crc);
}

void ZipStreamCheck::readData(const char *&data, qint64 &size)
{
    qint64 available = size;
    if (m_declared.compressed >= 0)
        available = qMin(available, m_declared.compressed - qint64(m_compressed));
    if (m_method == kStored) {
        m_crc = crcOf(m_crc, data, available);
        data += available;
        size -= available;
        m_position += available;
        m_compressed += quint64(available);
        m_uncompressed += quint64(available);
        if (qint64(m_compressed) == m_declared.compressed)
            endData();
        return;
    }

    z_stream &stream = m_inflater->stream;
    const uInt given = uInt(qMin<qint64>(available, qint64(1) << 30));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data));
    stream.avail_in = given;
    int result = Z_OK;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef *>(m_scratch.data());
        stream.avail_out = uInt(m_scratch.size());
        result = inflate(&stream, Z_NO_FLUSH);
        const qint64 produced = m_scratch.size() - qint64(stream.avail_out);
        m_crc = crcOf(m_crc, m_scratch.constData(), produced);
        m_uncompressed += quint64(produced);
        // Refused as soon as it is known: the rest is not inflated.
        if (m_declared.uncompressed >= 0 && m_uncompressed > quint64(m_declared.uncompressed))
            return refuse(holdsMore(m_name, quint64(m_declared.uncompressed)));
        if (result == Z_STREAM_END)
            break;
        if (result == Z_BUF_ERROR && stream.avail_in == 0)
            break; // wants more input
        if (result != Z_OK)
            return refuse(damagedData(m_name));
        if (stream.avail_in == 0 && stream.avail_out > 0)
            break;
    }
    const qint64 consumed = qint64(given - stream.avail_in);
    data += consumed;
    size -= consumed;
    m_position += consumed;
    m_compressed += quint64(consumed);
    const bool allRead = qint64(m_compressed) == m_declared.compressed;
    if (result == Z_STREAM_END) {
        // Bytes after the end of the stream but inside the entry are read
        // by nobody the same way.
        if (m_declared.compressed >= 0 && !allRead)
            return refuse(damagedData(m_name));
        return endData();
    }
    if (allRead)
        refuse(damagedData(m_name)); // the stream goes on past its entry
}

void ZipStreamCheck::readDescriptor()
{
    const QByteArray descriptor = std::exchange(m_pending, QByteArray());
    const qint64 values = 4 + (m_zip64 ? 16 : 8);
    const qint64 at = descriptor.size() > values ? 4 : 0;
    const quint32 crc = u32(descriptor, at);
    const quint64 compressed = m_zip64 ? u64(descriptor, at + 4) : u32(descriptor, at + 4);
    const quint64 uncompressed = m_zip64 ? u64(descriptor, at + 12) : u32(descriptor, at + 8);
    if (compressed != m_compressed)
        return refuse(damagedData(m_name));
    endEntry(compressed, uncompressed, crc);
}

void ZipStreamCheck::endEntry(quint64 compressed, quint64 uncompressed, std::optional<quint32> crc)
{
    if (m_uncompressed > uncompressed)
        return refuse(holdsMore(m_name, uncompressed));
    if (m_uncompressed < uncompressed)
        return refuse(holdsFewer(m_name, m_uncompressed, uncompressed));
    if (crc && *crc != m_crc)
        return refuse(crcDiffers(m_name));
    m_entries.append({quint64(m_recordStart), m_name, compressed, m_uncompressed, m_crc});
    m_uncompressedTotal += qint64(m_uncompressed);
    m_phase = Phase::Header;
}

bool ZipStreamCheck::readFrom(QIODevice &archive, std::chrono::milliseconds budget)
{
    QElapsedTimer clock;
    clock.start();
    if (m_readBuffer.isEmpty())
        m_readBuffer.resize(kReadPiece);
    while (m_status == Status::Reading) {
        if (!archive.seek(m_position))
            return true;
        const qint64 got = archive.read(m_readBuffer.data(), m_readBuffer.size());
        if (got <= 0)
            return true;
        feed(m_readBuffer.constData(), got);
        if (m_status == Status::Reading && clock.elapsed() >= budget.count())
            return false;
    }
    return true;
}

void ZipStreamCheck::useListing(const QList<PatchArchive::Listed> &listed)
{
    m_listed.clear();
    for (const PatchArchive::Listed &entry : listed)
        m_listed.insert(entry.localOffset, entry);
    if (m_status != Status::Stopped)
        return;
    m_status = Status::Reading;
    m_phase = Phase::Header;
    m_pending.clear();
    m_position = m_recordStart;
}

std::optional<QString> ZipStreamCheck::disagreement(const QList<PatchArchive::Listed> &listed) const
{
    if (m_status == Status::Refused)
        return m_refusal;
    if (m_status != Status::Done || listed.size() != m_entries.size())
        return notTheList();
    QList<PatchArchive::Listed> byOffset = listed;
    std::sort(byOffset.begin(), byOffset.end(),
              [](const auto &a, const auto &b) { return a.localOffset < b.localOffset; });
    for (qsizetype i = 0; i < byOffset.size(); ++i) {
        const Entry &read = m_entries.at(i);
        const PatchArchive::Listed &list = byOffset.at(i);
        if (read.localOffset != list.localOffset || read.compressed != list.compressed)
            return notTheList();
        if (read.uncompressed > list.uncompressed)
            return holdsMore(read.name, list.uncompressed);
        if (read.uncompressed < list.uncompressed)
            return holdsFewer(read.name, read.uncompressed, list.uncompressed);
        if (read.crc != list.crc)
            return crcDiffers(read.name);
    }
    return std::nullopt;
}
