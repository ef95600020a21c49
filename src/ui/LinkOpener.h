// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// Opens web addresses in the user's default browser. Only absolute http and
// https addresses with a host are ever handed to the desktop: anything else
// (a file path, a custom scheme, a typo in a manifest) is refused, so a
// tampered update manifest cannot make the launcher run a local program.
// Local folders (the install and log folders) open in the file manager
// through their own call, which takes nothing but an existing folder.
class LinkOpener
{
public:
    LinkOpener() = delete;

    // The address as a web URL, or nothing when it is not one.
    static std::optional<QUrl> webUrl(const QString &address);
    // Opens the address when it is a web URL; true when it was handed on.
    static bool open(const QString &address);

    // The folder at the absolute path as a file URL, or nothing when path is
    // not absolute or no folder is there (a file, say, which the desktop
    // would run or open).
    static std::optional<QUrl> folderUrl(const QString &path);
    // Opens the folder in the file manager; true when it was handed on.
    static bool openFolder(const QString &path);
};
