// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestHome.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

namespace {
const char *const kVariables[] = {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                  "XDG_STATE_HOME"};
}

TestHome::TestHome()
{
    for (const char *name : kVariables)
        m_saved.append({name, qgetenv(name)});
    const QString home = m_dir.path();
    qputenv("HOME", home.toUtf8());
    qputenv("XDG_DATA_HOME", (home + "/.local/share").toUtf8());
    qputenv("XDG_CONFIG_HOME", (home + "/.config").toUtf8());
    qputenv("XDG_CACHE_HOME", (home + "/.cache").toUtf8());
    qputenv("XDG_STATE_HOME", (home + "/.local/state").toUtf8());
}

TestHome::~TestHome()
{
    for (const auto &[name, value] : m_saved) {
        if (value.isNull())
            qunsetenv(name.constData());
        else
            qputenv(name.constData(), value);
    }
}

void TestHome::useForSettings() const
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, filePath(".config"));
}

CurrentDir::CurrentDir(const QString &path) : m_previous(QDir::currentPath())
{
    m_ok = QDir().mkpath(path) && QDir::setCurrent(path);
}

CurrentDir::~CurrentDir()
{
    QDir::setCurrent(m_previous);
}
