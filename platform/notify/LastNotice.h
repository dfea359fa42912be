#pragma once
// The last message of a program that is ending (at logout, at a signal,
// or because its display went away) through the desktop's notification
// service. Unlike DesktopNotifier, whose notices are asynchronous and are
// withdrawn when it goes, this one is sent before the call returns and stays
// up after the process is gone.

#include <QString>

namespace LastNotice {

// Posts one notification and waits at most `timeoutMs` for the service's
// answer. False when no session bus or no notification service is there,
// or it did not answer in time; the caller reports some other way then.
bool Post(const QString &summary, const QString &body, int timeoutMs = 2000);

} // namespace LastNotice
