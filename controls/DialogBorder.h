#pragma once
// The dialog border of the program's dialogs: a title bar with a close box,
// no minimise or maximise box, not resizable by the frame.
//
// Window managers may offer to minimise a dialog anyway (openbox ignores
// the missing minimise function) and then minimise the window it belongs to
// together with it, which would leave the program without a window on the
// screen. A dialog with this border therefore undoes a minimise at once, for
// itself and for the windows above it that were not minimised when it
// opened.
//
//     QDialog box(parent, DialogBorder::Flags);
//     DialogBorder::Keep(&box);

#include <Qt>

class QWidget;

namespace DialogBorder {

inline constexpr Qt::WindowFlags Flags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// Watches `dialog` (and is owned by it) to undo minimising as said above.
void Keep(QWidget *dialog);

} // namespace DialogBorder
