// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QObject;

// Where Steam credentials live between runs: one password per account of the
// launcher's service. Implementations swallow their errors: a store that
// cannot be reached simply remembers nothing.
//
// The first four calls block their caller until the store has answered; a
// window must not wait on them. The "Later" calls do the same work without
// blocking and report on the calling thread's event loop. A store is owned
// through a std::shared_ptr (KeychainHelper holds it so).
class CredentialStore : public std::enable_shared_from_this<CredentialStore>
{
public:
    // Some stored account and its password; either may be absent.
    using LookupDone =
        std::function<void(std::optional<QString> account, std::optional<QString> password)>;

    virtual ~CredentialStore() = default;

    // Adds the account's item or replaces the one there, never leaving the
    // account without a password in between.
    virtual void save(const QString &account, const QString &password) = 0;
    virtual void remove(const QString &account) = 0;
    virtual std::optional<QString> load(const QString &account) = 0;
    // The account name of some stored item of the service, found without knowing it.
    virtual std::optional<QString> anyAccount() = 0;

    // anyAccount(), then load() for it, without blocking: `done` is called
    // once, from the event loop of the calling thread and never before this
    // returns; not at all once `receiver` is destroyed. The default answers
    // from the blocking calls on the loop's next turn, which suits a store
    // that answers at once.
    virtual void lookUpLater(QObject *receiver, LookupDone done);
    // save() without blocking; its end is not reported. The default saves at once.
    virtual void saveLater(const QString &account, const QString &password);

protected:
    // Answers `done` from the blocking calls after `delay`, on the loop of
    // the calling thread; nothing once `receiver` or this store is gone.
    void answerLater(QObject *receiver, LookupDone done, std::chrono::milliseconds delay);
};
