// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherWindow.h"

#include "LauncherViewModel.h"
#include "LogCategories.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>

namespace LauncherWindow {

void prepareEngine(QQmlEngine &engine)
{
    // Qt 6.4 does not look in the resource root by itself.
    if (!engine.importPathList().contains(QStringLiteral("qrc:/")))
        engine.addImportPath(QStringLiteral("qrc:/"));
}

QQuickWindow *create(QQmlEngine &engine, LauncherViewModel *viewModel)
{
    prepareEngine(engine);
    // Text drawn with the system's font rasterizer, as desktop programs draw
    // it: sharp at the window's small sizes (at any pixel density), and no
    // distance field to compute for every glyph before the first frame.
    QQuickWindow::setTextRenderType(QQuickWindow::NativeTextRendering);
    QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/VantorLauncher/Main.qml")));
    if (!component.isReady()) {
        qCCritical(lcUi).noquote() << "cannot load the launcher window:" << component.errorString();
        return nullptr;
    }
    QObject *object = component.createWithInitialProperties(
        {{QStringLiteral("viewModel"), QVariant::fromValue(viewModel)}});
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window) {
        qCCritical(lcUi).noquote()
            << "cannot build the launcher window:" << component.errorString();
        delete object;
        return nullptr;
    }
    QQmlEngine::setObjectOwnership(window, QQmlEngine::CppOwnership);
    // Once, when the first frame is out: a start that hangs or crawls shows
    // in a log (QT_LOGGING_RULES="vantor.ui.info=true"), and a script can
    // wait for it. (Sent from the render thread; said on this one.)
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [] { qCInfo(lcUi) << "launcher window shown"; },
        static_cast<Qt::ConnectionType>(Qt::QueuedConnection | Qt::SingleShotConnection));
    window->show();
    return window;
}

} // namespace LauncherWindow
