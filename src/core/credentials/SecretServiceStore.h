// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "credentials/CredentialStore.h"

#include <QString>

#include <chrono>

// The credential store of a Linux desktop: the Secret Service (GNOME Keyring,
// KWallet, KeePassXC...) reached through libsecret. One item per Steam account,
// found by the attributes "service" (the launcher's identifier) and "account".
//
// The blocking calls wait for the service, but never longer than the
// deadline: a service that is unreachable answers nothing at once, one that
// stops answering is given up on. The "Later" calls send the same requests
// without waiting, and their answers arrive on the main context of the
// calling thread, which Qt's event loop runs (its GLib dispatcher), each
// with the same deadline; under an event loop that is not GLib's they fall
// back to the blocking calls. Errors are logged at debug level and otherwise
// swallowed, as the seam requires.
class SecretServiceStore final : public CredentialStore
{
public:
    static constexpr std::chrono::milliseconds defaultDeadline{20000};

    explicit SecretServiceStore(std::chrono::milliseconds deadline = defaultDeadline);

    // The launcher's reverse-DNS identifier, the "service" of every item.
    static QString serviceId();
    // False when no session bus can be found, in which case nothing is tried.
    static bool sessionBusConfigured();

    void save(const QString &account, const QString &password) override;
    void remove(const QString &account) override;
    std::optional<QString> load(const QString &account) override;
    std::optional<QString> anyAccount() override;
    void lookUpLater(QObject *receiver, LookupDone done) override;
    void saveLater(const QString &account, const QString &password) override;

private:
    std::chrono::milliseconds m_deadline;
};
