// SPDX-License-Identifier: GPL-3.0-or-later
// What the desktop hears of a download, on a private session bus: the
// notification service's Notify calls and the task bar's Update signals as
// sent, a click on our notification and on another's, and no bus at all.
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
const char *const kWithoutBus = "VANTOR_TEST_WITHOUT_BUS"; // the child started without a bus

QString progressLine(int perMille)
{
    return QStringLiteral(" Update state (0x61) downloading, progress: %1 (%2 / 1000)")
        .arg(perMille / 10.0, 0, 'f', 2)
        .arg(perMille);
}

// Signature, then each argument; a{sv} as key=value in key order.
QString describe(const QDBusMessage &message)
{
    QStringList parts{message.path() + ' ' + message.signature()};
    for (const QVariant &argument : message.arguments()) {
        if (argument.canConvert<QDBusArgument>()) {
            const auto map = qdbus_cast<QVariantMap>(argument);
            QStringList entries;
            for (auto it = map.begin(); it != map.end(); ++it)
                entries << it.key() + '=' + it.value().toString() + ':' + it.value().typeName();
            parts << entries.join(',');
        } else {
            parts << (argument.typeId() == QMetaType::QStringList
                          ? argument.toStringList().join(',')
                          : argument.toString());
        }
    }
    return parts.join('|');
}
} // namespace

// The desktop's side: a notification service answering with ids of its
// own, and a task bar listening.
class StandInDesktop : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList notified;
    QStringList updates;
    uint nextId = 41;

public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &,
                const QStringList &, const QVariantMap &, int, const QDBusMessage &message)
    {
        notified << describe(message);
        return nextId++;
    }
    void update(const QDBusMessage &message) { updates << describe(message); }
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
    bool fromService(const QString &name, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(kPath, kService, name);
        signal.setArguments(arguments);
        return m_bus.send(signal);
    }

    QDBusConnection m_bus{QString()};
    StandInDesktop m_desktop;
    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<LauncherSettings> m_settings;
    std::unique_ptr<SteamCMDManager> m_manager;
    std::unique_ptr<DownloadAnnouncer> m_announcer;
};

void TestDownloadAnnouncer::initTestCase()
{
    if (qEnvironmentVariableIsSet(kWithoutBus))
        return;
    // On the desktop's own bus the task bar would show the test's progress.
    if (!qEnvironmentVariableIsSet("VANTOR_PRIVATE_BUS"))
        SKIP_OR_FAIL_IN_CI("needs the private session bus that ctest starts");
    m_bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "stand-in");
    QVERIFY(m_bus.registerObject(kPath, &m_desktop, QDBusConnection::ExportAllSlots));
    QVERIFY(m_bus.connect(QString(), QString(), "com.canonical.Unity.LauncherEntry", "Update",
                          &m_desktop, SLOT(update(QDBusMessage))));
}

void TestDownloadAnnouncer::init()
{
    m_home = std::make_unique<TestHome>();
    m_home->useForSettings();
    m_desktop.notified.clear();
    m_desktop.updates.clear();
    if (m_bus.isConnected())
        QVERIFY(m_bus.registerService(kService));
    m_settings = std::make_unique<LauncherSettings>();
    m_manager = std::make_unique<SteamCMDManager>();
    m_announcer = std::make_unique<DownloadAnnouncer>(m_manager.get(), m_settings.get());
}

void TestDownloadAnnouncer::cleanup()
{
    m_announcer.reset();
    m_manager.reset();
    if (m_bus.isConnected())
        m_bus.unregisterService(kService);
}

void TestDownloadAnnouncer::endOfDownload_data()
{
    QTest::addColumn<StandInStep>("steamCMD"); // hanging: cancelled
    QTest::addColumn<bool>("windowActive");
    QTest::addColumn<bool>("notifyWhenDone");
    QTest::addColumn<bool>("service");
    QTest::addColumn<QString>("shown"); // summary|body|category; empty: nothing

    const QString ready = "Assets ready|The game is downloaded and patched: LAUNCH starts it.|"
                          "transfer.complete";
    QTest::newRow("assets ready") << StandInStep{} << false << true << true << ready;
    QTest::newRow("failed, the message as text")
        << StandInStep::failing("Failed: <b>&amp;</b>") << false << true << true
        << "Download failed|Failed: &lt;b&gt;&amp;amp;&lt;/b&gt;|transfer.error";
    QTest::newRow("cancelled")
        << StandInStep::hanging() << false << true << true
        << "Download stopped|A new download continues where this one stopped.|transfer";
    QTest::newRow("window active") << StandInStep{} << true << true << true << QString();
    QTest::newRow("switched off") << StandInStep{} << false << false << true << QString();
    QTest::newRow("no service") << StandInStep{} << false << true << false << QString();
}

