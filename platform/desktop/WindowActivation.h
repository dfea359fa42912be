#pragma once
// Bringing a window to the front because the user asked for it somewhere
// outside the program (a click on a desktop notification, say).
//
// The toolkit's activateWindow() asks as an application does, and window
// managers that prevent focus stealing then only flash the window, above
// all a dialog whose owner window is not the focused one or that sits on
// another workspace. On X11 the request is made as the desktop's own tools
// make it for a user action (EWMH source indication 2), which the window
// manager honours; a window on another workspace is brought over first.

class QWidget;

void ActivateForUser(QWidget *window);
