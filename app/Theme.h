#pragma once
// Colours, fonts and fixed pictures shared by the program's windows.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace Theme {

inline QColor colourA() { return QColor(240, 202, 166); }
inline QColor colourB() { return QColor(192, 220, 192); }

// Gives `w` the fixed background `colour` and a text colour that reads well
// on it whatever the desktop's colour scheme; its children inherit both.
void setFixedColour(QWidget *w, const QColor &colour);

// "MS Sans Serif" at a character height of 11 pixels, or the nearest the
// desktop has.
QFont windowFont();
// A font by family with fallbacks, at a pixel size.
QFont font(const QStringList &families, int pixelSize, bool bold = false);

QString homePageAddress();

// The decorative panel on the left of the "Options" page.
QWidget *optionsPicturePanel(QWidget *parent);

} // namespace Theme
