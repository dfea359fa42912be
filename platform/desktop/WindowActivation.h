#pragma once
// Bringing a window back on screen and to the front because the user asked
// for it: a tray double-click, "Show", a second start, a click on a desktop
// notification. Every one of them comes through ActivateForUser, which
// clears the minimised state, maps the window, raises and activates it.
//
// The toolkit's activateWindow() asks as an application does, and window
// managers that prevent focus stealing then only flash the window, above
// all a dialog whose owner window is not the focused one or that sits on
// another workspace. On X11 the request is made as the desktop's own tools
// make it for a user action (EWMH source indication 2), which the window
// manager honours; a window on another workspace is brought over first.
//
// On Wayland a client can neither learn that its window was minimised nor
// ask for it back, nor take the focus on its own: the window is mapped
// anew, and the activation request presents `activationToken` (the one the
// desktop gave the start that asked, where there is one) as Qt's Wayland
// plugin takes it: from XDG_ACTIVATION_TOKEN, set just before the request.

#include <QByteArray>

class QWidget;

void ActivateForUser(QWidget *window, const QByteArray &activationToken = QByteArray());
