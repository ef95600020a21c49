// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// Where Steam credentials live between runs: one password per account of the
// launcher's service. Implementations swallow their errors: a store that
// cannot be reached simply remembers nothing.
class CredentialStore
{
public:
    virtual ~CredentialStore() = default;

    // Adds the account's item or replaces the one there, never leaving the
    // account without a password in between.
    virtual void save(const QString &account, const QString &password) = 0;
    virtual void remove(const QString &account) = 0;
    virtual std::optional<QString> load(const QString &account) = 0;
    // The account name of some stored item of the service, found without knowing it.
    virtual std::optional<QString> anyAccount() = 0;
};
