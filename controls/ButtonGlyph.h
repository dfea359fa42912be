#pragma once
// The glyph painter of a bitmap button: owns the glyph strip, derives one
// image per button state from it (built on first need, kept until the glyph
// changes, stored in the shared glyph lists), lays glyph and caption out
// inside the button and draws both.

#include "controls/GlyphTypes.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <functional>

class QPainter;
class QPixmap;
class TGlyphList;

// Where glyph and caption go, relative to the client rectangle's corner.
struct TFaceLayout {
    QPoint glyph;
    QPoint caption;
    int margin = 0;  // after resolving -1
    int spacing = 0; // after resolving -1
};

class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph &) = delete;
    TButtonGlyph &operator=(const TButtonGlyph &) = delete;

    const QImage &Glyph() const { return m_source; }
    // Copies the strip. A strip made of whole square cells also sets
    // NumGlyphs (more than four cells count as one wide cell).
    void SetGlyph(const QImage &strip);
    void SetGlyph(const QPixmap &strip);

    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int n); // 0 and negative values are ignored

    QColor TransparentColor() const { return m_transparent; }
    // One cell's size in logical pixels: a strip marked with a device pixel
    // ratio of 2 (drawn at twice the size) gives the cell size it shows at.
    QSize CellSize() const;

    // Called after the picture or its cell count changed.
    void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

    // Slot of the state's image in GlyphList(), built if needed; -1 for an
    // empty glyph.
    int StateImage(TGlyphState state);
    TGlyphList *GlyphList() const { return m_list; }
    // The built image of a state (null image when not built); for tests.
    QImage StateImageContents(TGlyphState state);

    // Lays out and draws glyph and caption into client; returns the caption
    // rectangle. margin and spacing -1 mean automatic; textFlags is a set of
    // GlyphTypes::TextFlag.
    QRect PaintFace(QPainter &painter, const QRect &client, const QString &caption, TButtonLayout layout, int margin,
                    int spacing, TGlyphState state, int textFlags);

    // The arithmetic of the layout, on sizes alone.
    static TFaceLayout ComputeLayout(QSize client, QSize glyph, QSize text, TButtonLayout layout, int margin,
                                     int spacing, bool rightAlign);
    // Glyph position and caption rectangle, both in painter coordinates.
    void LayoutFace(QPainter &painter, const QRect &client, const QString &caption, TButtonLayout layout, int margin,
                    int spacing, int textFlags, QPoint &glyphPos, QRect &captionRect) const;
    void PaintGlyph(QPainter &painter, QPoint pos, TGlyphState state);
    static void PaintCaption(QPainter &painter, const QString &caption, const QRect &rect, TGlyphState state,
                             int textFlags);

private:
    void SourceChanged();
    void DropImages();
    void TakeTransparentColor();
    QImage BuildImage(TGlyphState state, int cellWidth) const;

    QImage m_source;
    TGlyphList *m_list = nullptr; // owned by the glyph cache
    std::array<int, 4> m_slots{{-1, -1, -1, -1}};
    QColor m_transparent{128, 128, 0};
    int m_numGlyphs = 1;
    std::function<void()> m_onChange;
};
