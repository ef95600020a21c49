// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <functional>

// Each download run's console, also kept in a file for bug reports: one file
// per run, named by its start time so that names sort by age, the last few
// runs kept. Text is appended as it comes and flushed at once, so a launcher
// that is killed leaves its log behind.
//
// Secrets (the password, typed codes) never reach the file: each is replaced
// by a placeholder, also when it arrives split across appended pieces. The
// text that could still turn out to be the start of a secret is held back
// until the next piece or close().
class RunLog
{
public:
    using Clock = std::function<QDateTime()>;

    static constexpr int kRunsKept = 10;
    static inline const QString kPlaceholder = QStringLiteral("[hidden]");

    // $XDG_STATE_HOME (or ~/.local/state)/Vantor Online/logs; on macOS
    // ~/Library/Logs/Vantor Online.
    static QString defaultFolder();

    explicit RunLog(QString folder = defaultFolder(), int keep = kRunsKept, Clock clock = {});
    ~RunLog();
    RunLog(const RunLog &) = delete;
    RunLog &operator=(const RunLog &) = delete;

    // Starts a new file ("run-2026-12-08T22-31-05.123Z.log", UTC) and removes
    // the oldest runs beyond the number kept. False when the folder or file
    // cannot be made; the run goes on without a log then.
    bool open();
    // Never written to the file from now on. Empty texts are ignored.
    void addSecret(const QString &secret);
    void append(const QString &text);
    // Writes what was held back and closes the file.
    void close();

    bool isOpen() const { return m_file.isOpen(); }
    QString filePath() const { return m_file.fileName(); }
    QString folder() const { return m_folder; }
    // The log files in the folder, oldest first.
    QStringList runFiles() const;

private:
    void write(const QString &text);
    void prune();

    QString m_folder;
    int m_keep;
    Clock m_clock;
    QFile m_file;
    QStringList m_secrets;
    QString m_held;
};
