#pragma once
// Colours, fonts and fixed pictures shared by the program's windows.

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

namespace Theme {

// The warm sand of the heading strips (main window, reminder); the about
// box's text panel and the options page's title sit on it too.
QColor headingColour();
// The pale green behind the picture on the "Options" page.
QColor optionsPanelColour();

// Gives `w` the fixed background `colour` and a text colour that reads well
// on it whatever the desktop's colour scheme; its children inherit both.
void setFixedColour(QWidget *w, const QColor &colour);

// "MS Sans Serif" at a character height of 11 pixels, or the nearest the
// desktop has.
QFont windowFont();
// A font by family with fallbacks, at a pixel size.
QFont font(const QStringList &families, int pixelSize, bool bold = false);

QString homePageAddress();

// The decorative panel on the left of the "Options" page, and the title on
// it. The title is added when the page is first reached: its font is one
// the rest of the window does not use, and asking its size would load that
// font while the window is being laid out at start.
QWidget *optionsPicturePanel(QWidget *parent);
void addOptionsTitle(QWidget *panel);

} // namespace Theme
