// SPDX-License-Identifier: GPL-3.0-or-later
// Runs against a real Secret Service: CTest starts it through
// tests/run-with-keyring.sh (a private D-Bus session with its own GNOME
// Keyring and a temporary HOME). The probe cases start this same binary
// again in "probe" mode: with a broken session environment, or in the
// private session with Qt's event loop not GLib's.

// glib's headers name a member `signals`: tests are built without Qt's keyword
// macros (tests/CMakeLists.txt), whatever comes first.
#include <libsecret/secret.h>

#include "credentials/KeychainHelper.h"
#include "credentials/SecretServiceStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Every item carrying the launcher's service attribute, whatever its schema:
// the test counts what really is in the keyring, not what the store reports.
int itemsOfService(const QString &account = {})
{
    static const SecretSchema anySchema = [] {
        SecretSchema s{};
        s.name = "org.vantoronline.Launcher";
        s.flags = SECRET_SCHEMA_DONT_MATCH_NAME;
        s.attributes[0] = {"service", SECRET_SCHEMA_ATTRIBUTE_STRING};
        s.attributes[1] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
        return s;
    }();
    GHashTable *attributes = g_hash_table_new(g_str_hash, g_str_equal);
    const QByteArray service = SecretServiceStore::serviceId().toUtf8();
    const QByteArray name = account.toUtf8();
    g_hash_table_insert(attributes, const_cast<char *>("service"),
                        const_cast<char *>(service.constData()));
    if (!account.isEmpty())
        g_hash_table_insert(attributes, const_cast<char *>("account"),
                            const_cast<char *>(name.constData()));
    GError *error = nullptr;
    GList *items =
        secret_password_searchv_sync(&anySchema, attributes, SECRET_SEARCH_ALL, nullptr, &error);
    g_hash_table_unref(attributes);
    if (error) {
        qWarning("search failed: %s", error->message);
        g_error_free(error);
        return -1;
    }
    const int count = int(g_list_length(items));
    g_list_free_full(items, g_object_unref);
    return count;
}

const QStringList usedAccounts{QStringLiteral("alice"), QStringLiteral("bob"),
                               QStringLiteral("jörg müller"), QStringLiteral("  spaced  ")};

// Records what the Secret Service announces about its items ("ItemCreated",
// "ItemChanged", "ItemDeleted", each with the item's object path): a
// replacement must never pass through a moment in which the item is gone.
class ItemSignals
{
public:
    ItemSignals()
    {
        m_bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
        if (m_bus)
            m_subscription = g_dbus_connection_signal_subscribe(
                m_bus, nullptr, "org.freedesktop.Secret.Collection", nullptr, nullptr, nullptr,
                G_DBUS_SIGNAL_FLAGS_NONE, &ItemSignals::received, this, nullptr);
    }
    ~ItemSignals()
    {
        if (m_subscription)
            g_dbus_connection_signal_unsubscribe(m_bus, m_subscription);
        if (m_bus)
            g_object_unref(m_bus);
    }
    ItemSignals(const ItemSignals &) = delete;
    ItemSignals &operator=(const ItemSignals &) = delete;

    bool isValid() const { return m_subscription != 0; }
    // The signals that arrived since the last call, as "<name> <item path>".
    QStringList take()
    {
        // A call to the service and back: every signal it sent before its
        // answer has reached us then; hand them to their callback.
        itemsOfService();
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        return std::exchange(m_seen, {});
    }

private:
    static void received(GDBusConnection *, const char *, const char *, const char *,
                         const char *member, GVariant *parameters, gpointer self)
    {
        const char *item = "?";
        if (g_variant_is_of_type(parameters, G_VARIANT_TYPE("(o)")))
            g_variant_get(parameters, "(&o)", &item);
        static_cast<ItemSignals *>(self)->m_seen.append(QString::fromUtf8(member) +
                                                        QLatin1Char(' ') + QString::fromUtf8(item));
    }

    GDBusConnection *m_bus = nullptr;
    guint m_subscription = 0;
    QStringList m_seen;
};

QString describe(const std::optional<QString> &value)
{
    return value ? QStringLiteral("[%1]").arg(*value) : QStringLiteral("none");
}

