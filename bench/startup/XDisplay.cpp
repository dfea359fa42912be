#include "XDisplay.h"

#include "Process.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>

XServer::~XServer()
{
    if (pid_ > 0)
        StopProcess(pid_);
}

bool XServer::Start(QString *error)
{
    int fds[2];
    if (::pipe(fds) != 0) {
        *error = QStringLiteral("pipe failed");
        return false;
    }
    // Xvfb picks a free display number and writes it to the descriptor.
    pid_ = SpawnProcess({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24", "-nolisten",
                         "tcp", "-noreset"},
                        nullptr);
    ::close(fds[1]);
    if (pid_ <= 0) {
        ::close(fds[0]);
        *error = QStringLiteral("could not start Xvfb");
        return false;
    }
    QByteArray number;
    pollfd p{fds[0], POLLIN, 0};
    char c;
    while (::poll(&p, 1, 30000) > 0 && ::read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(fds[0]);
    if (number.isEmpty()) {
        *error = QStringLiteral("Xvfb reported no display number");
        return false;
    }
    display_ = ":" + number;
    return true;
}

MapWatcher::MapWatcher(const QByteArray &display)
{
    conn_ = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(conn_))
        return;
    root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    // Without a window manager, the root hears about every top-level map.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(conn_);
}

MapWatcher::~MapWatcher()
{
    if (conn_)
        xcb_disconnect(conn_);
}

bool MapWatcher::Connected() const
{
    return conn_ && !xcb_connection_has_error(conn_);
}

void MapWatcher::Drain()
{
    while (xcb_generic_event_t *e = xcb_poll_for_event(conn_))
        std::free(e);
}

QByteArray MapWatcher::titleOf(unsigned window)
{
    const char *const names[] = {"_NET_WM_NAME", "WM_NAME"};
    for (const char *name : names) {
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        if (!atom)
            continue;
        const xcb_atom_t id = atom->atom;
        std::free(atom);
        if (id == XCB_ATOM_NONE)
            continue;
        xcb_get_property_reply_t *prop = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, id, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr);
        if (!prop)
            continue;
        QByteArray value(static_cast<const char *>(xcb_get_property_value(prop)), xcb_get_property_value_length(prop));
        std::free(prop);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool MapWatcher::WaitMapped(const QByteArray &title, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    const int fd = xcb_get_file_descriptor(conn_);
    for (;;) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(conn_)) {
            const bool map = (e->response_type & ~0x80) == XCB_MAP_NOTIFY;
            const xcb_window_t w = map ? reinterpret_cast<xcb_map_notify_event_t *>(e)->window : 0;
            std::free(e);
            if (map && titleOf(w) == title)
                return true;
        }
        if (xcb_connection_has_error(conn_))
            return false;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline
                                                                                - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, static_cast<int>(left.count()));
    }
}

bool MapWatcher::SelectionOwned(const char *name)
{
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        conn_, xcb_intern_atom(conn_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom)
        return false;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(conn_,
                                                                           xcb_get_selection_owner(conn_, atom->atom),
                                                                           nullptr);
    std::free(atom);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return owned;
}
