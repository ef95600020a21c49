// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/EngineStarter.h"

// The real engine start: a detached QProcess, so the engine is re-parented
// away from the launcher and outlives it.
class DetachedEngineStarter final : public EngineStarter
{
public:
    Result start(const QString &program, const QStringList &arguments,
                 const QString &workingDirectory, const QProcessEnvironment &environment) override;

    // Reduces a QProcess start error ("execv: Permission denied") to the
    // system's own description ("Permission denied").
    static QString systemDescription(const QString &processError);
};
