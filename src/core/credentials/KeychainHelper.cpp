// SPDX-License-Identifier: GPL-3.0-or-later
#include "credentials/KeychainHelper.h"

#include "credentials/CredentialStore.h"

#if defined(VANTOR_HAVE_LIBSECRET)
#include "credentials/SecretServiceStore.h"
#endif

namespace {

// Remembers nothing: the answer of a system without a usable secret store.
class NullCredentialStore final : public CredentialStore
{
public:
    void save(const QString &, const QString &) override {}
    void remove(const QString &) override {}
    std::optional<QString> load(const QString &) override { return std::nullopt; }
    std::optional<QString> anyAccount() override { return std::nullopt; }
};

// There is no plaintext fallback: without the platform's secret store the
// credentials are simply not remembered.
std::shared_ptr<CredentialStore> platformStore()
{
#if defined(Q_OS_MACOS)
    // The macOS Keychain (generic-password items of the same service and
    // account) belongs here once a macOS build exists.
    return std::make_shared<NullCredentialStore>();
#elif defined(VANTOR_HAVE_LIBSECRET)
    return std::make_shared<SecretServiceStore>();
#else
    return std::make_shared<NullCredentialStore>();
#endif
}

std::shared_ptr<CredentialStore> &currentStore()
{
    static std::shared_ptr<CredentialStore> store;
    return store;
}

} // namespace

void KeychainHelper::setStore(std::shared_ptr<CredentialStore> store)
{
    currentStore() = std::move(store);
}

std::shared_ptr<CredentialStore> KeychainHelper::store()
{
    if (!currentStore())
        currentStore() = platformStore();
    return currentStore();
}

void KeychainHelper::save(const QString &account, const QString &password)
{
    // The store replaces the account's item in one step. Deleting it first
    // would leave a moment with no password stored, and nothing at all when
    // the addition then fails.
    store()->save(account, password);
}

void KeychainHelper::deleteItem(const QString &account)
{
    store()->remove(account);
}

std::optional<QString> KeychainHelper::load(const QString &account)
{
    return store()->load(account);
}

std::optional<QString> KeychainHelper::savedUsername()
{
    return store()->anyAccount();
}

void KeychainHelper::lookUpLater(QObject *receiver, CredentialStore::LookupDone done)
{
    store()->lookUpLater(receiver, std::move(done));
}

void KeychainHelper::saveLater(const QString &account, const QString &password)
{
    store()->saveLater(account, password);
}
