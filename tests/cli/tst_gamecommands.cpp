// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeEngine.h"
#include "LauncherRun.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "l10n/Translations.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"
#include "update/UpdateChecker.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

const QString kInvalid =
    QStringLiteral("INVALID TARGET — No ini.big / inidl.big detected in subdirectories\n");
const QString kSteamHint = QStringLiteral("DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH\n");
const QString kLocalHint =
    QStringLiteral("SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS\n");

} // namespace

class TestGameCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void validate_data();
    void validate();
    void validateSaysValidInEveryLanguage_data();
    void validateSaysValidInEveryLanguage();
    void launchRefusesWithHint_data();
    void launchRefusesWithHint();
    void launchesEngineBesideTheExecutable();
    void launchReportsEngineErrors_data();
    void launchReportsEngineErrors();
    void launchAppliesTheLaunchOptions_data();
    void launchAppliesTheLaunchOptions();
    void status_data();
    void status();

private:
    // The launcher in the temporary home, with no engine or install folder
    // handed down from this process.
    static QProcessEnvironment environment();
    QString makeLocalFolder(const QString &relative)
    {
        return makeGameFolder(m_home->filePath(relative));
    }

    std::unique_ptr<TestHome> m_home;
};

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

QProcessEnvironment TestGameCommands::environment()
{
    QProcessEnvironment env = LauncherRun::environment();
    env.remove("VANTOR_ENGINE_PATH");
    env.remove("VANTOR_INSTALL_PATH");
    return env;
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
    const LauncherRun::Outcome outcome = LauncherRun::run(args, environment());
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out, out);
}

void TestGameCommands::validateSaysValidInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const Translations::Language &language : Translations::languages())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

void TestGameCommands::validateSaysValidInEveryLanguage()
{
    QFETCH(QString, language);
    // VALID is for scripts: the same word whatever the player's language,
    // given by --lang or by the environment.
    const QString game = makeLocalFolder("Game");
    QCOMPARE(LauncherRun::run({"--lang", language, "validate", game}, environment()).out,
             QStringLiteral("VALID\n"));
    QProcessEnvironment env = environment();
    env.insert("LANGUAGE", language);
    const LauncherRun::Outcome outcome = LauncherRun::run({"validate", game}, env);
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QStringLiteral("VALID\n"));
    // What is not valid is said in the language.
    const LauncherRun::Outcome invalid =
        LauncherRun::run({"--lang=" + language, "validate", m_home->filePath("None")}, env);
    QCOMPARE(invalid.exitCode, 1);
    if (language == QLatin1String("de"))
        QCOMPARE(invalid.out, QStringLiteral("UNGÜLTIGES ZIEL — Keine ini.big / inidl.big in den "
                                             "Unterordnern gefunden\n"));
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

    const LauncherRun::Outcome outcome = LauncherRun::run(QStringList{"launch"} + args, env);
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out, QString());
    if (!err.isEmpty())
        QCOMPARE(outcome.err, err);
    else
        QVERIFY(outcome.err.contains("Usage: vantor-launcher launch"));
    QVERIFY(engine.staysUnstarted());
}

void TestGameCommands::launchesEngineBesideTheExecutable()
{
    // A copy of the launcher with a fake engine beside it, as installed.
    const QString appDir = m_home->filePath("App Dir");
    QVERIFY(QDir().mkpath(appDir));
    const QString launcher = appDir + "/vantor-launcher";
    QVERIFY(QFile::copy(LauncherRun::program(), launcher));
    QVERIFY(
        QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    FakeEngine engine(appDir + "/VantorOnlineDL");
    QVERIFY(engine.isValid());

    const QString folder = makeLocalFolder("Games/Vantor");
    const QString startDir = m_home->filePath("Games/Start");
    QVERIFY(QDir().mkpath(startDir));
    QProcessEnvironment env = environment();
    env.insert("VANTOR_INSTALL_PATH", "/stale/value");

    const LauncherRun::Outcome outcome = LauncherRun::run(
        {"launch", "--source", "local", "--path", "../Vantor"}, env, startDir, launcher);
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
    const LauncherRun::Outcome outcome = LauncherRun::run({"launch", "--source", "local"}, env);
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.err, prefix + (exists ? QStringLiteral("Permission denied") : engine) + "\n");
}

void TestGameCommands::launchAppliesTheLaunchOptions_data()
{
    QTest::addColumn<QString>("wrapper");
    QTest::addColumn<QString>("err"); // empty: the engine starts
    QTest::newRow("wrapper, arguments and environment") << "'@wrap' %command% -late" << QString();
    QTest::newRow("missing wrapper")
        << "no-such-wrapper"
        << "Failed to launch game: the wrapper \"no-such-wrapper\" was not found on PATH\n";
}

void TestGameCommands::launchAppliesTheLaunchOptions()
{
    QFETCH(QString, wrapper);
    QFETCH(QString, err);
    FakeEngine engine(m_home->filePath("Engine/VantorOnlineDL"));
    QVERIFY(engine.isValid());
    // A wrapper that shows it ran, and with which environment, before the engine.
    const QString wrap = m_home->filePath("bin/wrap");
    QVERIFY(writeScript(wrap, "#!/bin/sh\nengine=$1; shift\n"
                              "exec \"$engine\" \"wrapped:$GAME_MODE\" \"$@\"\n"));
    QVERIFY(LauncherSettings::store(LauncherSettings::launchWrapperKey(),
                                    wrapper.replace("@wrap", wrap)));
    QVERIFY(LauncherSettings::store(LauncherSettings::launchArgumentsKey(),
                                    "-win 'two words' ';' $HOME"));
    QVERIFY(LauncherSettings::store(LauncherSettings::launchEnvironmentKey(),
                                    "GAME_MODE=on VANTOR_INSTALL_PATH=/mine"));
    QProcessEnvironment env = environment();
    env.insert("VANTOR_ENGINE_PATH", engine.path());
    const QString folder = makeLocalFolder("Game");

    const LauncherRun::Outcome outcome =
        LauncherRun::run({"launch", "--source", "local", "--path", folder}, env);
    QCOMPARE(outcome.err, err);
    QCOMPARE(outcome.exitCode, err.isEmpty() ? 0 : 1);
    if (!err.isEmpty()) {
        QVERIFY(engine.staysUnstarted());
        return;
    }
    QVERIFY(engine.waitForRecord());
    QCOMPARE(engine.arguments(),
             (QStringList{"wrapped:on", "-win", "two words", ";", "$HOME", "-late"}));
    QCOMPARE(engine.record().value("install"), folder);
    QCOMPARE(engine.record().value("copies"), QStringLiteral("1"));
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

    const LauncherRun::Outcome outcome = LauncherRun::run({"status"}, environment());
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
