// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "TestHome.h"

#include <QString>

#include <memory>

// What every window test starts from: a throw-away home, a loopback server
// that answers the update check (and whatever else a test routes), an
// in-memory keyring, the launcher's addresses pointed at that server or at
// nothing reachable, and the module's own pictures. Made in a test's init()
// and dropped in cleanup(), after the window and the view model; dropping it
// undoes all of it.
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

private:
    TestHome m_home;
    LoopbackHttpServer m_server;
    std::shared_ptr<MemoryCredentialStore> m_store;
    bool m_listening = false;
};
