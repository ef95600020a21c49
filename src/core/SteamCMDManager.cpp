#include "SteamCMDManager.h"

#include "Endpoints.h"
#include "LogCategories.h"
#include "PatchArchive.h"
#include "ReplyBody.h"
#include "TextCase.h"
#include "Utf8StreamDecoder.h"
#include "game/GameFolders.h"
#include "platform/PseudoTerminal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

// How much of the patch download may wait in memory before it is written to
// disk; the socket is throttled beyond that.
constexpr qint64 kPatchReadBufferBytes = 1024 * 1024;
// SteamCMD's status when it has updated itself and wants to be started again.
constexpr int kSelfUpdateStatus = 42;
// Restarts in a row after a self-update before the run gives up: one is
// normal, a SteamCMD that asks for ever would otherwise be restarted for ever.
constexpr int kMaxSelfUpdateRestarts = 5;
// Marks a child started as the leader of its own session (on a terminal):
// stop requests go to its whole process group, SteamCMD's own children too.
constexpr const char *kOwnSessionProperty = "vantorOwnSession";

const char *const kRNPatchFiles[] = {"PatchData.big", "PatchINI.big", "PatchWindow.big",
                                     "PatchDL.big"};

// How much of an unfinished line of SteamCMD output is kept for the next read.
constexpr qsizetype kMaxPartialLine = 512;

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Where in carried-over text plus a new chunk a phrase must start to end
// inside the new chunk.
qsizetype firstNewMatch(qsizetype carried, QLatin1StringView phrase)
{
    return std::max<qsizetype>(0, carried - phrase.size() + 1);
}

