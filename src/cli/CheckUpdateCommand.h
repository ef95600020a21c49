// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// `vantor-launcher check-update`: one check against the update manifest.
namespace CheckUpdateCommand {

int run(const QStringList &args);

} // namespace CheckUpdateCommand
