#include "controls/GlyphList.h"

#include <QPainter>

#include <algorithm>

namespace {
std::unique_ptr<TGlyphCache> &cacheSlot()
{
    static std::unique_ptr<TGlyphCache> cache;
    return cache;
}
} // namespace

TGlyphList::TGlyphList(int cellWidth, int cellHeight) : m_cell(cellWidth, cellHeight) {}

int TGlyphList::AllocateSlot()
{
    auto it = std::find(m_used.begin(), m_used.end(), false);
    int index;
    if (it != m_used.end()) {
        index = static_cast<int>(it - m_used.begin());
    } else {
        m_images.emplace_back();
        index = static_cast<int>(m_images.size()) - 1;
        m_used.resize(static_cast<size_t>(index) + 1, false);
    }
    m_used[static_cast<size_t>(index)] = true;
    return index;
}

int TGlyphList::AddSlotMasked(const QImage &image, std::optional<QColor> maskColour)
{
    const int index = AllocateSlot();
    QImage masked = image.convertToFormat(QImage::Format_ARGB32);
    if (!masked.isNull()) {
        // Only opaque pixels of the key colour are keyed out; a picture that
        // already carries transparency keeps it as it is.
        const QRgb key = maskColour ? maskColour->rgb() : masked.pixel(0, masked.height() - 1);
        if (qAlpha(key) == 255) {
            for (int y = 0; y < masked.height(); ++y) {
                QRgb *line = reinterpret_cast<QRgb *>(masked.scanLine(y));
                for (int x = 0; x < masked.width(); ++x) {
                    if (line[x] == key)
                        line[x] = 0;
                }
            }
        }
    }
    m_images[static_cast<size_t>(index)] = masked.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    ++m_inUse;
    return index;
}

void TGlyphList::FreeSlot(int index)
{
    if (index < 0 || index >= static_cast<int>(m_used.size()) || !m_used[static_cast<size_t>(index)])
        return;
    m_used[static_cast<size_t>(index)] = false;
    --m_inUse;
}

void TGlyphList::Draw(QPainter &painter, int index, int x, int y) const
{
    if (index < 0 || index >= imageCount())
        return;
    painter.drawImage(QPoint(x, y), m_images[static_cast<size_t>(index)]);
}

TGlyphCache *TGlyphCache::Instance()
{
    return cacheSlot().get();
}

TGlyphCache &TGlyphCache::Create()
{
    auto &slot = cacheSlot();
    if (!slot)
        slot = std::make_unique<TGlyphCache>();
    return *slot;
}

void TGlyphCache::Destroy()
{
    cacheSlot().reset();
}

TGlyphList *TGlyphCache::ListForSize(int width, int height)
{
    for (auto it = m_lists.rbegin(); it != m_lists.rend(); ++it) {
        if ((*it)->cellSize() == QSize(width, height))
            return it->get();
    }
    m_lists.push_back(std::make_unique<TGlyphList>(width, height));
    return m_lists.back().get();
}

void TGlyphCache::HandBack(TGlyphList *list)
{
    if (!list || list->inUseCount() != 0)
        return;
    auto it = std::find_if(m_lists.begin(), m_lists.end(), [list](const auto &p) { return p.get() == list; });
    if (it != m_lists.end())
        m_lists.erase(it);
}
