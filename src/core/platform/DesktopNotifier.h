// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>
#include <QString>

// Desktop notifications: on Linux the freedesktop.org notification service
// (org.freedesktop.Notifications on the session bus). Each one names the
// launcher (its name, icon and desktop entry) and has a default action;
// clicking it emits activated(). Other programs' notifications, whose
// signals every listener hears, are told apart by the id the service gave
// ours. Without a session bus or a notification service nothing shows, and
// the log says so once (info), nothing louder.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(QObject *parent = nullptr);
    ~DesktopNotifier() override;

    // Shows a notification; the body is plain text. category is one of the
    // specification's ("transfer.complete", "transfer.error", ...) or empty.
    void notify(const QString &summary, const QString &body, const QString &category = {});

Q_SIGNALS:
    // The player clicked one of our notifications.
    void activated();

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &action);
    void onClosed(uint id, uint reason);

private:
    bool listen();
    void sayUnavailable(const QString &why);

    // Ours that the service still shows.
    QSet<uint> m_shown;
    bool m_listening = false;
    bool m_saidUnavailable = false;
};
