// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop hears of a download, on a private session bus: the
// notification service's Notify calls and the task bar's Update signals as
// they are sent, a click on our notification and on another program's, and
// a whole download without any bus.
#include "RunWait.h"
#include "StandInStages.h"
#include "TestHome.h"
#include "platform/DownloadAnnouncer.h"
#include "settings/LauncherSettings.h"
#include "steam/SteamCMDManager.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(StandInStep)

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// Set in the process started without a bus.
const char *const kWithoutBus = "VANTOR_TEST_WITHOUT_BUS";

QString progressLine(int done)
{
    return QStringLiteral(" Update state (0x61) downloading, progress: %1 (%2 / 1000)")
        .arg(done / 10.0, 0, 'f', 2)
        .arg(done);
}

} // namespace

// Stands in for the desktop's notification service: answers with ids of
// its own and keeps each call as it came.
class StandInNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QList<QDBusMessage> calls;
    uint nextId = 41;

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &,
                const QStringList &, const QVariantMap &, int, const QDBusMessage &message)
    {
        calls.append(message);
        return nextId++;
    }
};

// What the task bar heard: "<progress> <visible>", or "<visible>" alone.
class UpdateRecorder : public QObject
{
    Q_OBJECT

public:
    QStringList updates;

public Q_SLOTS:
    void update(const QDBusMessage &message)
    {
        const QVariantList arguments = message.arguments();
        QCOMPARE(message.path(), QStringLiteral("/org/vantoronline/Launcher/LauncherEntry"));
        QCOMPARE(message.signature(), QStringLiteral("sa{sv}"));
        QCOMPARE(arguments.at(0).toString(),
                 QStringLiteral("application://org.vantoronline.Launcher.desktop"));
        const auto properties = qdbus_cast<QVariantMap>(arguments.at(1));
        QString seen;
        if (properties.contains("progress")) {
            QCOMPARE(properties.value("progress").typeId(), QMetaType::Double);
            seen = QString::number(properties.value("progress").toDouble()) + ' ';
        }
        QCOMPARE(properties.value("progress-visible").typeId(), QMetaType::Bool);
        updates.append(seen + properties.value("progress-visible").toString());
    }
};

class TestDownloadAnnouncer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void endOfDownload_data();
    void endOfDownload();
    void progressOnTheTaskbar();
    void clickRaisesOnlyOurs();
    void withoutBus();

private:
    bool sendFromService(const QString &name, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, name);
        signal.setArguments(arguments);
        return m_bus.send(signal);
    }

    QDBusConnection m_bus{QString()};
    StandInNotifications m_service;
    UpdateRecorder m_taskbar;
    std::unique_ptr<TestHome> m_home;
};

void TestDownloadAnnouncer::initTestCase()
{
    if (qEnvironmentVariableIsSet(kWithoutBus))
        return;
    // On the desktop's own bus a stand-in could not take the service's name,
    // and the task bar would show the test's progress.
    if (!qEnvironmentVariableIsSet("VANTOR_PRIVATE_BUS"))
        SKIP_OR_FAIL_IN_CI("needs the private session bus that ctest starts");
    m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in");
    QVERIFY(m_bus.isConnected());
    QVERIFY(m_bus.registerObject(kPath, &m_service, QDBusConnection::ExportAllSlots));
    QVERIFY(m_bus.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update",
                          &m_taskbar, SLOT(update(QDBusMessage))));
}

void TestDownloadAnnouncer::init()
{
    m_home = std::make_unique<TestHome>();
    m_home->useForSettings();
    m_service.calls.clear();
    m_taskbar.updates.clear();
    if (m_bus.isConnected())
        QVERIFY(m_bus.registerService(kService));
}

void TestDownloadAnnouncer::cleanup()
{
    if (m_bus.isConnected())
        m_bus.unregisterService(kService);
    m_home.reset();
}

void TestDownloadAnnouncer::endOfDownload_data()
{
    QTest::addColumn<StandInStep>("steamCMD"); // hanging: cancelled
    QTest::addColumn<bool>("windowActive");
    QTest::addColumn<bool>("notifyWhenDone");
    QTest::addColumn<bool>("service");
    QTest::addColumn<QStringList>("shown"); // summary, body, category; empty: none

    const QStringList ready{"Assets ready", "The game is downloaded and patched: LAUNCH starts it.",
                            "transfer.complete"};
    QTest::newRow("assets ready") << StandInStep{} << false << true << true << ready;
    QTest::newRow("failed, the message as text")
        << StandInStep::failing("Failed to download patch: <b>&amp;</b>") << false << true << true
        << QStringList{"Download failed", "Failed to download patch: &lt;b&gt;&amp;amp;&lt;/b&gt;",
                       "transfer.error"};
    QTest::newRow("cancelled") << StandInStep::hanging() << false << true << true
                               << QStringList{"Download stopped",
                                              "A new download continues where this one stopped.",
                                              "transfer"};
    QTest::newRow("window active") << StandInStep{} << true << true << true << QStringList();
    QTest::newRow("switched off") << StandInStep{} << false << false << true << QStringList();
    QTest::newRow("no notification service")
        << StandInStep{} << false << true << false << QStringList();
}

