// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// A zip archive written byte by byte, stored or deflated, with every field a
// hostile archive might bend under the test's control: what the central
// list and the local headers say (names, sizes, CRC-32), host and mode,
// extra fields, data descriptors, the end record's figures, data in front
// of the archive and a comment behind it.
struct CraftedEntry
{
    CraftedEntry() = default;
    CraftedEntry(QByteArray entryName, QByteArray content = {}, quint32 unixMode = 0100644)
        : name(std::move(entryName)), data(std::move(content)), mode(unixMode)
    {}
    QByteArray name;
    QByteArray data;
    quint32 mode = 0100644;    // upper half of the external attributes
    quint32 dosAttributes = 0; // lower half
    quint8 host = 3;           // made on: 3 Unix, 0 MS-DOS
    quint16 flags = 0x0800;    // UTF-8 names
    std::optional<QByteArray> localName;
    QByteArray centralExtra;
    QByteArray localExtra;
    // Crc and sizes follow the data (and are zero in the local header).
    bool dataDescriptor = false;
    std::optional<quint32> descriptorSize; // a descriptor that lies about the size
    bool listed = true;                    // false: local header and data only
    std::optional<quint32> listedSize;     // central sizes that lie
    bool deflated = false;                 // method 8: data is deflated when built
    // The entry's bytes as they are to stand in the archive, made elsewhere
    // (deflatedZeros()); data is then unused.
    std::optional<QByteArray> packed;
    // What every record declares, when it is not the truth about data.
    std::optional<quint64> size;
    std::optional<quint32> crc;
};

// A deflated entry of `size` zero bytes, made without holding them: its
// records declare the true size and CRC-32 until the test says otherwise.
CraftedEntry deflatedZeros(const QByteArray &name, qint64 size);

struct CraftedZip
{
    QList<CraftedEntry> entries;
    QByteArray prefix; // in front of the first entry (offsets count it)
    QByteArray comment;
    bool zip64 = false;           // zip64 end record and locator, plain one saturated
    std::optional<quint32> count; // the end record's figures, when they lie
    std::optional<quint32> listSize;
    std::optional<quint32> listOffset;

    QByteArray build() const;
};

// An Info-ZIP Unicode path extra field for an entry whose plain name is `plain`.
QByteArray unicodePathField(const QByteArray &plain, const QByteArray &unicodeName);
// The mode of a folder, a link, a named pipe.
constexpr quint32 kFolderMode = 040755;
constexpr quint32 kLinkMode = 0120777;
constexpr quint32 kFifoMode = 010644;
