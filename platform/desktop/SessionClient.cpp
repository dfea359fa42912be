#include "platform/desktop/SessionClient.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>

#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

// Between the registering thread and the main thread: the thread hands over
// the connection unless the client was gone by then, in which case it
// closes the connection itself.
struct SessionClient::Attempt {
    std::mutex mutex;
    SessionClient *client = nullptr; // null once the client is destroyed
};

namespace {
// One client per process; the ICE error handlers are process-wide too.
SessionClient *current = nullptr;
bool brokenProtocol = false;

void ioErrorHandler(IceConn)
{
    // libICE's default handler calls exit(). Returning instead makes the
    // message processing report the error, and the client drops the
    // connection.
}

void iceErrorHandler(IceConn, Bool, int, unsigned long, int, int severity, IcePointer)
{
    std::fprintf(stderr, "kalvix: the session manager sent a message it should not have (ICE severity %d)\n", severity);
    brokenProtocol = true;
}

void smcErrorHandler(SmcConn, Bool, int, unsigned long, int, int severity, SmPointer)
{
    std::fprintf(stderr, "kalvix: session protocol error (severity %d)\n", severity);
    brokenProtocol = true;
}

void setSmProperty(SmcConn conn, const char *name, const char *type, const QList<QByteArray> &values)
{
    std::vector<SmPropValue> v;
    for (const QByteArray &value : values)
        v.push_back(SmPropValue{int(value.size()), const_cast<char *>(value.constData())});
    SmProp prop{const_cast<char *>(name), const_cast<char *>(type), int(v.size()), v.data()};
    SmProp *props[] = {&prop};
    SmcSetProperties(conn, 1, props);
}
} // namespace

// The library's callbacks, on the main thread inside IceProcessMessages.
// They only note what came and leave the work to the event loop: a message
// box opened right here would run a nested event loop inside libICE.
struct SessionCallbacks {
    static SessionClient *client(SmPointer data) { return static_cast<SessionClient *>(data); }

    static void saveYourself(SmcConn, SmPointer data, int, Bool shutdown, int interactStyle, Bool)
    {
        QPointer<SessionClient> c = client(data);
        QMetaObject::invokeMethod(
            c,
            [c, shutdown, interactStyle] {
                if (c)
                    c->onSaveYourself(shutdown, interactStyle);
            },
            Qt::QueuedConnection);
    }
    static void interact(SmcConn, SmPointer data)
    {
        QMetaObject::invokeMethod(client(data), &SessionClient::onInteract, Qt::QueuedConnection);
    }
    static void die(SmcConn, SmPointer data)
    {
        QMetaObject::invokeMethod(client(data), &SessionClient::onDie, Qt::QueuedConnection);
    }
    static void saveComplete(SmcConn, SmPointer data) { client(data)->confirmed_ = false; }
    static void shutdownCancelled(SmcConn, SmPointer data)
    {
        QMetaObject::invokeMethod(client(data), &SessionClient::onShutdownCancelled, Qt::QueuedConnection);
    }
};

SessionClient::SessionClient(Hooks hooks, QObject *parent) : QObject(parent), hooks_(std::move(hooks))
{
    current = this;
}

SessionClient::~SessionClient()
{
    if (attempt_) {
        std::lock_guard<std::mutex> lock(attempt_->mutex);
        attempt_->client = nullptr;
    }
    if (conn_)
        SmcCloseConnection(static_cast<SmcConn>(conn_), 0, nullptr);
    if (current == this)
        current = nullptr;
}

QByteArray SessionClient::TakeAddress()
{
    const QByteArray address = qgetenv("SESSION_MANAGER");
    qunsetenv("SESSION_MANAGER");
    return address;
}

void SessionClient::PutBackAddress(const QByteArray &address)
{
    if (!address.isEmpty())
        qputenv("SESSION_MANAGER", address);
}

