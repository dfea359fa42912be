#pragma once
// Notices on the desktop's notification service (org.freedesktop.
// Notifications on the session bus). Everything is asynchronous and
// nothing is required: without a bus or a service a notice just does not
// appear, and the program carries on as it would without one.

#include <QObject>
#include <QString>

#include <map>
#include <optional>
#include <vector>

class QDBusPendingCallWatcher;

class DesktopNotifier : public QObject {
    Q_OBJECT
public:
    using Handle = quint64;

    explicit DesktopNotifier(const QString &appName, QObject *parent = nullptr);
    ~DesktopNotifier() override; // withdraws what is still up

    // Posts a notice that stays up until it is withdrawn or dismissed.
    // Clicking it (the service's default action) emits activated(handle).
    Handle post(const QString &summary, const QString &body);
    void withdraw(Handle handle);

signals:
    void activated(DesktopNotifier::Handle handle);

private slots:
    void actionInvoked(uint id, const QString &actionKey);
    void notificationClosed(uint id, uint reason);

private:
    struct Pending {
        Handle handle;
        QString summary;
        QString body;
    };
    void askCapabilities();
    void send(const Pending &notice);
    void closeOnServer(uint id);
    std::optional<Handle> handleOf(uint id) const;

    QString appName_;
    bool connected_ = false;
    std::optional<bool> bodyMarkup_; // unknown until the service answered
    std::vector<Pending> waiting_;   // posted before the capabilities came
    Handle next_ = 1;
    std::map<Handle, uint> shown_; // handle -> the service's id (0: not yet known)
};
