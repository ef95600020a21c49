// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "credentials/CredentialStore.h"

#include <QList>
#include <QMap>
#include <QPair>

// A credential store in memory, for tests: remembers what was saved, can be
// told to hold an account whose password cannot be read back, and to answer
// lookUpLater() only after a while, as a slow or locked keyring does.
class MemoryCredentialStore final : public CredentialStore
{
public:
    void save(const QString &account, const QString &password) override;
    void remove(const QString &account) override;
    std::optional<QString> load(const QString &account) override;
    std::optional<QString> anyAccount() override;
    // Answers with what is stored when the delay is over.
    void lookUpLater(QObject *receiver, LookupDone done) override;

    void setAnswerDelay(std::chrono::milliseconds delay) { m_answerDelay = delay; }

    // An item whose name is known but whose secret cannot be loaded.
    void addAccountWithoutPassword(const QString &account);

    // Every save() in order, as (account, password).
    QList<QPair<QString, QString>> saves() const { return m_saves; }

private:
    QMap<QString, std::optional<QString>> m_items;
    QList<QPair<QString, QString>> m_saves;
    std::chrono::milliseconds m_answerDelay{0};
};
