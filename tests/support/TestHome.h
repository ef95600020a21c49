// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPair>
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
