// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <sys/types.h>

#include <ctime>
#include <vector>

// Moves the game data the launcher put in one install folder into another
// and makes that one the install folder. Only the launcher's own entries
// move (launcherEntries()); the player's files beside them stay, and nothing
// but those entries is ever deleted.
//
// On the same file system each entry is renamed. Otherwise everything is
// copied into a private folder inside the target (".install-move-<pid>-..."),
// links as links, in chunks of a few megabytes, one per turn of the event
// loop, so the window stays responsive and an abort is seen between chunks.
// Once every file is written and its size checked, the entries are renamed
// from the private folder into place, the stored install folder is switched,
// and only then the old copies are deleted. Until the switch the old folder
// is complete and in use: a failure or an abort before it removes what this
// move made in the target (the private folder, and the target folders it
// created) and nothing else. A launcher killed mid-copy leaves its private
// folder, which the next move into that folder removes.
class InstallFolderMove : public Operation
{
    Q_OBJECT

public:
    InstallFolderMove(QString sourceDir, QString targetDir, QObject *parent = nullptr);
    ~InstallFolderMove() override;

    // The launcher's entries present at the top of installDir: "Assets"
    // (SteamCMD's depot and its steamapps state), "DL_Vantor", the names the
    // community patch recorded (PatchManifest) and the record itself, and
    // the patch archive's download files.
    static QStringList launcherEntries(const QString &installDir);

    // Why moving the data of sourceDir to targetDir is refused at once, or
    // an empty string: relative paths, the same folder, one inside the
    // other, a target that is no folder, one that already holds the
    // launcher's data or a name the move would have to replace. The rest
    // (special files, free space) is found when the move runs.
    static QString refusal(const QString &sourceDir, const QString &targetDir);

    // How much is copied per turn of the event loop; 4 MiB unless changed.
    void setChunkBytes(qint64 bytes) { m_chunkBytes = qMax<qint64>(1, bytes); }

    QString sourceDir() const { return m_source; }
    QString targetDir() const { return m_target; }
    // Whether the data went by renaming (same file system) rather than a copy.
    bool renamed() const { return m_renamed; }
    // After success: what was done, for the status line.
    QString summary() const { return m_summary; }

    // The private copy folders' names begin with this.
    static QString stagingPrefix();

protected:
    void run() override;
    void onAbort() override;
    void cleanUp() override;

private:
    struct Item
    {
        enum class Kind
        {
            Folder,
            File,
            Link,
        };
        QByteArray relative;
        Kind kind = Kind::File;
        mode_t mode = 0;
        qint64 size = 0;
        timespec modified{};
        QByteArray linkTarget;
    };

    QString failureText(const QString &what) const;
    bool makeTarget(QString *error);
    bool tryRenames(QString *error, bool *crossDevice);
    void undoRenames();
    QString walk(const QByteArray &relative);
    void startCopy();
    void copyChunk();
    QString copyItem(const Item &item, qint64 *budget, bool *itemDone);
    void closeFiles();
    QString verify() const;
    QString placeStaged();
    void finishCopy();
    QString removeOldCopies();
    void switchFolder();
    void undo();
    void removeStaging();
    void removeCreatedTargetFolders();

    QString m_source;
    QString m_target;
    QByteArray m_sourcePath;
    QByteArray m_targetPath;
    QStringList m_entries;
    qint64 m_chunkBytes = 4 * 1024 * 1024;
    bool m_renamed = false;
    QString m_summary;

    // Target folders (the target and parents of it) this move made, in order.
    QList<QByteArray> m_createdFolders;
    // Entries renamed into the target (same file system), to put back.
    QStringList m_renamedEntries;
    // Entries renamed from the private folder into the target.
    QStringList m_placed;

    std::vector<Item> m_items;
    size_t m_next = 0;
    qint64 m_total = 0;
    qint64 m_done = 0;
    QByteArray m_staging;
    int m_readFd = -1;
    int m_writeFd = -1;
    qint64 m_fileDone = 0;
    QByteArray m_buffer;
    QTimer m_chunkTimer;
};
