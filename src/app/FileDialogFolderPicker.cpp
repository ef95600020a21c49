// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileDialogFolderPicker.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

FileDialogFolderPicker::FileDialogFolderPicker(QString lastFolder)
    : m_lastFolder(std::move(lastFolder))
{}

QString FileDialogFolderPicker::startFolder() const
{
    if (m_lastFolder.isEmpty() || QDir::isRelativePath(m_lastFolder))
        return QDir::homePath();
    // A folder moved or unplugged since: the nearest one above it that is
    // there, short of the root.
    QString folder = QDir::cleanPath(m_lastFolder);
    while (!QFileInfo(folder).isDir()) {
        const QString above = QFileInfo(folder).path();
        if (above == folder)
            break;
        folder = above;
    }
    return QDir(folder).isRoot() ? QDir::homePath() : folder;
}

std::optional<QString> FileDialogFolderPicker::pickFolder(const QString &message)
{
    const QString folder = QFileDialog::getExistingDirectory(nullptr, message, startFolder(),
                                                             QFileDialog::ShowDirsOnly |
                                                                 QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return std::nullopt;
    m_lastFolder = QDir::cleanPath(QDir(folder).absolutePath());
    return m_lastFolder;
}
