// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherRun.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "update/UpdateChecker.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <memory>

// The built launcher's command line: which arguments reach Qt and open the
// window, which name a command, and how each command reads its options.
class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void qtOptionsReachQt_data();
    void qtOptionsReachQt();
    void windowOpensWithQtOptions();
    void everyCommandHasItsHelp_data();
    void everyCommandHasItsHelp();
    void usageProblems_data();
    void usageProblems();
    void optionFormsTheParserReads();
    void settingsCommand_data();
    void settingsCommand();

private:
    // The launcher has no display: a window it opens comes from -platform.
    static LauncherRun::Outcome run(const QStringList &args) { return LauncherRun::run(args); }

    std::unique_ptr<TestHome> m_home;
};

namespace {

QString versionLine()
{
    return QStringLiteral("vantor-launcher %1 (build %2)\n")
        .arg(UpdateChecker::currentVersion())
        .arg(UpdateChecker::currentBuild());
}

} // namespace

void TestCommandLine::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
}

void TestCommandLine::cleanup()
{
    m_home.reset();
}

void TestCommandLine::qtOptionsReachQt_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");         // the whole of standard output, when given
    QTest::addColumn<QString>("errContains"); // part of standard error, when given
    // Qt takes its options out; what is left is read as a command line.
    QTest::newRow("platform, then --version")
        << QStringList{"-platform", "offscreen", "--version"} << 0 << versionLine() << "";
    QTest::newRow("double-dash platform and a style, then a command")
        << QStringList{"--platform", "offscreen", "-style", "Fusion", "validate", "/nonexistent"}
        << 1 << "INVALID TARGET \u2014 No ini.big / inidl.big detected in subdirectories\n"
        << "";
    QTest::newRow("platform, then an option of nobody's")
        << QStringList{"-platform", "offscreen", "--bogus"} << 2 << ""
        << "vantor-launcher: unknown option '--bogus'\n";
    // The platform's name reached Qt, which cannot load it (and aborts).
    QTest::newRow("platform Qt does not have")
        << QStringList{"-platform", "no-such-platform"} << -1 << ""
        << "\"no-such-platform\"";
}

void TestCommandLine::qtOptionsReachQt()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, errContains);
    const LauncherRun::Outcome outcome = run(args);
    QVERIFY2(outcome.exitCode == exitCode,
             qPrintable(QString::number(outcome.exitCode) + ": " + outcome.err));
    if (!out.isEmpty() || exitCode == 2)
        QCOMPARE(outcome.out, out);
    QVERIFY2(outcome.err.contains(errContains), qPrintable(outcome.err));
    QVERIFY2(!outcome.err.contains("unknown command"), qPrintable(outcome.err));
}

void TestCommandLine::windowOpensWithQtOptions()
{
    // No display in the environment: only -platform lets the window come up,
    // and the launcher says when its first frame is drawn.
    QProcessEnvironment env = LauncherRun::environment();
    env.insert("QT_LOGGING_RULES", "vantor.*.info=false;vantor.ui.info=true");
    env.insert("QT_QUICK_BACKEND", "software");
    QProcess window;
    window.setProcessEnvironment(env);
    window.start(LauncherRun::program(), {"-platform", "offscreen"});
    QVERIFY(window.waitForStarted(10000));
    QString err;
    // Generous: a sanitizer build takes many seconds to its first frame.
    const bool shown = QTest::qWaitFor(
        [&] {
            err += QString::fromUtf8(window.readAllStandardError());
            return err.contains("launcher window shown") || window.state() == QProcess::NotRunning;
        },
        60000);
    const bool running = window.state() == QProcess::Running;
    window.terminate();
    if (!window.waitForFinished(10000)) {
        window.kill();
        window.waitForFinished();
    }
    QVERIFY2(shown && running && err.contains("launcher window shown"),
             qPrintable(QStringLiteral("exit %1: %2").arg(window.exitCode()).arg(err)));
}

