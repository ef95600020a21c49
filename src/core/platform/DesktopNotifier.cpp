// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopNotifier.h"

#include "LogCategories.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

#include <utility>

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
// The installed icon and desktop entry have the application's id as name.
const QString kApplicationId = QStringLiteral("org.vantoronline.Launcher");

// The services in use read the body as markup: the few characters it gives
// a meaning are written as entities, so a path or an address in a message
// shows as it is.
QString escapedBody(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (c == u'<')
            escaped += QStringLiteral("&lt;");
        else if (c == u'>')
            escaped += QStringLiteral("&gt;");
        else
            escaped += c;
    }
    return escaped;
}

} // namespace

DesktopNotifier::DesktopNotifier(QObject *parent) : QObject(parent) {}

DesktopNotifier::~DesktopNotifier() = default;

void DesktopNotifier::sayUnavailable(const QString &why)
{
    if (std::exchange(m_saidUnavailable, true))
        return;
    qCInfo(lcDesktop).noquote() << "no desktop notifications:" << why;
}

bool DesktopNotifier::listen()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        sayUnavailable(bus.lastError().message());
        return false;
    }
    // Before the first notification, so that no click on it goes unheard.
    if (!m_listening) {
        bus.connect(kService, kPath, kInterface, QStringLiteral("ActionInvoked"), this,
                    SLOT(onActionInvoked(uint, QString)));
        bus.connect(kService, kPath, kInterface, QStringLiteral("NotificationClosed"), this,
                    SLOT(onClosed(uint, uint)));
        m_listening = true;
    }
    return true;
}

void DesktopNotifier::notify(const QString &summary, const QString &body, const QString &category)
{
    if (!listen())
        return;
    QVariantMap hints{{QStringLiteral("desktop-entry"), kApplicationId}};
    if (!category.isEmpty())
        hints.insert(QStringLiteral("category"), category);
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions (pairs of
    // key and label), hints, expire_timeout (-1: the service's own).
    call << QStringLiteral("Vantor Online") << uint(0) << kApplicationId << summary
         << escapedBody(body)
         << QStringList{QStringLiteral("default"),
                        //: The notification's button that shows the window.
                        QCoreApplication::translate("DesktopNotifier", "Open")}
         << hints << int(-1);
    // Not waited for: the window goes on while the service answers (or
    // does not: the call then times out in the background).
    auto *watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError()) {
                    sayUnavailable(reply.error().message());
                    return;
                }
                m_shown.insert(reply.value());
            });
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (m_shown.contains(id) && action == QLatin1String("default"))
        Q_EMIT activated();
}

void DesktopNotifier::onClosed(uint id, uint reason)
{
    Q_UNUSED(reason);
    m_shown.remove(id);
}
