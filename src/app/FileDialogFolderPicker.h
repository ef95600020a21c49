// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FolderPicker.h"

#include <QString>

// The desktop's own folder dialog (through Qt Widgets), folders only. It
// opens at the folder chosen last (at start, the stored game folder), or at
// the nearest folder above it that still exists, else in the home folder.
class FileDialogFolderPicker : public FolderPicker
{
public:
    explicit FileDialogFolderPicker(QString lastFolder = {});
    std::optional<QString> pickFolder(const QString &message) override;

private:
    QString startFolder() const;

    QString m_lastFolder;
};
