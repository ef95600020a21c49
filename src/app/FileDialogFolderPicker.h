// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FolderPicker.h"

// The desktop's own folder dialog (through Qt Widgets), folders only,
// starting in the home folder.
class FileDialogFolderPicker : public FolderPicker
{
public:
    std::optional<QString> pickFolder(const QString &message) override;
};