void TestCommandLine::everyCommandHasItsHelp_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("usage");     // the first line
    QTest::addColumn<QStringList>("lines"); // lines the help must hold
    const QStringList none;
    QTest::newRow("launcher") << QStringList{"--help"}
                              << "Usage: vantor-launcher [command] [options]"
                              << QStringList{"  check-update  ", "  download      ",
                                             "  launch        ", "  settings      ",
                                             "  status        ", "  validate      ",
                                             "  --version  "};
    QTest::newRow("launcher, short")
        << QStringList{"-h"} << "Usage: vantor-launcher [command] [options]" << none;
    QTest::newRow("launcher, as a word")
        << QStringList{"help"} << "Usage: vantor-launcher [command] [options]" << none;
    QTest::newRow("download") << QStringList{"download", "--help"}
                              << "Usage: vantor-launcher download [--username NAME] "
                                 "[--password-stdin]"
                              << QStringList{"  --username <NAME>  ", "  --password-stdin   "};
    QTest::newRow("launch") << QStringList{"launch", "-h"}
                            << "Usage: vantor-launcher launch [--source steam|local] [--path DIR]"
                            << QStringList{"  --source <steam|local>  ", "  --path <DIR>  "};
    QTest::newRow("validate") << QStringList{"validate", "--help"}
                              << "Usage: vantor-launcher validate DIR"
                              << QStringList{"Arguments:", "  DIR  "};
    QTest::newRow("status") << QStringList{"status", "--help"} << "Usage: vantor-launcher status"
                            << none;
    QTest::newRow("settings")
        << QStringList{"settings", "--help"}
        << "Usage: vantor-launcher settings [--install-dir DIR] [--move] [--wrapper TEXT] "
           "[--arguments TEXT] [--environment TEXT] [--download-limit KBPS|off] "
           "[--notifications on|off] [--taskbar-progress on|off] [--language CODE|system] [--reset]"
        << QStringList{"  --install-dir <DIR>  ", "  --download-limit <KBPS|off>  ", "  --reset  "};
    QTest::newRow("check-update") << QStringList{"check-update", "--help"}
                                  << "Usage: vantor-launcher check-update" << none;
}

void TestCommandLine::everyCommandHasItsHelp()
{
    QFETCH(QStringList, args);
    QFETCH(QString, usage);
    QFETCH(QStringList, lines);
    const LauncherRun::Outcome outcome = run(args);
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, QString());
    const QStringList printed = outcome.out.split('\n');
    QCOMPARE(printed.first(), usage);
    QVERIFY2(outcome.out.contains(QRegularExpression("\n  -h, --help +print this help\n")),
             qPrintable(outcome.out));
    for (const QString &line : lines) {
        QVERIFY2(outcome.out.contains('\n' + line) || outcome.out.startsWith(line),
                 qPrintable(line + " in:\n" + outcome.out));
    }
    // Nothing ran: a command given --help only explains itself.
    QVERIFY(!QFile::exists(m_home->filePath(".local/share/Vantor Online")));
}

