// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryCredentialStore.h"

void MemoryCredentialStore::save(const QString &account, const QString &password)
{
    m_items.insert(account, password);
    m_saves.append({account, password});
}

void MemoryCredentialStore::remove(const QString &account)
{
    m_items.remove(account);
}

std::optional<QString> MemoryCredentialStore::load(const QString &account)
{
    return m_items.value(account, std::nullopt);
}

std::optional<QString> MemoryCredentialStore::anyAccount()
{
    if (m_items.isEmpty())
        return std::nullopt;
    return m_items.firstKey();
}

void MemoryCredentialStore::lookUpLater(QObject *receiver, LookupDone done)
{
    answerLater(receiver, std::move(done), m_answerDelay);
}

void MemoryCredentialStore::addAccountWithoutPassword(const QString &account)
{
    m_items.insert(account, std::nullopt);
}