void SessionClient::connectTo(const QByteArray &address)
{
    if (address.isEmpty() || attempt_)
        return;
    IceInitThreads();
    IceSetIOErrorHandler(ioErrorHandler);
    IceSetErrorHandler(iceErrorHandler);
    SmcSetErrorHandler(smcErrorHandler);

    attempt_ = std::make_shared<Attempt>();
    attempt_->client = this;
    std::thread([attempt = attempt_, address, self = this] {
        SmcCallbacks callbacks = {};
        callbacks.save_yourself.callback = SessionCallbacks::saveYourself;
        callbacks.save_yourself.client_data = self;
        callbacks.die.callback = SessionCallbacks::die;
        callbacks.die.client_data = self;
        callbacks.save_complete.callback = SessionCallbacks::saveComplete;
        callbacks.save_complete.client_data = self;
        callbacks.shutdown_cancelled.callback = SessionCallbacks::shutdownCancelled;
        callbacks.shutdown_cancelled.client_data = self;
        char *clientId = nullptr;
        char error[256] = {};
        QByteArray ids = address;
        SmcConn conn = SmcOpenConnection(ids.data(), nullptr, SmProtoMajor, SmProtoMinor,
                                         SmcSaveYourselfProcMask | SmcDieProcMask | SmcSaveCompleteProcMask
                                             | SmcShutdownCancelledProcMask,
                                         &callbacks, nullptr, &clientId, sizeof error, error);
        std::free(clientId);
        std::lock_guard<std::mutex> lock(attempt->mutex);
        if (!conn) {
            std::fprintf(stderr, "kalvix: running without the session manager: %s\n", error);
            return;
        }
        if (!attempt->client) {
            SmcCloseConnection(conn, 0, nullptr);
            return;
        }
        QMetaObject::invokeMethod(
            attempt->client, [client = attempt->client, conn] { client->attach(conn); }, Qt::QueuedConnection);
    }).detach();
}

void SessionClient::attach(void *connection)
{
    auto conn = static_cast<SmcConn>(connection);
    conn_ = conn;
    const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
    const QByteArray user = qgetenv("USER");
    setSmProperty(conn, SmProgram, SmARRAY8, {program});
    setSmProperty(conn, SmRestartCommand, SmLISTofARRAY8, {program});
    setSmProperty(conn, SmCloneCommand, SmLISTofARRAY8, {program});
    setSmProperty(conn, SmUserID, SmARRAY8, {user.isEmpty() ? QByteArray("user") : user});
    notifier_ = std::make_unique<QSocketNotifier>(IceConnectionNumber(SmcGetIceConnection(conn)),
                                                  QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SessionClient::readMessages);
    emit connected();
}

void SessionClient::readMessages()
{
    if (!conn_)
        return;
    brokenProtocol = false;
    const IceProcessMessagesStatus status = IceProcessMessages(SmcGetIceConnection(static_cast<SmcConn>(conn_)),
                                                               nullptr, nullptr);
    if (status != IceProcessMessagesSuccess || brokenProtocol)
        drop();
}

void SessionClient::drop()
{
    if (!conn_)
        return;
    notifier_.reset();
    auto conn = static_cast<SmcConn>(conn_);
    conn_ = nullptr;
    saving_ = false;
    confirmed_ = false;
    // The other side is gone: do not wait for it to agree to the closing.
    IceSetShutdownNegotiation(SmcGetIceConnection(conn), False);
    SmcCloseConnection(conn, 0, nullptr);
    std::fprintf(stderr, "kalvix: the session manager went away; running on without it\n");
    emit dropped();
}

void SessionClient::onSaveYourself(bool shutdown, int interactStyle)
{
    if (!conn_)
        return;
    saving_ = true;
    ++saveSerial_;
    // The quit question belongs to a logout that lets clients talk to the
    // user; it is asked once, however often the manager asks to save.
    if (shutdown && interactStyle == SmInteractStyleAny && !confirmed_
        && SmcInteractRequest(static_cast<SmcConn>(conn_), SmDialogNormal, SessionCallbacks::interact, this))
        return;
    finishSave();
}

void SessionClient::onInteract()
{
    if (!conn_ || !saving_)
        return;
    const unsigned serial = saveSerial_;
    const bool ok = hooks_.confirmQuit ? hooks_.confirmQuit() : true;
    // While the question was open the manager may have given up, cancelled
    // the logout or died: then the answer has nobody to go to.
    if (!conn_ || !saving_ || serial != saveSerial_)
        return;
    SmcInteractDone(static_cast<SmcConn>(conn_), ok ? False : True);
    confirmed_ = ok;
    finishSave();
}

void SessionClient::finishSave()
{
    const bool ok = hooks_.save ? hooks_.save() : true;
    if (!conn_)
        return;
    saving_ = false;
    SmcSaveYourselfDone(static_cast<SmcConn>(conn_), ok ? True : False);
}

void SessionClient::onShutdownCancelled()
{
    confirmed_ = false;
    if (conn_ && saving_) {
        // An interaction still pending is over; the save part is answered.
        saving_ = false;
        SmcSaveYourselfDone(static_cast<SmcConn>(conn_), True);
    }
}

void SessionClient::onDie()
{
    if (conn_) {
        notifier_.reset();
        SmcCloseConnection(static_cast<SmcConn>(conn_), 0, nullptr);
        conn_ = nullptr;
    }
    if (hooks_.end)
        hooks_.end();
}
