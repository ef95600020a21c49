// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up to the first drawn frame, and resident memory when idle, of the
// launcher window against a minimal Qt Quick window, measured in the same run.
//
//   xvfb-run -a -s "-screen 0 1280x800x24" env QSG_RENDER_LOOP=basic
//   build/bench/bench_window_startup [runs]
//
// The parent starts this same program as a child per sample ("--child
// minimal" or "--child launcher"); the child prints FIRST_FRAME after its
// window's first frame was swapped. The time is measured by the parent from
// starting the process, so loading libraries and QML counts. After two idle
// seconds the parent reads the child's VmRSS and ends it.

#include "LauncherViewModel.h"
#include "LauncherWindow.h"
#include "MemoryCredentialStore.h"
#include "credentials/KeychainHelper.h"
#include "l10n/Translations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTextStream>
#include <QtQml/QQmlExtensionPlugin>

#include <algorithm>
#include <cstdio>
#include <memory>

Q_IMPORT_QML_PLUGIN(VantorLauncherPlugin)

namespace {

void reportFirstFrame(QQuickWindow *window)
{
    QObject::connect(
        window, &QQuickWindow::frameSwapped, window,
        [] {
            static bool reported = false;
            if (!reported) {
                reported = true;
                std::fputs("FIRST_FRAME\n", stdout);
                std::fflush(stdout);
            }
        },
        Qt::DirectConnection);
}

int runMinimal(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QQmlApplicationEngine engine;
    QObject::connect(&engine, &QQmlApplicationEngine::objectCreated, &app,
                     [](QObject *object, const QUrl &) {
                         if (auto *window = qobject_cast<QQuickWindow *>(object))
                             reportFirstFrame(window);
                     });
    engine.loadData("import QtQuick\n"
                    "Window { width: 860; height: 580; visible: true; color: '#0b0d12'\n"
                    "  Text { anchors.centerIn: parent; text: 'Minimal'; color: 'white' }\n"
                    "}\n");
    return app.exec();
}

// With VANTOR_BENCH_PHASES set, the child prints when each start-up step ended.
void phase(const char *name)
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    if (qEnvironmentVariableIsSet("VANTOR_BENCH_PHASES"))
        std::fprintf(stderr, "%8.1f ms  %s\n", clock.nsecsElapsed() / 1e6, name);
}

int runLauncher(int argc, char **argv)
{
    phase("main");
    // As the executable starts it (QApplication, one view model), but with
    // an in-memory keyring and no network, so only the window is measured.
    QApplication app(argc, argv);
    // The language of the environment (LANGUAGE=de), as main installs it.
    Translations::install(QString());
    phase("application");
    KeychainHelper::setStore(std::make_shared<MemoryCredentialStore>());
    LauncherViewModel viewModel;
    phase("view model");
    QQmlEngine engine;
    QQuickWindow *window = LauncherWindow::create(engine, &viewModel);
    if (!window)
        return 1;
    phase("window created");
    reportFirstFrame(window);
    QObject::connect(window, &QQuickWindow::frameSwapped, window, [] { phase("frame"); });
    const int status = app.exec();
    delete window;
    return status;
}

qint64 residentKiB(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

struct Sample
{
    double firstFrameMs = 0;
    qint64 rssKiB = 0;
};

bool sample(const QString &mode, Sample &out, const QProcessEnvironment &environment)
{
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
    QByteArray seen;
    while (!seen.contains("FIRST_FRAME")) {
        if (!child.waitForReadyRead(20000)) {
            child.kill();
            child.waitForFinished();
            return false;
        }
        seen += child.readAllStandardOutput();
    }
    out.firstFrameMs = clock.nsecsElapsed() / 1e6;
    // Idle: let deferred start-up work settle before reading the memory.
    child.waitForFinished(2000);
    out.rssKiB = residentKiB(child.processId());
    child.terminate();
    if (!child.waitForFinished(5000)) {
        child.kill();
        child.waitForFinished();
    }
    return out.rssKiB > 0;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        if (qstrcmp(argv[2], "minimal") == 0)
            return runMinimal(argc, argv);
        if (qstrcmp(argv[2], "launcher") == 0)
            return runLauncher(argc, argv);
        return 2;
    }

    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 7;

    // The children get a home of their own and no reachable update server.
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral(".local")));
    environment.insert(QStringLiteral("VANTOR_UPDATE_URL"),
                       QStringLiteral("http://127.0.0.1:9/api/update.json"));

    QTextStream out(stdout);
    std::vector<double> times[2];
    std::vector<qint64> memory[2];
    const QString modes[2] = {QStringLiteral("minimal"), QStringLiteral("launcher")};
    // Interleaved, so both see the same machine load.
    for (int run = 0; run < runs; ++run) {
        for (int m = 0; m < 2; ++m) {
            Sample s;
            if (!sample(modes[m], s, environment)) {
                out << "sample of " << modes[m] << " failed\n";
                return 1;
            }
            times[m].push_back(s.firstFrameMs);
            memory[m].push_back(s.rssKiB);
        }
    }
    const double t0 = median(times[0]);
    const double t1 = median(times[1]);
    const qint64 m0 = median(memory[0]);
    const qint64 m1 = median(memory[1]);
    out << "runs: " << runs << " (medians)\n";
    out << QStringLiteral("minimal window : first frame %1 ms, idle RSS %2 MiB\n")
               .arg(t0, 0, 'f', 1)
               .arg(m0 / 1024.0, 0, 'f', 1);
    out << QStringLiteral("launcher window: first frame %1 ms, idle RSS %2 MiB\n")
               .arg(t1, 0, 'f', 1)
               .arg(m1 / 1024.0, 0, 'f', 1);
    out << QStringLiteral("ratio          : time %1x, memory %2x (targets <= 1.5x)\n")
               .arg(t1 / t0, 0, 'f', 2)
               .arg(double(m1) / double(m0), 0, 'f', 2);
    return 0;
}