QString joinPath(const QString &dir, const QString &name)
{
    return dir + QLatin1Char('/') + name;
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

SteamCMDManager::~SteamCMDManager()
{
    // Children still running are killed when their QProcess goes away with
    // the manager; their last signals must not reach a half-destroyed object.
    for (QProcess *child : std::as_const(m_children))
        child->disconnect(this);
    if (m_unzip)
        m_unzip->disconnect(this);
    if (m_patchReply)
        m_patchReply->disconnect(this);
}

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

void SteamCMDManager::setLastUsername(const QString &username)
{
    if (m_lastUsername == username)
        return;
    m_lastUsername = username;
    Q_EMIT lastUsernameChanged();
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
    Q_EMIT consoleCleared();
    if (!log.isEmpty())
        Q_EMIT consoleAppended(log);
    Q_EMIT consoleLogChanged();
}

// ---- folder layout --------------------------------------------------------

QString SteamCMDManager::supportDir() const
{
    return GameFolders::supportDir();
}

QString SteamCMDManager::steamCMDDir() const
{
    return GameFolders::steamCMDDir();
}

QString SteamCMDManager::steamCMDBinary() const
{
    return GameFolders::steamCMDBinary();
}

QString SteamCMDManager::installDir() const
{
    return GameFolders::installDir();
}

QString SteamCMDManager::assetsDir() const
{
    return GameFolders::assetsDir();
}

QString SteamCMDManager::baseGameDir() const
{
    return GameFolders::baseGameDir();
}

bool SteamCMDManager::isSteamCMDInstalled() const
{
    return GameFolders::isSteamCMDInstalled();
}

bool SteamCMDManager::areAssetsValid() const
{
    return GameFolders::areAssetsValid();
}

// ---- console and failures -------------------------------------------------

void SteamCMDManager::appendLog(const QString &text)
{
    if (m_echoToStdout) {
        const QByteArray bytes = text.toUtf8();
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fflush(stdout);
    }
    // Appended in place: the console holds everything SteamCMD says during a
    // run, and copying it whole for every chunk would grow quadratically.
    QMetaObject::invokeMethod(
        this,
        [this, text] {
            if (text.isEmpty())
                return;
            m_consoleLog += text;
            Q_EMIT consoleAppended(text);
            Q_EMIT consoleLogChanged();
        },
        Qt::QueuedConnection);
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
    request.setTransferTimeout(int(m_transferTimeout.count()));
    QNetworkReply *reply = network()->get(request);
    qCInfo(lcSteamCmd) << "fetching SteamCMD from" << url.toString();
    connect(reply, &QNetworkReply::finished, this, [this, reply, completion] {
        reply->deleteLater();
        // An HTTP answer, even an error page, is a body that arrived: it is
        // handed to tar like any other. A transport failure (no answer,
        // refused, timed out, or a body cut short after the headers) is a
        // failed download: half a tarball is not SteamCMD's to unpack.
        const QByteArray body = reply->readAll();
        if (!ReplyBody::arrivedWhole(reply, body.size())) {
            qCWarning(lcSteamCmd) << "SteamCMD fetch failed:" << reply->errorString();
            fail(QStringLiteral("Failed to download SteamCMD tarball"));
            completion(false);
            return;
        }
        bootstrapExtract(body, completion);
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
        fail(QStringLiteral("Installation error: ") + why);
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
    auto *xattr = new QProcess(this);
    connect(xattr, &QProcess::errorOccurred, this,
            [this, xattr, completion](QProcess::ProcessError e) {
                if (e != QProcess::FailedToStart)
                    return;
                xattr->deleteLater();
                fail(QStringLiteral("Installation error: ") + xattr->errorString());
                completion(false);
            });
    connect(xattr, &QProcess::finished, this, [this, xattr, completion] {
        xattr->deleteLater();
        bootstrapPermissions(completion);
    });
    xattr->start(QStringLiteral("/usr/bin/xattr"), {QStringLiteral("-cr"), steamCMDDir()});
#else
    // Nothing to clear on Linux: no quarantine attributes exist there.
    bootstrapPermissions(completion);
#endif
}

void SteamCMDManager::bootstrapPermissions(std::function<void(bool)> completion)
{
    // Changing the mode follows a symbolic link: a tarball whose SteamCMD
    // entry links elsewhere would make a file outside our folder executable
    // (world-readable too). Links that stay inside the folder are fine.
    const QFileInfo binary(steamCMDBinary());
    if (binary.isSymLink()) {
        const QString target = binary.canonicalFilePath();
        const QString folder = QDir(steamCMDDir()).canonicalPath();
        // A dangling link is left to the mode change, which reports it missing.
        if (!target.isEmpty() && !target.startsWith(folder + QLatin1Char('/'))) {
            fail(QStringLiteral("Installation error: %1 links outside the SteamCMD folder (%2)")
                     .arg(binary.fileName(), binary.symLinkTarget()));
            completion(false);
            return;
        }
    }

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

// ---- download run ---------------------------------------------------------

bool SteamCMDManager::hasActiveWork() const
{
    return m_activeWork;
}

void SteamCMDManager::updateActiveWork()
{
    const bool active =
        !m_children.isEmpty() || m_installing || m_patchReply || m_patchReadyToApply || m_unzip;
    const bool child = !m_children.isEmpty();
    if (active == m_activeWork && child == m_hadSteamCMDChild)
        return;
    m_activeWork = active;
    m_hadSteamCMDChild = child;
    Q_EMIT activeWorkChanged();
}

void SteamCMDManager::startDownload(const QString &username, const QString &password)
{
    if (m_state.isRunning())
        return;

    supersedePreviousRun();
    setConsoleLog(QString());
    setLastUsername(username);

    if (isSteamCMDInstalled()) {
        runSteamCMD(username, password);
        return;
    }

    m_pendingUsername = username;
    m_pendingPassword = password;
    if (m_installing) {
        // A cancelled run's install is still under way: wait for it instead of
        // unpacking a second copy over the same folder at the same time.
        postState(SteamCMDState::downloadingSteamCMD());
        return;
    }
    m_installing = true;
    updateActiveWork();
    installSteamCMD([this](bool ok) { launchAfterInstall(ok); });
}

void SteamCMDManager::launchAfterInstall(bool ok)
{
    m_installing = false;
    const QString username = std::exchange(m_pendingUsername, QString());
    const QString password = std::exchange(m_pendingPassword, QString());
    // On failure the install has reported it already. A cancel during the
    // install does not stop the launch: the run goes on with SteamCMD ready.
    if (ok)
        runSteamCMD(username, password);
    updateActiveWork();
}

void SteamCMDManager::supersedePreviousRun()
{
    ++m_generation;
    // A child waiting for its Steam Guard code, or one that reported a
    // failure and has not ended yet, would otherwise keep running beside the
    // new one.
    if (m_process && m_process->state() != QProcess::NotRunning) {
        qCInfo(lcSteamCmd) << "stopping the SteamCMD child of the previous run";
        stopChild(m_process);
    }
    m_process = nullptr;
    m_terminal = nullptr;
    m_selfUpdateRestarts = 0;
    // Only a cancelled run can still be downloading the patch here; its
    // result must not land in the new run.
    if (m_patchReply)
        m_patchReply->abort();
}

void SteamCMDManager::runSteamCMD(const QString &username, const QString &password)
{
    postState(SteamCMDState::authenticating());
    appendLog(QStringLiteral("[*] Launching SteamCMD...\n"));

    std::error_code error;
    std::filesystem::create_directories(assetsDir().toStdString(), error);
    if (error) {
        fail(QStringLiteral("Cannot create assets directory: ") + describe(error));
        return;
    }

    auto *child = new QProcess(this);
    child->setProgram(steamCMDBinary());
    // One list element each: the user name and password reach SteamCMD
    // exactly as typed, whatever blanks or quotes they hold.
    child->setArguments({QStringLiteral("+@sSteamCmdForcePlatformType"), QStringLiteral("windows"),
                         QStringLiteral("+force_install_dir"), assetsDir(),
                         QStringLiteral("+login"), username, password,
                         QStringLiteral("+app_update"), appID(), QStringLiteral("validate"),
                         QStringLiteral("+quit")});
    child->setWorkingDirectory(steamCMDDir());

    m_process = child;
    const quint64 generation = m_generation;
    m_partialLine.clear();
    m_partialLineLower.clear();

    // SteamCMD holds its output back while it does not write to a terminal,
    // and its Steam Guard prompt with it: it runs on a terminal of its own.
    // Three pipes are the fallback where no terminal can be had.
    QString terminalError = QStringLiteral("switched off");
    // Owned by the child's QProcess: it goes when the child's record goes.
    PseudoTerminal *terminal = nullptr;
    if (m_useTerminal) {
        if (auto opened = PseudoTerminal::open(&terminalError)) {
            terminal = opened.release();
            terminal->setParent(child);
        }
    }
    // One decoder per stream: each may split a character between reads.
    auto outDecoder = std::make_shared<Utf8StreamDecoder>();
    auto errDecoder = std::make_shared<Utf8StreamDecoder>();
    if (terminal) {
        terminal->attach(child);
        child->setProperty(kOwnSessionProperty, true);
        m_terminal = terminal;
        connect(terminal, &PseudoTerminal::readyRead, this,
                [=, this] { takeOutput(terminal->readAvailable(), outDecoder.get(), generation); });
    } else {
        qCWarning(lcSteamCmd) << "no pseudo-terminal for SteamCMD:" << terminalError;
        appendLog(QStringLiteral("[!] No terminal for SteamCMD (") + terminalError +
                  QStringLiteral("): its prompts may only show when it exits.\n"));
        m_terminal = nullptr;
        child->setProcessChannelMode(QProcess::SeparateChannels);
        connect(child, &QProcess::readyReadStandardOutput, this, [=, this] {
            takeOutput(child->readAllStandardOutput(), outDecoder.get(), generation);
        });
        connect(child, &QProcess::readyReadStandardError, this, [=, this] {
            takeOutput(child->readAllStandardError(), errDecoder.get(), generation);
        });
    }

    connect(child, &QProcess::errorOccurred, this, [=, this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        m_children.removeOne(child);
        child->deleteLater();
        if (generation == m_generation)
            fail(QStringLiteral("Failed to launch SteamCMD: ") + child->errorString());
        updateActiveWork();
    });

    connect(child, &QProcess::finished, this, [=, this](int exitCode, QProcess::ExitStatus) {
        // QProcess has read both pipes to their end before it reports the
        // exit; the terminal is read here for what its child wrote last. A
        // character cut off by the end of a stream shows as U+FFFD.
        if (terminal)
            takeOutput(terminal->readRest(), outDecoder.get(), generation);
        const QString outRest = outDecoder->finish();
        const QString errRest = errDecoder->finish();
        if (generation == m_generation) {
            if (!outRest.isEmpty())
                processOutput(outRest);
            if (!errRest.isEmpty())
                processOutput(errRest);
        }
        // Posted, so that the state changes the output has posted (a failure
        // reported by SteamCMD's last words) are in place when the exit is judged.
        // For a child killed by a signal QProcess gives the signal number
        // as exit code: SIGTERM ends a run with status 15.
        QMetaObject::invokeMethod(
            this, [=, this] { childFinished(child, exitCode, generation, username, password); },
            Qt::QueuedConnection);
    });

    m_children.append(child);
    updateActiveWork();
    qCInfo(lcSteamCmd) << "launching" << child->program()
                       << (terminal ? "on a terminal" : "with pipes");
    child->start(QIODevice::ReadWrite);
    if (terminal)
        terminal->childStarted();
}

void SteamCMDManager::takeOutput(const QByteArray &bytes, Utf8StreamDecoder *decoder,
                                 quint64 generation)
{
    // Always drained, even for a superseded child, so it never blocks on a
    // full pipe or terminal.
    if (bytes.isEmpty())
        return;
    const QString text = decoder->decode(bytes);
    if (text.isEmpty() || generation != m_generation)
        return;
    processOutput(text);
}

void SteamCMDManager::childFinished(QProcess *child, int status, quint64 generation,
                                    const QString &username, const QString &password)
{
    child->deleteLater();
    if (generation != m_generation) {
        qCInfo(lcSteamCmd) << "a SteamCMD child of an earlier run ended with status" << status;
        m_children.removeOne(child);
        updateActiveWork();
        return;
    }
    if (m_process == child) {
        m_process = nullptr;
        m_terminal = nullptr;
    }

    if (status == 0) {
        // Also after a failure reported from the output: SteamCMD's own
        // verdict on the download is its exit status.
        appendLog(QStringLiteral("\n[✓] Vanilla download completed successfully!\n"));
        reorganizeAssets();
        cleanRNPatchFiles();
        downloadCommunityPatch();
    } else if (status == kSelfUpdateStatus && m_selfUpdateRestarts < kMaxSelfUpdateRestarts) {
        ++m_selfUpdateRestarts;
        appendLog(QStringLiteral("\n[*] SteamCMD updated itself. Restarting process...\n"));
        runSteamCMD(username, password);
    } else if (status == kSelfUpdateStatus) {
        fail(QStringLiteral("SteamCMD asked to be restarted %1 times in a row (exit code 42)")
                 .arg(m_selfUpdateRestarts + 1));
    } else if (m_state.kind() != SteamCMDState::Kind::Failed) {
        fail(QStringLiteral("SteamCMD exited with code ") + QString::number(status));
    }

    // Only now: the next stage (patch download, restarted child) already
    // counts as work, so observers never see a gap between the two.
    m_children.removeOne(child);
    updateActiveWork();
}

void SteamCMDManager::processOutput(const QString &chunk)
{
    appendLog(chunk);

    // Reads may cut a phrase in two ("Steam Gu" + "ard code:"), so the
    // unfinished line before this chunk is looked at again. A phrase counts
    // when it ends inside this chunk: one wholly in the earlier text has been
    // acted on already.
    const qsizetype carried = m_partialLineLower.size();
    const QString text = m_partialLine + chunk;
    const QString lower = m_partialLineLower + TextCase::toLower(chunk);
    rememberPartialLine(text);
    const auto has = [&lower, carried](QLatin1StringView phrase) {
        return lower.indexOf(phrase, firstNewMatch(carried, phrase)) >= 0;
    };

    if (has("steam guard"_L1) || has("two-factor"_L1) || has("enter the current code"_L1)) {
        postState(SteamCMDState::waitingSteamGuard());
    } else if (has("no subscription"_L1) || has("no license"_L1)) {
        fail(QStringLiteral("Game not owned — purchase required"));
        QMetaObject::invokeMethod(
            this, [this] { setShowPurchaseAlert(true); }, Qt::QueuedConnection);
    } else if (has("update state"_L1)) {
        postProgressLines(text, lower, carried);
    } else if (has("validating"_L1)) {
        postState(SteamCMDState::validating());
    } else if (has("login failure"_L1) || has("invalid password"_L1)) {
        fail(QStringLiteral("Authentication failed — check credentials"));
        // Only a child that was really started can be asked to stop.
        if (m_process && m_process->state() != QProcess::NotRunning)
            stopChild(m_process);
    }
}

void SteamCMDManager::rememberPartialLine(const QString &text)
{
    qsizetype start = text.size();
    while (start > 0 && !isLineEnd(text[start - 1]))
        --start;
    // Enough to finish any phrase and most progress lines; a line without
    // end (a megabyte of garbage) is not kept whole.
    start = std::max(start, text.size() - kMaxPartialLine);
    if (start > 0 && start < text.size() && text[start].isLowSurrogate())
        ++start;
    m_partialLine = text.mid(start);
    m_partialLineLower = TextCase::toLower(m_partialLine);
}

void SteamCMDManager::postProgressLines(const QString &text, const QString &lower,
                                        qsizetype carried)
{
    // On a terminal SteamCMD may end a progress line with a carriage return
    // and write the next one over it: both characters end a line here.
    const auto phrase = "update state"_L1;
    if (lower.size() != text.size()) {
        // Lower-casing changed the length (a letter with a longer lower-case
        // form): positions in the two texts differ, so go line by line. The
        // first piece begins with the carried text, as its lower case does.
        QString lines = text;
        lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        const QStringList pieces = lines.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            const qsizetype from = i == 0 ? firstNewMatch(carried, phrase) : 0;
            if (TextCase::toLower(pieces[i]).indexOf(phrase, from) >= 0)
                postState(SteamCMDState::downloading(pieces[i].trimmed()));
        }
        return;
    }
    // Same length, same positions: find the phrase in the lower-cased text
    // and cut its line from the original, without splitting the whole chunk
    // (a chunk can hold hundreds of lines).
    const QStringView view(lower);
    qsizetype from = firstNewMatch(carried, phrase);
    for (;;) {
        const qsizetype at = lower.indexOf(phrase, from);
        if (at < 0)
            return;
        qsizetype start = at;
        while (start > 0 && !isLineEnd(view[start - 1]))
            --start;
        qsizetype end = at + phrase.size();
        while (end < view.size() && !isLineEnd(view[end]))
            ++end;
        postState(SteamCMDState::downloading(
            QStringView(text).mid(start, end - start).trimmed().toString()));
        from = end;
    }
}

void SteamCMDManager::submitSteamGuard()
{
    if (m_state.kind() != SteamCMDState::Kind::WaitingSteamGuard)
        return;
    if (m_steamGuardCode.isEmpty())
        return;
    const QString code = m_steamGuardCode.trimmed();
    appendLog(QStringLiteral("> Steam Guard code submitted\n"));
    writeToProcess(code + QLatin1Char('\n'));
    setSteamGuardCode(QString());
    postState(SteamCMDState::authenticating());
}

void SteamCMDManager::writeToProcess(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    // Nothing to write to: the code is lost, as the console line says nothing
    // about delivery.
    if (!m_process || m_process->state() == QProcess::NotRunning)
        return;
    // The code's line end would have ended the prompt's line on a terminal
    // that echoes: what the child writes next starts a line of its own.
    m_partialLine.clear();
    m_partialLineLower.clear();
    if (m_terminal)
        m_terminal->write(bytes);
    else
        m_process->write(bytes);
}

void SteamCMDManager::stopChild(QProcess *child)
{
    if (!child || child->state() == QProcess::NotRunning)
        return;
    const auto signalChild = [child](int signalNumber) {
        const pid_t pid = pid_t(child->processId());
        // A child on its own terminal leads its own process group: the
        // request reaches what SteamCMD has started itself as well. Until
        // the child has made its group, only the child can be reached.
        if (child->property(kOwnSessionProperty).toBool() && pid > 0 &&
            ::kill(-pid, signalNumber) == 0)
            return;
        if (signalNumber == SIGKILL)
            child->kill();
        else
            child->terminate();
    };
    signalChild(SIGTERM);
    // Timed on the child: the timer goes with it once it has ended.
    QTimer::singleShot(m_stopGraceMs, child, [child, signalChild] {
        if (child->state() == QProcess::NotRunning)
            return;
        qCWarning(lcSteamCmd) << "SteamCMD did not stop when asked; killing it";
        signalChild(SIGKILL);
    });
}

void SteamCMDManager::cancel()
{
    if (m_process && m_process->state() != QProcess::NotRunning)
        stopChild(m_process);
    m_process = nullptr;
    m_terminal = nullptr;
    QMetaObject::invokeMethod(
        this,
        [this] {
            setState(SteamCMDState::idle());
            appendLog(QStringLiteral("\n--- CANCELLED ---\n"));
        },
        Qt::QueuedConnection);
}

// ---- post-download fix-up -------------------------------------------------

void SteamCMDManager::reorganizeAssets()
{
    const QString source = joinPath(assetsDir(), QStringLiteral("DL_Vantor"));
    const QString destination = baseGameDir();
    if (!QFileInfo::exists(source)) {
        appendLog(QStringLiteral("[*] DL_Vantor already in correct location\n"));
        return;
    }
    // The folder of an earlier download is replaced. Anything else by that
    // name (a file, a link) is not ours to delete: it stays, and the move is
    // reported as failed.
    const QFileInfo existing(destination);
    if (existing.isSymLink() || (existing.exists() && !existing.isDir())) {
        appendLog(QStringLiteral("[!] Failed to move DL_Vantor: ") + destination +
                  QStringLiteral(" is not a folder; it was left as it is\n"));
        return;
    }
    std::error_code error;
    if (existing.exists())
        std::filesystem::remove_all(destination.toStdString(), error); // failure ignored
    error.clear();
    std::filesystem::rename(source.toStdString(), destination.toStdString(), error);
    if (error) {
        appendLog(QStringLiteral("[!] Failed to move DL_Vantor: ") + describe(error) +
                  QStringLiteral("\n"));
        return;
    }
    appendLog(QStringLiteral("[✓] Moved DL_Vantor/ alongside Assets/\n"));
}

void SteamCMDManager::cleanRNPatchFiles()
{
    const QString assets = assetsDir();
    const QString root = installDir();
    for (const char *file : kRNPatchFiles) {
        const QString name = QString::fromLatin1(file);
        std::error_code ignored;
        const QString inAssets = joinPath(assets, name);
        if (QFileInfo::exists(inAssets)) {
            std::filesystem::remove_all(inAssets.toStdString(), ignored);
            appendLog(QStringLiteral("[*] Removed RN modern patch file: ") + name +
                      QStringLiteral("\n"));
        }
        const QString inRoot = joinPath(root, name);
        if (QFileInfo::exists(inRoot)) {
            std::filesystem::remove_all(inRoot.toStdString(), ignored);
            appendLog(QStringLiteral("[*] Removed RN modern patch file from root: ") + name +
                      QStringLiteral("\n"));
        }
    }
}

// ---- community patch ------------------------------------------------------

struct SteamCMDManager::PatchDownload
{
    QNetworkReply *reply = nullptr;
    // Streamed to disk as it arrives, beside its final place so that putting
    // it there is a rename; removed with this object unless it got there.
    std::unique_ptr<QTemporaryFile> file;
    QString writeError;
    qint64 received = 0;
    quint64 generation = 0;
};

void SteamCMDManager::downloadCommunityPatch()
{
    const quint64 generation = m_generation;
    m_patchGeneration = generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation != m_generation)
                return;
            setState(SteamCMDState::downloadingPatch(0.0));
            appendLog(QStringLiteral("\n[⭳] Downloading Community Patch & Maps...\n"));
        },
        Qt::QueuedConnection);

    const QUrl url(Endpoints::communityPatch(), QUrl::StrictMode);
    if (!url.isValid() || url.isRelative()) {
        fail(QStringLiteral("Invalid patch URL."));
        return;
    }

    auto download = std::make_shared<PatchDownload>();
    download->generation = generation;
    download->file = std::make_unique<QTemporaryFile>(
        joinPath(installDir(), QStringLiteral(".temp_patch-XXXXXX.part")));
    if (!download->file->open()) {
        fail(QStringLiteral("Failed to prepare patch file: ") + download->file->errorString());
        return;
    }

    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_transferTimeout.count()));
    QNetworkReply *reply = network()->get(request);
    reply->setReadBufferSize(kPatchReadBufferBytes);
    download->reply = reply;
    if (m_patchReply)
        m_patchReply->abort();
    m_patchReply = reply;
    qCInfo(lcPatch) << "downloading the community patch from" << url.toString();

    connect(reply, &QNetworkReply::readyRead, this,
            [this, download] { patchDataArrived(*download); });
    connect(reply, &QNetworkReply::downloadProgress, this,
            [this, generation](qint64 received, qint64 total) {
                // Without a known size there is no fraction to show.
                if (generation != m_generation || total <= 0)
                    return;
                postState(SteamCMDState::downloadingPatch(double(received) / double(total)));
            });
    connect(reply, &QNetworkReply::finished, this, [this, download] { patchFinished(download); });
    updateActiveWork();
}

