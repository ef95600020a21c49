#include "SteamCMDManager.h"

#include "Endpoints.h"
#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

// A stalled tarball fetch gives up after this long without a byte.
constexpr int kFetchInactivityTimeoutMs = 60'000;

QString joinPath(const QString &dir, const QString &name)
{
    return dir + QLatin1Char('/') + name;
}

bool directoryHasName(const QString &dir, const QString &lowerCaseName)
{
    // A missing or unreadable folder lists as empty.
    const QStringList names =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        if (name.toLower() == lowerCaseName)
            return true;
    }
    return false;
}

// The platform's description of a file-system failure ("Permission denied").
QString describe(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

} // namespace

SteamCMDManager::SteamCMDManager(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<SteamCMDState>();
}

SteamCMDManager::~SteamCMDManager() = default;

QString SteamCMDManager::appID()
{
    return QStringLiteral("4187530");
}

QString SteamCMDManager::storeURL()
{
    return Endpoints::storePage();
}

void SteamCMDManager::setSteamGuardCode(const QString &code)
{
    if (m_steamGuardCode == code)
        return;
    m_steamGuardCode = code;
    Q_EMIT steamGuardCodeChanged();
}

void SteamCMDManager::setShowPurchaseAlert(bool show)
{
    if (m_showPurchaseAlert == show)
        return;
    m_showPurchaseAlert = show;
    Q_EMIT showPurchaseAlertChanged();
}

void SteamCMDManager::setState(const SteamCMDState &state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged();
}

void SteamCMDManager::postState(const SteamCMDState &state)
{
    QMetaObject::invokeMethod(
        this, [this, state] { setState(state); }, Qt::QueuedConnection);
}

void SteamCMDManager::setConsoleLog(const QString &log)
{
    if (m_consoleLog == log)
        return;
    m_consoleLog = log;
    Q_EMIT consoleLogChanged();
}

// ---- folder layout --------------------------------------------------------

QString SteamCMDManager::supportDir() const
{
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                    QStringLiteral("Vantor Online"));
}

QString SteamCMDManager::steamCMDDir() const
{
    return joinPath(supportDir(), QStringLiteral("steamcmd"));
}

QString SteamCMDManager::steamCMDBinary() const
{
#ifdef Q_OS_MACOS
    return joinPath(steamCMDDir(), QStringLiteral("steamcmd"));
#else
    // The Linux distribution starts through its wrapper script, which sets up
    // the library path for the 32-bit binary beside it.
    return joinPath(steamCMDDir(), QStringLiteral("steamcmd.sh"));
#endif
}

QString SteamCMDManager::installDir() const
{
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                    QStringLiteral("Vantor Online"));
}

QString SteamCMDManager::assetsDir() const
{
    return joinPath(installDir(), QStringLiteral("Assets"));
}

QString SteamCMDManager::baseGameDir() const
{
    return joinPath(installDir(), QStringLiteral("DL_Vantor"));
}

bool SteamCMDManager::isSteamCMDInstalled() const
{
    // Anything at that path counts, a folder too; executability is not checked.
    return QFileInfo::exists(steamCMDBinary());
}

bool SteamCMDManager::areAssetsValid() const
{
    const QString assets = assetsDir();
    if (!directoryHasName(assets, QStringLiteral("inidl.big")))
        return false;
    return directoryHasName(baseGameDir(), QStringLiteral("ini.big")) ||
           directoryHasName(assets, QStringLiteral("ini.big"));
}

// ---- console and failures -------------------------------------------------

void SteamCMDManager::appendLog(const QString &text)
{
    if (m_echoToStdout) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    }
    QMetaObject::invokeMethod(
        this, [this, text] { setConsoleLog(m_consoleLog + text); }, Qt::QueuedConnection);
}

void SteamCMDManager::fail(const QString &message)
{
    qCWarning(lcSteamCmd) << "workflow failed:" << message;
    QMetaObject::invokeMethod(
        this,
        [this, message] {
            setState(SteamCMDState::failed(message));
            appendLog(QStringLiteral("\n[✗] ") + message + QStringLiteral("\n"));
        },
        Qt::QueuedConnection);
}

// ---- SteamCMD bootstrap ---------------------------------------------------

QNetworkAccessManager *SteamCMDManager::network()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    return m_network;
}

