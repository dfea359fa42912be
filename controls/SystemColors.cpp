#include "controls/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
QColor role(QPalette::ColorRole r)
{
    return QGuiApplication::palette().color(QPalette::Active, r);
}
} // namespace

namespace SystemColors {
QColor ButtonFace() { return role(QPalette::Button); }
QColor ButtonHighlight() { return role(QPalette::Light); }
QColor ButtonLight()
{
    // The inner lit edge sits between the face and the outer highlight.
    // Some palettes (Fusion's among them) make their mid-light role darker
    // than the face, which would draw a grey outline instead of a bevel;
    // then the colour halfway from face to highlight is taken.
    const QColor face = ButtonFace();
    const QColor mid = role(QPalette::Midlight);
    if (mid.lightness() > face.lightness())
        return mid;
    const QColor light = ButtonHighlight();
    return QColor((face.red() + light.red() + 1) / 2, (face.green() + light.green() + 1) / 2,
                  (face.blue() + light.blue() + 1) / 2);
}
QColor ButtonShadow() { return role(QPalette::Dark); }
QColor DarkShadow() { return role(QPalette::Shadow); }
QColor WindowFrame() { return role(QPalette::WindowText); }
} // namespace SystemColors
