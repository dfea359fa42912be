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
QColor ButtonLight() { return role(QPalette::Midlight); }
QColor ButtonShadow() { return role(QPalette::Dark); }
QColor DarkShadow() { return role(QPalette::Shadow); }
QColor WindowFrame() { return role(QPalette::WindowText); }
} // namespace SystemColors
