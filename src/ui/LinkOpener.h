// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// Opens web addresses in the user's default browser. Only absolute http and
// https addresses with a host are ever handed to the desktop: anything else
// (a file path, a custom scheme, a typo in a manifest) is refused, so a
// tampered update manifest cannot make the launcher run a local program.
class LinkOpener
{
public:
    LinkOpener() = delete;

    // The address as a web URL, or nothing when it is not one.
    static std::optional<QUrl> webUrl(const QString &address);
    // Opens the address when it is a web URL; true when it was handed on.
    static bool open(const QString &address);
};
