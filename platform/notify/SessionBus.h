#pragma once
// Keeps the program from starting a session bus of its own.
//
// With no DBUS_SESSION_BUS_ADDRESS, libdbus (under QtDBus, Qt's tray and
// accessibility code, and LastNotice) "autolaunches" a bus on an X display:
// it runs dbus-launch, whose dbus-daemon outlives the program, and a call
// to the notification service may then start a notification daemon on it.
// A program has no business starting a desktop's services, so it talks only
// to a bus that is there.

#include <QByteArray>

namespace SessionBus {

// The address to talk to the session bus at, from `address`
// (DBUS_SESSION_BUS_ADDRESS) and `runtimeDir` (XDG_RUNTIME_DIR): the given
// address, else the bus socket in the runtime folder. Where no bus exists,
// that socket's path all the same (nothing listens, so every attempt fails
// at once, and a bus started there later is found); never one that
// autolaunches.
QByteArray AddressFor(const QByteArray &address, const QByteArray &runtimeDir, unsigned uid);

// Sets DBUS_SESSION_BUS_ADDRESS so; call first thing in main(), before
// anything may reach for the bus. Processes the program starts (the web
// browser) inherit it, and so do not autolaunch one either.
void KeepFromAutolaunching();

} // namespace SessionBus
