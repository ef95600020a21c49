// SPDX-License-Identifier: GPL-3.0-or-later
#include "QmlHarness.h"

#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/QQmlExtensionPlugin>

Q_IMPORT_QML_PLUGIN(VantorLauncherPlugin)

QmlHarness::QmlHarness() : m_engine(std::make_unique<QQmlEngine>())
{
    m_engine->addImportPath(QStringLiteral("qrc:/"));
}

QmlHarness::~QmlHarness()
{
    m_root.reset();
    m_engine.reset();
}

namespace {
QQuickWindow *finish(QObject *object, QQmlComponent &component, QString &error)
{
    if (!object) {
        error = component.errorString();
        return nullptr;
    }
    auto *window = qobject_cast<QQuickWindow *>(object);
    if (!window) {
        error = QStringLiteral("the root object is not a window");
        return nullptr;
    }
    window->show();
    if (!QTest::qWaitForWindowExposed(window)) {
        error = QStringLiteral("the window was not exposed");
        return nullptr;
    }
    return window;
}
} // namespace

QQuickWindow *QmlHarness::showWindow(const QByteArray &qml, const QVariantMap &properties)
{
    m_root.reset();
    QQmlComponent component(m_engine.get());
    component.setData(qml, QUrl(QStringLiteral("qrc:/test/Harness.qml")));
    if (!component.isReady()) {
        m_lastError = component.errorString();
        return nullptr;
    }
    m_root.reset(component.createWithInitialProperties(properties));
    return finish(m_root.get(), component, m_lastError);
}

QQuickWindow *QmlHarness::showLauncher(QObject *viewModel)
{
    m_root.reset();
    QQmlComponent component(m_engine.get(), QUrl(QStringLiteral("qrc:/VantorLauncher/Main.qml")));
    if (!component.isReady()) {
        m_lastError = component.errorString();
        return nullptr;
    }
    m_root.reset(component.createWithInitialProperties(
        {{QStringLiteral("viewModel"), QVariant::fromValue(viewModel)}}));
    return finish(m_root.get(), component, m_lastError);
}

namespace {
// Items made by a Repeater or a Loader are not always QObject children of
// what they are shown in: search the visual tree as well.
QQuickItem *findVisual(QQuickItem *item, const QString &objectName)
{
    if (!item)
        return nullptr;
    if (item->objectName() == objectName)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findVisual(child, objectName))
            return found;
    }
    return nullptr;
}
} // namespace

QQuickItem *QmlHarness::item(QObject *root, const QString &objectName)
{
    if (!root)
        return nullptr;
    if (auto *window = qobject_cast<QQuickWindow *>(root)) {
        if (QQuickItem *found = findVisual(window->contentItem(), objectName))
            return found;
        // Popups live in the window's overlay.
        return window->findChild<QQuickItem *>(objectName);
    }
    if (auto *rootItem = qobject_cast<QQuickItem *>(root)) {
        if (QQuickItem *found = findVisual(rootItem, objectName))
            return found;
    }
    return root->findChild<QQuickItem *>(objectName);
}

bool QmlHarness::isShown(QObject *root, const QString &objectName)
{
    for (QQuickItem *it = item(root, objectName); it; it = it->parentItem()) {
        if (!it->isVisible())
            return false;
        if (!it->parentItem())
            return true;
    }
    return false;
}

bool QmlHarness::click(QQuickWindow *window, QQuickItem *item)
{
    if (!window || !item || !item->isVisible() || item->width() <= 0 || item->height() <= 0)
        return false;
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}
