// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The four remote addresses the launcher talks to. Their defaults are fixed
// when the launcher is built; an environment variable of the same name
// replaces one at run time (mirrors, tests against a loopback server).
namespace Endpoints {
QString steamCmdTarball(); // VANTOR_STEAMCMD_URL
QString communityPatch();  // VANTOR_PATCH_URL
QString updateManifest();  // VANTOR_UPDATE_URL
QString storePage();       // VANTOR_STORE_URL
} // namespace Endpoints
