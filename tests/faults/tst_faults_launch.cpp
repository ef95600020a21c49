// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeEngine.h"
#include "LauncherRun.h"
#include "TestFiles.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <memory>

namespace {
const QString kLocalHint =
    QStringLiteral("SELECT THE PARENT DIRECTORY CONTAINING BOTH GAME VERSIONS\n");
const QString kSteamHint = QStringLiteral("DOWNLOAD GAME ASSETS VIA STEAM TO ENABLE LAUNCH\n");
} // namespace

// The launch command with engines that cannot run and data folders that are
// not there (a missing engine file and one without execute permission are
// covered with the game commands).
class TestFaultsLaunch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void engineFaults_data();
    void engineFaults();
    void dataFolderFaults_data();
    void dataFolderFaults();

private:
    LauncherRun::Outcome launch(const QStringList &args, const QString &engine);

    std::unique_ptr<TestHome> m_home;
};

void TestFaultsLaunch::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_home->useForSettings();
}

void TestFaultsLaunch::cleanup()
{
    m_home.reset();
}

LauncherRun::Outcome TestFaultsLaunch::launch(const QStringList &args, const QString &engine)
{
    QProcessEnvironment env = LauncherRun::environment();
    env.insert("VANTOR_ENGINE_PATH", engine);
    env.remove("VANTOR_INSTALL_PATH");
    env.insert("QT_LOGGING_RULES", "vantor.*=false");
    return LauncherRun::run(QStringList{"launch"} + args, env);
}

void TestFaultsLaunch::engineFaults_data()
{
    QTest::addColumn<QString>("engine"); // what stands at the engine's place
    QTest::addColumn<QString>("err");
    const QString notFound = QStringLiteral("Engine binary not found at @engine\n");
    QTest::newRow("a folder") << "folder"
                              << "Failed to launch game: Permission denied\n";
    QTest::newRow("a dangling link") << "dangling" << notFound;
    QTest::newRow("a link to a folder") << "folder link"
                                        << "Failed to launch game: Permission denied\n";
    // Executable, but no program the system can start.
    QTest::newRow("not a program") << "garbage"
                                   << "Failed to launch game: Exec format error\n";
    QTest::newRow("script with a missing interpreter")
        << "bad interpreter"
        << "Failed to launch game: No such file or directory\n";
}

void TestFaultsLaunch::engineFaults()
{
    QFETCH(QString, engine);
    QFETCH(QString, err);
    const QString path = m_home->filePath("Engine/VantorOnlineDL");
    QVERIFY(QDir().mkpath(m_home->filePath("Engine")));
    if (engine == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (engine == "dangling") {
        QVERIFY(QFile::link(m_home->filePath("gone"), path));
    } else if (engine == "folder link") {
        QVERIFY(QDir().mkpath(m_home->filePath("Elsewhere")));
        QVERIFY(QFile::link(m_home->filePath("Elsewhere"), path));
    } else if (engine == "garbage") {
        QVERIFY(writeScript(path, QByteArray(64, '\x7f') + "not an executable"));
    } else if (engine == "bad interpreter") {
        QVERIFY(writeScript(path, "#!/nonexistent/interpreter\n"));
    }
    const QString folder = makeGameFolder(m_home->filePath("Game"));
    const LauncherRun::Outcome outcome = launch({"--source", "local", "--path", folder}, path);
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.err, QString(err).replace("@engine", path));
}

void TestFaultsLaunch::dataFolderFaults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("err");
    QTest::newRow("local folder missing")
        << QStringList{"--source", "local", "--path", "@home/Gone"} << kLocalHint;
    QTest::newRow("local folder is a file")
        << QStringList{"--source", "local", "--path", "@home/file.big"} << kLocalHint;
    QTest::newRow("local folder unreadable link")
        << QStringList{"--source", "local", "--path", "@home/loop"} << kLocalHint;
    // Both markers straight in the install folder's Assets, but Assets is a file.
    QTest::newRow("steam assets folder is a file")
        << QStringList{"--source", "steam"} << kSteamHint;
}

void TestFaultsLaunch::dataFolderFaults()
{
    QFETCH(QStringList, args);
    QFETCH(QString, err);
    FakeEngine engine(m_home->filePath("Engine/VantorOnlineDL"));
    QVERIFY(engine.isValid());
    QVERIFY(writeFile(m_home->filePath("file.big"), "x"));
    QVERIFY(QFile::link(m_home->filePath("loop"), m_home->filePath("loop")));
    QVERIFY(writeFile(m_home->filePath("Documents/Vantor Online/Assets"), "inidl.big ini.big"));
    args.replaceInStrings("@home", m_home->path());

    const LauncherRun::Outcome outcome = launch(args, engine.path());
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QString());
    QCOMPARE(outcome.err, err);
    QVERIFY(engine.staysUnstarted());
}

QTEST_GUILESS_MAIN(TestFaultsLaunch)
#include "tst_faults_launch.moc"
