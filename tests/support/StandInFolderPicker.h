// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/FolderPicker.h"

#include <QStringList>

#include <optional>

// Stands in for the folder dialog: answers every question with the same
// folder, or cancels (no answer), and keeps each prompt it was shown.
class StandInFolderPicker final : public FolderPicker
{
public:
    explicit StandInFolderPicker(std::optional<QString> answer = std::nullopt)
        : m_answer(std::move(answer))
    {}

    std::optional<QString> pickFolder(const QString &message) override
    {
        messages.append(message);
        return m_answer;
    }

    // The prompts in order: one a question.
    QStringList messages;

private:
    std::optional<QString> m_answer;
};
