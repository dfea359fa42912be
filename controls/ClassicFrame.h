#pragma once
// Classic three-dimensional button drawing, done with our own QPainter code
// so it looks the same under every desktop style.

#include <QRect>

class QPainter;

namespace ClassicFrame {

enum FrameFlag {
    Pushed = 0x1,   // sunken instead of raised
    Inactive = 0x2, // disabled; the push-button frame looks the same
};

// Draws the two-pixel push-button frame around r, fills the interior with the
// button face and shrinks r to that interior.
void DrawButtonFrame(QPainter &painter, QRect &r, int flags);

// The dotted focus rectangle, drawn by inverting every other pixel of its
// outline (drawing it twice removes it again).
void DrawFocusRect(QPainter &painter, const QRect &r);

} // namespace ClassicFrame
