// SPDX-License-Identifier: GPL-3.0-or-later
// On-demand benchmark of the download run's two heavy paths:
//  1. SteamCMD output: ~20 MB / ~200,000 SteamCMD-like lines through a fake
//     SteamCMD into the manager, against `cat` of the same bytes read by a
//     plain reader over the same transport: a pseudo-terminal (how SteamCMD
//     runs) and pipes (the fallback) (time ratios, peak memory growth);
//  2. the community patch: a real zip archive of about 512 MiB from a
//     loopback server (run in a separate process), downloaded and unpacked
//     by the manager, against `curl` plus `unzip` of the same address
//     (time ratio, peak memory growth during the download and unpack).
// Every round is checked to have ended as intended (the whole log in the
// console and the run failed with SteamCMD's exit code; the patch applied
// and every file unpacked whole; cat, curl and unzip succeeded): otherwise
// the benchmark stops with a message and exit status 1 instead of printing
// figures of something else.
// Everything lives in a temporary home that is removed at the end.
//
//   build/bench/steamcmd_bench [--lines N] [--patch-mib N] [--rounds N]

#include "LoopbackHttpServer.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "platform/PseudoTerminal.h"
#include "steam/SteamCMDManager.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

QTextStream out(stdout);

// A round that did not end the way the benchmark intends: its figures would
// measure something else. Caught in main, after which the process ends with
// status 1 and the temporary files are gone.
struct BenchFailure
{
    QString message;
};

void check(bool condition, const QString &message)
{
    if (!condition)
        throw BenchFailure{message};
}

// Whether a state belongs to a run under way. The previous round's end state
// is still published right after startDownload(); a new round has begun only
// once the manager reports one of these.
bool isRunningKind(SteamCMDState::Kind kind)
{
    return kind != SteamCMDState::Kind::Idle && kind != SteamCMDState::Kind::Completed &&
           kind != SteamCMDState::Kind::Failed;
}

// Kibibytes from a line of /proc/self/status ("VmHWM:   1234 kB").
qint64 statusKiB(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Resets the peak resident size to the current one (Linux 4.0 and later).
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

// Runs the event loop until `done` holds; false when the time ran out first.
bool spinUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    return done();
}

// Waits for a finished program that exited normally with status 0.
void checkExitedCleanly(QProcess &process, const QString &name, int timeoutMs)
{
    check(spinUntil([&] { return process.state() == QProcess::NotRunning; }, timeoutMs),
          name + QStringLiteral(" did not finish in time"));
    check(process.error() != QProcess::FailedToStart,
          name + QStringLiteral(" did not start: ") + process.errorString());
    check(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
          name + QStringLiteral(" failed (exit code %1)").arg(process.exitCode()));
}

QByteArray makeLog(int lines)
{
    QByteArray log;
    log.reserve(qsizetype(lines) * 104);
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 0) {
            log += " Update state (0x61) downloading, progress: " +
                   QByteArray::number(double(i) * 100.0 / lines, 'f', 2) + " (" +
                   QByteArray::number(qint64(i) * 4096) + " / " +
                   QByteArray::number(qint64(lines) * 4096) + ")\n";
        } else {
            log += "[" + QByteArray::number(i % 100).rightJustified(3, ' ') +
                   "%] Downloading update (" + QByteArray::number(i) +
                   " of 15,633 KB)... depot chunk " + QByteArray::number(i * 7919, 16) +
                   " ok, manifest 4187531 — ✓ verified\n";
        }
    }
    return log;
}

struct Timing
{
    double seconds = 0;
    qint64 peakGrowthKiB = -1;
};

Timing catThroughPipe(const QString &logPath)
{
    QProcess cat;
    qint64 received = 0;
    QObject::connect(&cat, &QProcess::readyReadStandardOutput,
                     [&] { received += cat.readAllStandardOutput().size(); });
    QElapsedTimer clock;
    clock.start();
    cat.start(QStringLiteral("/bin/cat"), {logPath});
    checkExitedCleanly(cat, QStringLiteral("cat through pipes"), 120000);
    received += cat.readAllStandardOutput().size();
    Timing t;
    t.seconds = clock.nsecsElapsed() / 1e9;
    check(received == QFileInfo(logPath).size(),
          QStringLiteral("cat through pipes delivered %1 of %2 bytes")
              .arg(received)
              .arg(QFileInfo(logPath).size()));
    return t;
}

