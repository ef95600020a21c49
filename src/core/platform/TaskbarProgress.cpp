// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TaskbarProgress.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

TaskbarProgress::TaskbarProgress(QObject *parent) : QObject(parent) {}

TaskbarProgress::~TaskbarProgress()
{
    clear();
}

void TaskbarProgress::setProgress(double fraction)
{
    // Rounded down: 100 % only once the step is done.
    const int percent =
        std::isfinite(fraction) ? int(std::floor(std::clamp(fraction, 0.0, 1.0) * 100.0)) : 0;
    if (percent == m_percent)
        return;
    m_percent = percent;
    send({{QStringLiteral("progress"), double(percent) / 100.0},
          {QStringLiteral("progress-visible"), true}});
}

void TaskbarProgress::clear()
{
    if (m_percent < 0)
        return;
    m_percent = -1;
    send({{QStringLiteral("progress-visible"), false}});
}

void TaskbarProgress::send(const QVariantMap &properties)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // From a path of ours; the desktop file names the launcher.
    QDBusMessage update = QDBusMessage::createSignal(
        QStringLiteral("/org/vantoronline/Launcher/LauncherEntry"),
        QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    update << QStringLiteral("application://org.vantoronline.Launcher.desktop") << properties;
    bus.send(update);
}
