#pragma once
// A message for the user through the desktop's notification service
// (org.freedesktop.Notifications on the session bus), for the moments when
// the program has no window to show one in: it is ending at logout, at a
// signal, or because its display went away.

#include <QString>

namespace DesktopNotification {

// Posts one notification and waits at most `timeoutMs` for the service's
// answer. False when no session bus or no notification service is there,
// or it did not answer in time; the caller reports some other way then.
bool Post(const QString &summary, const QString &body, int timeoutMs = 2000);

} // namespace DesktopNotification
