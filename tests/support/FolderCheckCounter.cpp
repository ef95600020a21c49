// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderCheckCounter.h"

#include <QLoggingCategory>
#include <QString>

#include <cstring>

namespace {
FolderCheckCounter *s_current = nullptr;
QtMessageHandler s_previous = nullptr;
} // namespace

FolderCheckCounter::FolderCheckCounter()
{
    Q_ASSERT(!s_current);
    s_current = this;
    m_previous = qInstallMessageHandler(&FolderCheckCounter::handle);
    s_previous = m_previous;
    QLoggingCategory::setFilterRules(QStringLiteral("vantor.game.debug=true"));
}

FolderCheckCounter::~FolderCheckCounter()
{
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(m_previous);
    s_current = nullptr;
    s_previous = nullptr;
}

void FolderCheckCounter::handle(QtMsgType type, const QMessageLogContext &context,
                                const QString &message)
{
    if (s_current && context.category && std::strcmp(context.category, "vantor.game") == 0) {
        if (message.startsWith(QLatin1String("checked the game folder")))
            ++s_current->m_localFolder;
        else if (message.startsWith(QLatin1String("checked the Steam assets")))
            ++s_current->m_assets;
        return;
    }
    if (s_previous)
        s_previous(type, context, message);
}
