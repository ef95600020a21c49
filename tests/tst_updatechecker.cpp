#include "LoopbackHttpServer.h"
#include "UpdateChecker.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

const QString manifestPath = QStringLiteral("/api/update.json");

QByteArray manifest(const QString &version, qint64 build,
                    const QString &notes = QStringLiteral("notes"))
{
    const AppUpdate update{version,
                           build,
                           QStringLiteral("https://vantor-online.org/dl"),
                           notes,
                           QStringLiteral("2024-05-01"),
                           QStringLiteral("12")};
    return QJsonDocument(update.toJson()).toJson();
}

// A version lower than the running one ("-1" beats nothing) and a higher one.
QString lowerVersion()
{
    return QStringLiteral("-1");
}
QString higherVersion()
{
    return UpdateChecker::currentVersion() + QStringLiteral(".1");
}

LoopbackHttpServer::Response answer(const QByteArray &body, int status = 200)
{
    LoopbackHttpServer::Response response;
    response.status = status;
    response.body = body;
    response.contentType = "application/json";
    return response;
}

} // namespace

class TestUpdateChecker : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void publishesOnlyNewerManifests_data();
    void publishesOnlyNewerManifests();
    void laterOlderManifestKeepsEarlierUpdate();
    void sameManifestAgainIsNoChange();
    void errorPagesAreReadButPublishNothing();
    void statusIsNotLookedAt();
    void undecodableManifestPublishesNothing();
    void silentServerTimesOut();
    void closedPortEndsTheCheck();
    void oversizedBodyIsRefused();
    void twoQuickChecksSendOneRequest();
    void periodicChecksStartAtOnceAndRepeat();
    void destroyedWhileCheckingIsQuiet();

    void commandReportsUpdate();
    void commandReportsNoUpdate();
    void commandFailsWhenManifestUnreadable();
    void versionOptionPrintsVersionAndBuild();

private:
    // Runs one check and waits for its end; false when it never ended.
    bool checkOnce(UpdateChecker &checker, int timeoutMs = 10000);
    QProcess *runLauncher(const QStringList &arguments);

    std::unique_ptr<LoopbackHttpServer> m_server;
};

void TestUpdateChecker::init()
{
    m_server = std::make_unique<LoopbackHttpServer>();
    QVERIFY(m_server->listen());
    qputenv("VANTOR_UPDATE_URL", m_server->url(manifestPath).toUtf8());
}

void TestUpdateChecker::cleanup()
{
    qunsetenv("VANTOR_UPDATE_URL");
    m_server.reset();
}

bool TestUpdateChecker::checkOnce(UpdateChecker &checker, int timeoutMs)
{
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    checker.checkForUpdate();
    if (!checker.isChecking())
        return false;
    return finished.wait(timeoutMs) && !checker.isChecking();
}

void TestUpdateChecker::publishesOnlyNewerManifests_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<qint64>("build");
    QTest::addColumn<bool>("published");

    const QString current = UpdateChecker::currentVersion();
    const qint64 build = UpdateChecker::currentBuild();
    QTest::newRow("equal version, equal build") << current << build << false;
    QTest::newRow("equal version, build higher") << current << build + 1 << true;
    QTest::newRow("version lower, build higher") << lowerVersion() << build + 1 << true;
    QTest::newRow("version higher, build lower") << higherVersion() << build - 1 << true;
    QTest::newRow("version lower, equal build") << lowerVersion() << build << false;
    QTest::newRow("equal version, build lower") << current << build - 1 << false;
}

void TestUpdateChecker::publishesOnlyNewerManifests()
{
    QFETCH(QString, version);
    QFETCH(qint64, build);
    QFETCH(bool, published);
    m_server->setRoute(manifestPath, answer(manifest(version, build)));

    UpdateChecker checker;
    QSignalSpy changed(&checker, &UpdateChecker::availableUpdateChanged);
    QVERIFY(!checker.lastCheckDate().isValid());
    QVERIFY(checkOnce(checker));
    QVERIFY(checker.lastCheckDate().isValid());
    QCOMPARE(checker.hasUpdate(), published);
    QCOMPARE(changed.count(), published ? 1 : 0);
    if (published) {
        QCOMPARE(checker.availableUpdate()->version, version);
        QCOMPARE(checker.availableUpdate()->build, build);
    }
}

