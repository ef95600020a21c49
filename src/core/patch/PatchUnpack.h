// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"

#include <QPointer>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <memory>

class ExtractedTree;

// Unpacks a checked patch archive over the install folder with the system's
// unzip, which writes into a private folder there (ExtractedTree); only
// when unzip has succeeded and what it wrote is plain files and folders is
// it moved into place. unzip is held to what the check found the archive
// declares: no file it writes may grow past the largest entry (a file size
// limit for the child), and the file system may lose no more than the
// declared total and a margin to unzip while it runs (watched; unzip is
// stopped past it). Whatever ends the unpacking early (unzip's failure, a refusal,
// a move into place that fails half-way and is undone, an abort) leaves
// the install folder as it was, and the failure says so ("...; nothing was
// changed"). The private folder goes in every outcome.
//
// unzip's own report goes to the launcher's standard output. The archive is
// removed once unzip has ended; it stays when unzip cannot be started
// ("Failed to execute unzip: <why>") and after an abort (the next download
// replaces it). On success the console gets "[✓] Community Patch
// successfully applied!".
class PatchUnpack : public Operation
{
    Q_OBJECT

public:
    // `declaredBytes`, `largestEntryBytes`: what the archive's records say
    // unpacking writes in all and at most in one file (PatchCheck).
    PatchUnpack(QString archivePath, QString installDir, qint64 declaredBytes,
                qint64 largestEntryBytes, QObject *parent = nullptr);
    ~PatchUnpack() override;

    // The unzip to run; /usr/bin/unzip unless set.
    void setUnzipProgram(const QString &program) { m_program = program; }

    // What the file system may lose beyond the declared total while unzip
    // runs (its own records, folders, blocks): 64 MiB or 1 %, the larger.
    static qint64 marginBytes(qint64 declaredBytes);

protected:
    void run() override;
    void onAbort() override;
    void cleanUp() override;

private:
    void watchSpace();
    void unzipEnded(int exitCode, QProcess::ExitStatus status);
    void failUnchanged(const LocalizedText &message);

    QString m_archivePath;
    QString m_installDir;
    qint64 m_declared;
    qint64 m_largest;
    QString m_program = QStringLiteral("/usr/bin/unzip");
    std::unique_ptr<ExtractedTree> m_tree;
    QPointer<QProcess> m_unzip;
    QTimer m_watch;
    // Free space on the private folder's disk, less what others wrote.
    qint64 m_freeBaseline = -1;
    bool m_overran = false;
};
