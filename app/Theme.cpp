#include "app/Theme.h"

#include "KalvixProduct.h"
#include "controls/LazyPictureLabel.h"
#include "controls/SystemColors.h"
#include "reminders/HeadingPanel.h"
#include "resources/pictures/KalvixPictures.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace Theme {

QFont font(const QStringList &families, int pixelSize, bool bold)
{
    // Liberation and Nimbus share Arial's metrics, so texts fit where the
    // layout expects them when the requested family is missing.
    const QStringList wanted = families
        + QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont f;
    // The first installed family is chosen here, once, as the font database
    // would choose it from the list: given the whole list, each font (and
    // its bold and sized variants) would first ask the desktop's font
    // service for a substitute of every missing family. Names are compared
    // as the database compares them; a list naming only aliases ("Sans
    // Serif") is left to the database.
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(wanted.cbegin(), wanted.cend(), [&installed](const QString &family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    if (found != wanted.cend())
        f.setFamily(*found);
    else
        f.setFamilies(wanted);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void setFixedColour(QWidget *w, const QColor &colour)
{
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = SystemColors::ReadableOn(colour, pal.color(g, QPalette::WindowText));
        pal.setColor(g, QPalette::WindowText, text);
    }
    w->setPalette(pal);
}

QColor headingColour()
{
    return HeadingPanel::DefaultColor();
}

QColor optionsPanelColour()
{
    return QColor(192, 220, 192);
}

QFont windowFont()
{
    return font({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, 11);
}

QString homePageAddress()
{
    return QStringLiteral(KALVIX_HOMEPAGE);
}

QWidget *optionsPicturePanel(QWidget *parent)
{
    // The page is not the one shown first: its picture is read when it is.
    auto *panel = new LazyPictureLabel(
        KalvixPictures::LogicalSize(KalvixPictures::OptionsPanel),
        [] { return KalvixPictures::Pixmap(KalvixPictures::OptionsPanel); }, parent);
    panel->setObjectName(QStringLiteral("OptionsPicture"));
    panel->setFixedWidth(209);
    setFixedColour(panel, optionsPanelColour());
    panel->setScaledContents(true);

    auto *v = new QVBoxLayout(panel);
    v->setContentsMargins(12, 12, 12, 12);
    v->addStretch(1);
    return panel;
}

void addOptionsTitle(QWidget *panel)
{
    auto *title = new QLabel(QCoreApplication::translate("Theme", "Program options..."), panel);
    title->setObjectName(QStringLiteral("OptionsTitle"));
    title->setFont(font({QStringLiteral("Arial Black")}, 19, true));
    title->setWordWrap(true);
    title->setMargin(6);
    setFixedColour(title, headingColour());
    QPalette tp = title->palette();
    tp.setColor(QPalette::WindowText, QColor(128, 0, 0)); // maroon reads well on the heading colour
    title->setPalette(tp);
    static_cast<QBoxLayout *>(panel->layout())->insertWidget(0, title);
    title->show(); // the panel may be on screen already
}

} // namespace Theme