// Probe mode: what the launcher's default store answers in this process's
// environment, and how long it took. One line on standard output.
int probe(const QString &mode)
{
    if (mode == QLatin1String("--probe-silent")) {
        // Own the Secret Service name on our bus, but never answer: method
        // calls wait for the default main context, which nothing runs while
        // a blocking call waits on its own; the event loop does run it
        // during a call that does not block, and the handler holds on to
        // the calls it gets there.
        GError *error = nullptr;
        GDBusConnection *connection = g_dbus_connection_new_for_address_sync(
            qgetenv("DBUS_SESSION_BUS_ADDRESS").constData(),
            GDBusConnectionFlags(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                 G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, &error);
        const auto setupFailed = [&error] {
            std::printf("setup failed: %s\n", error->message);
            return 1;
        };
        if (!connection)
            return setupFailed();
        // The interface is described exactly (the bus library checks calls
        // against it) but its handlers run only on the default context.
        static const char *const introspection = R"(<node>
  <interface name="org.freedesktop.Secret.Service">
    <method name="OpenSession"><arg type="s" direction="in"/><arg type="v" direction="in"/>
      <arg type="v" direction="out"/><arg type="o" direction="out"/></method>
    <method name="SearchItems"><arg type="a{ss}" direction="in"/>
      <arg type="ao" direction="out"/><arg type="ao" direction="out"/></method>
    <method name="Unlock"><arg type="ao" direction="in"/>
      <arg type="ao" direction="out"/><arg type="o" direction="out"/></method>
    <method name="GetSecrets"><arg type="ao" direction="in"/><arg type="o" direction="in"/>
      <arg type="a{o(oayays)}" direction="out"/></method>
    <method name="ReadAlias"><arg type="s" direction="in"/><arg type="o" direction="out"/></method>
    <property name="Collections" type="ao" access="read"/>
  </interface>
</node>)";
        GDBusNodeInfo *node = g_dbus_node_info_new_for_xml(introspection, &error);
        if (!node)
            return setupFailed();
        static const GDBusInterfaceVTable vtable = {
            [](GDBusConnection *, const char *, const char *, const char *, const char *,
               GVariant *, GDBusMethodInvocation *invocation, gpointer) {
                // Never answered, and kept where the leak check can see
                // it: a static vector would be destroyed before that check
                // runs at exit, and the calls in it reported as lost.
                static auto *unanswered = new std::vector<GDBusMethodInvocation *>;
                unanswered->push_back(invocation);
            },
            nullptr,
            nullptr,
            {}};
        const guint registration = g_dbus_connection_register_object(
            connection, "/org/freedesktop/secrets", node->interfaces[0], &vtable, nullptr, nullptr,
            &error);
        // The registration holds its own reference to the interface description.
        g_dbus_node_info_unref(node);
        if (!registration)
            return setupFailed();
        GVariant *reply = g_dbus_connection_call_sync(
            connection, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "RequestName", g_variant_new("(su)", "org.freedesktop.secrets", 4u), nullptr,
            G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, &error);
        if (!reply)
            return setupFailed();
        g_variant_unref(reply);
        KeychainHelper::setStore(
            std::make_shared<SecretServiceStore>(std::chrono::milliseconds(400)));
    }

    QElapsedTimer timer;
    timer.start();
    KeychainHelper::save(QStringLiteral("alice"), QStringLiteral("secret"));
    const auto password = KeychainHelper::load(QStringLiteral("alice"));
    const auto account = KeychainHelper::savedUsername();

    // The same through the call that does not block: the event loop goes on
    // turning (a tick every 50 ms) until the answer comes.
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(50);
    QEventLoop loop;
    QString later;
    KeychainHelper::lookUpLater(&loop, [&](std::optional<QString> a, std::optional<QString> p) {
        later = describe(a) + QLatin1Char('/') + describe(p);
        loop.quit();
    });
    loop.exec();
    std::printf("load=%s account=%s later=%s ticks=%d ms=%lld\n", qPrintable(describe(password)),
                qPrintable(describe(account)), qPrintable(later), ticks,
                static_cast<long long>(timer.elapsed()));
    return 0;
}

} // namespace

