#pragma once
// Small value types shared by the glyph painter and the bitmap button.

#include <QObject>

namespace GlyphTypes {
Q_NAMESPACE

// Where the glyph stands relative to the caption. Values as stored in forms.
enum TButtonLayout { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };
Q_ENUM_NS(TButtonLayout)

// Button state; the number is also the glyph-strip cell holding its picture.
enum TGlyphState { gsUp = 0, gsDisabled = 1, gsDown = 2, gsExclusive = 3 };
Q_ENUM_NS(TGlyphState)

// The caller's text-direction flags for PaintFace.
enum TextFlag {
    tfRightAlign = 0x1, // swaps the horizontal layouts
    tfRtlReading = 0x2, // right-to-left reading order; moves nothing
};

} // namespace GlyphTypes

using GlyphTypes::TButtonLayout;
using GlyphTypes::TGlyphState;
using namespace GlyphTypes; // the enumerators, as the rest of the code names them
