// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutWindowController.h"

#include "LogCategories.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>

AboutWindowController::AboutWindowController(QQmlEngine *engine, QObject *parent)
    : QObject(parent), m_engine(engine)
{}

AboutWindowController::~AboutWindowController()
{
    delete m_window.data();
}

AboutWindowController *AboutWindowController::create(QQmlEngine *qmlEngine, QJSEngine *)
{
    return new AboutWindowController(qmlEngine);
}

void AboutWindowController::show()
{
    if (!m_window) {
        QQuickWindow *window = createWindow();
        if (!window)
            return;
        m_window = window;
        ++m_createdCount;
        Q_EMIT windowChanged();
    }
    m_window->show();
    m_window->raise();
    m_window->requestActivate();
}

QQuickWindow *AboutWindowController::createWindow()
{
    if (!m_engine)
        return nullptr;
    QQmlComponent component(m_engine, QUrl(QStringLiteral("qrc:/VantorLauncher/AboutWindow.qml")));
    QObject *object = component.create();
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window) {
        qCWarning(lcUi) << "cannot build the About window:" << component.errorString();
        delete object;
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(window, QQmlEngine::CppOwnership);
    // Centred on the screen the launcher is on (the primary one when unknown).
    QScreen *screen = QGuiApplication::primaryScreen();
    if (QWindow *focus = QGuiApplication::focusWindow())
        screen = focus->screen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        window->setPosition(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
    return window;
}