void SteamCMDManager::installSteamCMD(std::function<void(bool)> completion)
{
    postState(SteamCMDState::downloadingSteamCMD());
#ifdef Q_OS_MACOS
    appendLog(QStringLiteral("[*] Downloading SteamCMD for macOS...\n"));
#else
    appendLog(QStringLiteral("[*] Downloading SteamCMD for Linux...\n"));
#endif
    // The rest runs from the event loop; if the manager is gone by then the
    // queued call is dropped and the completion is never called.
    QMetaObject::invokeMethod(
        this, [this, completion] { bootstrapFetch(completion); }, Qt::QueuedConnection);
}

void SteamCMDManager::bootstrapFetch(std::function<void(bool)> completion)
{
    std::error_code error;
    std::filesystem::create_directories(steamCMDDir().toStdString(), error);
    if (error) {
        fail(QStringLiteral("Installation error: ") + describe(error));
        completion(false);
        return;
    }

    const QUrl url(Endpoints::steamCmdTarball());
    if (!url.isValid() || url.isRelative()) {
        fail(QStringLiteral("Failed to download SteamCMD tarball"));
        completion(false);
        return;
    }

    QNetworkRequest request(url);
    request.setTransferTimeout(kFetchInactivityTimeoutMs);
    QNetworkReply *reply = network()->get(request);
    qCInfo(lcSteamCmd) << "fetching SteamCMD from" << url.toString();
    connect(reply, &QNetworkReply::finished, this, [this, reply, completion] {
        reply->deleteLater();
        // An HTTP answer, even an error page, is a body that arrived: it is
        // handed to tar like any other. Only a transport failure (no answer,
        // refused, timed out) counts as a failed download.
        const bool answered = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        if (!answered && reply->error() != QNetworkReply::NoError) {
            qCWarning(lcSteamCmd) << "SteamCMD fetch failed:" << reply->errorString();
            fail(QStringLiteral("Failed to download SteamCMD tarball"));
            completion(false);
            return;
        }
        bootstrapExtract(reply->readAll(), completion);
    });
}

void SteamCMDManager::bootstrapExtract(const QByteArray &body, std::function<void(bool)> completion)
{
#ifdef Q_OS_MACOS
    const QString tarball = joinPath(steamCMDDir(), QStringLiteral("steamcmd_osx.tar.gz"));
#else
    const QString tarball = joinPath(steamCMDDir(), QStringLiteral("steamcmd_linux.tar.gz"));
#endif
    QFile file(tarball);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(body) != body.size() ||
        !file.flush()) {
        fail(QStringLiteral("Installation error: ") + file.errorString());
        completion(false);
        return;
    }
    file.close();

    appendLog(QStringLiteral("[*] Extracting SteamCMD...\n"));

    auto *tar = new QProcess(this);
    tar->setProgram(QStringLiteral("/usr/bin/tar"));
    tar->setArguments({QStringLiteral("-xzf"), tarball, QStringLiteral("-C"), steamCMDDir()});
    tar->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(tar, &QProcess::errorOccurred, this, [this, tar, completion](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        tar->deleteLater();
        fail(QStringLiteral("Installation error: ") + tar->errorString());
        completion(false);
    });
    connect(tar, &QProcess::finished, this, [this, tar, tarball, completion](int exitCode) {
        tar->deleteLater();
        // A child killed by a signal reports the signal number, as on macOS.
        if (exitCode != 0) {
            fail(QStringLiteral("Failed to extract SteamCMD (exit %1)").arg(exitCode));
            completion(false); // the tarball stays for inspection
            return;
        }
        QFile::remove(tarball);
        bootstrapFinish(completion);
    });
    tar->start();
}

void SteamCMDManager::bootstrapFinish(std::function<void(bool)> completion)
{
    appendLog(QStringLiteral("[*] Removing quarantine attributes...\n"));
#ifdef Q_OS_MACOS
    // Downloaded files carry a quarantine attribute that would stop SteamCMD
    // from starting; its exit status does not matter.
    {
        QProcess xattr;
        xattr.start(QStringLiteral("/usr/bin/xattr"), {QStringLiteral("-cr"), steamCMDDir()});
        if (!xattr.waitForStarted()) {
            fail(QStringLiteral("Installation error: ") + xattr.errorString());
            completion(false);
            return;
        }
        xattr.waitForFinished(-1);
    }
#endif
    // Nothing to clear on Linux: no quarantine attributes exist there.

    std::error_code error;
    std::filesystem::permissions(steamCMDBinary().toStdString(), std::filesystem::perms(0755),
                                 std::filesystem::perm_options::replace, error);
    if (error) {
        fail(QStringLiteral("Installation error: ") + describe(error));
        completion(false);
        return;
    }

    appendLog(QStringLiteral("[✓] SteamCMD installed successfully\n\n"));
    completion(true);
}
