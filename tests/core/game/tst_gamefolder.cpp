// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "StandInFolderPicker.h"
#include "TestFiles.h"
#include "TestHome.h"
#include "credentials/KeychainHelper.h"
#include "game/GameFolders.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Creates each entry under root: a name ending in '/' is a folder, any
// other name an empty file (with its folders).
bool makeLayout(const QString &root, const QStringList &entries)
{
    if (!QDir().mkpath(root))
        return false;
    for (const QString &entry : entries) {
        const QString path = root + QLatin1Char('/') + entry;
        const bool ok =
            entry.endsWith(QLatin1Char('/')) ? QDir().mkpath(path) : writeFile(path, QByteArray());
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

class TestGameFolder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void layouts_data();
    void layouts();
    void symlinkedSubfolderCounts();
    void missingOrFileIsInvalid();

    void chosenFolderAppliedNextTurnAndStored();
    void cancelKeepsPathAndStoredValue();
    void invalidChoiceSurvivesRestart();
    void sameFolderChosenAgainIsCheckedAgain();
    void relativeAnswerBecomesAbsolute();
    void withoutPickerNothingChanges();

private:
    std::unique_ptr<LauncherViewModel>
    chooseWith(std::optional<QString> answer,
               std::shared_ptr<StandInFolderPicker> *picker = nullptr);

    std::unique_ptr<TestHome> m_home;
};

void TestGameFolder::initTestCase()
{
    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json").toUtf8());
}

void TestGameFolder::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    m_home->useForSettings();
    KeychainHelper::setStore(std::make_shared<MemoryCredentialStore>());
}

void TestGameFolder::cleanup()
{
    KeychainHelper::setStore(nullptr);
    m_home.reset();
}

void TestGameFolder::layouts_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("valid");

    QTest::newRow("markers in two subfolders, upper case")
        << QStringList{"Base/INI.big", "Expansion/IniDl.bIG"} << true;
    QTest::newRow("both markers in one subfolder")
        << QStringList{"Game/ini.big", "Game/inidl.big", "Game/other.big"} << true;
    QTest::newRow("markers that are folders") << QStringList{"A/ini.big/", "B/inidl.big/"} << true;
    QTest::newRow("hidden marker beside visible ones")
        << QStringList{"A/.cache", "A/ini.big", "B/inidl.big"} << true;
    QTest::newRow("pair completed after unrelated folders")
        << QStringList{"Docs/readme.txt", "Empty/", "Base/ini.big", "Mods/x.big",
                       "Expansion/inidl.big"}
        << true;

    QTest::newRow("empty folder") << QStringList{} << false;
    QTest::newRow("top-level file named ini.big")
        << QStringList{"ini.big", "Expansion/inidl.big"} << false;
    QTest::newRow("markers two levels down")
        << QStringList{"A/Data/ini.big", "A/Data/inidl.big"} << false;
    QTest::newRow("one level down, the other two")
        << QStringList{"A/ini.big", "B/Data/inidl.big"} << false;
    QTest::newRow("hidden subfolder holds the second marker")
        << QStringList{"Base/ini.big", ".Expansion/inidl.big"} << false;
    QTest::newRow("dot-prefixed marker names")
        << QStringList{"A/.ini.big", "A/.inidl.big"} << false;
    QTest::newRow("only the base game") << QStringList{"A/ini.big", "B/ini.big"} << false;
    QTest::newRow("only the expansion") << QStringList{"A/inidl.big"} << false;
    QTest::newRow("base-game near misses")
        << QStringList{"A/ini.big.bak", "B/ ini.big", "B/ini.bigx", "C/ini", "D/inidl.big"}
        << false;
    QTest::newRow("expansion near misses")
        << QStringList{"A/ini.big", "B/inidl.big.bak", "B/inidl.big ", "C/INIDL", "D/xinidl.big"}
        << false;
}

void TestGameFolder::layouts()
{
    QFETCH(QStringList, entries);
    QFETCH(bool, valid);
    const QString root = m_home->filePath("Games/Vantor");
    QVERIFY(makeLayout(root, entries));

    QCOMPARE(GameFolders::isGameFolder(root), valid);

    // The same answer through the model, as the window reads it.
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    model.setActiveTab(LauncherViewModel::Tab::Local);
    model.setInstallPath(root);
    QCOMPARE(model.isPathValid(), valid);
    QCOMPARE(model.canLaunch(), valid);
}

void TestGameFolder::symlinkedSubfolderCounts()
{
    // Game folders kept on another disk are often linked in; the link leads
    // to a folder, so it is searched like one.
    const QString elsewhere = m_home->filePath("OtherDisk/Expansion");
    QVERIFY(makeLayout(elsewhere, {"inidl.big"}));
    const QString root = m_home->filePath("Games/Vantor");
    QVERIFY(makeLayout(root, {"Base/ini.big"}));
    QVERIFY(QFile::link(elsewhere, root + "/Expansion"));
    QVERIFY(GameFolders::isGameFolder(root));

    // A link to a file named like a marker folder is not searched into.
    const QString other = m_home->filePath("Games/Other");
    QVERIFY(makeLayout(other, {"Base/ini.big"}));
    QVERIFY(QFile::link(elsewhere + "/inidl.big", other + "/inidl.big"));
    QVERIFY(!GameFolders::isGameFolder(other));
}