Timing catThroughTerminal(const QString &logPath)
{
    QString error;
    const std::unique_ptr<PseudoTerminal> terminal = PseudoTerminal::open(&error);
    check(terminal != nullptr, QStringLiteral("no pseudo-terminal: ") + error);
    QProcess cat;
    qint64 received = 0;
    QObject::connect(terminal.get(), &PseudoTerminal::readyRead,
                     [&] { received += terminal->readAvailable().size(); });
    terminal->attach(&cat);
    QElapsedTimer clock;
    clock.start();
    cat.start(QStringLiteral("/bin/cat"), {logPath});
    terminal->childStarted();
    checkExitedCleanly(cat, QStringLiteral("cat on a pseudo-terminal"), 120000);
    received += terminal->readRest().size();
    Timing t;
    t.seconds = clock.nsecsElapsed() / 1e9;
    const qint64 expected = QFileInfo(logPath).size();
    check(received == expected, QStringLiteral("cat on a pseudo-terminal delivered %1 of %2 bytes")
                                    .arg(received)
                                    .arg(expected));
    return t;
}

// One run whose fake SteamCMD writes the log and exits with status 1: it must
// end failed with exactly that reason, after the whole log reached the console.
Timing logThroughManager(SteamCMDManager &manager, const QByteArray &log)
{
    const QString failureLine = QStringLiteral("\n[✗] SteamCMD exited with code 1\n");
    const bool measured = resetPeak();
    const qint64 before = statusKiB("VmRSS");
    bool begun = false;
    const auto connection = QObject::connect(&manager, &SteamCMDManager::stateChanged, [&] {
        begun = begun || isRunningKind(manager.stateKind());
    });
    QElapsedTimer clock;
    clock.start();
    manager.startDownload(QStringLiteral("bench"), QStringLiteral("bench"));
    const bool ended = spinUntil(
        [&] {
            return begun && manager.stateKind() == SteamCMDState::Kind::Failed &&
                   manager.consoleLog().endsWith(failureLine);
        },
        300000);
    QObject::disconnect(connection);
    Timing t;
    t.seconds = clock.nsecsElapsed() / 1e9;
    if (measured)
        t.peakGrowthKiB = statusKiB("VmHWM") - before;
    check(ended, QStringLiteral("the run did not end with SteamCMD's exit code 1: ") +
                     manager.state().statusText());
    // Every byte of the log is in the console, in order.
    const QByteArray console = manager.consoleLog().toUtf8();
    check(console.contains(log),
          QStringLiteral("the console lacks part of the log (%1 bytes)").arg(console.size()));
    return t;
}

int runLogPart(SteamCMDManager &manager, QTemporaryDir &work, int lines, int rounds);
int runPatchPart(SteamCMDManager &manager, QTemporaryDir &work, int patchMiB, int rounds);

// The files of the patch archive: their names in the archive and their sizes.
using PatchFiles = QMap<QString, qint64>;

// Every file of the archive lies under `folder` with its size.
void checkUnpacked(const QString &folder, const PatchFiles &files, const QString &who)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QFileInfo file(QDir(folder).filePath(it.key()));
        check(file.isFile() && file.size() == it.value(),
              who + QStringLiteral(" did not unpack %1 whole (%2 of %3 bytes)")
                        .arg(it.key())
                        .arg(file.exists() ? file.size() : -1)
                        .arg(it.value()));
    }
}

void removeUnpacked(const QString &folder, const PatchFiles &files)
{
    for (auto it = files.begin(); it != files.end(); ++it)
        QFile::remove(QDir(folder).filePath(it.key()));
}

