// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPointF>
#include <QQmlEngine>
#include <QString>
#include <QVariantMap>
#include <memory>

class QObject;
class QQuickItem;
class QQuickWindow;

// Loads the launcher's QML module into a fresh engine for a test, shows
// windows offscreen, and finds and clicks items by objectName.
class QmlHarness
{
public:
    QmlHarness();
    ~QmlHarness();

    QQmlEngine &engine() { return *m_engine; }

    // Builds a window from QML text (which imports what it needs) with the
    // given initial properties, shows it and waits until it is exposed.
    // nullptr (and a test failure message in lastError) when it fails.
    QQuickWindow *showWindow(const QByteArray &qml, const QVariantMap &properties = {});
    // Loads qrc:/VantorLauncher/Main.qml with the given view model.
    QQuickWindow *showLauncher(QObject *viewModel);
    QString lastError() const { return m_lastError; }

    static QQuickItem *item(QObject *root, const QString &objectName);
    // True when the item exists and it and all its ancestors are visible.
    static bool isShown(QObject *root, const QString &objectName);
    // Clicks the middle of the item; false when it is not there or not shown.
    static bool click(QQuickWindow *window, QQuickItem *item);

private:
    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QObject> m_root;
    QString m_lastError;
};
