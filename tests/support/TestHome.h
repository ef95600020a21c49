#pragma once

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

private:
    QTemporaryDir m_dir;
    QList<QPair<QByteArray, QByteArray>> m_saved;
};

// Writes a file (creating its folders); returns false on failure.
bool writeFile(const QString &path, const QByteArray &content);
// Writes an executable shell script.
bool writeScript(const QString &path, const QByteArray &script);
