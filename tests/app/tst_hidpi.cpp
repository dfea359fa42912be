// At a scale factor of 2 the windows use the pictures drawn at twice their
// size, at their usual logical sizes; the layout keeps its sizes in logical
// pixels. The whole program runs at that factor here (set before the
// application starts, as QT_SCALE_FACTOR=2 would be by the user).
#include "MainFormHarness.h"

#include "app/AboutBoxUnit.h"
#include "controls/ButtonGlyph.h"
#include "controls/ButtonsXP.h"
#include "controls/ImageBtnUnit.h"
#include "controls/KindTable.h"
#include "reminders/TerminFUnit.h"
#include "resources/pictures/KalvixPictures.h"

#include <QLabel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeView>

namespace {
// The distinct colours in a picture: a pixel-doubled 1x picture has as many
// as the 1x drawing, a real 2x drawing (soft edges at twice the detail)
// more.
qsizetype colours(const QImage &img)
{
    QSet<QRgb> seen;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            seen.insert(img.pixel(x, y));
    return seen.size();
}
} // namespace

class TstHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        kalvixInitPictures();
    }

    void windowPicturesAreTheDoubleDrawings()
    {
        MainFormHarness h;
        auto form = h.make();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));

        // Image buttons: 202 x 60 device pixels shown as 101 x 30.
        for (TImageBtn *b : {ueberbtn(*form), EndeBtn(*form)}) {
            QCOMPARE(b->picture().devicePixelRatio(), 2.0);
            QCOMPARE(b->picture().size(), QSize(202, 60));
            QCOMPARE(b->picture2().devicePixelRatio(), 2.0);
            QCOMPARE(b->size(), QSize(101, 30));
        }
        // Bitmap buttons: 18 x 18 logical cells of a 72 x 36 strip, at the
        // button sizes of the 1x layout.
        for (TBitBtnXP *b : {AddTerminBtn(*form), UpBtn(*form), MinimizeBtn(*form), ManTerminsBtn(*form)}) {
            QCOMPARE(b->glyphPainter().Glyph().devicePixelRatio(), 2.0);
            QCOMPARE(b->glyphPainter().CellSize().height(), b == ManTerminsBtn(*form) ? 19 : 18);
        }
        QCOMPARE(AddTerminBtn(*form)->size(), QSize(177, 25));
        QCOMPARE(UpBtn(*form)->size(), QSize(145, 25));
        QCOMPARE(StatusBar1(*form)->height(), 19);

        // The button as drawn on the screen carries the glyph's own 2x pixels.
        const QImage shown = UpBtn(*form)->grab().toImage();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        const QImage cell = UpBtn(*form)->glyphPainter().StateImageContents(gsUp);
        QCOMPARE(cell.size(), QSize(36, 36));
        QCOMPARE(cell.devicePixelRatio(), 2.0);
        const QImage once = KalvixPictures::Image(KalvixPictures::GlyphUp);
        QVERIFY(colours(once.copy(0, 0, 36, 36))
                > colours(QImage(QString::fromLatin1(KalvixPictures::GlyphUp)).copy(0, 0, 18, 18)));

        // Tabs and tree: icons with 32 x 32 device pixels.
        const QPixmap tab = PageControl1(*form)->tabIcon(0).pixmap(QSize(16, 16), 2.0);
        QCOMPARE(tab.size(), QSize(32, 32));
        const QModelIndex root = TreeView1(*form)->model()->index(0, 0);
        const QVariant deco = TreeView1(*form)->model()->data(root, Qt::DecorationRole);
        const QPixmap tree = deco.canConvert<QIcon>() && !deco.value<QIcon>().isNull()
            ? deco.value<QIcon>().pixmap(QSize(16, 16), 2.0)
            : deco.value<QPixmap>();
        QCOMPARE(tree.devicePixelRatio(), 2.0);
        QCOMPARE(tree.size(), QSize(32, 32));
    }

    void dialogsUseTheDoubleDrawings()
    {
        TAboutBox box;
        QCOMPARE(box.Image1->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(box.Image1->pixmap().size(), QSize(612, 644));
        QCOMPARE(box.Image1->size(), QSize(306, 322));
        QCOMPARE(box.OKBtn->glyphPainter().Glyph().size(), QSize(72, 36));
        QCOMPARE(box.OKBtn->glyphPainter().CellSize(), QSize(18, 18));
        QCOMPARE(box.size(), QSize(664, 453));

        TTerminForm reminder;
        const QPixmap glyph = reminder.DontRemindBtn()->icon().pixmap(QSize(18, 18), 2.0);
        QCOMPARE(glyph.size(), QSize(36, 36));
        QCOMPARE(KindTable::Glyph(TBitBtnXP::bkIgnore).devicePixelRatio(), 2.0);
    }
};

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TstHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hidpi.moc"
