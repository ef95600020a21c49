// On-demand benchmark of the download run's two heavy paths:
//  1. SteamCMD output: ~20 MB / ~200,000 SteamCMD-like lines through a fake
//     SteamCMD into the manager, against `cat` of the same bytes read by a
//     plain reader over the same transport: a pseudo-terminal (how SteamCMD
//     runs) and pipes (the fallback) (time ratios, peak memory growth);
//  2. the community patch: a 512 MiB body from a loopback server (run in a
//     separate process) into the manager, against `curl` of the same
//     address (throughput ratio, peak memory growth during the download).
// Everything lives in a temporary home that is removed at the end.
//
//   build/bench/steamcmd_bench [--lines N] [--patch-mib N] [--rounds N]

#include "LoopbackHttpServer.h"
#include "SteamCMDManager.h"
#include "TestHome.h"
#include "platform/PseudoTerminal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

QTextStream out(stdout);

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

void spinUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
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
    spinUntil([&] { return cat.state() == QProcess::NotRunning; }, 120000);
    received += cat.readAllStandardOutput().size();
    Timing t;
    t.seconds = clock.nsecsElapsed() / 1e9;
    if (received != QFileInfo(logPath).size())
        out << "  (cat delivered " << received << " bytes)\n";
    return t;
}

Timing catThroughTerminal(const QString &logPath)
{
    QString error;
    const std::unique_ptr<PseudoTerminal> terminal = PseudoTerminal::open(&error);
    Timing t;
    if (!terminal) {
        out << "  (no pseudo-terminal: " << error << ")\n";
        return t;
    }
    QProcess cat;
    qint64 received = 0;
    QObject::connect(terminal.get(), &PseudoTerminal::readyRead,
                     [&] { received += terminal->readAvailable().size(); });
    terminal->attach(&cat);
    QElapsedTimer clock;
    clock.start();
    cat.start(QStringLiteral("/bin/cat"), {logPath});
    terminal->childStarted();
    spinUntil([&] { return cat.state() == QProcess::NotRunning; }, 120000);
    received += terminal->readRest().size();
    t.seconds = clock.nsecsElapsed() / 1e9;
    if (received != QFileInfo(logPath).size())
        out << "  (cat delivered " << received << " bytes)\n";
    return t;
}

Timing logThroughManager(SteamCMDManager &manager, qint64 logBytes)
{
    const bool measured = resetPeak();
    const qint64 before = statusKiB("VmRSS");
    QElapsedTimer clock;
    clock.start();
    manager.startDownload(QStringLiteral("bench"), QStringLiteral("bench"));
    spinUntil(
        [&] {
            return !manager.hasActiveWork() &&
                   manager.state().kind() == SteamCMDState::Kind::Failed &&
                   manager.consoleLog().endsWith(QStringLiteral("code 1\n"));
        },
        300000);
    Timing t;
    t.seconds = clock.nsecsElapsed() / 1e9;
    if (measured)
        t.peakGrowthKiB = statusKiB("VmHWM") - before;
    // "[*] Launching SteamCMD...\n" + the log + the failure line.
    const qsizetype expected = logBytes; // in bytes, compared as UTF-8 below
    const qsizetype got = manager.consoleLog().toUtf8().size();
    if (got < expected)
        out << "  (console holds only " << got << " of " << expected << " bytes)\n";
    return t;
}

