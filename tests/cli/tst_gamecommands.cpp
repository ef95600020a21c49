// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeEngine.h"
#include "LoopbackHttpServer.h"
#include "SteamCMDManager.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "UpdateChecker.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QString kInvalid =
    QStringLiteral("INVALID TARGET — No ini.big / inidl.big detected in subdirectories\n");
const QString kSteamHint = QStringLiteral("DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH\n");
const QString kLocalHint =
    QStringLiteral("SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS\n");

struct Outcome
{
    int exitCode = -1;
    QString out;
    QString err;
    qint64 elapsedMs = 0;
};

} // namespace

class TestGameCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void validate_data();
    void validate();
    void launchRefusesWithHint_data();
    void launchRefusesWithHint();
    void launchesEngineBesideTheExecutable();
    void launchReportsEngineErrors_data();
    void launchReportsEngineErrors();
    void status_data();
    void status();

private:
    QProcessEnvironment environment() const;
    Outcome run(const QStringList &args, const QProcessEnvironment &env,
                const QString &program = QStringLiteral(VANTOR_LAUNCHER_PATH),
                const QString &workingDir = QString());
    QString makeLocalFolder(const QString &relative)
    {
        return makeGameFolder(m_home->filePath(relative));
    }

    std::unique_ptr<TestHome> m_home;
};

void TestGameCommands::initTestCase()
{
    QVERIFY(QFile::exists(QStringLiteral(VANTOR_LAUNCHER_PATH)));
}

void TestGameCommands::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_home->useForSettings();
}

void TestGameCommands::cleanup()
{
    m_home.reset();
}

// The launcher sees the temporary home, no network and no session bus (so
// no real secret store either).
QProcessEnvironment TestGameCommands::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("VANTOR_ENGINE_PATH");
    env.remove("VANTOR_INSTALL_PATH");
    env.insert("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    env.insert("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json"));
    env.insert("VANTOR_STEAMCMD_URL", LoopbackHttpServer::closedPortUrl("/steamcmd.tar.gz"));
    env.insert("QT_LOGGING_RULES", "vantor.*.info=false");
    return env;
}

Outcome TestGameCommands::run(const QStringList &args, const QProcessEnvironment &env,
                              const QString &program, const QString &workingDir)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    process.setProcessEnvironment(env);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    QElapsedTimer clock;
    clock.start();
    process.start();
    Outcome outcome;
    if (!process.waitForFinished(15000)) {
        process.kill();
        process.waitForFinished();
        return outcome;
    }
    outcome.elapsedMs = clock.elapsed();
    outcome.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    outcome.out = QString::fromUtf8(process.readAllStandardOutput());
    outcome.err = QString::fromUtf8(process.readAllStandardError());
    return outcome;
}

void TestGameCommands::validate_data()
{
    QTest::addColumn<QString>("layout"); // "valid", "invalid", "missing", or "" for no argument
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::newRow("valid folder") << "valid" << 0 << "VALID\n";
    QTest::newRow("markers at the top") << "invalid" << 1 << kInvalid;
    QTest::newRow("missing folder") << "missing" << 1 << kInvalid;
    QTest::newRow("no folder given") << "" << 2 << "";
}

void TestGameCommands::validate()
{
    QFETCH(QString, layout);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QStringList args{QStringLiteral("validate")};
    if (layout == QLatin1String("valid")) {
        args << makeLocalFolder("Game");
    } else if (layout == QLatin1String("invalid")) {
        QVERIFY(writeFile(m_home->filePath("Game/ini.big"), "x"));
        QVERIFY(writeFile(m_home->filePath("Game/inidl.big"), "x"));
        args << m_home->filePath("Game");
    } else if (layout == QLatin1String("missing")) {
        args << m_home->filePath("Nothing here");
    }
    const Outcome outcome = run(args, environment());
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out, out);
}

void TestGameCommands::launchRefusesWithHint_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err"); // the whole of standard error, when given
    QTest::newRow("steam by default, no assets") << QStringList{} << 1 << kSteamHint;
    QTest::newRow("local, nothing stored") << QStringList{"--source", "local"} << 1 << kLocalHint;
    QTest::newRow("local, invalid folder")
        << QStringList{"--source", "local", "--path", "@invalid"} << 1 << kLocalHint;
    QTest::newRow("steam ignores a valid folder")
        << QStringList{"--path", "@valid", "--source", "steam"} << 1 << kSteamHint;
    QTest::newRow("unknown source") << QStringList{"--source", "Local"} << 2 << "";
    QTest::newRow("path without value") << QStringList{"--path"} << 2 << "";
    QTest::newRow("stray argument") << QStringList{"now"} << 2 << "";
}

void TestGameCommands::launchRefusesWithHint()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, err);
    FakeEngine engine(m_home->filePath("Engine/VantorOnlineDL"));
    QVERIFY(engine.isValid());
    QProcessEnvironment env = environment();
    env.insert("VANTOR_ENGINE_PATH", engine.path());
    QVERIFY(writeFile(m_home->filePath("Invalid/ini.big"), "x"));
    const QString valid = makeLocalFolder("Valid");
    args.replaceInStrings("@invalid", m_home->filePath("Invalid"));
    args.replaceInStrings("@valid", valid);

    const Outcome outcome = run(QStringList{"launch"} + args, env);
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out, QString());
    if (!err.isEmpty())
        QCOMPARE(outcome.err, err);
    else
        QVERIFY(outcome.err.contains("Usage: vantor-launcher launch"));
    QVERIFY(!QFile::exists(engine.recordPath()));
}

