#include "KeychainHelper.h"

#include "CredentialStore.h"

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

std::shared_ptr<CredentialStore> platformStore()
{
    return std::make_shared<NullCredentialStore>();
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
    deleteItem(account);
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
