#include "KeychainHelper.h"
#include "LauncherViewModel.h"
#include "LoopbackHttpServer.h"
#include "MemoryCredentialStore.h"
#include "TestHome.h"
#include "platform/FolderPicker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// Answers the folder dialog with a fixed folder, or cancels; remembers what
// it was asked.
class ScriptedPicker final : public FolderPicker
{
public:
    explicit ScriptedPicker(std::optional<QString> answer) : m_answer(std::move(answer)) {}

    std::optional<QString> pickFolder(const QString &message) override
    {
        m_messages.append(message);
        return m_answer;
    }

    QStringList messages() const { return m_messages; }

private:
    std::optional<QString> m_answer;
    QStringList m_messages;
};

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
    void pathForThisRunIsNotStored();
    void relativeAnswerBecomesAbsolute();
    void withoutPickerNothingChanges();

private:
    std::unique_ptr<LauncherViewModel>
    chooseWith(std::optional<QString> answer, std::shared_ptr<ScriptedPicker> *picker = nullptr);

    std::unique_ptr<TestHome> m_home;
};

void TestGameFolder::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor Online"));
    QCoreApplication::setApplicationName(QStringLiteral("Vantor Online"));
    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl("/api/update.json").toUtf8());
}

void TestGameFolder::init()
{
    m_home = std::make_unique<TestHome>();
    QVERIFY(m_home->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home->filePath(".config"));
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
        << QStringList{"Base/INI.big", "Expansion/INIDL.BIG"} << true;
    QTest::newRow("both markers in one subfolder")
        << QStringList{"Game/ini.big", "Game/inidl.big", "Game/other.big"} << true;
    QTest::newRow("mixed case") << QStringList{"A/Ini.Big", "B/IniDl.bIG"} << true;
    QTest::newRow("markers that are folders") << QStringList{"A/ini.big/", "B/inidl.big/"} << true;
    QTest::newRow("hidden marker beside visible ones")
        << QStringList{"A/.cache", "A/ini.big", "B/inidl.big"} << true;
    QTest::newRow("pair completed after unrelated folders")
        << QStringList{"Docs/readme.txt", "Empty/", "Base/ini.big", "Mods/x.big",
                       "Expansion/inidl.big"}
        << true;

    QTest::newRow("empty folder") << QStringList{} << false;
    QTest::newRow("markers at the top level only") << QStringList{"ini.big", "inidl.big"} << false;
    QTest::newRow("top-level file named ini.big")
        << QStringList{"ini.big", "Expansion/inidl.big"} << false;
    QTest::newRow("markers two levels down")
        << QStringList{"A/Data/ini.big", "A/Data/inidl.big"} << false;
    QTest::newRow("one level down, the other two")
        << QStringList{"A/ini.big", "B/Data/inidl.big"} << false;
    QTest::newRow("hidden subfolder") << QStringList{".game/ini.big", ".game/inidl.big"} << false;
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

    QCOMPARE(LauncherViewModel::validateGameFolder(root), valid);

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
    QVERIFY(LauncherViewModel::validateGameFolder(root));

    // A link to a file named like a marker folder is not searched into.
    const QString other = m_home->filePath("Games/Other");
    QVERIFY(makeLayout(other, {"Base/ini.big"}));
    QVERIFY(QFile::link(elsewhere + "/inidl.big", other + "/inidl.big"));
    QVERIFY(!LauncherViewModel::validateGameFolder(other));
}

void TestGameFolder::missingOrFileIsInvalid()
{
    QVERIFY(!LauncherViewModel::validateGameFolder(m_home->filePath("does/not/exist")));
    const QString file = m_home->filePath("a-file");
    QVERIFY(writeFile(file, "ini.big"));
    QVERIFY(!LauncherViewModel::validateGameFolder(file));

    LauncherViewModel model(LauncherViewModel::UpdateChecks::DontStart);
    model.setInstallPath(m_home->filePath("does/not/exist"));
    QVERIFY(!model.isPathValid());
}

std::unique_ptr<LauncherViewModel>
TestGameFolder::chooseWith(std::optional<QString> answer, std::shared_ptr<ScriptedPicker> *picker)
{
    auto model = std::make_unique<LauncherViewModel>(LauncherViewModel::UpdateChecks::DontStart);
    auto scripted = std::make_shared<ScriptedPicker>(std::move(answer));
    model->setFolderPicker(scripted);
    if (picker)
        *picker = scripted;
    return model;
}

void TestGameFolder::chosenFolderAppliedNextTurnAndStored()
{
    const QString folder = m_home->filePath("Games/Vantor");
    QVERIFY(makeLayout(folder, {"A/ini.big", "B/inidl.big"}));
    std::shared_ptr<ScriptedPicker> picker;
    auto model = chooseWith(folder, &picker);
    QSignalSpy changed(model.get(), &LauncherViewModel::installPathChanged);

    model->chooseFolder();
    QCOMPARE(picker->messages(),
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

    auto model = chooseWith(std::nullopt);
    QCOMPARE(model->installPath(), first);
    QSignalSpy changed(model.get(), &LauncherViewModel::installPathChanged);
    model->chooseFolder();
    QTest::qWait(50);
    QCOMPARE(model->installPath(), first);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(QSettings().value(LauncherViewModel::installPathKey()).toString(), first);

    // An empty answer is no answer either.
    auto empty = chooseWith(QString());
    empty->chooseFolder();
    QTest::qWait(50);
    QCOMPARE(empty->installPath(), first);
    QCOMPARE(QSettings().value(LauncherViewModel::installPathKey()).toString(), first);
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
    }
    // A new start reads the same folder and still finds it invalid.
    LauncherViewModel restarted(LauncherViewModel::UpdateChecks::DontStart);
    QCOMPARE(restarted.installPath(), folder);
    QVERIFY(!restarted.isPathValid());
    restarted.setActiveTab(LauncherViewModel::Tab::Local);
    QVERIFY(!restarted.canLaunch());
}

void TestGameFolder::pathForThisRunIsNotStored()
{
    const QString stored = m_home->filePath("Stored");
    {
        auto model = chooseWith(stored);
        model->chooseFolder();
        QTRY_COMPARE(model->installPath(), stored);
        model->setInstallPath(m_home->filePath("JustThisRun"));
    }
    LauncherViewModel restarted(LauncherViewModel::UpdateChecks::DontStart);
    QCOMPARE(restarted.installPath(), stored);
}

void TestGameFolder::relativeAnswerBecomesAbsolute()
{
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_home->path()));
    auto model = chooseWith(QStringLiteral("Games/Vantor"));
    model->chooseFolder();
    QTRY_VERIFY(!model->installPath().isEmpty());
    const QString chosen = model->installPath();
    QVERIFY(QDir::setCurrent(previous));
    QCOMPARE(chosen, QDir(m_home->path()).absoluteFilePath("Games/Vantor"));
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
