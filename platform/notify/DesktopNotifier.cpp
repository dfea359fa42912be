#include "platform/notify/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace {
const char *const Service = "org.freedesktop.Notifications";
const char *const Path = "/org/freedesktop/Notifications";
const char *const Interface = "org.freedesktop.Notifications";
const char *const DefaultAction = "default";

QDBusMessage call(const char *method)
{
    return QDBusMessage::createMethodCall(QLatin1String(Service), QLatin1String(Path), QLatin1String(Interface),
                                          QLatin1String(method));
}
} // namespace

DesktopNotifier::DesktopNotifier(const QString &appName, QObject *parent) : QObject(parent), appName_(appName)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    connected_ = bus.isConnected();
    if (!connected_)
        return;
    bus.connect(QLatin1String(Service), QLatin1String(Path), QLatin1String(Interface), QStringLiteral("ActionInvoked"),
                this, SLOT(actionInvoked(uint, QString)));
    bus.connect(QLatin1String(Service), QLatin1String(Path), QLatin1String(Interface),
                QStringLiteral("NotificationClosed"), this, SLOT(notificationClosed(uint, uint)));
    askCapabilities();
}

DesktopNotifier::~DesktopNotifier()
{
    for (const auto &[handle, id] : shown_)
        if (id != 0)
            closeOnServer(id);
}

void DesktopNotifier::askCapabilities()
{
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call("GetCapabilities")), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        QDBusPendingReply<QStringList> reply = *w;
        w->deleteLater();
        // A service that does not answer this does not answer anything.
        bodyMarkup_ = !reply.isError() && reply.value().contains(QStringLiteral("body-markup"));
        if (reply.isError()) {
            waiting_.clear();
            shown_.clear();
            connected_ = false;
            return;
        }
        const std::vector<Pending> waiting = std::move(waiting_);
        waiting_.clear();
        for (const Pending &p : waiting)
            send(p);
    });
}

DesktopNotifier::Handle DesktopNotifier::post(const QString &summary, const QString &body)
{
    const Handle handle = next_++;
    if (!connected_)
        return handle;
    shown_[handle] = 0;
    // A notice shows a few lines; a name of megabytes (damage, another
    // writer) would only weigh on the bus and the service.
    constexpr int LongestBody = 200;
    const QString shown = body.size() <= LongestBody ? body : body.left(LongestBody - 1) + QChar(0x2026);
    const Pending notice{handle, summary, shown};
    if (bodyMarkup_)
        send(notice);
    else
        waiting_.push_back(notice);
    return handle;
}

void DesktopNotifier::send(const Pending &notice)
{
    if (shown_.count(notice.handle) == 0)
        return; // withdrawn before it could be sent
    // Where the service reads the body as markup, a name like "R&D <weekly>"
    // must come out as typed.
    const QString body = *bodyMarkup_ ? notice.body.toHtmlEscaped() : notice.body;
    QDBusMessage m = call("Notify");
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), appName_.toLower());
    m << appName_ << uint(0) << QString() << notice.summary << body
      << QStringList{QLatin1String(DefaultAction), tr("Show")} << hints << int(0); // stays until answered or withdrawn
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(m), this);
    const Handle handle = notice.handle;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, handle](QDBusPendingCallWatcher *w) {
        QDBusPendingReply<uint> reply = *w;
        w->deleteLater();
        const auto it = shown_.find(handle);
        if (reply.isError() || reply.value() == 0) {
            if (it != shown_.end())
                shown_.erase(it);
            return;
        }
        if (it == shown_.end()) {
            closeOnServer(reply.value()); // withdrawn while the service was still busy
            return;
        }
        it->second = reply.value();
    });
}

void DesktopNotifier::withdraw(Handle handle)
{
    const auto it = shown_.find(handle);
    if (it == shown_.end())
        return;
    const uint id = it->second;
    shown_.erase(it);
    if (id != 0)
        closeOnServer(id);
}

void DesktopNotifier::closeOnServer(uint id)
{
    QDBusMessage m = call("CloseNotification");
    m << id;
    QDBusConnection::sessionBus().asyncCall(m);
}

std::optional<DesktopNotifier::Handle> DesktopNotifier::handleOf(uint id) const
{
    for (const auto &[handle, shownId] : shown_)
        if (shownId == id)
            return handle;
    return std::nullopt;
}

void DesktopNotifier::actionInvoked(uint id, const QString &actionKey)
{
    if (actionKey != QLatin1String(DefaultAction))
        return;
    if (const std::optional<Handle> handle = handleOf(id))
        emit activated(*handle);
}

void DesktopNotifier::notificationClosed(uint id, uint)
{
    if (const std::optional<Handle> handle = handleOf(id))
        shown_.erase(*handle);
}