void SteamCMDManager::patchDataArrived(PatchDownload &download)
{
    if (!download.reply->isOpen())
        return;
    const QByteArray data = download.reply->readAll();
    if (data.isEmpty() || !download.writeError.isEmpty())
        return;
    download.received += data.size();
    if (download.file->write(data) != data.size()) {
        download.writeError = download.file->errorString();
        download.reply->abort();
    }
}

void SteamCMDManager::patchFinished(const std::shared_ptr<PatchDownload> &download)
{
    QNetworkReply *reply = download->reply;
    reply->deleteLater();
    if (m_patchReply == reply)
        m_patchReply = nullptr;
    if (download->generation != m_generation) {
        download->file.reset();
        updateActiveWork();
        return;
    }
    patchDataArrived(*download);

    // An HTTP answer, even an error page, is a body that arrived and is
    // handed to unzip like any other; transport failures and a body cut short
    // are download failures.
    const QNetworkReply::NetworkError error = reply->error();

    if (!download->writeError.isEmpty()) {
        fail(QStringLiteral("Failed to download patch: ") + download->writeError);
    } else if (error == QNetworkReply::OperationCanceledError) {
        // Only the inactivity timeout cancels a download of the current run.
        fail(QStringLiteral("Failed to download patch: no data received for %1 seconds")
                 .arg(QString::number(double(m_transferTimeout.count()) / 1000.0)));
    } else if (!ReplyBody::arrivedWhole(reply, download->received)) {
        // Cut short without an error from the network layer: the connection
        // closed early all the same.
        fail(QStringLiteral("Failed to download patch: ") +
             (error == QNetworkReply::NoError ? QStringLiteral("Connection closed")
                                              : reply->errorString()));
    } else if (!download->file->flush()) {
        fail(QStringLiteral("Failed to prepare patch file: ") + download->file->errorString());
    } else {
        const QString zip = joinPath(installDir(), QStringLiteral("temp_patch.zip"));
        std::error_code ignored;
        std::filesystem::remove_all(zip.toStdString(), ignored);
        QTemporaryFile &file = *download->file;
        const QString partial = file.fileName();
        file.setAutoRemove(false);
        if (!file.rename(zip)) {
            const QString why = file.errorString();
            QFile::remove(partial);
            fail(QStringLiteral("Failed to prepare patch file: ") + why);
        } else {
            m_patchReadyToApply = true;
            const quint64 generation = download->generation;
            QMetaObject::invokeMethod(
                this,
                [this, zip, generation] {
                    m_patchReadyToApply = false;
                    if (generation == m_generation)
                        applyPatch(zip);
                    updateActiveWork();
                },
                Qt::QueuedConnection);
        }
    }
    download->file.reset();
    updateActiveWork();
}