void TestGameFolder::missingOrFileIsInvalid()
{
    QVERIFY(!GameFolders::isGameFolder(m_home->filePath("does/not/exist")));
    const QString file = m_home->filePath("a-file");
    QVERIFY(writeFile(file, "ini.big"));
    QVERIFY(!GameFolders::isGameFolder(file));
}

std::unique_ptr<LauncherViewModel>
TestGameFolder::chooseWith(std::optional<QString> answer,
                           std::shared_ptr<StandInFolderPicker> *picker)
{
    auto model = std::make_unique<LauncherViewModel>(LauncherViewModel::UpdateChecks::DontStart);
    auto scripted = std::make_shared<StandInFolderPicker>(std::move(answer));
    model->setFolderPicker(scripted);
    if (picker)
        *picker = scripted;
    return model;
}

void TestGameFolder::chosenFolderAppliedNextTurnAndStored()
{
    const QString folder = m_home->filePath("Games/Vantor");
    QVERIFY(makeLayout(folder, {"A/ini.big", "B/inidl.big"}));
    std::shared_ptr<StandInFolderPicker> picker;
    auto model = chooseWith(folder, &picker);
    QSignalSpy changed(model.get(), &LauncherViewModel::installPathChanged);

    model->chooseFolder();
    QCOMPARE(picker->messages,
             QStringList{"Select the Windows Game Folder (containing .big files)"});
    // Not yet: the dialog is still on its way out.
    QCOMPARE(model->installPath(), QString());
    QVERIFY(!QSettings().contains(LauncherViewModel::installPathKey()));

    QTRY_COMPARE(model->installPath(), folder);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(QSettings().value(LauncherViewModel::installPathKey()).toString(), folder);
    QVERIFY(model->isPathValid());
}

void TestGameFolder::cancelKeepsPathAndStoredValue()
{
    const QString first = m_home->filePath("First");
    {
        auto model = chooseWith(first);
        model->chooseFolder();
        QTRY_COMPARE(model->installPath(), first);
    }
    // A cancelled dialog and an empty answer change nothing.
    for (const std::optional<QString> &answer :
         {std::optional<QString>(), std::optional(QString())}) {
        auto model = chooseWith(answer);
        QSignalSpy changed(model.get(), &LauncherViewModel::installPathChanged);
        model->chooseFolder();
        QTest::qWait(50);
        QCOMPARE(model->installPath(), first);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(QSettings().value(LauncherViewModel::installPathKey()).toString(), first);
    }
}

void TestGameFolder::invalidChoiceSurvivesRestart()
{
    const QString folder = m_home->filePath("Games/Not A Game, Really");
    QVERIFY(makeLayout(folder, {"ini.big", "inidl.big"}));
    {
        auto model = chooseWith(folder);
        model->chooseFolder();
        QTRY_COMPARE(model->installPath(), folder);
        QVERIFY(!model->isPathValid());
        // A path set for this run only is not stored.
        model->setInstallPath(m_home->filePath("JustThisRun"));
    }
    // A new start reads the chosen folder and still finds it invalid.
    LauncherViewModel restarted(LauncherViewModel::UpdateChecks::DontStart);
    QCOMPARE(restarted.installPath(), folder);
    restarted.setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(!restarted.canLaunch());
}

void TestGameFolder::sameFolderChosenAgainIsCheckedAgain()
{
    // The user sees the warning, copies the archives in and picks the same
    // folder again: the warning must go without a restart.
    const QString folder = m_home->filePath("Games/Vantor");
    QVERIFY(makeLayout(folder, {"Base/ini.big"}));
    auto model = chooseWith(folder);
    model->setActiveTab(LauncherViewModel::Tab::Local);
    model->chooseFolder();
    QTRY_COMPARE(model->installPath(), folder);
    QVERIFY(!model->isPathValid());

    QVERIFY(makeLayout(folder, {"Expansion/inidl.big"}));
    QSignalSpy path(model.get(), &LauncherViewModel::installPathChanged);
    QSignalSpy valid(model.get(), &LauncherViewModel::isPathValidChanged);
    QSignalSpy launch(model.get(), &LauncherViewModel::canLaunchChanged);
    model->chooseFolder();
    QTRY_VERIFY(model->isPathValid());
    QVERIFY(model->canLaunch());
    QCOMPARE(path.count(), 0);
    QCOMPARE(valid.count(), 1);
    QCOMPARE(launch.count(), 1);
}

void TestGameFolder::relativeAnswerBecomesAbsolute()
{
    CurrentDir home(m_home->path());
    QVERIFY(home.ok());
    auto model = chooseWith(QStringLiteral("Games/Vantor"));
    model->chooseFolder();
    QTRY_COMPARE(model->installPath(), QDir(m_home->path()).absoluteFilePath("Games/Vantor"));
}

void TestGameFolder::withoutPickerNothingChanges()
{
    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    model.chooseFolder();
    QTest::qWait(20);
    QCOMPARE(model.installPath(), QString());
    QVERIFY(!QSettings().contains(LauncherViewModel::installPathKey()));
}

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
