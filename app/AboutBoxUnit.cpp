#include "app/AboutBoxUnit.h"

#include "KalvixProduct.h"
#include "app/Theme.h"
#include "controls/ButtonsXP.h"
#include "controls/DialogBorder.h"
#include "controls/FormLoading.h"
#include "platform/desktop/ShellOpen.h"
#include "platform/jpeg/JpegDecoder.h"
#include "resources/pictures/KalvixPictures.h"

#include <QDate>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPushButton>

namespace {

const char *const FirstLine = "Copyright \xa9 2000-XXXX " KALVIX_VENDOR " Software";

QLabel *infoLine(QWidget *parent, const QString &text, const QRect &box, bool wrap = false, bool bold = false)
{
    auto *l = new QLabel(text, parent);
    l->setGeometry(box);
    l->setWordWrap(wrap);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

} // namespace

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent, DialogBorder::Flags)
{
    FormLoading loading(this);
    DialogBorder::Keep(this);
    setWindowTitle(tr("Info"));
    setFont(Theme::windowFont());
    setFixedSize(664, 453);

    auto *panel = new QWidget(this);
    panel->setGeometry(7, 7, 649, 385);
    Theme::setFixedColour(panel, Theme::headingColour());

    Image1 = new QLabel(panel);
    Image1->setGeometry(12, 32, 306, 322);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setWordWrap(true);
    QString error;
    // On a high-density screen the picture drawn at twice the size.
    const int ratio = KalvixPictures::PictureRatio();
    const QString path = QString::fromLatin1(KalvixPictures::AboutBox);
    QImage picture = LoadJpegFile(ratio > 1 ? KalvixPictures::DoublePath(path) : path, &error);
    if (!picture.isNull())
        picture.setDevicePixelRatio(ratio);
    if (picture.isNull()) {
        Image1->setText(error); // say why rather than leave a hole
    } else {
        Image1->setScaledContents(true);
        Image1->setPixmap(QPixmap::fromImage(picture));
    }

    TitleLabel = new QLabel(QStringLiteral(KALVIX_FULL_TITLE), panel);
    TitleLabel->setGeometry(336, 28, 300, 34);
    TitleLabel->setFont(Theme::font({QStringLiteral("Arial Narrow"), QStringLiteral("Liberation Sans Narrow"),
                                     QStringLiteral("Nimbus Sans Narrow")},
                                    24, true));

    const int x = 336, w = 296;
    Label1 = infoLine(panel, QString(), QRect(x, 84, w, 18));
    infoLine(panel,
             tr("%1 keeps your appointments and reminds you of them in time, quietly from the notification area.")
                 .arg(QStringLiteral(KALVIX_NAME)),
             QRect(x, 116, w, 48), true);
    infoLine(panel, tr("This program is freeware."), QRect(x, 180, w, 18), false, true);
    infoLine(panel, tr("Made with care by the %1 team.").arg(QStringLiteral(KALVIX_VENDOR)), QRect(x, 212, w, 18));
    infoLine(panel, tr("Questions, ideas or praise are welcome: visit our homepage for news and updates."),
             QRect(x, 244, w, 48), true);

    BitBtnXP1 = new TBitBtnXP(panel);
    BitBtnXP1->setText(Theme::homePageAddress());
    BitBtnXP1->setGlyph(KalvixPictures::Pixmap(KalvixPictures::GlyphHomepage));
    BitBtnXP1->setNumGlyphs(2);
    BitBtnXP1->setGeometry(x, 316, 169, 25);
    BitBtnXP1->setCursor(Qt::PointingHandCursor);
    connect(BitBtnXP1, &QPushButton::clicked, this, &TAboutBox::BitBtnXP1Click);

    OKBtn = new TBitBtnXP(this);
    OKBtn->setKind(TBitBtnXP::bkOK);
    OKBtn->setGeometry((664 - 181) / 2, 404, 181, 37);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center()); // centred on the screen, not the owner
    FormCreate();
}

QString TAboutBox::yearLine(int year)
{
    QString line = QString::fromLatin1(FirstLine);
    return line.replace(QLatin1String("XXXX"), QString::number(year));
}

void TAboutBox::FormCreate()
{
    Label1->setText(yearLine(QDate::currentDate().year()));
}

void TAboutBox::BitBtnXP1Click()
{
    ShellOpen(Theme::homePageAddress());
}
