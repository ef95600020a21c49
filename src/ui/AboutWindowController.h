// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

class QQmlEngine;
class QJSEngine;
#include <QQuickWindow>

// Keeps the one About window: the first show() creates it, every later
// show() brings the same window back to the front, also after it was closed
// (closing only hides it). Reached in QML as `AboutWindowController`.
class AboutWindowController : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QQuickWindow *window READ window NOTIFY windowChanged)

public:
    explicit AboutWindowController(QQmlEngine *engine, QObject *parent = nullptr);
    ~AboutWindowController() override;

    static AboutWindowController *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    Q_INVOKABLE void show();
    QQuickWindow *window() const { return m_window; }
    // How many windows show() has made; 1 for the life of the process.
    int createdCount() const { return m_createdCount; }

Q_SIGNALS:
    void windowChanged();

private:
    QQuickWindow *createWindow();

    QQmlEngine *m_engine = nullptr;
    QPointer<QQuickWindow> m_window;
    int m_createdCount = 0;
};
