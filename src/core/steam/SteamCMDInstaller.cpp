// SPDX-License-Identifier: GPL-3.0-or-later
#include "steam/SteamCMDInstaller.h"

#include "Endpoints.h"
#include "LogCategories.h"
#include "ReplyBody.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace {

QString describe(const std::error_code &error)
{
    return QString::fromLocal8Bit(error.message());
}

} // namespace

SteamCMDInstaller::SteamCMDInstaller(QNetworkAccessManager *network, QString steamCMDDir,
                                     QString binary, QObject *parent)
    : Operation(parent), m_network(network), m_dir(std::move(steamCMDDir)),
      m_binary(std::move(binary))
{
#ifdef Q_OS_MACOS
    m_tarball = m_dir + QStringLiteral("/steamcmd_osx.tar.gz");
#else
    m_tarball = m_dir + QStringLiteral("/steamcmd_linux.tar.gz");
#endif
}

void SteamCMDInstaller::run()
{
#ifdef Q_OS_MACOS
    Q_EMIT log(QStringLiteral("[*] Downloading SteamCMD for macOS...\n"));
#else
    Q_EMIT log(QStringLiteral("[*] Downloading SteamCMD for Linux...\n"));
#endif
    std::error_code error;
    std::filesystem::create_directories(m_dir.toStdString(), error);
    if (error)
        return fail(LocalizedText::translate("SteamCMDInstaller", "Installation error: %1")
                        .arg(describe(error)));

    const QUrl url(Endpoints::steamCmdTarball());
    if (!url.isValid() || url.isRelative())
        return fail(
            LocalizedText::translate("SteamCMDInstaller", "Failed to download SteamCMD tarball"));

    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_transferTimeout.count()));
    QNetworkReply *reply = m_network->get(request);
    reply->setParent(this);
    m_reply = reply;
    qCInfo(lcSteamCmd) << "fetching SteamCMD from" << url.toString();
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        // An HTTP answer, even an error page, is a body that arrived: it is
        // handed to tar like any other. A transport failure (no answer,
        // refused, timed out, or a body cut short after the headers) is a
        // failed download: half a tarball is not SteamCMD's to unpack.
        // A reply its time-out has aborted is closed: nothing to read.
        const QByteArray body = reply->isOpen() ? reply->readAll() : QByteArray();
        if (!ReplyBody::arrivedWhole(reply, body.size())) {
            qCWarning(lcSteamCmd) << "SteamCMD fetch failed:" << reply->errorString();
            return fail(LocalizedText::translate("SteamCMDInstaller",
                                                 "Failed to download SteamCMD tarball"));
        }
        extract(body);
    });
}

void SteamCMDInstaller::extract(const QByteArray &body)
{
    QFile file(m_tarball);
    // Unbuffered and written until the system refuses: a full disk then
    // shows in the error text with the system's words ("No space left on
    // device"), not as a short write with no reason.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    for (qint64 done = 0; written && done < body.size();) {
        const qint64 n = file.write(body.constData() + done, body.size() - done);
        written = n > 0;
        done += qMax<qint64>(n, 0);
    }
    if (!written) {
        const QString why = file.errorString();
        // Half a tarball is of no use to anyone and may be what filled the disk.
        file.close();
        file.remove();
        return fail(
            LocalizedText::translate("SteamCMDInstaller", "Installation error: %1").arg(why));
    }
    file.close();

    Q_EMIT log(QStringLiteral("[*] Extracting SteamCMD...\n"));

    auto *tar = new QProcess(this);
    m_tar = tar;
    tar->setProgram(QStringLiteral("/usr/bin/tar"));
    tar->setArguments({QStringLiteral("-xzf"), m_tarball, QStringLiteral("-C"), m_dir});
    tar->setProcessChannelMode(QProcess::ForwardedChannels);
    connect(tar, &QProcess::errorOccurred, this, [this, tar](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        tar->deleteLater();
        fail(LocalizedText::translate("SteamCMDInstaller", "Installation error: %1")
                 .arg(tar->errorString()));
    });
    connect(tar, &QProcess::finished, this, [this, tar](int exitCode) {
        tar->deleteLater();
        if (abortRequested()) {
            // Half an extraction may hold the executable but not what it
            // needs: the next run installs afresh.
            QFile::remove(m_binary);
            QFile::remove(m_tarball);
            return cancelled();
        }
        // A child killed by a signal reports the signal number, as on macOS.
        // On failure the tarball stays for inspection.
        if (exitCode != 0)
            return fail(LocalizedText::translate("SteamCMDInstaller",
                                                 "Failed to extract SteamCMD (exit %1)")
                            .arg(exitCode));
        QFile::remove(m_tarball);
        clearQuarantine();
    });
    tar->start();
}

void SteamCMDInstaller::clearQuarantine()
{
#ifdef Q_OS_MACOS
    Q_EMIT log(QStringLiteral("[*] Removing quarantine attributes...\n"));
    // Downloaded files carry a quarantine attribute that would stop SteamCMD
    // from starting; its exit status does not matter.
    auto *xattr = new QProcess(this);
    connect(xattr, &QProcess::errorOccurred, this, [this, xattr](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        xattr->deleteLater();
        fail(LocalizedText::translate("SteamCMDInstaller", "Installation error: %1")
                 .arg(xattr->errorString()));
    });
    connect(xattr, &QProcess::finished, this, [this, xattr] {
        xattr->deleteLater();
        setPermissions();
    });
    xattr->start(QStringLiteral("/usr/bin/xattr"), {QStringLiteral("-cr"), m_dir});
#else
    // Linux has no quarantine attributes: nothing to clear, nothing to say.
    setPermissions();
#endif
}

void SteamCMDInstaller::setPermissions()
{
    // Changing the mode follows a symbolic link: a tarball whose SteamCMD
    // entry links elsewhere would make a file outside our folder executable
    // (world-readable too). Links that stay inside the folder are fine.
    const QFileInfo binary(m_binary);
    if (binary.isSymLink()) {
        const QString target = binary.canonicalFilePath();
        const QString folder = QDir(m_dir).canonicalPath();
        // A dangling link is left to the mode change, which reports it missing.
        if (!target.isEmpty() && !target.startsWith(folder + QLatin1Char('/'))) {
            return fail(
                LocalizedText::translate("SteamCMDInstaller",
                                         "Installation error: %1 links outside the SteamCMD "
                                         "folder (%2)")
                    .arg(binary.fileName())
                    .arg(binary.symLinkTarget()));
        }
    }

    std::error_code error;
    std::filesystem::permissions(m_binary.toStdString(), std::filesystem::perms(0755),
                                 std::filesystem::perm_options::replace, error);
    if (error)
        return fail(LocalizedText::translate("SteamCMDInstaller", "Installation error: %1")
                        .arg(describe(error)));

    Q_EMIT log(QStringLiteral("[✓] SteamCMD installed successfully\n\n"));
    succeed();
}

void SteamCMDInstaller::onAbort()
{
    if (m_tar && m_tar->state() != QProcess::NotRunning) {
        m_tar->kill(); // its end finishes the cancel
        return;
    }
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
    QFile::remove(m_tarball);
    cancelled();
}
