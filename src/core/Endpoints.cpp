// SPDX-License-Identifier: GPL-3.0-or-later
#include "Endpoints.h"

#include "BuildConfig.h"

#include <QtGlobal>

namespace {
QString fromEnvironment(const char *name, const char *fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? QString::fromUtf8(fallback) : value;
}
} // namespace

namespace Endpoints {
QString steamCmdTarball()
{
    return fromEnvironment("VANTOR_STEAMCMD_URL", BuildConfig::steamCmdUrl);
}
QString communityPatch()
{
    return fromEnvironment("VANTOR_PATCH_URL", BuildConfig::patchUrl);
}
QString updateManifest()
{
    return fromEnvironment("VANTOR_UPDATE_URL", BuildConfig::updateUrl);
}
QString storePage()
{
    return fromEnvironment("VANTOR_STORE_URL", BuildConfig::storeUrl);
}
} // namespace Endpoints
