// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleProgressBar.h"

#include <QQuickItem>
#include <QQuickWindow>

namespace {

QAccessibleInterface *makeForProgressBar(const QString &, QObject *object)
{
    // Asked for the object's class and then each base class: the bar is
    // recognised by the Qt Quick Controls class it is made of.
    auto *item = qobject_cast<QQuickItem *>(object);
    if (!item || !object->inherits("QQuickProgressBar"))
        return nullptr;
    return new AccessibleProgressBar(item);
}

} // namespace

AccessibleProgressBar::AccessibleProgressBar(QQuickItem *item)
    : QAccessibleObject(item), m_item(item)
{}

void AccessibleProgressBar::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(makeForProgressBar);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleProgressBar::valueChanged(QObject *bar)
{
    if (!bar || !QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(bar, bar->property("value"));
    QAccessible::updateAccessibility(&event);
}

bool AccessibleProgressBar::isValid() const
{
    return m_item;
}

QAccessibleInterface *AccessibleProgressBar::parent() const
{
    if (!m_item)
        return nullptr;
    // The nearest item above that lists the bar among its children: items
    // that are not accessible themselves are skipped, as Qt Quick skips them.
    for (QQuickItem *above = m_item->parentItem(); above; above = above->parentItem()) {
        QAccessibleInterface *candidate = QAccessible::queryAccessibleInterface(above);
        if (candidate && candidate->indexOfChild(this) >= 0)
            return candidate;
    }
    return m_item->window() ? QAccessible::queryAccessibleInterface(m_item->window()) : nullptr;
}

QString AccessibleProgressBar::text(QAccessible::Text t) const
{
    if (!m_item)
        return {};
    switch (t) {
    case QAccessible::Name:
        return m_item->property("accessibleName").toString();
    case QAccessible::Value:
        return QString::number(currentValue().toDouble(), 'f', 0) + QLatin1Char('%');
    default:
        return {};
    }
}

QAccessible::State AccessibleProgressBar::state() const
{
    QAccessible::State state;
    if (!m_item || !m_item->isVisible())
        state.invisible = true;
    state.readOnly = true;
    return state;
}

QRect AccessibleProgressBar::rect() const
{
    if (!m_item || !m_item->window())
        return {};
    const QRectF scene = m_item->mapRectToScene(QRectF(0, 0, m_item->width(), m_item->height()));
    const QPoint origin = m_item->window()->mapToGlobal(scene.topLeft().toPoint());
    return QRect(origin, scene.size().toSize());
}

QWindow *AccessibleProgressBar::window() const
{
    return m_item ? m_item->window() : nullptr;
}

void *AccessibleProgressBar::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleObject::interface_cast(type);
}

QVariant AccessibleProgressBar::currentValue() const
{
    return m_item ? m_item->property("value") : QVariant();
}

QVariant AccessibleProgressBar::maximumValue() const
{
    return m_item ? m_item->property("to") : QVariant();
}

QVariant AccessibleProgressBar::minimumValue() const
{
    return m_item ? m_item->property("from") : QVariant();
}