// A patch archive of about `mib` MiB shaped like the community patch: large
// data archives (random bytes, stored: they do not compress) and game-like
// text (deflated), so that unzip both copies and inflates.
QString makePatchArchive(const QString &folder, int mib, PatchFiles *files)
{
    const QString source = QDir(folder).filePath(QStringLiteral("patch-source"));
    QDir().mkpath(source + QStringLiteral("/Data"));
    const qint64 total = qint64(mib) * 1024 * 1024;
    const qint64 dataBytes = total * 7 / 8;
    constexpr int dataFiles = 6;
    QByteArray chunk(1024 * 1024, Qt::Uninitialized);
    for (int i = 0; i < dataFiles; ++i) {
        const QString name = QStringLiteral("Data/Patch%1.big").arg(i);
        QFile file(QDir(source).filePath(name));
        check(file.open(QIODevice::WriteOnly), QStringLiteral("cannot write ") + file.fileName());
        const qint64 size = dataBytes / dataFiles;
        for (qint64 written = 0; written < size;) {
            const qint64 n = std::min<qint64>(chunk.size(), size - written);
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(chunk.data()),
                                                  chunk.size() / 4);
            check(file.write(chunk.constData(), n) == n, QStringLiteral("disk full?"));
            written += n;
        }
        files->insert(name, size);
    }
    // INI-like text; deflate shrinks it about sixfold.
    QByteArray text;
    const qint64 textBytes = (total - dataBytes) * 6;
    for (int object = 0; text.size() < textBytes; ++object) {
        const quint32 r = QRandomGenerator::global()->generate();
        text += "Object Unit_" + QByteArray::number(object) +
                "\n  Health = " + QByteArray::number(r % 5000) + "\n  Armor = Armor_" +
                QByteArray::number(r % 37) + "\n  Speed = " + QByteArray::number((r >> 8) % 90) +
                ".5\nEnd\n\n";
    }
    const QString textName = QStringLiteral("Data/INI/Units.ini");
    QDir().mkpath(QDir(source).filePath(QStringLiteral("Data/INI")));
    check(writeFile(QDir(source).filePath(textName), text), QStringLiteral("cannot write text"));
    files->insert(textName, text.size());

    const QString zip = QDir(folder).filePath(QStringLiteral("VO_Mac_Patch.zip"));
    QProcess zipper;
    zipper.setWorkingDirectory(source);
    zipper.start(QStringLiteral("zip"),
                 {QStringLiteral("-q"), QStringLiteral("-r"), QStringLiteral("-1"),
                  QStringLiteral("-n"), QStringLiteral(".big"), zip, QStringLiteral("Data")});
    checkExitedCleanly(zipper, QStringLiteral("zip"), 300000);
    QDir(source).removeRecursively();
    return zip;
}

int serve(const QString &file)
{
    LoopbackHttpServer server;
    if (!server.listen())
        return 1;
    LoopbackHttpServer::Response response;
    response.bodyFile = file;
    server.setRoute(QStringLiteral("/VO_Mac_Patch.zip"), response);
    std::printf("%u\n", unsigned(server.port()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--serve"))
        return serve(args.value(2));

    const auto option = [&args](const char *name, int fallback) {
        const qsizetype at = args.indexOf(QString::fromLatin1(name));
        return at >= 0 ? args.value(at + 1).toInt() : fallback;
    };
    const int lines = option("--lines", 200000);
    const int patchMiB = option("--patch-mib", 512);
    const int rounds = std::max(1, option("--rounds", 3));

    // Each part runs in a fresh process of its own, so that the memory the
    // first one leaves behind does not blur the second one's figures.
    const bool logPart = args.contains(QLatin1String("--log-part"));
    const bool patchPart = args.contains(QLatin1String("--patch-part"));
    if (!logPart && !patchPart) {
        for (const char *part : {"--log-part", "--patch-part"}) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), args.mid(1)
                                                                     << QString::fromLatin1(part));
            if (!child.waitForFinished(-1) || child.exitCode() != 0)
                return 1;
        }
        return 0;
    }

    try {
        TestHome home;
        check(home.isValid(), QStringLiteral("no temporary home"));
        QTemporaryDir work;
        check(work.isValid(), QStringLiteral("no temporary folder"));
        SteamCMDManager manager;
        if (logPart)
            return runLogPart(manager, work, lines, rounds);
        return runPatchPart(manager, work, patchMiB, rounds);
    } catch (const BenchFailure &failure) {
        // Only now: the temporary home and folder are gone.
        QTextStream(stderr) << "steamcmd_bench: FAILED: " << failure.message << "\n";
        return 1;
    }
}