void TestGameCommands::launchesEngineBesideTheExecutable()
{
    // A copy of the launcher with a fake engine beside it, as installed.
    const QString appDir = m_home->filePath("App Dir");
    QVERIFY(QDir().mkpath(appDir));
    const QString launcher = appDir + "/vantor-launcher";
    QVERIFY(QFile::copy(QStringLiteral(VANTOR_LAUNCHER_PATH), launcher));
    QVERIFY(
        QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    FakeEngine engine(appDir + "/VantorOnlineDL");
    QVERIFY(engine.isValid());

    const QString folder = makeLocalFolder("Games/Vantor");
    const QString startDir = m_home->filePath("Games/Start");
    QVERIFY(QDir().mkpath(startDir));
    QProcessEnvironment env = environment();
    env.insert("VANTOR_INSTALL_PATH", "/stale/value");

    const Outcome outcome =
        run({"launch", "--source", "local", "--path", "../Vantor"}, env, launcher, startDir);
    QCOMPARE(outcome.err, QString());
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY2(outcome.elapsedMs >= 450, QByteArray::number(outcome.elapsedMs));

    QVERIFY(engine.waitForRecord());
    const QMap<QString, QString> record = engine.record();
    QCOMPARE(record.value("argc"), QStringLiteral("0"));
    QCOMPARE(record.value("cwd"), QDir(appDir).canonicalPath());
    QCOMPARE(record.value("install"), folder);
    QCOMPARE(record.value("copies"), QStringLiteral("1"));
    QVERIFY(engine.isRunning()); // outlived the launcher

    // --path is for that run only.
    QSettings settings;
    QVERIFY(!settings.contains("VANTOR_INSTALL_PATH"));
}

void TestGameCommands::launchReportsEngineErrors_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("missing engine") << false << "Engine binary not found at ";
    QTest::newRow("engine not executable") << true << "Failed to launch game: ";
}

void TestGameCommands::launchReportsEngineErrors()
{
    QFETCH(bool, exists);
    QFETCH(QString, prefix);
    const QString engine = m_home->filePath("Engine/VantorOnlineDL");
    if (exists)
        QVERIFY(writeFile(engine, "#!/bin/sh\n")); // not executable
    QProcessEnvironment env = environment();
    env.insert("VANTOR_ENGINE_PATH", engine);
    {
        // A stored folder is used when no --path is given.
        QSettings settings;
        settings.setValue("VANTOR_INSTALL_PATH", makeLocalFolder("Game"));
    }
    const Outcome outcome = run({"launch", "--source", "local"}, env);
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.err, prefix + (exists ? QStringLiteral("Permission denied") : engine) + "\n");
}

void TestGameCommands::status_data()
{
    QTest::addColumn<QString>("setup"); // "fresh", "ready", "invalid folder"
    QTest::newRow("fresh home") << "fresh";
    QTest::newRow("everything in place") << "ready";
    QTest::newRow("stored folder invalid") << "invalid folder";
}

void TestGameCommands::status()
{
    QFETCH(QString, setup);
    SteamCMDManager layout;
    QString local = QStringLiteral("- (unset)");
    if (setup == QLatin1String("ready")) {
        QVERIFY(writeScript(layout.steamCMDBinary(), "#!/bin/sh\n"));
        QVERIFY(makeSteamAssets());
        const QString folder = makeLocalFolder("Local Game");
        QSettings().setValue("VANTOR_INSTALL_PATH", folder);
        local = folder + " (valid)";
    } else if (setup == QLatin1String("invalid folder")) {
        const QString folder = m_home->filePath("Gone");
        QSettings().setValue("VANTOR_INSTALL_PATH", folder);
        local = folder + " (invalid)";
    }
    QSettings().sync();
    const bool ready = setup == QLatin1String("ready");

    const Outcome outcome = run({"status"}, environment());
    QCOMPARE(outcome.exitCode, 0);
    const QStringList expected{
        "steamcmd: " + m_home->filePath(".local/share/Vantor Online/steamcmd/steamcmd.sh") +
            (ready ? " (installed)" : " (missing)"),
        "assets: " + m_home->filePath("Documents/Vantor Online") +
            (ready ? " (valid)" : " (invalid)"),
        "local: " + local,
        "steam user: -",
        QStringLiteral("version: %1 (build %2)")
            .arg(UpdateChecker::currentVersion())
            .arg(UpdateChecker::currentBuild()),
        "logs: " + m_home->filePath(".local/state/Vantor Online/logs"),
    };
    QCOMPARE(outcome.out, expected.join('\n') + '\n');
    // Asking changes nothing on disk.
    QCOMPARE(QFile::exists(layout.supportDir()), ready);
}

QTEST_GUILESS_MAIN(TestGameCommands)
#include "tst_gamecommands.moc"
