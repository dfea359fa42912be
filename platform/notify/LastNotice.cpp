#include "platform/notify/LastNotice.h"

#include "KalvixProduct.h"

#include <dbus/dbus.h>

#include <memory>

// Plain libdbus on a private connection of its own, not QtDBus: this runs
// also from an exit() hook, when QtDBus's connection thread is already gone.

namespace LastNotice {

bool Post(const QString &summary, const QString &body, int timeoutMs)
{
    DBusError error;
    dbus_error_init(&error);
    DBusConnection *raw = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
    dbus_error_free(&error);
    if (!raw)
        return false;
    const auto close = [](DBusConnection *c) {
        dbus_connection_close(c);
        dbus_connection_unref(c);
    };
    std::unique_ptr<DBusConnection, decltype(close)> connection(raw, close);
    dbus_connection_set_exit_on_disconnect(raw, FALSE);

    std::unique_ptr<DBusMessage, decltype(&dbus_message_unref)> call(
        dbus_message_new_method_call("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                     "org.freedesktop.Notifications", "Notify"),
        dbus_message_unref);
    if (!call)
        return false;
    const QByteArray app = KALVIX_NAME, icon = KALVIX_COMMAND, sum = summary.toUtf8(), text = body.toUtf8();
    const char *appP = app.constData(), *iconP = icon.constData(), *sumP = sum.constData(), *textP = text.constData();
    const dbus_uint32_t replaces = 0;
    const dbus_int32_t expire = 0; // stays until read
    DBusMessageIter args, actions, hints, entry, variant;
    dbus_message_iter_init_append(call.get(), &args);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &appP);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_UINT32, &replaces);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &iconP);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &sumP);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &textP);
    dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "s", &actions);
    dbus_message_iter_close_container(&args, &actions);
    dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "{sv}", &hints);
    const char *urgencyKey = "urgency";
    const unsigned char critical = 2;
    dbus_message_iter_open_container(&hints, DBUS_TYPE_DICT_ENTRY, nullptr, &entry);
    dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &urgencyKey);
    dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "y", &variant);
    dbus_message_iter_append_basic(&variant, DBUS_TYPE_BYTE, &critical);
    dbus_message_iter_close_container(&entry, &variant);
    dbus_message_iter_close_container(&hints, &entry);
    dbus_message_iter_close_container(&args, &hints);
    dbus_message_iter_append_basic(&args, DBUS_TYPE_INT32, &expire);

    DBusMessage *reply = dbus_connection_send_with_reply_and_block(raw, call.get(), timeoutMs, &error);
    const bool ok = reply != nullptr;
    if (reply)
        dbus_message_unref(reply);
    dbus_error_free(&error);
    return ok;
}

} // namespace LastNotice
