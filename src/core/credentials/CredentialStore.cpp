// SPDX-License-Identifier: GPL-3.0-or-later
#include "credentials/CredentialStore.h"

#include <QTimer>

void CredentialStore::lookUpLater(QObject *receiver, LookupDone done)
{
    answerLater(receiver, std::move(done), std::chrono::milliseconds(0));
}

void CredentialStore::saveLater(const QString &account, const QString &password)
{
    save(account, password);
}

void CredentialStore::answerLater(QObject *receiver, LookupDone done,
                                  std::chrono::milliseconds delay)
{
    // The store may be replaced (tests do) before the answer is due.
    QTimer::singleShot(delay, receiver, [store = weak_from_this(), done = std::move(done)] {
        const std::shared_ptr<CredentialStore> self = store.lock();
        const std::optional<QString> account = self ? self->anyAccount() : std::nullopt;
        done(account, account ? self->load(*account) : std::nullopt);
    });
}
