// SPDX-License-Identifier: GPL-3.0-or-later
#include "LauncherRun.h"
#include "LoopbackHttpServer.h"
#include "update/UpdateChecker.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace std::chrono_literals;

namespace {

const QString manifestPath = QStringLiteral("/api/update.json");

QByteArray manifest(const QString &version, qint64 build, const QString &notes = "notes")
{
    const AppUpdate update{version, build,        "https://vantor-online.org/dl",
                           notes,   "2024-05-01", "12"};
    return QJsonDocument(update.toJson()).toJson();
}

// A version lower than the running one ("-1" beats nothing) and a higher one.
const QString lower = QStringLiteral("-1");
QString higher(const QString &suffix = QString())
{
    return UpdateChecker::currentVersion() + ".1" + suffix;
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
    void laterManifestsReplaceOnlyWhenNewer();
    void failedChecksPublishNothing_data();
    void failedChecksPublishNothing();
    void silentServerTimesOut();
    void oversizedBodyIsCutOff();
    void twoQuickChecksSendOneRequest();
    void periodicChecksStartAtOnceAndRepeat();
    void destroyedWhileCheckingIsQuiet();
    void commands_data();
    void commands();

private:
    // Runs one check and waits for its end; false when it never ended.
    bool checkOnce(UpdateChecker &checker, int timeoutMs = 10000);

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
    QTest::newRow("version lower, build higher") << lower << build + 1 << true;
    QTest::newRow("version higher, build lower") << higher() << build - 1 << true;
    QTest::newRow("version lower, equal build") << lower << build << false;
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

void TestUpdateChecker::laterManifestsReplaceOnlyWhenNewer()
{
    UpdateChecker checker;
    QSignalSpy changed(&checker, &UpdateChecker::availableUpdateChanged);
    m_server->setRoute(manifestPath, answer(manifest(higher(), 0, "first")));
    QVERIFY(checkOnce(checker));
    QVERIFY(checkOnce(checker)); // the same again is no change
    QCOMPARE(changed.count(), 1);

    m_server->setRoute(manifestPath, answer(manifest(lower, 0, "older")));
    const QDateTime firstCheck = checker.lastCheckDate();
    QTest::qWait(5);
    QVERIFY(checkOnce(checker));
    QCOMPARE(checker.availableUpdate()->releaseNotes, QStringLiteral("first"));
    QCOMPARE(changed.count(), 1);
    QVERIFY(checker.lastCheckDate() > firstCheck);

    // Any body that decodes is used, whatever the status says.
    m_server->setRoute(manifestPath, answer(manifest(higher(".1"), 0, "second"), 500));
    QVERIFY(checkOnce(checker));
    QCOMPARE(checker.availableUpdate()->releaseNotes, QStringLiteral("second"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(m_server->requestCount(manifestPath), 4);
}

void TestUpdateChecker::failedChecksPublishNothing_data()
{
    QTest::addColumn<QString>("serve");
    QTest::addColumn<QString>("reason"); // what the checker says went wrong
    QTest::newRow("error page") << "page"
                                << "the server answered 404 Not Found";
    QTest::newRow("nothing listens") << "closed"
                                     << "the connection was refused";
    QTest::newRow("minOSVersion missing")
        << "undecodable"
        << "the answer is not an update manifest: the field \"minOSVersion\" is "
           "missing";
    QTest::newRow("not JSON") << "html"
                              << "the answer is not an update manifest: it is not JSON";
    // A valid, newer manifest behind two megabytes of white space.
    QTest::newRow("oversized") << "oversized"
                               << "the answer is larger than 1024 KiB";
}

void TestUpdateChecker::failedChecksPublishNothing()
{
    QFETCH(QString, serve);
    QFETCH(QString, reason);
    if (serve == "html") {
        m_server->setRoute(manifestPath, answer("<html><body>Moved</body></html>"));
    } else if (serve == "closed") {
        qputenv("VANTOR_UPDATE_URL", LoopbackHttpServer::closedPortUrl(manifestPath).toUtf8());
    } else if (serve == "undecodable") {
        QJsonObject object = AppUpdate{higher(), 999, "u", "n", "d", "m"}.toJson();
        object.remove(QStringLiteral("minOSVersion"));
        m_server->setRoute(manifestPath, answer(QJsonDocument(object).toJson()));
    } else if (serve == "oversized") {
        const QByteArray body = QByteArray(2 * 1024 * 1024, ' ') + manifest(higher(), 0);
        QVERIFY(AppUpdate::decode(body).has_value());
        m_server->setRoute(manifestPath, answer(body));
    }
    UpdateChecker checker;
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    QVERIFY(checkOnce(checker));
    QVERIFY(!checker.hasUpdate());
    QVERIFY(checker.lastCheckDate().isValid());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(checker.failureReason(), reason);

    // A check that reads a manifest has nothing to explain.
    m_server->setRoute(manifestPath, answer(manifest(lower, 0)));
    qputenv("VANTOR_UPDATE_URL", m_server->url(manifestPath).toUtf8());
    QVERIFY(checkOnce(checker));
    QCOMPARE(checker.failureReason(), QString());
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
    QCOMPARE(checker.failureReason(), QStringLiteral("no answer came within 1 s"));
    QVERIFY(checker.lastCheckDate().isValid());

    // The next check goes out again.
    m_server->setRoute(manifestPath, answer(manifest(higher(), 0)));
    QVERIFY(checkOnce(checker));
    QVERIFY(checker.hasUpdate());
}

void TestUpdateChecker::oversizedBodyIsCutOff()
{
    // The server sends a little more than the limit, then holds the
    // connection open: only a checker that stops reading at the limit ends
    // before its (long) time-out.
    auto stalled = answer(QByteArray(2 * UpdateChecker::maxManifestSize, ' '));
    stalled.stallAfter = UpdateChecker::maxManifestSize + 64 * 1024;
    m_server->setRoute(manifestPath, stalled);
    UpdateChecker checker;
    checker.setTransferTimeout(600s);
    QSignalSpy finished(&checker, &UpdateChecker::checkFinished);
    QVERIFY(checkOnce(checker, 30000));
    QVERIFY(!checker.hasUpdate());
    QCOMPARE(finished.first().first().toBool(), false);
    QCOMPARE(m_server->bodyBytesSent(manifestPath), stalled.stallAfter);
}

void TestUpdateChecker::twoQuickChecksSendOneRequest()
{
    m_server->setRoute(manifestPath, answer(manifest(higher(), 0)));
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
    m_server->setRoute(manifestPath, answer(manifest(lower, 0)));
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

void TestUpdateChecker::commands_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("served"); // the manifest's version; empty: none served
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    const QString version = UpdateChecker::currentVersion();
    const QString build = QString::number(UpdateChecker::currentBuild());
    QTest::newRow("update") << "check-update" << higher() << 0
                            << "UPDATE AVAILABLE: v" + higher() +
                                   "\nBetter things.\nhttps://vantor-online.org/dl\n";
    QTest::newRow("no update") << "check-update" << lower << 0
                               << "No update available (current " + version + " build " + build +
                                      ")\n";
    // The 404 page: no manifest, which must not read as "no update".
    QTest::newRow("unreadable") << "check-update" << QString() << 1 << QString();
    QTest::newRow("version") << "--version" << QString() << 0
                             << "vantor-launcher " + version + " (build " + build + ")\n";
}

void TestUpdateChecker::commands()
{
    QFETCH(QString, command);
    QFETCH(QString, served);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    if (!served.isEmpty())
        m_server->setRoute(manifestPath, answer(manifest(served, 0, "Better things.")));
    const LauncherRun::Outcome outcome = LauncherRun::run({command});
    QCOMPARE(outcome.exitCode, exitCode);
    QCOMPARE(outcome.out, out);
    // Why not, too: here the server's status.
    if (exitCode != 0) {
        QCOMPARE(outcome.err,
                 "vantor-launcher check-update: could not fetch or read the update manifest at " +
                     m_server->url(manifestPath) + ": the server answered 404 Not Found\n");
    }
}

QTEST_GUILESS_MAIN(TestUpdateChecker)
#include "tst_updatechecker.moc"