int runLogPart(SteamCMDManager &manager, QTemporaryDir &work, int lines, int rounds);
int runPatchPart(SteamCMDManager &manager, QTemporaryDir &work, int patchMiB, int rounds);

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

    TestHome home;
    if (!home.isValid())
        return 1;
    QTemporaryDir work;
    SteamCMDManager manager;
    manager.setEchoToStandardOutput(false);
    if (logPart)
        return runLogPart(manager, work, lines, rounds);
    return runPatchPart(manager, work, patchMiB, rounds);
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
        const Timing m = logThroughManager(manager, log.size());
        managerTerminalTimes.push_back(m.seconds);
        if (round == 0)
            logPeakKiB = m.peakGrowthKiB; // first run: the console grows from nothing
        manager.setUsePseudoTerminal(false);
        managerPipeTimes.push_back(logThroughManager(manager, log.size()).seconds);
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
    const QString body = work.filePath(QStringLiteral("patch.bin"));
    {
        QFile file(body);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(patchMiB) * 1024 * 1024))
            return 1;
    }
    QProcess server;
    server.setProgram(QCoreApplication::applicationFilePath());
    server.setArguments({QStringLiteral("--serve"), body});
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start();
    if (!server.waitForReadyRead(10000))
        return 1;
    const QString url =
        QStringLiteral("http://127.0.0.1:%1/VO_Mac_Patch.zip").arg(server.readLine().trimmed());
    qputenv("VANTOR_PATCH_URL", url.toUtf8());
    writeScript(manager.steamCMDBinary(), "#!/bin/sh\nexit 0\n");

    const double mib = patchMiB;
    out << "Community patch: " << patchMiB << " MiB from " << url << ", " << rounds << " rounds\n";
    out.flush();
    std::vector<double> curlTimes;
    std::vector<double> patchTimes;
    qint64 patchPeakKiB = 0;
    const QString curlTarget = work.filePath(QStringLiteral("curl.bin"));
    for (int round = 0; round < rounds; ++round) {
        QProcess curl;
        QElapsedTimer clock;
        clock.start();
        curl.start(QStringLiteral("curl"),
                   {QStringLiteral("-s"), QStringLiteral("-o"), curlTarget, url});
        spinUntil([&] { return curl.state() == QProcess::NotRunning; }, 300000);
        curlTimes.push_back(clock.nsecsElapsed() / 1e9);
        if (curl.exitCode() != 0)
            out << "  (curl exited with " << curl.exitCode() << ")\n";
        QFile::remove(curlTarget);

        const bool measured = resetPeak();
        const qint64 before = statusKiB("VmRSS");
        QElapsedTimer download;
        bool started = false;
        double seconds = 0;
        double lastFraction = 0;
        auto connection = QObject::connect(&manager, &SteamCMDManager::stateChanged, [&] {
            const auto kind = manager.state().kind();
            if (kind == SteamCMDState::Kind::DownloadingPatch && !started) {
                started = true;
                download.start();
            } else if (kind == SteamCMDState::Kind::DownloadingPatch) {
                lastFraction = manager.state().progress();
            } else if (kind == SteamCMDState::Kind::UnpackingPatch && started) {
                seconds = download.nsecsElapsed() / 1e9;
            }
        });
        manager.startDownload(QStringLiteral("bench"), QStringLiteral("bench"));
        // A body of zeros is no zip: unzip refuses it and the run ends failed.
        spinUntil(
            [&] {
                return !manager.hasActiveWork() &&
                       manager.state().kind() == SteamCMDState::Kind::Failed;
            },
            600000);
        QObject::disconnect(connection);
        if (measured)
            patchPeakKiB = std::max(patchPeakKiB, statusKiB("VmHWM") - before);
        patchTimes.push_back(seconds);
        if (seconds <= 0 || lastFraction != 1.0)
            out << "  (manager: " << manager.statusText() << ", last fraction " << lastFraction
                << ")\n";
    }
    server.kill();
    server.waitForFinished();
    QFile::remove(body);

    const double curlBest = *std::min_element(curlTimes.begin(), curlTimes.end());
    const double patchBest = *std::min_element(patchTimes.begin(), patchTimes.end());
    out << QStringLiteral("  curl:               %1 s, %2 MiB/s (best)\n")
               .arg(curlBest, 0, 'f', 3)
               .arg(mib / curlBest, 0, 'f', 0);
    out << QStringLiteral("  manager:            %1 s, %2 MiB/s (best)\n")
               .arg(patchBest, 0, 'f', 3)
               .arg(mib / patchBest, 0, 'f', 0);
    out << QStringLiteral("  throughput ratio:   %1 (target >= 0.8)\n")
               .arg(curlBest / patchBest, 0, 'f', 2);
    out << QStringLiteral("  peak memory growth: %1 MiB (target < 64)\n")
               .arg(patchPeakKiB / 1024.0, 0, 'f', 1);
    out.flush();
    return 0;
}

} // namespace
