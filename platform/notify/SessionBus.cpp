#include "platform/notify/SessionBus.h"

#include <QtGlobal>

#include <unistd.h>

namespace SessionBus {

namespace {
// D-Bus addresses escape every byte outside this set as %xx.
QByteArray escaped(const QByteArray &path)
{
    QByteArray out;
    for (const char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'
            || c == '_' || c == '/' || c == '.' || c == '\\' || c == '*';
        if (plain)
            out += c;
        else
            out += '%' + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
    }
    return out;
}
} // namespace

QByteArray AddressFor(const QByteArray &address, const QByteArray &runtimeDir, unsigned uid)
{
    if (!address.isEmpty())
        return address;
    // Where the session's bus lives (systemd's user bus, and the place
    // libdbus looks itself before it autolaunches).
    const QByteArray folder = runtimeDir.isEmpty() ? "/run/user/" + QByteArray::number(uid) : runtimeDir;
    return "unix:path=" + escaped(folder + "/bus");
}

void KeepFromAutolaunching()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS",
            AddressFor(qgetenv("DBUS_SESSION_BUS_ADDRESS"), qgetenv("XDG_RUNTIME_DIR"), ::getuid()));
}

} // namespace SessionBus