void SteamCMDManager::applyPatch(const QString &zip)
{
    setState(SteamCMDState::unpackingPatch());
    appendLog(QStringLiteral("[*] Unpacking patch...\n"));

    // Looked at before anything is written: unzip would create whatever
    // links the archive holds inside the install folder.
    if (const std::optional<QString> reason = PatchArchive::refusalReason(zip)) {
        QFile::remove(zip);
        fail(QStringLiteral("Refused the patch archive: ") + *reason);
        return;
    }

    auto *unzip = new QProcess(this);
    unzip->setProgram(QStringLiteral("/usr/bin/unzip"));
    unzip->setArguments({QStringLiteral("-o"), zip, QStringLiteral("-d"), installDir()});
    // unzip's own report goes to the launcher's output, not the console. It
    // gets no input: a question from it must not wait on a pipe nobody feeds.
    unzip->setProcessChannelMode(QProcess::ForwardedChannels);
    unzip->setStandardInputFile(QProcess::nullDevice());

    const quint64 generation = m_generation;
    connect(unzip, &QProcess::errorOccurred, this, [=, this](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart)
            return;
        unzip->deleteLater();
        if (m_unzip == unzip)
            m_unzip = nullptr;
        // The archive stays; the next patch download replaces it.
        if (generation == m_generation)
            fail(QStringLiteral("Failed to execute unzip: ") + unzip->errorString());
        updateActiveWork();
    });
    connect(unzip, &QProcess::finished, this, [=, this](int exitCode, QProcess::ExitStatus) {
        QMetaObject::invokeMethod(
            this,
            [=, this] {
                unzip->deleteLater();
                if (generation == m_patchGeneration)
                    QFile::remove(zip);
                if (generation == m_generation) {
                    if (exitCode != 0) {
                        fail(QStringLiteral("Failed to unpack patch (unzip exited with code ") +
                             QString::number(exitCode) + QStringLiteral(")"));
                    } else {
                        appendLog(QStringLiteral("[✓] Community Patch successfully applied!\n"));
                        setState(SteamCMDState::completed());
                    }
                }
                if (m_unzip == unzip)
                    m_unzip = nullptr;
                updateActiveWork();
            },
            Qt::QueuedConnection);
    });
    m_unzip = unzip;
    updateActiveWork();
    unzip->start();
}