class TestKeychain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void accountsStaySeparate();
    void savingAgainReplacesInPlace();
    void passwordsComeBackExactly_data();
    void passwordsComeBackExactly();
    void answersLaterOnTheEventLoop();
    void probeAnswers_data();
    void probeAnswers();
};

void TestKeychain::initTestCase()
{
    // Never against the user's own keyring: only inside the wrapper's session.
    if (qEnvironmentVariable("VANTOR_PRIVATE_KEYRING") != QLatin1String("1"))
        SKIP_OR_FAIL_IN_CI("needs the private keyring session of tests/run-with-keyring.sh");
    QCOMPARE(itemsOfService(), 0);
}

void TestKeychain::cleanup()
{
    for (const QString &account : usedAccounts)
        KeychainHelper::deleteItem(account);
    QCOMPARE(itemsOfService(), 0);
}

void TestKeychain::accountsStaySeparate()
{
    QCOMPARE(KeychainHelper::savedUsername(), std::nullopt);
    QCOMPARE(KeychainHelper::load("alice"), std::nullopt);
    // Saving again replaces the one item.
    KeychainHelper::save("alice", "first");
    KeychainHelper::save("alice", "pw-a");
    QCOMPARE(itemsOfService("alice"), 1);
    KeychainHelper::save("bob", "pw-b");
    QCOMPARE(itemsOfService(), 2);
    QCOMPARE(KeychainHelper::load("alice"), QStringLiteral("pw-a"));
    QCOMPARE(KeychainHelper::load("bob"), QStringLiteral("pw-b"));
    // Account names are compared exactly, not case-folded.
    QCOMPARE(KeychainHelper::load("Alice"), std::nullopt);
    const auto found = KeychainHelper::savedUsername();
    QVERIFY(found == QStringLiteral("alice") || found == QStringLiteral("bob"));

    KeychainHelper::deleteItem("alice");
    KeychainHelper::deleteItem("nobody"); // harmless
    QCOMPARE(KeychainHelper::load("alice"), std::nullopt);
    QCOMPARE(KeychainHelper::load("bob"), QStringLiteral("pw-b"));
    QCOMPARE(KeychainHelper::savedUsername(), QStringLiteral("bob"));
}

void TestKeychain::savingAgainReplacesInPlace()
{
    ItemSignals itemSignals;
    QVERIFY(itemSignals.isValid());
    KeychainHelper::save("alice", "first");
    const QStringList created = itemSignals.take();
    QCOMPARE(created.size(), 1);
    QVERIFY2(created[0].startsWith("ItemCreated /"), qPrintable(created[0]));
    const QString item = created[0].section(' ', 1);

    // The same item takes the new password: nothing is deleted on the way.
    KeychainHelper::save("alice", "second");
    QCOMPARE(KeychainHelper::load("alice"), QStringLiteral("second"));
    QCOMPARE(itemsOfService("alice"), 1);
    const QStringList replaced = itemSignals.take();
    QVERIFY(!replaced.isEmpty());
    for (const QString &signal : replaced)
        QVERIFY2(!signal.startsWith("ItemDeleted") && signal.endsWith(' ' + item),
                 qPrintable(replaced.join(", ")));

    // The watch does see a deletion.
    KeychainHelper::deleteItem("alice");
    QCOMPARE(itemSignals.take(), QStringList{"ItemDeleted " + item});
}

void TestKeychain::passwordsComeBackExactly_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("password");
    QTest::newRow("spaces") << "alice"
                            << "  correct horse battery staple  ";
    QTest::newRow("non-ASCII") << "alice" << QStringLiteral("pässwörd ✓ 鍵 🔑");
    QTest::newRow("quotes and backslashes") << "alice"
                                            << "a\"b'c\\d;e$f";
    QTest::newRow("non-ASCII account") << "jörg müller"
                                       << "pw";
    QTest::newRow("account with spaces") << "  spaced  "
                                         << "pw";
    QTest::newRow("long") << "bob" << QString(4096, QLatin1Char('x'));
}

