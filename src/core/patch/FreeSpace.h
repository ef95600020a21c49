// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How much a folder's file system can still take, asked before a download
// or an unpacking starts so that a full disk is reported up front, with the
// sizes, instead of as a write error half-way through.
class FreeSpace
{
public:
    FreeSpace() = delete;

    // Bytes an unprivileged writer may still use in the file system holding
    // `folder` (or its nearest existing parent); -1 when it cannot be told.
    static qint64 available(const QString &folder);

    // Empty when `needed` bytes fit in `folder` (or the space cannot be
    // told); otherwise, for the user:
    // "Not enough free space in "<folder>": 512.0 MB needed, 100.0 MB free"
    static QString shortage(const QString &folder, qint64 needed);

    // "512.0 MB": one decimal, powers of 1000 (as file managers show them).
    static QString size(qint64 bytes);
};