void TestDownloadAnnouncer::endOfDownload()
{
    QFETCH(StandInStep, steamCMD);
    QFETCH(bool, windowActive);
    QFETCH(bool, notifyWhenDone);
    QFETCH(bool, service);
    QFETCH(QStringList, shown);
    if (!service)
        m_bus.unregisterService(kService);
    QVERIFY(LauncherSettings::store(LauncherSettings::notifyWhenDoneKey(), notifyWhenDone));
    LauncherSettings settings;
    SteamCMDManager manager;
    DownloadAnnouncer announcer(&manager, &settings);
    announcer.setWindowActive(windowActive);
    startStandInRun(manager, {steamCMD});
    if (steamCMD.hang)
        manager.cancel();
    QVERIFY(waitForRunFinished(manager));
    if (shown.isEmpty()) {
        QTest::qWait(200);
        QCOMPARE(m_service.calls.size(), 0);
        return;
    }
    QTRY_COMPARE(m_service.calls.size(), 1);
    const QDBusMessage call = m_service.calls.first();
    QCOMPARE(call.signature(), QStringLiteral("susssasa{sv}i"));
    const QVariantList arguments = call.arguments();
    QCOMPARE(arguments.at(0).toString(), QStringLiteral("Vantor Online"));
    QCOMPARE(arguments.at(1).toUInt(), 0u);
    QCOMPARE(arguments.at(2).toString(), QStringLiteral("org.vantoronline.Launcher"));
    QCOMPARE(arguments.at(3).toString(), shown.at(0));
    QCOMPARE(arguments.at(4).toString(), shown.at(1));
    QCOMPARE(arguments.at(5).toStringList(), (QStringList{"default", "Open"}));
    QCOMPARE(
        qdbus_cast<QVariantMap>(arguments.at(6)),
        (QVariantMap{{"desktop-entry", "org.vantoronline.Launcher"}, {"category", shown.at(2)}}));
    QCOMPARE(arguments.at(7).toInt(), -1);
}

void TestDownloadAnnouncer::progressOnTheTaskbar()
{
    LauncherSettings settings;
    SteamCMDManager manager;
    DownloadAnnouncer announcer(&manager, &settings);
    // The bar shows whether the window is active or not; the end says nothing.
    announcer.setWindowActive(true);
    std::shared_ptr<StandInPlan> plan = startStandInRun(manager);
    plan->patchDownload = {StandInStep::hanging()};
    // Per whole percent, not per line.
    for (const int done : {5, 12, 17, 20})
        Q_EMIT plan->current->stateChanged(SteamCMDState::downloading(progressLine(done)));
    settings.setShowTaskbarProgress(false);
    settings.setShowTaskbarProgress(true);
    plan->current->endNow();
    QTRY_COMPARE(plan->started.size(), 3); // the patch download
    Q_EMIT plan->current->progress(500, 1000);
    Q_EMIT plan->current->progress(1000, 1000);
    plan->current->endNow();
    QVERIFY(waitForRunFinished(manager));
    QTRY_COMPARE(m_taskbar.updates,
                 (QStringList{"0 true", "0.01 true", "0.02 true", "false", "0.02 true", "0 true",
                              "0.5 true", "1 true", "false"}));
}

void TestDownloadAnnouncer::clickRaisesOnlyOurs()
{
    LauncherSettings settings;
    SteamCMDManager manager;
    DownloadAnnouncer announcer(&manager, &settings);
    QSignalSpy raised(&announcer, &DownloadAnnouncer::raiseRequested);
    startStandInRun(manager, {StandInStep{}});
    QVERIFY(waitForRunFinished(manager));
    QTRY_COMPARE(m_service.calls.size(), 1);
    const uint ours = m_service.nextId - 1;
    // Every program's notifications are heard: only ours raises. The
    // service's answer came before these, on the same connection.
    QVERIFY(sendFromService("ActionInvoked", {ours + 1, "default"}));
    QVERIFY(sendFromService("NotificationClosed", {ours + 1, 2u}));
    QVERIFY(sendFromService("ActionInvoked", {ours, "default"}));
    QTRY_COMPARE(raised.size(), 1);
    // Once closed, it is no longer ours to hear of.
    QVERIFY(sendFromService("NotificationClosed", {ours, 2u}));
    QVERIFY(sendFromService("ActionInvoked", {ours, "default"}));
    QTest::qWait(200);
    QCOMPARE(raised.size(), 1);
}

void TestDownloadAnnouncer::withoutBus()
{
    if (!qEnvironmentVariableIsSet(kWithoutBus)) {
        // This test again, in a process whose session bus is nowhere.
        QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kWithoutBus, "1");
        environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + scratch.filePath("none"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {"withoutBus"});
        QVERIFY(child.waitForFinished(30000));
        const QString output = QString::fromUtf8(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(output));
        QVERIFY2(!output.contains("QWARN") && !output.contains("QCRITICAL"), qPrintable(output));
        // One line in the log, and no more.
        QCOMPARE(output.count("no desktop notifications"), 1);
        return;
    }
    LauncherSettings settings;
    SteamCMDManager manager;
    DownloadAnnouncer announcer(&manager, &settings);
    std::shared_ptr<StandInPlan> plan = startStandInRun(manager, {StandInStep::failing("first")});
    Q_EMIT plan->current->stateChanged(SteamCMDState::downloading(progressLine(50)));
    QVERIFY(waitForRunFinished(manager));
    startStandInRun(manager, {StandInStep{}});
    QVERIFY(waitForRunFinished(manager));
    QTest::qWait(100);
}

QTEST_GUILESS_MAIN(TestDownloadAnnouncer)
#include "tst_downloadannouncer.moc"