void TestDownloadAnnouncer::endOfDownload()
{
    QFETCH(StandInStep, steamCMD);
    QFETCH(bool, windowActive);
    QFETCH(bool, notifyWhenDone);
    QFETCH(bool, service);
    QFETCH(QString, shown);
    if (!service)
        m_bus.unregisterService(kService);
    m_settings->setNotifyWhenDone(notifyWhenDone);
    m_announcer->setWindowActive(windowActive);
    startStandInRun(*m_manager, {steamCMD});
    if (steamCMD.hang)
        m_manager->cancel();
    QVERIFY(waitForRunFinished(*m_manager));
    if (shown.isEmpty()) {
        QTest::qWait(200);
        QCOMPARE(m_desktop.notified, QStringList());
        return;
    }
    const QStringList parts = shown.split('|');
    QTRY_COMPARE(m_desktop.notified,
                 QStringList{"/org/freedesktop/Notifications susssasa{sv}i|Vantor Online|0|"
                             "org.vantoronline.Launcher|" +
                             parts[0] + '|' + parts[1] + "|default,Open|category=" + parts[2] +
                             ":QString,desktop-entry=org.vantoronline.Launcher:QString|-1"});
}

void TestDownloadAnnouncer::progressOnTheTaskbar()
{
    m_announcer->setWindowActive(true);
    std::shared_ptr<StandInPlan> plan = startStandInRun(*m_manager);
    plan->patchDownload = {StandInStep::hanging()};
    for (const int perMille : {5, 12, 17, 20}) // a signal per whole percent, not per line
        Q_EMIT plan->current->stateChanged(SteamCMDState::downloading(progressLine(perMille)));
    m_settings->setShowTaskbarProgress(false);
    m_settings->setShowTaskbarProgress(true);
    plan->current->endNow();
    QTRY_COMPARE(plan->started.size(), 3); // the patch download
    Q_EMIT plan->current->progress(500, 1000);
    Q_EMIT plan->current->progress(1000, 1000);
    plan->current->endNow();
    QVERIFY(waitForRunFinished(*m_manager));
    QStringList expected;
    for (const char *shown : {"0", "0.01", "0.02", "", "0.02", "0", "0.5", "1", ""}) {
        expected << "/org/vantoronline/Launcher/LauncherEntry sa{sv}|"
                    "application://org.vantoronline.Launcher.desktop|" +
                        (*shown ? "progress=" + QString(shown) + ":double,progress-visible=true"
                                : QString("progress-visible=false")) +
                        ":bool";
    }
    QTRY_COMPARE(m_desktop.updates, expected);
}

void TestDownloadAnnouncer::clickRaisesOnlyOurs()
{
    QSignalSpy raised(m_announcer.get(), &DownloadAnnouncer::raiseRequested);
    startStandInRun(*m_manager, {StandInStep{}});
    QVERIFY(waitForRunFinished(*m_manager));
    QTRY_COMPARE(m_desktop.notified.size(), 1);
    // The service answered before it sends these, on the same connection.
    const uint ours = m_desktop.nextId - 1;
    QVERIFY(fromService("ActionInvoked", {ours + 1, "default"})); // another program's
    QVERIFY(fromService("ActionInvoked", {ours, "default"}));
    QTRY_COMPARE(raised.size(), 1);
    QVERIFY(fromService("NotificationClosed", {ours, 2u})); // no longer ours to hear of
    QVERIFY(fromService("ActionInvoked", {ours, "default"}));
    QTest::qWait(200);
    QCOMPARE(raised.size(), 1);
}

void TestDownloadAnnouncer::withoutBus()
{
    if (qEnvironmentVariableIsSet(kWithoutBus)) {
        std::shared_ptr<StandInPlan> plan = startStandInRun(*m_manager, {StandInStep{}});
        Q_EMIT plan->current->stateChanged(SteamCMDState::downloading(progressLine(50)));
        QVERIFY(waitForRunFinished(*m_manager));
        startStandInRun(*m_manager, {StandInStep::failing("second")});
        QVERIFY(waitForRunFinished(*m_manager));
        return;
    }
    // This test again, in a process whose session bus is nowhere: no
    // warning, one line in the log.
    QTemporaryDir scratch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kWithoutBus, "1");
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + scratch.filePath("none"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"withoutBus"});
    QVERIFY(child.waitForFinished(30000));
    const QString output = QString::fromUtf8(child.readAll());
    QVERIFY2(child.exitCode() == 0 && !output.contains("QWARN"), qPrintable(output));
    QCOMPARE(output.count("no desktop notifications"), 1);
}

QTEST_GUILESS_MAIN(TestDownloadAnnouncer)
#include "tst_downloadannouncer.moc"
