#pragma once
// Masked image lists shared by all glyph painters whose cells have one size.
//
// A TGlyphList holds images of one cell size with a see-through mask (kept
// as alpha); slots are handed out and taken back, and a freed slot keeps its
// image until it is reused. The process has one TGlyphCache that gathers the
// lists; a list is destroyed as soon as its last slot is handed back.

#include <QColor>
#include <QImage>
#include <QSize>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

class TGlyphList {
public:
    TGlyphList(int cellWidth, int cellHeight);

    QSize cellSize() const { return m_cell; }
    int inUseCount() const { return m_inUse; }
    int imageCount() const { return static_cast<int>(m_images.size()); }

    // First free slot, or a new one at the end; marks it used.
    int AllocateSlot();
    // Stores image in a fresh slot; every pixel of maskColour becomes
    // see-through (no colour: the image's bottom-left pixel).
    int AddSlotMasked(const QImage &image, std::optional<QColor> maskColour = std::nullopt);
    void FreeSlot(int index);

    // The stored image (premultiplied ARGB, see-through pixels transparent).
    const QImage &image(int index) const { return m_images.at(static_cast<size_t>(index)); }
    void Draw(QPainter &painter, int index, int x, int y) const;

private:
    QSize m_cell;
    std::vector<QImage> m_images;
    std::vector<bool> m_used;
    int m_inUse = 0;
};

class TGlyphCache {
public:
    // The process-wide cache, or null while none exists.
    static TGlyphCache *Instance();
    static TGlyphCache &Create(); // returns the existing one if there is one
    static void Destroy();

    // The last list of this cell size, or a new one appended.
    TGlyphList *ListForSize(int width, int height);
    // Destroys the list when none of its slots is in use.
    void HandBack(TGlyphList *list);
    bool Empty() const { return m_lists.empty(); }
    int ListCount() const { return static_cast<int>(m_lists.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> m_lists;
};
