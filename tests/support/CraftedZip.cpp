// SPDX-License-Identifier: GPL-3.0-or-later
#include "CraftedZip.h"

#include <array>

namespace {

quint32 crc32Of(const QByteArray &data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xffffffffu;
    for (const char byte : data)
        crc = table[(crc ^ quint8(byte)) & 0xff] ^ (crc >> 8);
    return crc ^ 0xffffffffu;
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

QByteArray CraftedZip::build() const
{
    QByteArray archive = prefix;
    QByteArray list;
    for (const CraftedEntry &entry : entries) {
        const quint32 crc = crc32Of(entry.data);
        const quint32 size = quint32(entry.data.size());
        const quint64 offset = quint64(archive.size());
        const QByteArray localName = entry.localName.value_or(entry.name);
        const bool deferred = entry.dataDescriptor;
        const quint16 flags = entry.flags | (deferred ? 0x0008 : 0);

        put32(archive, 0x04034b50);
        put16(archive, 20);
        put16(archive, flags);
        put16(archive, 0); // stored
        put16(archive, 0);
        put16(archive, 0x21);
        put32(archive, deferred ? 0 : crc);
        put32(archive, deferred ? 0 : size);
        put32(archive, deferred ? 0 : size);
        put16(archive, quint64(localName.size()));
        put16(archive, quint64(entry.localExtra.size()));
        archive += localName + entry.localExtra + entry.data;
        if (deferred) {
            put32(archive, 0x08074b50);
            put32(archive, crc);
            put32(archive, entry.descriptorSize.value_or(size));
            put32(archive, entry.descriptorSize.value_or(size));
        }
        if (!entry.listed)
            continue;
        const quint32 listed = entry.listedSize.value_or(size);
        put32(list, 0x02014b50);
        put16(list, quint64(entry.host) << 8 | 30);
        put16(list, 20);
        put16(list, flags);
        put16(list, 0);
        put16(list, 0);
        put16(list, 0x21);
        put32(list, crc);
        put32(list, listed);
        put32(list, listed);
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
