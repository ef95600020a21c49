// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Counts, while it lives, the checks of game data that list folders on disk:
// each check writes one debug line in the "vantor.game" category, which this
// turns on and catches. One counter at a time.
class FolderCheckCounter
{
public:
    FolderCheckCounter();
    ~FolderCheckCounter();
    FolderCheckCounter(const FolderCheckCounter &) = delete;
    FolderCheckCounter &operator=(const FolderCheckCounter &) = delete;

    // Checks of a local game folder (GameFolders::isGameFolder).
    int localFolderChecks() const { return m_localFolder; }
    // Checks of the Steam assets (GameFolders::areAssetsValid).
    int assetChecks() const { return m_assets; }
    int total() const { return m_localFolder + m_assets; }
    void reset() { m_localFolder = m_assets = 0; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message);

    int m_localFolder = 0;
    int m_assets = 0;
    QtMessageHandler m_previous = nullptr;
};
