#include "platform/desktop/WindowActivation.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef KALVIX_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    Reply r(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr),
            &std::free);
    return r ? static_cast<xcb_intern_atom_reply_t *>(r.get())->atom : xcb_atom_t(XCB_ATOM_NONE);
}

void sendToRoot(xcb_connection_t *c, xcb_window_t root, xcb_window_t window, xcb_atom_t type, uint32_t d0, uint32_t d1)
{
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = type;
    event.data.data32[0] = d0;
    event.data.data32[1] = d1;
    xcb_send_event(c, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&event));
}

// Asks the window manager to bring `window` onto the workspace the user is
// on and to activate it as for a user action; false when this is not an
// X11 session.
bool requestActivation(QWidget *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return false;
    xcb_connection_t *c = x11->connection();
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return false;
    const auto id = static_cast<xcb_window_t>(window->winId());

    // A dialog goes where its owner window is, possibly a workspace the user
    // is not looking at: it comes over to the user (with its owner).
    const xcb_atom_t current = atom(c, "_NET_CURRENT_DESKTOP");
    Reply desk(xcb_get_property_reply(c, xcb_get_property(c, 0, screen->root, current, XCB_ATOM_CARDINAL, 0, 1),
                                      nullptr),
               &std::free);
    auto *d = static_cast<xcb_get_property_reply_t *>(desk.get());
    if (d && d->format == 32 && xcb_get_property_value_length(d) == 4)
        sendToRoot(c, screen->root, id, atom(c, "_NET_WM_DESKTOP"),
                   *static_cast<const uint32_t *>(xcb_get_property_value(d)), 2);

    sendToRoot(c, screen->root, id, atom(c, "_NET_ACTIVE_WINDOW"), 2 /* a direct user action */, XCB_CURRENT_TIME);
    xcb_flush(c);
    return true;
}

} // namespace
#else
namespace {
bool requestActivation(QWidget *)
{
    return false;
}
} // namespace
#endif

void ActivateForUser(QWidget *window, const QByteArray &activationToken)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (wayland && !activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    // A Wayland client is never told that the compositor minimised its
    // window, and cannot ask for it back: mapped anew, it comes back. Not a
    // dialog, though: hiding one ends the answer it waits for.
    if (wayland && window->isVisible() && !window->inherits("QDialog"))
        window->hide();
    window->show();
    window->raise();
    if (!requestActivation(window))
        window->activateWindow();
}
