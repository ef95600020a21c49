// SPDX-License-Identifier: GPL-3.0-or-later
// glib's headers use `signals` as a member name, which Qt defines as a macro:
// they come first, before any Qt header.
#include <libsecret/secret.h>

#include "credentials/SecretServiceStore.h"

#include "LogCategories.h"

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QtGlobal>

#include <memory>
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

// One asynchronous libsecret call in flight for a caller that does not wait:
// it is answered on the main context of the thread that made it, given up on
// at its deadline or when its receiver goes (whichever comes first).
struct LaterCall
{
    GCancellable *cancellable = nullptr;
    GSource *timeout = nullptr;
    // Null for a call nobody waits for (a save).
    QPointer<QObject> receiver;
    bool hasReceiver = false;
    QMetaObject::Connection receiverGone;
    // Takes the result, whatever it is; `wanted` is false once the receiver
    // is gone, and then nothing more is to be started or reported.
    std::function<void(GAsyncResult *result, bool wanted)> finish;
};

void onLaterReady(GObject *, GAsyncResult *result, gpointer data)
{
    const std::unique_ptr<LaterCall> call(static_cast<LaterCall *>(data));
    QObject::disconnect(call->receiverGone);
    g_source_destroy(call->timeout);
    g_source_unref(call->timeout);
    call->finish(result, !call->hasReceiver || call->receiver);
    g_object_unref(call->cancellable);
}

// Whether this thread's event loop is GLib's: Qt's dispatcher on a Linux
// desktop, unless QT_NO_GLIB turns it off. Only then does the loop run the
// main context that asynchronous libsecret calls answer on.
bool eventLoopRunsGLib()
{
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    return dispatcher && dispatcher->inherits("QEventDispatcherGlib");
}

// Starts one asynchronous libsecret call whose answer goes to `finish` from
// the calling thread's event loop (see LaterCall).
template <typename Start>
void startLater(QObject *receiver, std::chrono::milliseconds deadline, Start &&start,
                std::function<void(GAsyncResult *, bool)> finish)
{
    auto *call = new LaterCall;
    call->cancellable = g_cancellable_new();
    call->receiver = receiver;
    call->hasReceiver = receiver != nullptr;
    call->finish = std::move(finish);
    GCancellable *cancellable = call->cancellable;
    if (receiver)
        call->receiverGone = QObject::connect(receiver, &QObject::destroyed,
                                              [cancellable] { g_cancellable_cancel(cancellable); });
    // On the context the call answers on, which is the one the loop runs.
    call->timeout = g_timeout_source_new(guint(qMax<qint64>(deadline.count(), 0)));
    g_source_set_callback(call->timeout, onDeadline, cancellable, nullptr);
    GMainContext *context = g_main_context_ref_thread_default();
    g_source_attach(call->timeout, context);
    g_main_context_unref(context);
    start(cancellable, onLaterReady, call);
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

std::optional<QString> finishLookup(GAsyncResult *result)
{
    GError *error = nullptr;
    gchar *secret = secret_password_lookup_finish(result, &error);
    logError("looking up the password", error);
    std::optional<QString> password = fromUtf8(secret);
    if (secret)
        secret_password_free(secret); // wipes the memory too
    return password;
}

std::optional<QString> finishSearch(GAsyncResult *result)
{
    GError *error = nullptr;
    GList *items = secret_password_search_finish(result, &error);
    logError("searching the stored accounts", error);
    std::optional<QString> account;
    if (items) {
        GHashTable *attributes = secret_retrievable_get_attributes(SECRET_RETRIEVABLE(items->data));
        if (attributes) {
            account =
                fromUtf8(static_cast<const char *>(g_hash_table_lookup(attributes, "account")));
            g_hash_table_unref(attributes);
        }
        g_list_free_full(items, g_object_unref);
    }
    return account;
}

void finishStore(GAsyncResult *result)
{
    GError *error = nullptr;
    secret_password_store_finish(result, &error);
    logError("storing the password", error);
}

// The three calls, each started the same way for a caller that waits and
// for one that does not.
auto startSearch(const QByteArray &service)
{
    return [service](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
        // Attributes of locked items are readable: no unlocking, no secrets.
        secret_password_search(credentialSchema(), SECRET_SEARCH_NONE, cancellable, ready, data,
                               "service", service.constData(), nullptr);
    };
}

auto startLookup(const QByteArray &service, const QByteArray &account)
{
    return [service, account](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
        secret_password_lookup(credentialSchema(), cancellable, ready, data, "service",
                               service.constData(), "account", account.constData(), nullptr);
    };
}

// The password is wiped from the copy this holds when the call is done.
struct StoreRequest
{
    QByteArray service;
    QByteArray account;
    QByteArray secret;
    QByteArray label;
    ~StoreRequest() { secret.fill('\0'); }
};

auto startStore(std::shared_ptr<const StoreRequest> request)
{
    return [request](GCancellable *cancellable, GAsyncReadyCallback ready, gpointer data) {
        secret_password_store(credentialSchema(), SECRET_COLLECTION_DEFAULT,
                              request->label.constData(), request->secret.constData(), cancellable,
                              ready, data, "service", request->service.constData(), "account",
                              request->account.constData(), nullptr);
    };
}

std::shared_ptr<const StoreRequest> storeRequest(const QString &account, const QString &password)
{
    auto request = std::make_shared<StoreRequest>();
    request->service = SecretServiceStore::serviceId().toUtf8();
    request->account = account.toUtf8();
    request->secret = password.toUtf8();
    request->label =
        QStringLiteral("Vantor Online launcher: Steam account %1").arg(account).toUtf8();
    return request;
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
    runBounded(m_deadline, startStore(storeRequest(account, password)), finishStore);
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
    return runBounded(m_deadline, startLookup(serviceId().toUtf8(), account.toUtf8()),
                      finishLookup);
}

std::optional<QString> SecretServiceStore::anyAccount()
{
    if (!sessionBusConfigured())
        return std::nullopt;
    return runBounded(m_deadline, startSearch(serviceId().toUtf8()), finishSearch);
}

void SecretServiceStore::lookUpLater(QObject *receiver, LookupDone done)
{
    // Without a bus the blocking calls answer at once; without GLib's loop
    // nothing would run the answers of the asynchronous ones.
    if (!sessionBusConfigured() || !eventLoopRunsGLib()) {
        CredentialStore::lookUpLater(receiver, std::move(done));
        return;
    }
    const QByteArray service = serviceId().toUtf8();
    const std::chrono::milliseconds deadline = m_deadline;
    // Two calls in a row, each with its own deadline, as load() and
    // anyAccount() have: the account first, then its password.
    startLater(receiver, deadline, startSearch(service),
               [receiver, deadline, service, done](GAsyncResult *result, bool wanted) {
                   const std::optional<QString> account = finishSearch(result);
                   if (!wanted)
                       return;
                   if (!account) {
                       done(std::nullopt, std::nullopt);
                       return;
                   }
                   startLater(receiver, deadline, startLookup(service, account->toUtf8()),
                              [account, done](GAsyncResult *result, bool wanted) {
                                  const std::optional<QString> password = finishLookup(result);
                                  if (wanted)
                                      done(account, password);
                              });
               });
}

void SecretServiceStore::saveLater(const QString &account, const QString &password)
{
    if (!sessionBusConfigured() || !eventLoopRunsGLib()) {
        save(account, password);
        return;
    }
    startLater(nullptr, m_deadline, startStore(storeRequest(account, password)),
               [](GAsyncResult *result, bool) { finishStore(result); });
}
