// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// The one rule for addresses the launcher shows or hands to a browser:
// absolute http or https with a host. Anything else (a file path, a
// javascript: or custom scheme, a typo in a manifest) is not a web address,
// so text from the network can never make the desktop run a local program.
class WebAddress
{
public:
    WebAddress() = delete;

    // The text as a web URL (surrounding blanks ignored), or nothing.
    static std::optional<QUrl> fromText(const QString &address);
};
