// Glyph painter: the strip, its cell count and the lazily built state images.

#include "controls/ButtonGlyph.h"

#include "controls/GlyphList.h"
#include "controls/SystemColors.h"

#include <QPainter>
#include <QPixmap>

namespace {
bool isMonochrome(const QImage &img)
{
    return img.format() == QImage::Format_Mono || img.format() == QImage::Format_MonoLSB;
}

QRgb rgbAt(const QImage &img, int x, int y)
{
    return img.pixel(x, y) & 0xffffff;
}

bool isOpaqueBlack(const QImage &img, int x, int y)
{
    return img.pixel(x, y) == qRgb(0, 0, 0);
}
} // namespace

TButtonGlyph::TButtonGlyph()
{
    TGlyphCache::Create();
}

TButtonGlyph::~TButtonGlyph()
{
    DropImages();
    if (TGlyphCache *cache = TGlyphCache::Instance(); cache && cache->Empty())
        TGlyphCache::Destroy();
}

void TButtonGlyph::SetGlyph(const QPixmap &strip)
{
    SetGlyph(strip.toImage());
}

void TButtonGlyph::SetGlyph(const QImage &strip)
{
    DropImages();
    m_source = strip;
    SourceChanged();
    if (!strip.isNull() && strip.height() > 0) {
        TakeTransparentColor();
        if (strip.width() % strip.height() == 0) {
            int n = strip.width() / strip.height();
            if (n > 4)
                n = 1;
            SetNumGlyphs(n);
        }
    }
}

void TButtonGlyph::SetNumGlyphs(int n)
{
    if (n == m_numGlyphs || n <= 0)
        return;
    DropImages();
    m_numGlyphs = n;
    SourceChanged();
}

void TButtonGlyph::TakeTransparentColor()
{
    if (m_source.isNull())
        return;
    if (isMonochrome(m_source))
        m_transparent = Qt::white;
    else
        m_transparent = QColor(rgbAt(m_source, 0, m_source.height() - 1));
}

void TButtonGlyph::SourceChanged()
{
    TakeTransparentColor();
    DropImages();
    if (m_onChange)
        m_onChange();
}

void TButtonGlyph::DropImages()
{
    for (int &slot : m_slots) {
        if (slot != -1 && m_list)
            m_list->FreeSlot(slot);
        slot = -1;
    }
    if (m_list) {
        if (TGlyphCache *cache = TGlyphCache::Instance())
            cache->HandBack(m_list);
        m_list = nullptr;
    }
}

int TButtonGlyph::StateImage(TGlyphState state)
{
    if (state == gsDown && m_numGlyphs < 3)
        state = gsUp;
    int &slot = m_slots[static_cast<size_t>(state)];
    if (slot != -1)
        return slot;
    if (m_source.width() == 0 || m_source.height() == 0)
        return -1;
    const int cellWidth = m_source.width() / m_numGlyphs;
    if (!m_list)
        m_list = TGlyphCache::Create().ListForSize(cellWidth, m_source.height());
    // The up, down and latched images use the automatic mask (bottom-left
    // pixel); so do the recoloured and embossed disabled images, whose
    // see-through pixels end up in the face colour.
    slot = m_list->AddSlotMasked(BuildImage(state, cellWidth));
    return slot;
}

QSize TButtonGlyph::CellSize() const
{
    if (m_source.width() == 0 || m_source.height() == 0)
        return QSize(0, 0);
    const qreal ratio = m_source.devicePixelRatio();
    return QSize(qRound(m_source.width() / m_numGlyphs / ratio), qRound(m_source.height() / ratio));
}

QImage TButtonGlyph::StateImageContents(TGlyphState state)
{
    const int slot = StateImage(state);
    return slot < 0 ? QImage() : m_list->image(slot);
}

QImage TButtonGlyph::BuildImage(TGlyphState state, int cellWidth) const
{
    const int h = m_source.height();
    int c = static_cast<int>(state);
    if (c >= m_numGlyphs)
        c = 0;
    // copy() keeps the format and colour table of the strip; every image
    // keeps its device pixel ratio, so a strip drawn at twice the size
    // draws at the same logical size.
    const qreal ratio = m_source.devicePixelRatio();
    QImage cell = m_source.copy(c * cellWidth, 0, cellWidth, h);
    cell.setDevicePixelRatio(ratio);

    if (state != gsDisabled)
        return cell;

    if (m_numGlyphs >= 2) {
        // The strip's own disabled cell, put into the current colour scheme.
        QImage work = cell.convertToFormat(QImage::Format_ARGB32);
        work.setDevicePixelRatio(ratio);
        const QRgb highlight = SystemColors::ButtonHighlight().rgb();
        const QRgb shadow = SystemColors::ButtonShadow().rgb();
        const QRgb face = SystemColors::ButtonFace().rgb();
        const QRgb transparent = m_transparent.rgb() & 0xffffff;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < cellWidth; ++x) {
                const QRgb src = rgbAt(cell, x, y);
                if (src == 0xffffff)
                    work.setPixel(x, y, highlight);
                if (src == 0x808080)
                    work.setPixel(x, y, shadow);
                if (src == transparent)
                    work.setPixel(x, y, face);
            }
        }
        return work;
    }

    // One cell only: an embossed relief of its black pixels.
    const QImage first = m_source.copy(0, 0, cellWidth, h).convertToFormat(QImage::Format_ARGB32);
    QImage work(cellWidth, h, QImage::Format_ARGB32);
    work.setDevicePixelRatio(ratio);
    work.fill(SystemColors::ButtonFace());
    const QRgb highlight = SystemColors::ButtonHighlight().rgb();
    const QRgb shadow = SystemColors::ButtonShadow().rgb();
    const int d = qMax(1, qRound(ratio)); // one logical pixel
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < cellWidth; ++x)
            if (isOpaqueBlack(first, x, y) && x + d < cellWidth && y + d < h)
                work.setPixel(x + d, y + d, highlight);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < cellWidth; ++x)
            if (isOpaqueBlack(first, x, y))
                work.setPixel(x, y, shadow);
    return work;
}
