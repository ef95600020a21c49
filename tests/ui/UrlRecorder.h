// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// Stands in for the desktop's URL handlers while it lives: every address the
// launcher hands to QDesktopServices::openUrl for one of the schemes lands
// in opened instead of a browser or file manager.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    explicit UrlRecorder(const QStringList &schemes = {"http", "https", "file", "ftp", "javascript",
                                                       "mailto", "steam"})
        : m_schemes(schemes)
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "record");
    }
    ~UrlRecorder() override
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> opened;

public Q_SLOTS:
    void record(const QUrl &url) { opened.append(url); }

private:
    QStringList m_schemes;
};
