// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The launcher's progress on the task bar or dock. On Linux: the launcher
// entry signals that docks and task managers of several desktops read
// (com.canonical.Unity.LauncherEntry "Update" on the session bus, from an
// object path of ours, naming the launcher's desktop file). The bar moves
// in whole percents: one signal per percent at most, none for a value
// already shown. Without a session bus nothing is sent.
class TaskbarProgress : public QObject
{
    Q_OBJECT

public:
    explicit TaskbarProgress(QObject *parent = nullptr);
    // Takes a bar still shown away.
    ~TaskbarProgress() override;

    // Shows the bar at fraction (0..1; kept within).
    void setProgress(double fraction);
    // Takes the bar away.
    void clear();
    bool isShown() const { return m_percent >= 0; }

private:
    void send(const QVariantMap &properties);

    // The percent shown; -1 while no bar is.
    int m_percent = -1;
};