void TestUpdateChecker::laterOlderManifestKeepsEarlierUpdate()
{
    UpdateChecker checker;
    m_server->setRoute(manifestPath, answer(manifest(higherVersion(), 0, QStringLiteral("first"))));
    QVERIFY(checkOnce(checker));
    QVERIFY(checker.hasUpdate());

    m_server->setRoute(manifestPath, answer(manifest(lowerVersion(), 0, QStringLiteral("older"))));
    QSignalSpy changed(&checker, &UpdateChecker::availableUpdateChanged);
    const QDateTime firstCheck = checker.lastCheckDate();
    QTest::qWait(5);
    QVERIFY(checkOnce(checker));
    QCOMPARE(checker.availableUpdate()->releaseNotes, QStringLiteral("first"));
    QCOMPARE(changed.count(), 0);
    QVERIFY(checker.lastCheckDate() > firstCheck);

    // A newer one replaces it.
    m_server->setRoute(manifestPath,
                       answer(manifest(higherVersion() + ".1", 0, QStringLiteral("second"))));
    QVERIFY(checkOnce(checker));
    QCOMPARE(checker.availableUpdate()->releaseNotes, QStringLiteral("second"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_server->requestCount(manifestPath), 3);
}

void TestUpdateChecker::sameManifestAgainIsNoChange()
{
    m_server->setRoute(manifestPath, answer(manifest(higherVersion(), 0)));
    UpdateChecker checker;
    QSignalSpy changed(&checker, &UpdateChecker::availableUpdateChanged);
    QVERIFY(checkOnce(checker));
    QVERIFY(checkOnce(checker));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_server->requestCount(manifestPath), 2);
}

void TestUpdateChecker::errorPagesAreReadButPublishNothing()
{
    // No route: the server answers 404 with an HTML page.
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    QSignalSpy dateChanged(&checker, &UpdateChecker::lastCheckDateChanged);
    QVERIFY(checkOnce(checker));
    QCOMPARE(m_server->requestCount(manifestPath), 1);
    QVERIFY(!checker.hasUpdate());
    QCOMPARE(dateChanged.count(), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
}

void TestUpdateChecker::statusIsNotLookedAt()
{
    // Any body that decodes is used, whatever the status says.
    m_server->setRoute(manifestPath, answer(manifest(higherVersion(), 0), 404));
    UpdateChecker checker;
    QVERIFY(checkOnce(checker));
    QVERIFY(checker.hasUpdate());

    m_server->setRoute(manifestPath, answer(manifest(higherVersion() + ".5", 0), 500));
    QVERIFY(checkOnce(checker));
    QCOMPARE(checker.availableUpdate()->version, higherVersion() + ".5");
}

void TestUpdateChecker::undecodableManifestPublishesNothing()
{
    // Newer in every respect, but "minOSVersion" is missing.
    QJsonObject object = AppUpdate{higherVersion(), 999, "u", "n", "d", "m"}.toJson();
    object.remove(QStringLiteral("minOSVersion"));
    m_server->setRoute(manifestPath, answer(QJsonDocument(object).toJson()));
    UpdateChecker checker;
    QVERIFY(checkOnce(checker));
    QVERIFY(!checker.hasUpdate());
    QVERIFY(checker.lastCheckDate().isValid());
}

void TestUpdateChecker::silentServerTimesOut()
{
    LoopbackHttpServer::Response hang;
    hang.hang = true;
    m_server->setRoute(manifestPath, hang);
    UpdateChecker checker;
    checker.setTransferTimeout(300ms);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(checkOnce(checker, 10000));
    QVERIFY2(timer.elapsed() >= 250, "ended before the time-out");
    QVERIFY(!checker.hasUpdate());
    QVERIFY(checker.lastCheckDate().isValid());

    // The next check goes out again.
    m_server->setRoute(manifestPath, answer(manifest(higherVersion(), 0)));
    QVERIFY(checkOnce(checker));
    QVERIFY(checker.hasUpdate());
}

void TestUpdateChecker::closedPortEndsTheCheck()
{
    qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl(manifestPath).toUtf8());
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    QVERIFY(checkOnce(checker));
    QVERIFY(!checker.hasUpdate());
    QCOMPARE(finished.first().first().toBool(), false);
}

void TestUpdateChecker::oversizedBodyIsRefused()
{
    // A valid, newer manifest behind two megabytes of white space.
    const QByteArray body = QByteArray(2 * 1024 * 1024, ' ') + manifest(higherVersion(), 0);
    QVERIFY(AppUpdate::decode(body).has_value());
    m_server->setRoute(manifestPath, answer(body));
    UpdateChecker checker;
    QVERIFY(checkOnce(checker));
    QVERIFY(!checker.hasUpdate());

    // Sent slowly, the body is cut off as soon as it passes the limit.
    auto slow = answer(body);
    slow.chunkSize = 64 * 1024;
    slow.chunkIntervalMs = 20;
    m_server->setRoute(manifestPath, slow);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(checkOnce(checker));
    QVERIFY(!checker.hasUpdate());
    QVERIFY2(timer.elapsed() < 32 * 20, "waited for the whole body");
}

