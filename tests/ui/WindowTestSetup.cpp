// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestSetup.h"

#include "KeychainHelper.h"
#include "UiSupport.h"

#include <QCoreApplication>

namespace {

const char *const kAddressVariables[] = {"VANTOR_UPDATE_URL", "VANTOR_STEAMCMD_URL",
                                         "VANTOR_PATCH_URL", "VANTOR_STORE_URL",
                                         "VANTOR_ENGINE_PATH"};

} // namespace

WindowTestSetup::WindowTestSetup(const LoopbackHttpServer::Response &manifest)
    : m_store(std::make_shared<MemoryCredentialStore>())
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    m_listening = m_server.listen();
    // No update unless a test publishes one; nothing reaches the internet.
    m_server.setRoute(manifestPath, manifest);
    qputenv("VANTOR_UPDATE_URL", m_server.url(manifestPath).toUtf8());
    qputenv("VANTOR_STEAMCMD_URL", m_server.url(QStringLiteral("/steamcmd.tar.gz")).toUtf8());
    qputenv("VANTOR_PATCH_URL", m_server.url(QStringLiteral("/patch.zip")).toUtf8());
    qputenv("VANTOR_STORE_URL", "https://store.example.org/app/4187530");
    qputenv("VANTOR_ENGINE_PATH",
            m_home.filePath(QStringLiteral("engine/VantorOnlineDL")).toUtf8());
    KeychainHelper::setStore(m_store);
    UiSupport::setPictureSearchPath(UiSupport::defaultPictureSearchPath());
}

WindowTestSetup::~WindowTestSetup()
{
    KeychainHelper::setStore(nullptr);
    for (const char *name : kAddressVariables)
        qunsetenv(name);
    UiSupport::setPictureSearchPath(UiSupport::defaultPictureSearchPath());
}