void TestCommandLine::usageProblems_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("err"); // the first line of standard error
    QTest::newRow("unknown command")
        << QStringList{"frobnicate"} << "vantor-launcher: unknown command 'frobnicate'";
    QTest::newRow("launcher option of nobody's")
        << QStringList{"--version", "--verbose"} << "vantor-launcher: unknown option '--verbose'";
    QTest::newRow("a word after --version")
        << QStringList{"--version", "now"} << "vantor-launcher: unexpected argument 'now'";
    QTest::newRow("check-update, an option")
        << QStringList{"check-update", "--now"}
        << "vantor-launcher check-update: unknown option '--now'";
    QTest::newRow("status, an argument")
        << QStringList{"status", "all"} << "vantor-launcher status: unexpected argument 'all'";
    QTest::newRow("validate, no folder")
        << QStringList{"validate"} << "vantor-launcher validate: DIR is missing";
    QTest::newRow("validate, two folders")
        << QStringList{"validate", "a", "b"} << "vantor-launcher validate: unexpected argument 'b'";
    QTest::newRow("launch, source in capitals") << QStringList{"launch", "--source=Local"}
                                                << "vantor-launcher launch: unknown source 'Local'";
    QTest::newRow("launch, short option")
        << QStringList{"launch", "-p", "x"} << "vantor-launcher launch: unknown option '-p'";
    QTest::newRow("launch, path without value")
        << QStringList{"launch", "--source", "local", "--path"}
        << "vantor-launcher launch: --path needs a value";
    QTest::newRow("launch, empty path")
        << QStringList{"launch", "--path", ""} << "vantor-launcher launch: --path needs a folder";
    QTest::newRow("download, a value for a switch")
        << QStringList{"download", "--password-stdin=yes"}
        << "vantor-launcher download: Unexpected value after '--password-stdin'.";
}

void TestCommandLine::usageProblems()
{
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    const LauncherRun::Outcome outcome = run(args);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QString());
    const QStringList lines = outcome.err.split('\n');
    QCOMPARE(lines.first(), err);
    // The next line says what to type instead.
    QVERIFY2(lines.value(1).startsWith("Usage: vantor-launcher ") || lines.value(1).isEmpty(),
             qPrintable(outcome.err));
    QVERIFY(outcome.err.contains("Usage: vantor-launcher "));
}

void TestCommandLine::optionFormsTheParserReads()
{
    // A folder whose name starts with a dash, after "--", and options as --name=value.
    const QString folder = makeGameFolder(m_home->filePath("-odd folder"));
    QVERIFY(!folder.isEmpty());
    const LauncherRun::Outcome validate = LauncherRun::run(
        {"validate", "--", "-odd folder"}, LauncherRun::environment(), m_home->path());
    QCOMPARE(validate.exitCode, 0);
    QCOMPARE(validate.out, QStringLiteral("VALID\n"));

    // --source=local --path=...: the local folder is checked (and is not there).
    const LauncherRun::Outcome launch =
        run({"launch", "--source=local", "--path=" + m_home->filePath("Not there")});
    QCOMPARE(launch.exitCode, 1);
    QCOMPARE(launch.err,
             QStringLiteral("SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS\n"));
}