void TestUpdateChecker::twoQuickChecksSendOneRequest()
{
    m_server->setRoute(manifestPath, answer(manifest(higherVersion(), 0)));
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    QSignalSpy checking(&checker, &UpdateChecker::isCheckingChanged);
    checker.checkForUpdate();
    checker.checkForUpdate();
    QVERIFY(checker.isChecking());
    QVERIFY(finished.wait(10000));
    QTest::qWait(200); // room for a second request, were one sent
    QCOMPARE(m_server->requestCount(manifestPath), 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(checking.count(), 2); // true, then false
}

void TestUpdateChecker::periodicChecksStartAtOnceAndRepeat()
{
    m_server->setRoute(manifestPath, answer(manifest(lowerVersion(), 0)));
    UpdateChecker checker;
    checker.setCheckInterval(150ms);
    checker.startPeriodicChecks();
    QVERIFY(checker.isChecking()); // the first request is out before any tick
    QTRY_VERIFY_WITH_TIMEOUT(m_server->requestCount(manifestPath) >= 3, 10000);

    checker.stopPeriodicChecks();
    QTRY_VERIFY_WITH_TIMEOUT(!checker.isChecking(), 10000);
    const int count = m_server->requestCount(manifestPath);
    QTest::qWait(500);
    QCOMPARE(m_server->requestCount(manifestPath), count);
}

void TestUpdateChecker::destroyedWhileCheckingIsQuiet()
{
    LoopbackHttpServer::Response hang;
    hang.hang = true;
    m_server->setRoute(manifestPath, hang);
    auto checker = std::make_unique<UpdateChecker>();
    QSignalSpy finished(checker.get(), &UpdateChecker::checkFinished);
    checker->startPeriodicChecks();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->requestCount(manifestPath), 1, 10000);
    checker.reset();
    QTest::qWait(100);
    QCOMPARE(finished.count(), 0);
}

QProcess *TestUpdateChecker::runLauncher(const QStringList &arguments)
{
    auto *process = new QProcess(this);
    process->start(QStringLiteral(VANTOR_LAUNCHER_PATH), arguments);
    // The server lives in this process: keep its event loop turning.
    QSignalSpy finished(process, &QProcess::finished);
    if (!finished.wait(20000))
        qWarning("launcher did not finish");
    return process;
}

void TestUpdateChecker::commandReportsUpdate()
{
    m_server->setRoute(manifestPath,
                       answer(manifest(higherVersion(), 0, QStringLiteral("Better things."))));
    QProcess *launcher = runLauncher({QStringLiteral("check-update")});
    QCOMPARE(launcher->exitCode(), 0);
    QCOMPARE(QString::fromUtf8(launcher->readAllStandardOutput()),
             QStringLiteral("UPDATE AVAILABLE: v%1\nBetter things.\nhttps://vantor-online.org/dl\n")
                 .arg(higherVersion()));
}

void TestUpdateChecker::commandReportsNoUpdate()
{
    m_server->setRoute(manifestPath, answer(manifest(lowerVersion(), 0)));
    QProcess *launcher = runLauncher({QStringLiteral("check-update")});
    QCOMPARE(launcher->exitCode(), 0);
    QCOMPARE(QString::fromUtf8(launcher->readAllStandardOutput()),
             QStringLiteral("No update available (current %1 build %2)\n")
                 .arg(UpdateChecker::currentVersion())
                 .arg(UpdateChecker::currentBuild()));
}

void TestUpdateChecker::commandFailsWhenManifestUnreadable()
{
    // The 404 page: no manifest, which must not read as "no update".
    QProcess *launcher = runLauncher({QStringLiteral("check-update")});
    QCOMPARE(launcher->exitCode(), 1);
    QCOMPARE(launcher->readAllStandardOutput(), QByteArray());
    QVERIFY(launcher->readAllStandardError().contains(m_server->url(manifestPath).toUtf8()));
}

void TestUpdateChecker::versionOptionPrintsVersionAndBuild()
{
    QProcess *launcher = runLauncher({QStringLiteral("--version")});
    QCOMPARE(launcher->exitCode(), 0);
    QCOMPARE(QString::fromUtf8(launcher->readAllStandardOutput()),
             QStringLiteral("vantor-launcher %1 (build %2)\n")
                 .arg(UpdateChecker::currentVersion())
                 .arg(UpdateChecker::currentBuild()));
}

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
