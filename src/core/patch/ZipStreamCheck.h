// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "patch/PatchArchive.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class QIODevice;

// Reads a zip archive from its first byte on, in the order its bytes come
// (as it arrives), the way an unpacker reads each entry: its local header,
// then its data, then its data descriptor if it has one. Each entry is
// inflated (or, stored, copied) into a scratch buffer and thrown away,
// counting its bytes and computing its CRC-32, so that nothing is written:
// an entry whose data holds more or fewer bytes than its records declare,
// or whose CRC-32 differs, refuses the archive before it is unpacked. An
// entry that inflates past the size its local header declares is refused
// there, without inflating the rest.
//
// Only what an honest archive needs is read: stored and deflated entries,
// data descriptors, zip64 sizes. An entry packed another way is refused (no
// bound could be put on what it unpacks to). What this reader cannot place
// is left to the list of entries: bytes that are no local header (not a zip
// archive, something in front of it) stop it; so do an encrypted entry and
// a stored one whose size only its data descriptor gives (it has no end of
// its own). useListing() then gives the list's figures and reading goes on
// from the entry it stopped at. disagreement() checks that the entries read
// in order are the list's, with the same sizes and CRC-32s.
class ZipStreamCheck
{
public:
    enum class Status
    {
        Reading, // wants more bytes
        Done,    // every local record read; the list of entries follows
        Stopped, // cannot go on without the list (stoppedAt())
        Refused, // refusal() says why
    };

    // One entry read whole, its data matching its records.
    struct Entry
    {
        quint64 localOffset = 0;
        QString name;
        quint64 compressed = 0;
        quint64 uncompressed = 0;
        quint32 crc = 0;
    };

    ZipStreamCheck();
    ~ZipStreamCheck();
    ZipStreamCheck(const ZipStreamCheck &) = delete;
    ZipStreamCheck &operator=(const ZipStreamCheck &) = delete;

    // The next bytes of the archive, from position() on.
    void feed(const char *data, qint64 size);
    // Feeds what `archive` holds from position() on, until its end, an end
    // of this reader, or until `budget` has passed; true unless the budget
    // ran out first (more may be there). Inflating a piece takes a bounded
    // time, so the budget is kept to within a few tens of milliseconds.
    bool readFrom(QIODevice &archive, std::chrono::milliseconds budget);

    Status status() const { return m_status; }
    // Bytes of the archive read so far.
    qint64 position() const { return m_position; }
    // Where the record reading stopped at begins (Status::Stopped).
    qint64 stoppedAt() const { return m_recordStart; }
    std::optional<QString> refusal() const { return m_refusal; }
    const QList<Entry> &entries() const { return m_entries; }
    // The sum of the entries' sizes read so far.
    qint64 uncompressedBytes() const { return m_uncompressedTotal; }

    // The list of entries, now that it is known: its sizes bound entries
    // whose local headers leave them open. After a stop, reading goes on
    // from the start of the entry it stopped at (position() goes back).
    void useListing(const QList<PatchArchive::Listed> &listed);

    // Why the entries read do not agree with the list (other entries, other
    // places, other sizes or CRC-32s), or nothing when they do. Only a
    // reader that is Done can agree.
    std::optional<QString> disagreement(const QList<PatchArchive::Listed> &listed) const;

private:
    enum class Phase
    {
        Header,
        Data,
        Descriptor,
    };
    // What the records say of the entry being read; unknown sizes are -1.
    struct Declared
    {
        qint64 compressed = -1;
        qint64 uncompressed = -1;
        std::optional<quint32> crc;
    };

    bool collect(const char *&data, qint64 &size, qint64 need);
    void readHeader();
    void readData(const char *&data, qint64 &size);
    void endData();
    void readDescriptor();
    void endEntry(quint64 compressed, quint64 uncompressed, std::optional<quint32> crc);
    void refuse(const QString &why);
    void stop();

    Status m_status = Status::Reading;
    Phase m_phase = Phase::Header;
    qint64 m_position = 0;
    qint64 m_recordStart = 0;
    QByteArray m_pending; // a header or descriptor read so far
    std::optional<QString> m_refusal;
    QList<Entry> m_entries;
    qint64 m_uncompressedTotal = 0;
    QHash<quint64, PatchArchive::Listed> m_listed;

    // The entry being read.
    QString m_name;
    quint16 m_method = 0;
    bool m_deferred = false; // crc and sizes follow the data
    bool m_zip64 = false;
    Declared m_declared;
    quint64 m_compressed = 0;
    quint64 m_uncompressed = 0;
    quint32 m_crc = 0;

    struct Inflater;
    std::unique_ptr<Inflater> m_inflater;
    QByteArray m_scratch;
    QByteArray m_readBuffer;
};
