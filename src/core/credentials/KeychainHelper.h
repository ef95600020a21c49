// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "credentials/CredentialStore.h"

#include <QString>

#include <memory>
#include <optional>

// The Steam user name and password across launches, in the system's secret
// store: static operations on one store for the whole process (the
// platform's, unless setStore() put another in place); every store error is
// swallowed. The blocking four are for the command line; a window uses the
// two that answer later (CredentialStore).
class KeychainHelper
{
public:
    KeychainHelper() = delete;

    // Stores the password of the account, replacing the one stored before
    // in a single step of the store.
    static void save(const QString &account, const QString &password);
    // Removes the account's item; harmless when there is none.
    static void deleteItem(const QString &account);
    static std::optional<QString> load(const QString &account);
    // The account name of a stored item of the launcher, without knowing it.
    static std::optional<QString> savedUsername();

    // savedUsername() and load() for it, answered on the event loop; not at
    // all once `receiver` (not null) is destroyed.
    static void lookUpLater(QObject *receiver, CredentialStore::LookupDone done);
    // save() without waiting for the store.
    static void saveLater(const QString &account, const QString &password);

    // The store behind the four operations: the platform's by default; tests
    // put their own in place. Passing nullptr goes back to the platform's.
    static void setStore(std::shared_ptr<CredentialStore> store);
    static std::shared_ptr<CredentialStore> store();
};
