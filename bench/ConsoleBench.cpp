// SPDX-License-Identifier: GPL-3.0-or-later
// 100,000 lines of SteamCMD-like output appended to the console in bursts
// while the launcher window is shown, against the same appends with the
// console hidden (the Local Archive tab in front).
//
//   xvfb-run -a -s "-screen 0 1280x800x24" env QSG_RENDER_LOOP=basic build/bench/bench_console
//   [lines] [lines-per-burst]
//
// SteamCMD's output arrives on its own schedule (by default 50 lines, about
// 4 KB, every millisecond: 100,000 lines in two seconds, far faster than a
// real validation); whatever piled up while the launcher was busy is handed
// over in one piece, as a pipe read would. Reports the longest gap between
// two frames while appending and the total time until the last line is
// shown, for both cases.

#include "LauncherViewModel.h"
#include "LauncherWindow.h"
#include "MemoryCredentialStore.h"
#include "StandInStages.h"
#include "credentials/KeychainHelper.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QtQml/QQmlExtensionPlugin>

#include <memory>

Q_IMPORT_QML_PLUGIN(VantorLauncherPlugin)

namespace {

QQuickItem *findItem(QQuickItem *item, const QString &name)
{
    if (!item || item->objectName() == name)
        return item;
    const QList<QQuickItem *> children = item->childItems();
    for (QQuickItem *child : children) {
        if (QQuickItem *found = findItem(child, name))
            return found;
    }
    return nullptr;
}

QString steamLine(int i)
{
    switch (i % 5) {
    case 0:
        return QStringLiteral(" Update state (0x61) downloading, progress: %1.%2 (%3 / 87188267)\n")
            .arg((i / 1000) % 100)
            .arg(i % 100, 2, 10, QLatin1Char('0'))
            .arg(qint64(i) * 871);
    case 1:
        return QStringLiteral(" Update state (0x5) verifying install, progress: %1.00 (%2 / "
                              "87188267)\n")
            .arg((i / 1000) % 100)
            .arg(qint64(i) * 871);
    case 2:
        return QStringLiteral("[----] Downloading update (%1 of 15,633 KB)...\n").arg(i % 15633);
    case 3:
        return QStringLiteral("Validating 'data/ini.big' %1/%2\n").arg(i).arg(100000);
    default:
        return QStringLiteral(" Update state (0x81) verifying update, progress: %1.50\n")
            .arg((i / 1000) % 100);
    }
}

struct Result
{
    double totalMs = 0;
    double longestFrameMs = 0;
    int frames = 0;
};

Result run(bool consoleShown, int lines, int perBurst, int burstIntervalMs)
{
    Result result;
    LauncherViewModel viewModel;
    SteamCMDManager *manager = viewModel.steamCMD();
    viewModel.setActiveTab(consoleShown ? LauncherViewModel::Tab::Steam
                                        : LauncherViewModel::Tab::Local);
    QQmlEngine engine;
    std::unique_ptr<QQuickWindow> window(LauncherWindow::create(engine, &viewModel));
    if (!window || !QTest::qWaitForWindowExposed(window.get()))
        return result;
    QTest::qWait(300);
    // A run whose SteamCMD only writes what the feeder below hands it.
    const auto plan = startStandInRun(*manager);
    QTest::qWait(10);
    if (!plan->current)
        return result;

    QElapsedTimer clock;
    qint64 lastFrame = -1;
    bool measuring = false;
    QObject::connect(window.get(), &QQuickWindow::frameSwapped, window.get(), [&] {
        if (!measuring)
            return;
        const qint64 now = clock.nsecsElapsed();
        if (lastFrame >= 0)
            result.longestFrameMs = std::max(result.longestFrameMs, (now - lastFrame) / 1e6);
        lastFrame = now;
        ++result.frames;
    });

    // The output prepared up front, so only the appends are timed.
    QStringList bursts;
    for (int i = 0; i < lines; i += perBurst) {
        QString burst;
        for (int j = i; j < std::min(lines, i + perBurst); ++j)
            burst += steamLine(j);
        bursts.append(burst);
    }
    qint64 expectedLength = 0;
    for (const QString &burst : bursts)
        expectedLength += burst.size();

    QQuickItem *console = findItem(window->contentItem(), QStringLiteral("console"));
    QObject *consoleLines =
        console ? console->findChild<QObject *>(QStringLiteral("consoleLines")) : nullptr;
    if (consoleShown && !consoleLines)
        return result;
    measuring = true;
    clock.start();
    lastFrame = 0;
    // SteamCMD writes a burst every burstIntervalMs into the pipe, whatever
    // the launcher is doing; what piled up while it was busy (drawing a
    // frame) is read in one go, as a pipe read would.
    int next = 0;
    QTimer feeder;
    feeder.setInterval(0);
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        const qint64 due =
            std::min<qint64>(bursts.size(), clock.nsecsElapsed() / (burstIntervalMs * 1000000) + 1);
        QString chunk;
        while (next < due)
            chunk += bursts.at(next++);
        if (!chunk.isEmpty())
            Q_EMIT plan->current->log(chunk);
        if (next >= bursts.size())
            feeder.stop();
    });
    feeder.start();
    auto done = [&] {
        if (manager->consoleLog().size() != expectedLength)
            return false;
        return !consoleShown || consoleLines->property("text").toString().size() == expectedLength;
    };
    while (!done())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (consoleShown) {
        // Until the last lines are on screen.
        const int framesBefore = result.frames;
        window->update();
        while (result.frames == framesBefore)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    result.totalMs = clock.nsecsElapsed() / 1e6;
    measuring = false;
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral(".local")).toUtf8());
    qputenv("VANTOR_UPDATE_URL", "http://127.0.0.1:9/api/update.json");
    QApplication app(argc, argv);
    KeychainHelper::setStore(std::make_shared<MemoryCredentialStore>());

    const int lines = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int perBurst = argc > 2 ? std::max(1, atoi(argv[2])) : 50;
    const int burstIntervalMs = argc > 3 ? std::max(1, atoi(argv[3])) : 1;

    const Result hidden = run(false, lines, perBurst, burstIntervalMs);
    const Result shown = run(true, lines, perBurst, burstIntervalMs);
    QTextStream out(stdout);
    out << lines << " lines in bursts of " << perBurst << " lines, one burst every "
        << burstIntervalMs << " ms\n";
    out << QStringLiteral("console hidden: total %1 ms\n").arg(hidden.totalMs, 0, 'f', 0);
    out << QStringLiteral("console shown : total %1 ms, %2 frames, longest frame %3 ms\n")
               .arg(shown.totalMs, 0, 'f', 0)
               .arg(shown.frames)
               .arg(shown.longestFrameMs, 0, 'f', 1);
    out << QStringLiteral("ratio shown/hidden: %1x (target <= 2x; longest frame target <= 50 ms)\n")
               .arg(shown.totalMs / std::max(1.0, hidden.totalMs), 0, 'f', 2);
    return shown.totalMs > 0 && hidden.totalMs > 0 ? 0 : 1;
}
