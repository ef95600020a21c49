// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFiles.h"
#include "game/LaunchCommand.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kEngine = QStringLiteral("/opt/Vantor Online/VantorOnlineDL");
const QString kData = QStringLiteral("/games/Vantor Online");

} // namespace

class TestLaunchCommand : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void build_data();
    void build();

private:
    // "@bin" and "@extra" stand for the two folders of fake wrappers.
    QString expand(QString text) const
    {
        return text.replace("@bin", m_dir.filePath("bin"))
            .replace("@extra", m_dir.filePath("extra"));
    }

    QTemporaryDir m_dir;
};

void TestLaunchCommand::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const char *name : {"bin/gamemoderun", "bin/mangohud", "bin/prime-run", "extra/own-hud"})
        QVERIFY(writeScript(m_dir.filePath(name), "#!/bin/sh\nexec \"$@\"\n"));
    QVERIFY(writeFile(m_dir.filePath("bin/readme"), "not a program"));
}

void TestLaunchCommand::build_data()
{
    QTest::addColumn<QString>("wrapper");
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QStringList>("command");   // program, then its arguments
    QTest::addColumn<QStringList>("variables"); // what the environment gains
    QTest::addColumn<QString>("error");

    const QString engine = kEngine;
    const QString none;
    QTest::newRow("all empty: the engine as it always was")
        << none << none << none << QStringList{engine} << QStringList{} << none;
    QTest::newRow("several wrappers, then the engine and its arguments")
        << "gamemoderun mangohud"
        << "-win -mod 'My Mod'" << none
        << QStringList{"@bin/gamemoderun", "mangohud", engine, "-win", "-mod", "My Mod"}
        << QStringList{} << none;
    QTest::newRow("%command% marks the engine's place")
        << "mangohud %command% -late"
        << "-win" << none << QStringList{"@bin/mangohud", engine, "-win", "-late"} << QStringList{}
        << none;
    QTest::newRow("%command% first: no wrapper")
        << "%command% -late"
        << "-win" << none << QStringList{engine, "-win", "-late"} << QStringList{} << none;
    QTest::newRow("wrapper by path")
        << "@bin/prime-run" << none << none << QStringList{"@bin/prime-run", engine}
        << QStringList{} << none;
    QTest::newRow("variables over the launcher's, install path kept")
        << none << none
        << R"(DXVK_HUD=fps MANGOHUD_CONFIG="fps,frametime" E= X=a=b VANTOR_INSTALL_PATH=/mine)"
        << QStringList{engine}
        << QStringList{"DXVK_HUD=fps", "MANGOHUD_CONFIG=fps,frametime", "E=", "X=a=b"} << none;
    QTest::newRow("leading assignments are variables, as a store's options write them")
        << "DXVK_HUD=1 mangohud %command% X=y" << none << "DXVK_HUD=2"
        << QStringList{"@bin/mangohud", engine, "X=y"} << QStringList{"DXVK_HUD=2"} << none;
    QTest::newRow("wrapper looked up on the engine's PATH")
        << "own-hud" << none << "PATH=@extra" << QStringList{"@extra/own-hud", engine}
        << QStringList{"PATH=@extra"} << none;

    QTest::newRow("missing wrapper")
        << "gamescope" << none << none << QStringList{} << QStringList{}
        << R"(the wrapper "gamescope" was not found on PATH)";
    QTest::newRow("missing wrapper path")
        << "@bin/none %command%" << none << none << QStringList{} << QStringList{}
        << R"(the wrapper "@bin/none" was not found)";
    QTest::newRow("wrapper path not executable")
        << "@bin/readme" << none << none << QStringList{} << QStringList{}
        << R"(the wrapper "@bin/readme" is not an executable file)";
    QTest::newRow("%command% twice")
        << "mangohud %command% %command%" << none << none << QStringList{} << QStringList{}
        << "the wrapper command holds %command% more than once";
    QTest::newRow("variable without a value")
        << none << none << "DXVK_HUD=fps FOO" << QStringList{} << QStringList{}
        << R"(the environment variable "FOO" is not of the form NAME=value)";
    QTest::newRow("invalid variable name")
        << none << none << "1X=y" << QStringList{} << QStringList{}
        << R"(the environment variable "1X=y" has an invalid name: a name is made of letters, )"
           "digits and _ and does not start with a digit";
    QTest::newRow("unsplittable option")
        << none << "-win 'abc" << none << QStringList{} << QStringList{}
        << "in the extra arguments, the single quote at character 6 is never closed";
}

void TestLaunchCommand::build()
{
    QFETCH(QString, wrapper);
    QFETCH(QString, arguments);
    QFETCH(QString, environment);
    QFETCH(QStringList, command);
    QFETCH(QStringList, variables);
    QFETCH(QString, error);
    QProcessEnvironment base;
    base.insert("PATH", expand("@bin:/nonexistent/bin"));
    base.insert("DXVK_HUD", "off");
    base.insert("VANTOR_INSTALL_PATH", "/from/the/desktop");
    if (environment.contains("VANTOR_INSTALL_PATH="))
        QTest::ignoreMessage(QtWarningMsg, "the launch environment's VANTOR_INSTALL_PATH is "
                                           "ignored: the launcher sets it to the data folder");

    const LaunchCommand result = LaunchCommand::build(
        kEngine, kData, {expand(wrapper), arguments, expand(environment)}, base);
    QCOMPARE(result.error(), expand(error));
    QCOMPARE(result.ok(), error.isEmpty());
    if (!result.ok())
        return;
    for (QString &word : command)
        word = expand(word);
    QCOMPARE(QStringList{result.program()} + result.arguments(), command);
    QProcessEnvironment expected = base;
    for (const QString &variable : std::as_const(variables))
        expected.insert(variable.section('=', 0, 0), expand(variable.section('=', 1)));
    expected.insert("VANTOR_INSTALL_PATH", kData);
    QStringList got = result.environment().toStringList();
    QStringList want = expected.toStringList();
    got.sort();
    want.sort();
    QCOMPARE(got, want);
}

QTEST_GUILESS_MAIN(TestLaunchCommand)
#include "tst_launchcommand.moc"
