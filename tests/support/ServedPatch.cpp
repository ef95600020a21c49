// SPDX-License-Identifier: GPL-3.0-or-later
#include "ServedPatch.h"
#include "TestArchives.h"

namespace {
const QString kPath = QStringLiteral("/releases/latest/download/VO_Mac_Patch.zip");
}

ServedPatch::ServedPatch()
{
    m_listening = m_server.listen();
    LoopbackHttpServer::Response patch;
    patch.body = makeZip({{"patch.ini", "patched\n"}});
    m_server.setRoute(kPath, patch);
    qputenv("VANTOR_PATCH_URL", m_server.url(kPath).toUtf8());
}

ServedPatch::~ServedPatch()
{
    qunsetenv("VANTOR_PATCH_URL");
}

int ServedPatch::requests() const
{
    return m_server.requestCount(kPath);
}
