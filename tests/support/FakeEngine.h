// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// A stand-in for the game engine: a shell script that writes down how it was
// started (its arguments, working folder, VANTOR_INSTALL_PATH and how often
// it occurs, its process id) and then stays alive for ten seconds, so a
// test can see it outlive the launcher. The destructor ends it once it has
// written its record; one that never got that far ends by itself.
class FakeEngine
{
public:
    // Writes the script at enginePath, executable; the record goes beside it.
    explicit FakeEngine(const QString &enginePath);
    ~FakeEngine();
    FakeEngine(const FakeEngine &) = delete;
    FakeEngine &operator=(const FakeEngine &) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_path; }
    QString recordPath() const { return m_recordPath; }

    // Waits until the engine has written its record; false on time-out.
    bool waitForRecord(int timeoutMs = 5000);
    // Waits as long as a start would take to be seen, and true when the
    // engine wrote no record meanwhile: a launch that was refused. (A
    // launcher that has exited may have left a detached start behind.)
    bool staysUnstarted(int waitMs = 1000);
    // key=value lines of the record (argc, arg1..argN, cwd, install, copies,
    // pid).
    QMap<QString, QString> record() const;
    // The recorded arguments (one to a line: none may hold a newline).
    QStringList arguments() const;
    // True while the recorded process exists and has not exited.
    bool isRunning() const;

private:
    qint64 pid() const;

    QString m_path;
    QString m_recordPath;
    bool m_valid = false;
};
