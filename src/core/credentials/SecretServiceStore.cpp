// SPDX-License-Identifier: GPL-3.0-or-later
// glib's headers use `signals` as a member name, which Qt defines as a macro:
// they come first, before any Qt header.
#include <libsecret/secret.h>

#include "SecretServiceStore.h"

#include "LogCategories.h"

#include <QByteArray>
#include <QFileInfo>
#include <QtGlobal>

#include <type_traits>

namespace {

const char *const serviceIdText = "org.vantoronline.Launcher";

const SecretSchema *credentialSchema()
{
    static const SecretSchema schema = [] {
        SecretSchema s{};
        s.name = serviceIdText;
        s.flags = SECRET_SCHEMA_NONE;
        s.attributes[0] = {"service", SECRET_SCHEMA_ATTRIBUTE_STRING};
        s.attributes[1] = {"account", SECRET_SCHEMA_ATTRIBUTE_STRING};
        s.attributes[2] = {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING};
        return s;
    }();
    return &schema;
}

struct PendingCall
{
    GAsyncResult *result = nullptr;
};

void onCallReady(GObject *, GAsyncResult *result, gpointer data)
{
    static_cast<PendingCall *>(data)->result = G_ASYNC_RESULT(g_object_ref(result));
}

gboolean onDeadline(gpointer cancellable)
{
    g_cancellable_cancel(G_CANCELLABLE(cancellable));
    return G_SOURCE_REMOVE;
}

// Runs one asynchronous libsecret call to its end on a private main context,
// cancelling it when the deadline passes, and hands its result to `finish`
// while that context is still current. The private context keeps the wait
// from dispatching anything of the application's own event loop. Returns what
// `finish` returns.
template <typename Start, typename Finish>
auto runBounded(std::chrono::milliseconds deadline, Start &&start, Finish &&finish)
{
    GMainContext *context = g_main_context_new();
    g_main_context_push_thread_default(context);
    GCancellable *cancellable = g_cancellable_new();
    GSource *timeout = g_timeout_source_new(guint(qMax<qint64>(deadline.count(), 0)));
    g_source_set_callback(timeout, onDeadline, cancellable, nullptr);
    g_source_attach(timeout, context);

    PendingCall call;
    start(cancellable, onCallReady, &call);
    // A cancelled D-Bus call completes promptly with a cancellation error.
    while (!call.result)
        g_main_context_iteration(context, TRUE);

    const auto cleanUp = [&] {
        g_object_unref(call.result);
        g_source_destroy(timeout);
        g_source_unref(timeout);
        g_object_unref(cancellable);
        // D-Bus proxies made during the call (the items a search found)
        // subscribed to signals on this context; releasing them hands the
        // subscriptions' clean-up to it as idle callbacks. Run those before
        // the context goes, or their data is never freed. Bounded: only what
        // is ready now.
        for (int i = 0; i < 1000 && g_main_context_iteration(context, FALSE); ++i) {
        }
        g_main_context_pop_thread_default(context);
        g_main_context_unref(context);
    };
    if constexpr (std::is_void_v<decltype(finish(call.result))>) {
        finish(call.result);
        cleanUp();
    } else {
        auto value = finish(call.result);
        cleanUp();
        return value;
    }
}

void logError(const char *operation, GError *error)
{
    if (!error)
        return;
    qCDebug(lcKeychain) << operation << "failed:" << error->message;
    g_error_free(error);
}

std::optional<QString> fromUtf8(const char *text)
{
    if (!text || !g_utf8_validate(text, -1, nullptr))
        return std::nullopt;
    return QString::fromUtf8(text);
}

} // namespace

SecretServiceStore::SecretServiceStore(std::chrono::milliseconds deadline) : m_deadline(deadline) {}

QString SecretServiceStore::serviceId()
{
    return QString::fromLatin1(serviceIdText);
}

bool SecretServiceStore::sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    // Without an address, the bus is looked for at its usual place. Not
    // finding it there, we do not let the D-Bus library try to start one.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QLatin1String("/bus"));
}

void SecretServiceStore::save(const QString &account, const QString &password)
{
    if (!sessionBusConfigured())
        return;
    const QByteArray service = serviceId().toUtf8();
    const QByteArray name = account.toUtf8();
    QByteArray secret = password.toUtf8();
    const QByteArray label =
        QStringLiteral("Vantor Online launcher: Steam account %1").arg(account).toUtf8();

    runBounded(
        m_deadline,
        [&](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
            secret_password_store(credentialSchema(), SECRET_COLLECTION_DEFAULT, label.constData(),
                                  secret.constData(), cancellable, ready, data, "service",
                                  service.constData(), "account", name.constData(), nullptr);
        },
        [](GAsyncResult *result) {
            GError *error = nullptr;
            secret_password_store_finish(result, &error);
            logError("storing the password", error);
        });
    secret.fill('\0');
}

void SecretServiceStore::remove(const QString &account)
{
    if (!sessionBusConfigured())
        return;
    const QByteArray service = serviceId().toUtf8();
    const QByteArray name = account.toUtf8();
    runBounded(
        m_deadline,
        [&](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
            secret_password_clear(credentialSchema(), cancellable, ready, data, "service",
                                  service.constData(), "account", name.constData(), nullptr);
        },
        [](GAsyncResult *result) {
            GError *error = nullptr;
            secret_password_clear_finish(result, &error);
            logError("removing the password", error);
        });
}

std::optional<QString> SecretServiceStore::load(const QString &account)
{
    if (!sessionBusConfigured())
        return std::nullopt;
    const QByteArray service = serviceId().toUtf8();
    const QByteArray name = account.toUtf8();
    return runBounded(
        m_deadline,
        [&](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
            secret_password_lookup(credentialSchema(), cancellable, ready, data, "service",
                                   service.constData(), "account", name.constData(), nullptr);
        },
        [](GAsyncResult *result) {
            GError *error = nullptr;
            gchar *secret = secret_password_lookup_finish(result, &error);
            logError("looking up the password", error);
            std::optional<QString> password = fromUtf8(secret);
            if (secret)
                secret_password_free(secret); // wipes the memory too
            return password;
        });
}

std::optional<QString> SecretServiceStore::anyAccount()
{
    if (!sessionBusConfigured())
        return std::nullopt;
    const QByteArray service = serviceId().toUtf8();
    return runBounded(
        m_deadline,
        [&](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
            // Attributes of locked items are readable: no unlocking, no secrets.
            secret_password_search(credentialSchema(), SECRET_SEARCH_NONE, cancellable, ready, data,
                                   "service", service.constData(), nullptr);
        },
        [](GAsyncResult *result) {
            GError *error = nullptr;
            GList *items = secret_password_search_finish(result, &error);
            logError("searching the stored accounts", error);
            std::optional<QString> account;
            if (items) {
                GHashTable *attributes =
                    secret_retrievable_get_attributes(SECRET_RETRIEVABLE(items->data));
                if (attributes) {
                    account = fromUtf8(
                        static_cast<const char *>(g_hash_table_lookup(attributes, "account")));
                    g_hash_table_unref(attributes);
                }
                g_list_free_full(items, g_object_unref);
            }
            return account;
        });
}