void TestCommandLine::settingsCommand_data()
{
    // "<home>" stands for the test's home folder in every column.
    QTest::addColumn<QStringList>("before"); // a settings command run first, when given
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");      // what standard output holds
    QTest::addColumn<QString>("err");      // the first line of standard error ("" for none)
    QTest::addColumn<QString>("assetsIn"); // with game data laid out: where it ends
    const QStringList none;
    const QString defaults = "install folder    steamInstallDir      <home>/Documents/Vantor "
                             "Online (default)\n"
                             "wrapper           launchWrapper        (none)\n"
                             "arguments         launchArguments      (none)\n"
                             "environment       launchEnvironment    (none)\n"
                             "download limit    downloadLimitKBps    off\n"
                             "notifications     notifyWhenDone       on\n"
                             "taskbar progress  showTaskbarProgress  on\n"
                             "language          language             system\n";
    const QString documents = "Documents/Vantor Online";
    QTest::newRow("every setting, defaults")
        << none << QStringList{"settings"} << 0 << defaults << ""
        << "";
    QTest::newRow("changed, then shown")
        << none << QStringList{"settings",    "--wrapper",           "gamemoderun",
                               "--arguments", "-win -nosound",       "--download-limit",
                               "2500",        "--notifications=off", "--taskbar-progress",
                               "off",         "--language",          "pt_BR"}
        << 0
        << "wrapper           launchWrapper        gamemoderun\n"
           "arguments         launchArguments      -win -nosound\n"
           "environment       launchEnvironment    (none)\n"
           "download limit    downloadLimitKBps    2500 KB/s\n"
           "notifications     notifyWhenDone       off\n"
           "taskbar progress  showTaskbarProgress  off\n"
           "language          language             pt_BR\n"
        << ""
        << "";
    QTest::newRow("reset, data left where it is")
        << QStringList{"settings",     "--wrapper",  "x", "--download-limit", "9", "--install-dir",
                       "<home>/Games", "--language", "ru"}
        << QStringList{"settings", "--reset"} << 0 << defaults << "" << documents;
    QTest::newRow("new folder, data not moved")
        << none << QStringList{"settings", "--install-dir", "<home>/Games"} << 0
        << "install folder    steamInstallDir      <home>/Games\n"
        << "The game data in \"<home>/Documents/Vantor Online\" was not moved (--move moves it)."
        << documents;
    QTest::newRow("new folder, data moved")
        << none << QStringList{"settings", "--install-dir", "<home>/Games/Vantor", "--move"} << 0
        << "install folder    steamInstallDir      <home>/Games/Vantor\n"
        << "Moved the game data to \"<home>/Games/Vantor\"."
        << "Games/Vantor";
    QTest::newRow("move refused")
        << none
        << QStringList{"settings", "--install-dir", "<home>/Documents/Vantor Online/x", "--move"}
        << 1 << ""
        << "vantor-launcher settings: The new install folder cannot be inside the current one "
           "(\"<home>/Documents/Vantor Online\")."
        << documents;
    const auto usage = [&](const char *name, const QStringList &args, const QString &err) {
        QTest::newRow(name) << none << (QStringList{"settings"} + args) << 2 << ""
                            << "vantor-launcher settings: " + err << documents;
    };
    usage("limit not a number", {"--download-limit", "fast"},
          "--download-limit takes KB/s from 1 to 10000000, or off; not 'fast'");
    usage("limit below one", {"--download-limit=-5"},
          "--download-limit takes KB/s from 1 to 10000000, or off; not '-5'");
    usage("limit too high", {"--download-limit", "10000001"},
          "--download-limit takes KB/s from 1 to 10000000, or off; not '10000001'");
    usage("a language not spoken", {"--language", "xx"},
          "--language takes en, de, fr, es, pt_BR, ru, pl, zh_CN or system, not 'xx'");
    usage("on or off only", {"--notifications", "yes"},
          "--notifications takes on or off, not 'yes'");
    usage("line break in a text", {"--environment", "A=1\nB=2"},
          "--environment cannot hold control characters (line breaks, tabs)");
    usage("move without a folder", {"--move"}, "--move goes with --install-dir DIR");
    usage("empty folder", {"--install-dir", ""}, "--install-dir needs a folder");
    usage("reset with a change", {"--reset", "--wrapper", "x"}, "--reset goes alone");
}

void TestCommandLine::settingsCommand()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(QString, assetsIn);
    const auto home = [this](QString text) {
        return text.replace("<home>", m_home->path());
    };
    if (!assetsIn.isEmpty())
        QVERIFY(writeFile(m_home->filePath("Documents/Vantor Online/Assets/inidl.big"), "x"));
    if (!before.isEmpty())
        QCOMPARE(run(before.replaceInStrings("<home>", m_home->path())).exitCode, 0);
    const LauncherRun::Outcome outcome = run(args.replaceInStrings("<home>", m_home->path()));
    QVERIFY2(outcome.exitCode == exitCode, qPrintable(outcome.err));
    QVERIFY2(outcome.out.contains(home(out)), qPrintable(outcome.out));
    if (exitCode != 0)
        QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.err.section('\n', 0, 0), home(err));
    if (!assetsIn.isEmpty())
        QVERIFY(QFile::exists(m_home->filePath(assetsIn + "/Assets/inidl.big")));
    if (assetsIn != "Games/Vantor")
        QVERIFY(!QFile::exists(m_home->filePath("Games/Vantor")));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
