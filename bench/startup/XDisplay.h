#pragma once
// A private X server for the startup benchmark and a watcher on its root
// window that reports when a top-level window of a given title is mapped.

#include <QByteArray>
#include <QString>

#include <chrono>
#include <memory>
#include <sys/types.h>

struct xcb_connection_t;

// Xvfb on a display number of its own choosing; stopped on destruction.
class XServer {
public:
    XServer() = default;
    XServer(const XServer &) = delete;
    XServer &operator=(const XServer &) = delete;
    ~XServer();

    bool Start(QString *error);
    QByteArray Display() const { return display_; }

private:
    pid_t pid_ = -1;
    QByteArray display_;
};

class MapWatcher {
public:
    explicit MapWatcher(const QByteArray &display);
    MapWatcher(const MapWatcher &) = delete;
    MapWatcher &operator=(const MapWatcher &) = delete;
    ~MapWatcher();

    bool Connected() const;
    // Drops events that arrived so far.
    void Drain();
    // Waits until a top-level window titled `title` is mapped.
    bool WaitMapped(const QByteArray &title, std::chrono::milliseconds timeout);
    // True once some client owns the selection (e.g. "_NET_SYSTEM_TRAY_S0").
    bool SelectionOwned(const char *name);

private:
    QByteArray titleOf(unsigned window);

    xcb_connection_t *conn_ = nullptr;
    unsigned root_ = 0;
};
