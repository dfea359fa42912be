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
} // namespace SystemColors
