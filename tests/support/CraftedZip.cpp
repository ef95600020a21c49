// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"

#include <zlib.h>

namespace {

quint32 crc32Of(const QByteArray &data)
{
    return quint32(
        crc32_z(0, reinterpret_cast<const Bytef *>(data.constData()), z_size_t(data.size())));
}

// Raw deflate (no zlib header), as zip entries hold it.
QByteArray deflateRaw(const QByteArray &data)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

void put16(QByteArray &out, quint64 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, quint64 value)
{
    put16(out, value & 0xffff);
    put16(out, (value >> 16) & 0xffff);
}

void put64(QByteArray &out, quint64 value)
{
    put32(out, value & 0xffffffff);
    put32(out, value >> 32);
}

} // namespace

QByteArray unicodePathField(const QByteArray &plain, const QByteArray &unicodeName)
{
    QByteArray field;
    put16(field, 0x7075);
    put16(field, quint64(5 + unicodeName.size()));
    field.append(char(1));
    put32(field, crc32Of(plain));
    return field + unicodeName;
}

CraftedEntry deflatedZeros(const QByteArray &name, qint64 size)
{
    CraftedEntry entry(name);
    entry.deflated = true;
    entry.size = quint64(size);
    const QByteArray zeros(1024 * 1024, '\0');
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    QByteArray out;
    QByteArray buffer(256 * 1024, Qt::Uninitialized);
    quint32 crc = 0;
    for (qint64 left = size;;) {
        const qint64 piece = qMin<qint64>(left, zeros.size());
        crc = quint32(
            crc32_z(crc, reinterpret_cast<const Bytef *>(zeros.constData()), z_size_t(piece)));
        left -= piece;
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(piece);
        int result = Z_OK;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
            stream.avail_out = uInt(buffer.size());
            result = deflate(&stream, left > 0 ? Z_NO_FLUSH : Z_FINISH);
            out.append(buffer.constData(), buffer.size() - qsizetype(stream.avail_out));
        } while (stream.avail_out == 0);
        if (left == 0 && result == Z_STREAM_END)
            break;
    }
    deflateEnd(&stream);
    entry.packed = out;
    entry.crc = crc;
    return entry;
}

QByteArray CraftedZip::build() const
{
    QByteArray archive = prefix;
    QByteArray list;
    for (const CraftedEntry &entry : entries) {
        const QByteArray body =
            entry.packed.value_or(entry.deflated ? deflateRaw(entry.data) : entry.data);
        const quint16 method = entry.deflated ? 8 : 0;
        const quint32 crc = entry.crc.value_or(crc32Of(entry.data));
        const quint32 size = quint32(entry.size.value_or(quint64(entry.data.size())));
        const quint32 compressed = quint32(body.size());
        const quint64 offset = quint64(archive.size());
        const QByteArray localName = entry.localName.value_or(entry.name);
        const bool deferred = entry.dataDescriptor;
        const quint16 flags = entry.flags | (deferred ? 0x0008 : 0);

        put32(archive, 0x04034b50);
        put16(archive, 20);
        put16(archive, flags);
        put16(archive, method);
        put16(archive, 0);
        put16(archive, 0x21);
        put32(archive, deferred ? 0 : crc);
        put32(archive, deferred ? 0 : compressed);
        put32(archive, deferred ? 0 : size);
        put16(archive, quint64(localName.size()));
        put16(archive, quint64(entry.localExtra.size()));
        archive += localName + entry.localExtra + body;
        if (deferred) {
            put32(archive, 0x08074b50);
            put32(archive, crc);
            put32(archive, entry.descriptorSize.value_or(compressed));
            put32(archive, entry.descriptorSize.value_or(size));
        }
        if (!entry.listed)
            continue;
        put32(list, 0x02014b50);
        put16(list, quint64(entry.host) << 8 | 30);
        put16(list, 20);
        put16(list, flags);
        put16(list, method);
        put16(list, 0);
        put16(list, 0x21);
        put32(list, crc);
        put32(list, entry.listedSize.value_or(compressed));
        put32(list, entry.listedSize.value_or(size));
        put16(list, quint64(entry.name.size()));
        put16(list, quint64(entry.centralExtra.size()));
        put16(list, 0); // comment
        put16(list, 0); // disk
        put16(list, 0); // internal attributes
        put32(list, quint64(entry.mode) << 16 | entry.dosAttributes);
        put32(list, offset);
        list += entry.name + entry.centralExtra;
    }
    const quint64 listOffsetReal = quint64(archive.size());
    archive += list;
    qsizetype listed = 0;
    for (const CraftedEntry &entry : entries)
        listed += entry.listed ? 1 : 0;
    const quint64 realCount = count.value_or(quint32(listed));
    const quint64 realSize = listSize.value_or(quint32(list.size()));
    const quint64 realOffset = listOffset.value_or(quint32(listOffsetReal));
    if (zip64) {
        const quint64 recordOffset = quint64(archive.size());
        put32(archive, 0x06064b50);
        put64(archive, 44);
        put16(archive, 45);
        put16(archive, 45);
        put32(archive, 0);
        put32(archive, 0);
        put64(archive, realCount);
        put64(archive, realCount);
        put64(archive, realSize);
        put64(archive, realOffset);
        put32(archive, 0x07064b50);
        put32(archive, 0);
        put64(archive, recordOffset);
        put32(archive, 1);
    }
    put32(archive, 0x06054b50);
    put16(archive, 0);
    put16(archive, 0);
    put16(archive, zip64 ? 0xffff : realCount);
    put16(archive, zip64 ? 0xffff : realCount);
    put32(archive, zip64 ? 0xffffffff : realSize);
    put32(archive, zip64 ? 0xffffffff : realOffset);
    put16(archive, quint64(comment.size()));
    return archive + comment;
}
