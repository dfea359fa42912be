#include "controls/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <cmath>

namespace {
QColor role(QPalette::ColorRole r)
{
    return QGuiApplication::palette().color(QPalette::Active, r);
}
} // namespace

namespace SystemColors {
QColor ButtonFace()
{
    return role(QPalette::Button);
}
QColor ButtonHighlight()
{
    return role(QPalette::Light);
}
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
QColor ButtonShadow()
{
    return role(QPalette::Dark);
}
QColor DarkShadow()
{
    return role(QPalette::Shadow);
}
QColor WindowFrame()
{
    return role(QPalette::WindowText);
}

namespace {
double channel(int v)
{
    const double c = v / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double luminance(const QColor &c)
{
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
} // namespace

double Contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor ReadableOn(const QColor &background, const QColor &preferred)
{
    if (Contrast(background, preferred) >= 4.5)
        return preferred;
    const QColor black(0, 0, 0), white(255, 255, 255);
    return Contrast(background, black) >= Contrast(background, white) ? black : white;
}
} // namespace SystemColors