void TestKeychain::passwordsComeBackExactly()
{
    QFETCH(QString, account);
    QFETCH(QString, password);
    KeychainHelper::save(account, password);
    QCOMPARE(KeychainHelper::load(account), password);
    QCOMPARE(KeychainHelper::savedUsername(), account);
}

void TestKeychain::answersLaterOnTheEventLoop()
{
    KeychainHelper::saveLater("alice", "pw-a");
    QTRY_COMPARE(KeychainHelper::load("alice"), QStringLiteral("pw-a"));

    QStringList answers;
    const auto record = [&answers](std::optional<QString> a, std::optional<QString> p) {
        answers.append(describe(a) + '/' + describe(p));
    };
    QObject receiver;
    KeychainHelper::lookUpLater(&receiver, record);
    QVERIFY(answers.isEmpty()); // never before the call returns
    QTRY_COMPARE(answers, QStringList{"[alice]/[pw-a]"});
    // A receiver gone before the answer hears nothing.
    auto gone = std::make_unique<QObject>();
    KeychainHelper::lookUpLater(gone.get(), record);
    gone.reset();
    QTest::qWait(500);
    QCOMPARE(answers.size(), 1);
}

void TestKeychain::probeAnswers_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("minMs");
    QTest::addColumn<int>("maxMs");
    QTest::addColumn<int>("minTicks");
    const QString nothing = "load=none account=none later=none/none ";
    QTest::newRow("bus address of a dead socket") << "dead-socket" << nothing << 0 << 3000 << 0;
    QTest::newRow("no session bus at all") << "no-bus" << nothing << 0 << 3000 << 0;
    QTest::newRow("bus without a secret service") << "empty-bus" << nothing << 0 << 3000 << 0;
    // Four calls (save, load, search, and the search that does not block),
    // each given up on after its 400 ms deadline; the event loop turned
    // during the last.
    QTest::newRow("service that never answers") << "silent" << nothing << 4 * 400 << 8000 << 4;
    // Without GLib's dispatcher nothing runs the answers of asynchronous
    // calls: the blocking ones stand in.
    QTest::newRow("keyring, event loop without GLib")
        << "keyring-no-glib"
        << "load=[secret] account=[alice] later=[alice]/[secret] " << 0 << 8000 << 0;
}

void TestKeychain::probeAnswers()
{
    QFETCH(QString, setup);
    QFETCH(QString, expected);
    QFETCH(int, minMs);
    QFETCH(int, maxMs);
    QFETCH(int, minTicks);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QString program = QCoreApplication::applicationFilePath();
    QStringList arguments{setup == "silent" ? "--probe-silent" : "--probe"};
    if (setup == "keyring-no-glib") {
        env.insert("QT_NO_GLIB", "1");
    } else {
        env.remove("DISPLAY");
        env.remove("DBUS_SESSION_BUS_ADDRESS");
        env.insert("XDG_RUNTIME_DIR", scratch.path());
        env.insert("XDG_DATA_DIRS", scratch.path()); // nothing to activate
    }
    if (setup == "dead-socket") {
        env.insert("DBUS_SESSION_BUS_ADDRESS",
                   QStringLiteral("unix:path=%1/no-such-socket").arg(scratch.path()));
    } else if (setup == "empty-bus" || setup == "silent") {
        arguments = QStringList{"--", program} + arguments;
        program = "dbus-run-session";
    }

    QProcess child;
    child.setProcessEnvironment(env);
    child.start(program, arguments);
    QVERIFY2(child.waitForFinished(20000), "the store hung");
    const QString line = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    QCOMPARE(child.exitCode(), 0);
    QVERIFY2(line.startsWith(expected + "ticks="), qPrintable(line));
    const int ms = line.section("ms=", 1).toInt();
    QVERIFY2(ms >= minMs && ms < maxMs, qPrintable(line));
    const int ticks = line.section("ticks=", 1).section(' ', 0, 0).toInt();
    QVERIFY2(ticks >= minTicks, qPrintable(line));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc > 1 && QByteArray(argv[1]).startsWith("--probe"))
        return probe(QString::fromLatin1(argv[1]));
    TestKeychain test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_keychain.moc"
