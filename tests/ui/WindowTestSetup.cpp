// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowTestSetup.h"

#include "AboutWindowController.h"
#include "LauncherViewModel.h"
#include "UiSupport.h"
#include "credentials/KeychainHelper.h"

#include <QCoreApplication>
#include <QQuickWindow>
#include <QTest>

namespace {

const char *const kAddressVariables[] = {"VANTOR_UPDATE_URL", "VANTOR_STEAMCMD_URL",
                                         "VANTOR_PATCH_URL", "VANTOR_STORE_URL",
                                         "VANTOR_ENGINE_PATH"};

} // namespace

WindowTestSetup::WindowTestSetup(const LoopbackHttpServer::Response &manifest)
    : m_store(std::make_shared<MemoryCredentialStore>())
{
    // The settings file of this home: what one test stores (an install
    // folder) is not there for the next.
    m_home.useForSettings();
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
    m_qml = std::make_unique<QmlHarness>();
}

WindowTestSetup::~WindowTestSetup()
{
    // The window before the view model it shows, both before the home.
    m_window = nullptr;
    m_qml.reset();
    m_viewModel.reset();
    KeychainHelper::setStore(nullptr);
    for (const char *name : kAddressVariables)
        qunsetenv(name);
    UiSupport::setPictureSearchPath(UiSupport::defaultPictureSearchPath());
}

LauncherViewModel *WindowTestSetup::viewModel()
{
    if (!m_viewModel) {
        m_viewModel = std::make_unique<LauncherViewModel>();
        m_viewModel->steamCMD()->setStopGracePeriod(2000);
    }
    return m_viewModel.get();
}

QQuickWindow *WindowTestSetup::open(bool activate)
{
    m_window = m_qml->showLauncher(viewModel());
    if (!m_window) {
        qWarning().noquote() << m_qml->lastError();
        return nullptr;
    }
    if (activate) {
        m_window->requestActivate();
        if (!QTest::qWaitForWindowActive(m_window))
            return nullptr;
    }
    return m_window;
}

AboutWindowController *WindowTestSetup::aboutController()
{
    const int id = qmlTypeId("VantorLauncher", 1, 0, "AboutWindowController");
    return m_qml->engine().singletonInstance<AboutWindowController *>(id);
}