namespace {

int runLogPart(SteamCMDManager &manager, QTemporaryDir &work, int lines, int rounds)
{
    // ---- 1. SteamCMD output ---------------------------------------------
    const QByteArray log = makeLog(lines);
    const QString logPath = work.filePath(QStringLiteral("steamcmd.log"));
    writeFile(logPath, log);
    writeScript(manager.steamCMDBinary(),
                "#!/bin/sh\n/bin/cat '" + logPath.toUtf8() + "'\nexit 1\n");

    out << "SteamCMD output: " << log.size() << " bytes, " << lines << " lines, " << rounds
        << " rounds\n";
    out.flush();
    std::vector<double> catPipeTimes;
    std::vector<double> catTerminalTimes;
    std::vector<double> managerTerminalTimes;
    std::vector<double> managerPipeTimes;
    qint64 logPeakKiB = -1;
    for (int round = 0; round < rounds; ++round) {
        catPipeTimes.push_back(catThroughPipe(logPath).seconds);
        catTerminalTimes.push_back(catThroughTerminal(logPath).seconds);
        manager.setUsePseudoTerminal(true);
        const Timing m = logThroughManager(manager, log);
        managerTerminalTimes.push_back(m.seconds);
        if (round == 0)
            logPeakKiB = m.peakGrowthKiB; // first run: the console grows from nothing
        manager.setUsePseudoTerminal(false);
        managerPipeTimes.push_back(logThroughManager(manager, log).seconds);
    }
    const auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    const auto report = [&](const char *transport, const std::vector<double> &cat,
                            const std::vector<double> &managed) {
        const double catMedian = median(cat);
        const double managerMedian = median(managed);
        out << QStringLiteral("  %1: cat %2 s, manager %3 s (medians), ratio %4 (target <= 3)\n")
                   .arg(QString::fromLatin1(transport))
                   .arg(catMedian, 0, 'f', 3)
                   .arg(managerMedian, 0, 'f', 3)
                   .arg(managerMedian / catMedian, 0, 'f', 2);
    };
    report("pseudo-terminal", catTerminalTimes, managerTerminalTimes);
    report("pipes          ", catPipeTimes, managerPipeTimes);
    out << QStringLiteral("  peak memory growth: %1 MiB = %2 x the log (target < 5)\n")
               .arg(logPeakKiB / 1024.0, 0, 'f', 1)
               .arg(logPeakKiB * 1024.0 / double(log.size()), 0, 'f', 2);
    out.flush();
    QFile::remove(logPath);
    return 0;
}

int runPatchPart(SteamCMDManager &manager, QTemporaryDir &work, int patchMiB, int rounds)
{
    // ---- 2. community patch ---------------------------------------------
    PatchFiles files;
    const QString archive = makePatchArchive(work.path(), patchMiB, &files);
    const qint64 archiveBytes = QFileInfo(archive).size();
    qint64 unpackedBytes = 0;
    for (const qint64 size : files)
        unpackedBytes += size;
    QProcess server;
    server.setProgram(QCoreApplication::applicationFilePath());
    server.setArguments({QStringLiteral("--serve"), archive});
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start();
    check(server.waitForReadyRead(10000), QStringLiteral("the loopback server did not start"));
    const QString url =
        QStringLiteral("http://127.0.0.1:%1/VO_Mac_Patch.zip").arg(server.readLine().trimmed());
    qputenv("VANTOR_PATCH_URL", url.toUtf8());
    check(writeScript(manager.steamCMDBinary(), "#!/bin/sh\nexit 0\n"),
          QStringLiteral("cannot write the fake SteamCMD"));

    const double mib = archiveBytes / (1024.0 * 1024.0);
    out << QStringLiteral("Community patch: %1 MiB zip (%2 files, %3 MiB unpacked) from %4, %5 "
                          "rounds\n")
               .arg(mib, 0, 'f', 1)
               .arg(files.size())
               .arg(unpackedBytes / (1024.0 * 1024.0), 0, 'f', 1)
               .arg(url)
               .arg(rounds);
    out.flush();
    std::vector<double> toolTimes;
    std::vector<double> patchTimes;
    qint64 patchPeakKiB = 0;
    const QString curlTarget = work.filePath(QStringLiteral("curl.zip"));
    const QString unzipTarget = work.filePath(QStringLiteral("unzipped"));
    const QString installDir = manager.installDir();
    for (int round = 0; round < rounds; ++round) {
        // curl and unzip: the same address, the same unzip call as the manager's.
        removeUnpacked(unzipTarget, files);
        QElapsedTimer clock;
        clock.start();
        QProcess curl;
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-sSf"), QStringLiteral("-o"), curlTarget, url});
        checkExitedCleanly(curl, QStringLiteral("curl"), 300000);
        QProcess unzip;
        unzip.setStandardOutputFile(QProcess::nullDevice());
        unzip.start(QStringLiteral("/usr/bin/unzip"),
                    {QStringLiteral("-o"), curlTarget, QStringLiteral("-d"), unzipTarget});
        checkExitedCleanly(unzip, QStringLiteral("unzip"), 300000);
        toolTimes.push_back(clock.nsecsElapsed() / 1e9);
        check(QFileInfo(curlTarget).size() == archiveBytes,
              QStringLiteral("curl fetched %1 of %2 bytes")
                  .arg(QFileInfo(curlTarget).size())
                  .arg(archiveBytes));
        checkUnpacked(unzipTarget, files, QStringLiteral("unzip"));
        QFile::remove(curlTarget);

        // The manager: from the start of the patch download until it is applied.
        removeUnpacked(installDir, files);
        const bool measured = resetPeak();
        const qint64 before = statusKiB("VmRSS");
        QElapsedTimer download;
        double seconds = 0;
        double lastFraction = 0;
        bool begun = false;
        auto connection = QObject::connect(&manager, &SteamCMDManager::stateChanged, [&] {
            const auto kind = manager.stateKind();
            begun = begun || isRunningKind(kind);
            if (kind == SteamCMDState::Kind::DownloadingPatch && !download.isValid())
                download.start();
            if (kind == SteamCMDState::Kind::DownloadingPatch)
                lastFraction = manager.state().progress();
            else if (kind == SteamCMDState::Kind::Completed && download.isValid())
                seconds = download.nsecsElapsed() / 1e9;
        });
        manager.startDownload(QStringLiteral("bench"), QStringLiteral("bench"));
        const bool ended = spinUntil(
            [&] {
                const auto kind = manager.stateKind();
                return begun && (kind == SteamCMDState::Kind::Completed ||
                                 kind == SteamCMDState::Kind::Failed);
            },
            600000);
        QObject::disconnect(connection);
        if (measured)
            patchPeakKiB = std::max(patchPeakKiB, statusKiB("VmHWM") - before);
        check(ended && manager.stateKind() == SteamCMDState::Kind::Completed,
              QStringLiteral("the patch was not applied: ") + manager.state().statusText());
        check(seconds > 0, QStringLiteral("the patch download was not seen to start"));
        check(lastFraction == 1.0,
              QStringLiteral("the download's progress stopped at %1").arg(lastFraction));
        checkUnpacked(installDir, files, QStringLiteral("the manager"));
        patchTimes.push_back(seconds);
    }
    server.kill();
    server.waitForFinished();
    QFile::remove(archive);
    removeUnpacked(installDir, files);
    QDir(unzipTarget).removeRecursively();

    const double toolBest = *std::min_element(toolTimes.begin(), toolTimes.end());
    const double patchBest = *std::min_element(patchTimes.begin(), patchTimes.end());
    out << QStringLiteral("  curl + unzip:       %1 s, %2 MiB/s of zip (best)\n")
               .arg(toolBest, 0, 'f', 3)
               .arg(mib / toolBest, 0, 'f', 0);
    out << QStringLiteral("  manager:            %1 s, %2 MiB/s of zip (best)\n")
               .arg(patchBest, 0, 'f', 3)
               .arg(mib / patchBest, 0, 'f', 0);
    out << QStringLiteral("  time ratio:         %1 (curl + unzip / manager, target >= 0.8)\n")
               .arg(toolBest / patchBest, 0, 'f', 2);
    out << QStringLiteral("  peak memory growth: %1 MiB (target < 64)\n")
               .arg(patchPeakKiB / 1024.0, 0, 'f', 1);
    out.flush();
    return 0;
}

} // namespace
