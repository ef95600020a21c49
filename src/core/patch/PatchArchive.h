#pragma once

#include <QString>

#include <optional>

class QIODevice;

// Looks at a zip archive's list of entries before it is unpacked over a
// folder. unzip drops "../" parts and leading slashes by itself, but it
// creates symbolic links as the archive says, and a later archive unpacked
// over the same folder then writes through them, anywhere on the disk. A
// community patch is plain files and folders; anything else is refused.
class PatchArchive
{
public:
    PatchArchive() = delete;

    // Why the archive must not be unpacked: an entry with an absolute path,
    // a ".." part or a symbolic link, or a list of entries that does not add
    // up. Nothing when every entry is a plain path inside the destination,
    // and nothing when the file is not a zip archive at all (unzip says so).
    static std::optional<QString> refusalReason(const QString &zipPath);
    // The same for an archive already open for reading (random access).
    static std::optional<QString> refusalReason(QIODevice &archive);
};
