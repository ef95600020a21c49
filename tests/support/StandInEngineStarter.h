// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EngineStarter.h"

#include <QList>
#include <QStringList>

#include <functional>

// Stands in for the engine's start: starts nothing, keeps what it was asked
// to start, and reports a started process (pid 4242) or the system's
// "Permission denied", as told. onStart, when set, runs inside each start,
// for a test that looks at the moment of the start.
class StandInEngineStarter final : public EngineStarter
{
public:
    explicit StandInEngineStarter(bool succeed = true) : m_succeed(succeed) {}

    Result start(const QString &program, const QStringList &arguments, const QString &,
                 const QProcessEnvironment &env) override
    {
        programs.append(program);
        argumentLists.append(arguments);
        environments.append(env);
        installPaths.append(env.value(QStringLiteral("VANTOR_INSTALL_PATH")));
        if (onStart)
            onStart();
        if (!m_succeed)
            return {false, 0, QStringLiteral("Permission denied")};
        return {true, 4242, {}};
    }

    // One entry a start asked for: the program, its arguments, its
    // environment and VANTOR_INSTALL_PATH in it.
    QStringList programs;
    QList<QStringList> argumentLists;
    QList<QProcessEnvironment> environments;
    QStringList installPaths;
    std::function<void()> onStart;

private:
    bool m_succeed;
};
