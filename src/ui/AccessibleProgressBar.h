// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleObject>
#include <QPointer>

class QQuickItem;

// What a screen reader reads from a Qt Quick ProgressBar: Qt Quick 6.4 gives
// it the progress bar role but offers a value only for sliders, spin boxes,
// dials and scroll bars, so the reader could not tell how far it is. This
// interface gives the bar its value and range (its "value", "from" and "to"
// properties) and its name (its "accessibleName" property), and fits it
// into the window's tree as Qt Quick's own would. install() puts it in
// place for every ProgressBar; valueChanged() tells readers of a new value.
class AccessibleProgressBar : public QAccessibleObject, public QAccessibleValueInterface
{
public:
    explicit AccessibleProgressBar(QQuickItem *item);

    static void install();
    static void valueChanged(QObject *bar);

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override { return QAccessible::ProgressBar; }
    QAccessible::State state() const override;
    QRect rect() const override;
    QWindow *window() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {} // read only
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 0.0; }

private:
    QPointer<QQuickItem> m_item;
};
