// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <optional>

class QIODevice;

// Looks at a zip archive before it is unpacked over a folder. Two readers
// see the archive: this one and unzip, which finds things by its own rules.
// Anything on which readers could disagree is refused, so that what this
// reader approves is what any reader unpacks: every central record present
// before the end record is read whatever count it gives; the end record must
// agree with the list (count, size, place); the entries must tile the file
// from its first byte to the list, each local header naming its entry as the
// list does; a Unicode path field must repeat the plain name; names must be
// plain relative paths, none twice (nor twice but for case or "\" for "/");
// entries are plain files and folders. This is a first line only: what
// unzip wrote is looked at again before it reaches the install folder.
class PatchArchive
{
public:
    PatchArchive() = delete;

    // One entry as the list describes it.
    struct Listed
    {
        quint64 localOffset = 0;
        quint64 compressed = 0;
        quint64 uncompressed = 0;
        quint32 crc = 0;
    };

    struct Inspection
    {
        // Why the archive must not be unpacked; nothing when it may be, and
        // nothing when the file is not a zip archive at all (unzip says so).
        std::optional<QString> refusal;
        // False when no end record was found: not a zip archive.
        bool isZip = false;
        qint64 entries = 0;
        // The sum of the entries' uncompressed sizes, as the list gives them
        // (what unpacking writes); valid when there is no refusal.
        qint64 uncompressedBytes = 0;
        // The largest of them.
        qint64 largestEntryBytes = 0;
        // The entries as the list gives them, by where their local headers
        // are; valid when there is no refusal.
        QList<Listed> listed;
    };

    static Inspection inspect(const QString &zipPath);
    // The same for an archive already open for reading (random access).
    static Inspection inspect(QIODevice &archive);

    // inspect(...).refusal
    static std::optional<QString> refusalReason(const QString &zipPath);
    static std::optional<QString> refusalReason(QIODevice &archive);
};
