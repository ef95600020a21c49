// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "QmlHarness.h"
#include "TestHome.h"

#include <QQuickWindow>
#include <QString>

#include <memory>

class AboutWindowController;
class LauncherViewModel;
class QQuickItem;

// What every test of the whole window starts from: a throw-away home, a
// loopback server that answers the update check (and whatever else a test
// routes), an in-memory keyring, the launcher's addresses pointed at that
// server or at nothing reachable, the module's own pictures; then the view
// model and the launcher window over it. Made in a test's init() and dropped
// in cleanup(); dropping it closes the window and undoes all of it.
class WindowTestSetup
{
public:
    static inline const QString manifestPath = QStringLiteral("/api/update.json");

    // manifest: what the update check reads until a test routes another.
    explicit WindowTestSetup(const LoopbackHttpServer::Response &manifest);
    ~WindowTestSetup();
    WindowTestSetup(const WindowTestSetup &) = delete;
    WindowTestSetup &operator=(const WindowTestSetup &) = delete;

    bool isValid() const { return m_home.isValid() && m_listening; }
    TestHome &home() { return m_home; }
    LoopbackHttpServer &server() { return m_server; }
    MemoryCredentialStore &store() { return *m_store; }
    QmlHarness &qml() { return *m_qml; }

    // The view model, made at the first call (a test sets it up before
    // open()): its console kept off standard output, a stop that takes at
    // most two seconds.
    LauncherViewModel *viewModel();
    // Shows Main.qml over viewModel(), and with `activate` gives it the
    // keyboard; nullptr (after a warning that says why) when it cannot.
    QQuickWindow *open(bool activate = false);
    QQuickWindow *window() const { return m_window; }

    // Items of the open window by objectName (see QmlHarness).
    QQuickItem *find(const QString &name) const { return QmlHarness::item(m_window, name); }
    bool shown(const QString &name) const { return QmlHarness::isShown(m_window, name); }
    bool click(const QString &name) const { return QmlHarness::click(m_window, find(name)); }
    // The QML module's About window controller in this engine.
    AboutWindowController *aboutController();

private:
    TestHome m_home;
    LoopbackHttpServer m_server;
    std::shared_ptr<MemoryCredentialStore> m_store;
    bool m_listening = false;
    std::unique_ptr<LauncherViewModel> m_viewModel;
    std::unique_ptr<QmlHarness> m_qml;
    QQuickWindow *m_window = nullptr;
};
