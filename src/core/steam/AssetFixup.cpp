// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/AssetFixup.h"

#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

const char *const kRNPatchFiles[] = {"PatchData.big", "PatchINI.big", "PatchWindow.big",
                                     "PatchDL.big"};

} // namespace

void AssetFixup::reorganizeAssets(const QString &assetsDir, const QString &baseGameDir,
                                  const Log &log)
{
    const QString source = assetsDir + QStringLiteral("/DL_Vantor");
    const QString destination = baseGameDir;
    if (!QFileInfo::exists(source)) {
        log(QStringLiteral("[*] DL_Vantor already in correct location\n"));
        return;
    }
    // The folder of an earlier download is replaced. Anything else by that
    // name (a file, a link) is not ours to delete: it stays, and the move is
    // reported as failed.
    const QFileInfo existing(destination);
    if (existing.isSymLink() || (existing.exists() && !existing.isDir())) {
        log(QStringLiteral("[!] Failed to move DL_Vantor: ") + destination +
            QStringLiteral(" is not a folder; it was left as it is\n"));
        return;
    }
    std::error_code error;
    if (existing.exists())
        std::filesystem::remove_all(destination.toStdString(), error); // failure ignored
    error.clear();
    std::filesystem::rename(source.toStdString(), destination.toStdString(), error);
    if (error) {
        log(QStringLiteral("[!] Failed to move DL_Vantor: ") +
            QString::fromLocal8Bit(error.message()) + QStringLiteral("\n"));
        return;
    }
    log(QStringLiteral("[✓] Moved DL_Vantor/ alongside Assets/\n"));
}

void AssetFixup::cleanRNPatchFiles(const QString &assetsDir, const QString &installDir,
                                   const Log &log)
{
    for (const char *file : kRNPatchFiles) {
        const QString name = QString::fromLatin1(file);
        std::error_code ignored;
        const QString inAssets = assetsDir + QLatin1Char('/') + name;
        if (QFileInfo::exists(inAssets)) {
            std::filesystem::remove_all(inAssets.toStdString(), ignored);
            log(QStringLiteral("[*] Removed RN modern patch file: ") + name + QStringLiteral("\n"));
        }
        const QString inRoot = installDir + QLatin1Char('/') + name;
        if (QFileInfo::exists(inRoot)) {
            std::filesystem::remove_all(inRoot.toStdString(), ignored);
            log(QStringLiteral("[*] Removed RN modern patch file from root: ") + name +
                QStringLiteral("\n"));
        }
    }
}
