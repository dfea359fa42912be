#include "platform/desktop/TrayIcon.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {
constexpr int AvailabilityPollMs = 2000;

std::optional<bool> &availabilityOverride()
{
    static std::optional<bool> o;
    return o;
}
} // namespace

TrayIcon::TrayIcon(QObject *parent) : QObject(parent)
{
    availabilityPoll_.setInterval(AvailabilityPollMs);
    availabilityPoll_.setTimerType(Qt::VeryCoarseTimer);
    connect(&availabilityPoll_, &QTimer::timeout, this, &TrayIcon::lookAtAvailability);
}

TrayIcon::~TrayIcon()
{
    Remove();
}

void TrayIcon::Add(const QIcon &icon, const QString &tip)
{
    if (!icon_) {
        // A child as well, so the platform callback can be reached in tests.
        icon_ = std::make_unique<QSystemTrayIcon>(this);
        connect(icon_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                emit mouseMessage(LeftButtonDown);
                break;
            case QSystemTrayIcon::DoubleClick:
                emit mouseMessage(LeftDoubleClick);
                break;
            case QSystemTrayIcon::Context:
                contextRequested();
                break;
            default:
                break;
            }
        });
    }
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    // Shown once the event loop runs: docking into the notification area
    // waits on the desktop (the area's host, the session bus) for some
    // milliseconds the first window need not wait for. The loop runs as
    // soon as the window is up, or a reminder due at start is open.
    if (!icon_->isVisible())
        QTimer::singleShot(0, icon_.get(), [shown = icon_.get()] { shown->show(); });
}

// The desktop reports the context request while the right button is still
// down; a menu opened then gets the button's release and may close at once.
// Like the classic "right button up", report it when the button comes up.
void TrayIcon::contextRequested()
{
    if (!(QGuiApplication::mouseButtons() & Qt::RightButton)) {
        emit mouseMessage(RightButtonUp);
        return;
    }
    if (waitingForRelease_)
        return;
    waitingForRelease_ = true;
    qApp->installEventFilter(this);
    // Should the release never reach us, do not leave the user waiting.
    QTimer::singleShot(1500, this, [this] { releaseSeen(); });
}

void TrayIcon::releaseSeen()
{
    if (!waitingForRelease_)
        return;
    waitingForRelease_ = false;
    qApp->removeEventFilter(this);
    // Out of the event's delivery before a menu opens.
    QTimer::singleShot(0, this, [this] { emit mouseMessage(RightButtonUp); });
}

bool TrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    if (waitingForRelease_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        releaseSeen();
    return QObject::eventFilter(watched, event);
}

void TrayIcon::Remove()
{
    if (icon_) {
        icon_->hide();
        icon_.reset();
    }
}

bool TrayIcon::isAdded() const
{
    return icon_ && icon_->isVisible();
}

bool TrayIcon::isAvailable()
{
    if (availabilityOverride())
        return *availabilityOverride();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::OverrideAvailability(std::optional<bool> available)
{
    availabilityOverride() = available;
}

void TrayIcon::watchAvailability(bool on)
{
    if (on == availabilityPoll_.isActive())
        return;
    if (on) {
        lastAvailable_ = isAvailable();
        availabilityPoll_.start();
    } else {
        availabilityPoll_.stop();
    }
}

void TrayIcon::lookAtAvailability()
{
    const bool now = isAvailable();
    if (now == lastAvailable_)
        return;
    lastAvailable_ = now;
    emit availabilityChanged(now);
}

void TrayIcon::PopupAtCursor(QMenu *menu)
{
    menu->popup(QCursor::pos());
}
