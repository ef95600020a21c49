#pragma once

#include "CredentialStore.h"

#include <QList>
#include <QMap>
#include <QPair>

// Keeps credentials in memory, so window tests never reach the real keyring.
class MemoryCredentialStore : public CredentialStore
{
public:
    void save(const QString &account, const QString &password) override
    {
        saves.append({account, password});
        items.insert(account, password);
    }
    void remove(const QString &account) override { items.remove(account); }
    std::optional<QString> load(const QString &account) override
    {
        if (!items.contains(account))
            return std::nullopt;
        return items.value(account);
    }
    std::optional<QString> anyAccount() override
    {
        if (items.isEmpty())
            return std::nullopt;
        return items.firstKey();
    }

    QMap<QString, QString> items;
    QList<QPair<QString, QString>> saves;
};
