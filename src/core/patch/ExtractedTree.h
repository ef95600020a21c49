// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <optional>

// A private folder inside the install folder that unzip unpacks the patch
// into, and the look at what it really wrote before any of it reaches the
// install tree. Whatever the archive's bytes made unzip do, only plain files
// and folders are moved into place: a symbolic link, device, named pipe or
// socket anywhere refuses the whole patch, so no link the patch made ever
// exists for a later patch to write through. Being inside the install
// folder, the private folder is on the same file system and moving is a
// rename. The folder goes away with this object, and a start after a crash
// finds the leftover by its name (removeLeftovers).
class ExtractedTree
{
public:
    // Makes ".patch-staging-<pid>-<random>" (mode 0700) in installDir,
    // creating installDir if needed. Nothing and the reason on failure.
    static std::unique_ptr<ExtractedTree> create(const QString &installDir,
                                                 QString *error = nullptr);
    ~ExtractedTree();
    ExtractedTree(const ExtractedTree &) = delete;
    ExtractedTree &operator=(const ExtractedTree &) = delete;

    // Where to unpack (unzip's -d).
    QString path() const { return m_path; }
    QString installDir() const { return m_installDir; }

    // Walks the tree without following links: why it must not be moved into
    // place ("entry "Maps/x" is a symbolic link", "... is a device", "... is
    // a named pipe", "... is a socket", "... is a hard link", "... is nested
    // too deeply"), or nothing.
    std::optional<QString> refusalReason() const;

    // Moves the tree into the install folder: folders are merged (a folder
    // of the install tree that is a link, made by the user, is followed;
    // across file systems the files are copied), files replace what is
    // there. Walks first and moves nothing when refusalReason() has one.
    // Nothing on success, else what went wrong ("could not put "x" in
    // place: <reason>"). A move that stops half-way is undone: what it put
    // in place goes and what that replaced comes back, so the install
    // folder is as it was; `unchanged` (if given) says whether it is, false
    // only when undoing failed too (the message then says where the files
    // it replaced are).
    std::optional<QString> moveIntoPlace(bool *unchanged = nullptr);

    // Where the install folder's files that the move replaces wait until it
    // has succeeded or been undone: beside the private folder, its name with
    // "-old" after it. Only a crash during the move leaves it behind, and
    // then it holds the user's earlier files, so it is never removed as a
    // leftover.
    QString backupPath() const;

    // What the private folder and all in it take on disk (links are not
    // followed).
    qint64 bytesOnDisk() const;

    // Removes the private folder and all in it, never following a link
    // (also done by the destructor). Safe to call more than once.
    void remove();

    // Removes private folders left in installDir by launchers that are no
    // longer running (a crash, a kill); returns how many were removed.
    static int removeLeftovers(const QString &installDir);

    // The private folders' names begin with this.
    static QString namePrefix();

private:
    ExtractedTree(QString installDir, QString path);

    QString m_installDir;
    QString m_path;
    bool m_removed = false;
};
