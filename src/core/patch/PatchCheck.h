// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "operation/Operation.h"
#include "patch/PatchArchive.h"

#include <QFile>
#include <QString>

#include <memory>

class ZipStreamCheck;

// The check of a downloaded patch archive before anything of it is
// unpacked: its records (PatchArchive), and its entries' data against them
// (ZipStreamCheck), both reading what unzip will read. The data check is
// handed on from the download, which read the archive as it arrived; this
// only finishes it (what it had to leave to the list) and compares it with
// the list. Without one it reads the whole archive itself, a turn at a time.
// A body that is no zip archive passes (unzip says what it is). A refused
// archive is removed: "Refused the patch archive: <why>".
class PatchCheck : public Operation
{
    Q_OBJECT

public:
    explicit PatchCheck(QString archivePath, std::unique_ptr<ZipStreamCheck> streamed = nullptr,
                        QObject *parent = nullptr);
    ~PatchCheck() override;

    QString archivePath() const { return m_archivePath; }
    // Once succeeded: what unpacking the archive may write, in all and at
    // most in one file (0 for a body that is no zip archive).
    qint64 declaredBytes() const { return m_inspection.uncompressedBytes; }
    qint64 largestEntryBytes() const { return m_inspection.largestEntryBytes; }

protected:
    void run() override;
    void cleanUp() override;

private:
    void readOn();
    void refuse(const QString &why);

    QString m_archivePath;
    std::unique_ptr<ZipStreamCheck> m_stream;
    PatchArchive::Inspection m_inspection;
    QFile m_file;
};
