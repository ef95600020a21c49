#pragma once

#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A fresh home folder for one test: HOME and the XDG folders point into a
// temporary directory, so nothing touches the user's real files. Restores
// the previous environment when it goes away.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome &) = delete;
    TestHome &operator=(const TestHome &) = delete;

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }
    // Names the application as the launcher does and keeps QSettings in this home.
    void useForSettings() const;

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// Writes a file (creating its folders); returns false on failure.
bool writeFile(const QString &path, const QByteArray &content);
// Writes an executable shell script.
bool writeScript(const QString &path, const QByteArray &script);

// The file's bytes, empty when it cannot be read.
QByteArray readFile(const QString &path);
// True while a process of that id exists (zombies included).
bool processAlive(qint64 pid);
// A real archive of the given files (relative path -> content, written as
// executable scripts), made by the system's tar (gzip) or zip, no top folder.
QByteArray makeTarball(const QMap<QString, QByteArray> &files);
QByteArray makeZip(const QMap<QString, QByteArray> &files);

// A local game folder: base game and expansion markers in two subfolders.
QString makeGameFolder(const QString &root);
// Marker archives where a finished Steam download leaves them.
bool makeSteamAssets();

// A stand-in SteamCMD at `binary`. Each run appends to `recordDir`: "runs"
// (the count n), "argv-n" (working folder, then one argument a line),
// "pid-n"; it refuses any argument count but ten (the password typed at a
// prompt) or eleven (exit 99), then runs
// `body` with $F (the record folder) and $n set.
bool writeFakeSteamCMD(const QString &binary, const QString &recordDir, const QByteArray &body);

class SteamCMDManager;
// Waits for the end of the manager's current download run (its finished(),
// after which the state and the console hold the run's last words); true at
// once when no run is under way, false on time-out.
bool waitForRunFinished(SteamCMDManager &manager, int timeoutMs = 30000);

// Changes the working folder (creating it) for the lifetime of the object.
class CurrentDir
{
public:
    explicit CurrentDir(const QString &path);
    ~CurrentDir();
    CurrentDir(const CurrentDir &) = delete;
    CurrentDir &operator=(const CurrentDir &) = delete;
    bool ok() const { return m_ok; }

private:
    QString m_previous;
    bool m_ok = false;
};
