// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialogFolderPicker.h"

#include <QDir>
#include <QFileDialog>

std::optional<QString> FileDialogFolderPicker::pickFolder(const QString &message)
{
    const QString folder = QFileDialog::getExistingDirectory(nullptr, message, QDir::homePath(),
                                                             QFileDialog::ShowDirsOnly |
                                                                 QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return std::nullopt;
    return QDir::cleanPath(QDir(folder).absolutePath());
}
