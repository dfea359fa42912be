#pragma once
// The program's pictures, loaded from its resources.

#include <QIcon>
#include <QPixmap>
#include <QVector>

namespace AppPictures {

// Registers the compiled-in pictures; call once after the application object.
void init();
QIcon applicationIcon();
// The icon every top-level window hands to the window manager.
QIcon windowIcon();
QVector<QPixmap> trayImages();      // show/hide, no action, homepage, about, quit
QVector<QPixmap> treeImages();      // selected, root, year, month, day
QVector<QPixmap> tabImages();       // manage dates, options
QVector<QPixmap> detailTabImages(); // general, reminder

} // namespace AppPictures
