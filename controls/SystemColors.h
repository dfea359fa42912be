#pragma once
// The desktop colours the owner-drawn buttons use by role, read from the
// application palette at the moment of drawing so they follow the user's
// colour scheme.

#include <QColor>

namespace SystemColors {
QColor ButtonFace();      // the face of push buttons
QColor ButtonHighlight(); // the lit edge of raised elements
QColor ButtonLight();     // inner lit edge of the classic frame
QColor ButtonShadow();    // the shaded edge
QColor DarkShadow();      // outer shaded edge of the classic frame
QColor WindowFrame();     // the frame drawn around the default button

// Text on a surface of a fixed colour (one that does not follow the colour
// scheme): `preferred` when it reads well there (contrast ratio of at least
// 4.5 : 1), otherwise black or white, whichever contrasts more. So a dark
// desktop scheme, whose text colour is light, still gets dark text on the
// program's light panels.
QColor ReadableOn(const QColor &background, const QColor &preferred);
// The contrast ratio of two colours, 1 to 21 (relative luminance, sRGB).
double Contrast(const QColor &a, const QColor &b);
} // namespace SystemColors
