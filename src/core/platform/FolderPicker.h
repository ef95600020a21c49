// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Asks the user for one existing folder. The window supplies one that shows
// the platform's folder dialog; tests supply their own answers. The core
// never opens a dialog itself.
class FolderPicker
{
public:
    virtual ~FolderPicker() = default;

    // Shows message as the dialog's prompt and returns the chosen folder as a
    // file-system path, or nothing when the user cancels. May run a modal loop.
    virtual std::optional<QString> pickFolder(const QString &message) = 0;
};
