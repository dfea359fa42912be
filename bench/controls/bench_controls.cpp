// Painting a window full of bitmap buttons: state images are built once and
// shared, so a repaint costs about what Qt's own icon buttons cost.
// Baseline: the same window of QPushButtons with the glyph as an icon.

#include "BenchUtil.h"

#include "controls/ButtonsXP.h"
#include "controls/GlyphList.h"
#include "controls/UxTheme.h"

#include <QApplication>
#include <QGridLayout>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <cstdio>
#include <memory>

namespace {
constexpr int kButtons = 48;
constexpr int kRepaints = 20;

template <class Make>
std::unique_ptr<QWidget> window(Make make)
{
    auto w = std::make_unique<QWidget>();
    auto *grid = new QGridLayout(w.get());
    for (int i = 0; i < kButtons; ++i)
        grid->addWidget(make(w.get(), i), i / 6, i % 6);
    w->show();
    return w;
}

QImage strip(int i)
{
    QImage img(36, 18, QImage::Format_RGB32);
    img.fill(QColor(128, 128, 0));
    for (int y = 3; y < 15; ++y)
        for (int x = 3; x < 15; ++x)
            img.setPixel(x, y, qRgb((i * 37) % 256, 90, 200));
    return img;
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    SetVisualStylesLibraryName(QStringLiteral("kalvix_no_such_theme")); // our own classic drawing

    auto ours = window([](QWidget *parent, int i) {
        auto *b = new TBitBtnXP(parent);
        b->setText(QStringLiteral("Button &%1").arg(i));
        b->setGlyph(strip(i));
        return b;
    });
    auto theirs = window([](QWidget *parent, int i) {
        auto *b = new QPushButton(QStringLiteral("Button &%1").arg(i), parent);
        b->setIcon(QIcon(QPixmap::fromImage(strip(i).copy(0, 0, 18, 18))));
        b->setIconSize(QSize(18, 18));
        return b;
    });

    const double base = bench::medianMs(kRepaints, [&] { theirs->grab(); });
    const double ms = bench::medianMs(kRepaints, [&] { ours->grab(); });
    const int lists = TGlyphCache::Instance() ? TGlyphCache::Instance()->ListCount() : 0;
    std::printf("glyph lists for %d buttons of one cell size: %d\n", kButtons, lists);
    const bool ok = bench::report("repaint 48 bitmap buttons (classic)", ms, base, 3.0) && lists == 1;
    return ok ? 0 : 1;
}
