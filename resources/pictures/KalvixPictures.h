#pragma once
// Names and sizes of the pictures compiled into kalvix_pictures.
//
// Call kalvixInitPictures() once (in main, before the first window) so the
// resources are registered even though they live in a static library.

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <cstddef>

void kalvixInitPictures();

namespace KalvixPictures {

// Image buttons of the bottom bar (101 x 30 GIFs with see-through corners).
// Their words are drawn into them: German and French have their own, as
// "exit-de.gif" (see InLanguage).
inline constexpr const char ExitNormal[] = ":/pictures/exit.gif";
inline constexpr const char ExitPressed[] = ":/pictures/exit-pressed.gif";
inline constexpr const char AboutNormal[] = ":/pictures/about.gif";
inline constexpr const char AboutPressed[] = ":/pictures/about-pressed.gif";

// Decoration of the options page, 209 x 360, meant to be stretched.
inline constexpr const char OptionsPanel[] = ":/pictures/options.png";

// The about box picture, 306 x 322, a baseline JPEG: decode its bytes with
// DecodeJpeg (platform/jpeg) rather than through QImage.
inline constexpr const char AboutBox[] = ":/pictures/aboutbox.jpg";

// Two-cell glyph strips without alpha: cell 0 normal, cell 1 disabled. The
// see-through colour is the bottom-left pixel, olive RGB(128, 128, 0).
inline constexpr const char GlyphAdd[] = ":/pictures/glyph-add.png";           // 36 x 18
inline constexpr const char GlyphDelete[] = ":/pictures/glyph-delete.png";     // 36 x 18
inline constexpr const char GlyphUp[] = ":/pictures/glyph-up.png";             // 36 x 18
inline constexpr const char GlyphMinimize[] = ":/pictures/glyph-minimize.png"; // 36 x 18
inline constexpr const char GlyphHomepage[] = ":/pictures/homepage-glyph.png"; // 32 x 16

// 16 x 16 image lists with alpha, in list order (the index is the image
// index the windows use).
inline constexpr const char *const TabImages[] = {
    ":/pictures/tab-dates.png",   // 0 "Manage dates": calendar
    ":/pictures/tab-options.png", // 1 "Options": gear
};
inline constexpr const char *const DetailTabImages[] = {
    ":/pictures/detail-general.png",  // 0 "General": note sheet
    ":/pictures/detail-reminder.png", // 1 "Reminder": bell
};
inline constexpr const char *const TreeImages[] = {
    ":/pictures/tree-selected.png", // 0 selected node: a circled date
    ":/pictures/tree-years.png",    // 1 root "Years": fanned calendars
    ":/pictures/tree-year.png",     // 2 year: calendar with twelve blocks
    ":/pictures/tree-month.png",    // 3 month: calendar page
    ":/pictures/tree-day.png",      // 4 day: tear-off sheet
};
inline constexpr const char *const TrayMenuImages[] = {
    ":/pictures/tray-toggle.png",   // 0 "Show" / "Hide"
    ":/pictures/tray-noaction.png", // 1 "No action"
    ":/pictures/tray-homepage.png", // 2 home page: globe
    ":/pictures/tray-about.png",    // 3 "About the program...": info
    ":/pictures/tray-quit.png",     // 4 "Quit": power sign
};

// Application icon sizes, each ":/pictures/icon-<size>.png".
inline constexpr int AppIconSizes[] = {16, 32, 48, 64, 256};

// The application icon in every size, each decoded when first drawn.
QIcon AppIcon();
// The same icon for top-level windows. Qt hands every size a window's icon
// offers to the window manager as pixels, for each window it creates; the
// largest drawing alone would be 256 KB a window. Desktops take bigger
// pictures from the installed icon theme.
inline constexpr int WindowIconLargest = 64;
QIcon WindowIcon();

// High-density screens: every picture but the application icons also
// exists drawn at twice its size, as "<name>@2x.<ext>" beside it.
QString DoublePath(const QString &path);
// The device pixels per logical pixel pictures are loaded for: 2 when the
// application's ratio (its densest screen) is above 1, else 1.
int PictureRatio();
// A picture for the screens in use: the @2x drawing, marked with a device
// pixel ratio of 2, where PictureRatio() is 2 and the drawing exists, else
// the picture itself. Its logical size is the same either way. Not for the
// JPEG, which DecodeJpeg reads (use DoublePath and PictureRatio).
QPixmap Pixmap(const char *path);
QImage Image(const char *path);
// The picture drawn for `language` ("de": "exit-de.gif" for "exit.gif")
// where there is one, else `path` itself; an empty language is English.
QByteArray InLanguage(const char *path, const QString &language);

// Every picture with the size it has; the resource test checks that this
// list, pictures.qrc and the files agree.
struct Entry {
    const char *path;
    int width;
    int height;
};
extern const Entry All[];
extern const std::size_t AllCount;
// A picture's size from that list, without reading it; invalid for a path
// the list does not hold.
QSize LogicalSize(const char *path);

} // namespace KalvixPictures
