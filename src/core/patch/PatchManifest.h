// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The names the community patch put at the top of the install folder,
// written there after each successful unpack. The patch's archive decides
// what it holds, and the install folder may hold the player's own files
// beside it: this record is how the launcher later tells which of them are
// its own (to move them with the game data, and only them).
//
// One name a line, UTF-8, after a comment line. The file is read as the
// hostile input any file on disk is: only single path components are taken
// ("." and "..", names with a slash or a NUL and anything past the first
// 64 KiB are ignored).
class PatchManifest
{
public:
    PatchManifest() = delete;

    // ".community-patch-files"
    static QString fileName();
    static QString pathIn(const QString &installDir);

    // The recorded names, in the file's order, each once; empty when there
    // is no readable record.
    static QStringList read(const QString &installDir);

    // Adds names to the record, keeping earlier names that are still there
    // (an older patch may have placed files a newer one does not hold).
    // False when the file cannot be written.
    static bool record(const QString &installDir, const QStringList &names);

    // Whether name may stand in the record: one path component.
    static bool isPlainName(const QString &name);
};
