// Glyph painter: layout of glyph and caption, and drawing them.

#include "controls/ButtonGlyph.h"

#include "controls/GlyphList.h"
#include "controls/SystemColors.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
int qtTextFlags(int textFlags)
{
    int f = Qt::TextShowMnemonic;
    if (textFlags & tfRtlReading)
        f |= Qt::TextForceRightToLeft;
    return f;
}

bool horizontal(TButtonLayout layout)
{
    return layout == blGlyphLeft || layout == blGlyphRight;
}
} // namespace

TFaceLayout TButtonGlyph::ComputeLayout(QSize client, QSize glyph, QSize text, TButtonLayout layout, int margin,
                                        int spacing, bool rightAlign)
{
    if (rightAlign) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }
    const bool h = horizontal(layout);
    // Cross axis: both centred on their own.
    const int crossGlyph = h ? (client.height() - glyph.height() + 1) / 2 : (client.width() - glyph.width() + 1) / 2;
    const int crossText = h ? (client.height() - text.height() + 1) / 2 : (client.width() - text.width() + 1) / 2;

    if (text.width() == 0 || glyph.width() == 0)
        spacing = 0;

    const int c = h ? client.width() : client.height();
    const int g = h ? glyph.width() : glyph.height();
    const int t = h ? text.width() : text.height();
    if (margin == -1 && spacing == -1) {
        margin = (c - g - t) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (c - (g + spacing + t) + 1) / 2;
    } else if (spacing == -1) {
        spacing = ((c - (margin + g)) - t) / 2;
    }

    int mainGlyph, mainText;
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        mainGlyph = margin;
        mainText = margin + g + spacing;
    } else {
        mainGlyph = c - margin - g;
        mainText = mainGlyph - spacing - t;
    }

    TFaceLayout out;
    out.glyph = h ? QPoint(mainGlyph, crossGlyph) : QPoint(crossGlyph, mainGlyph);
    out.caption = h ? QPoint(mainText, crossText) : QPoint(crossText, mainText);
    out.margin = margin;
    out.spacing = spacing;
    return out;
}

void TButtonGlyph::LayoutFace(QPainter &painter, const QRect &client, const QString &caption, TButtonLayout layout,
                              int margin, int spacing, int textFlags, QPoint &glyphPos, QRect &captionRect) const
{
    const QSize glyph = CellSize();
    QSize text(0, 0);
    if (!caption.isEmpty()) {
        // Lines break only where the caption has line breaks; the ampersand
        // counts as the access-key mark.
        const QFontMetrics fm(painter.font(), painter.device());
        text = fm.boundingRect(QRect(0, 0, client.width(), 0), qtTextFlags(textFlags), caption).size();
    }
    const TFaceLayout l = ComputeLayout(client.size(), glyph, text, layout, margin, spacing,
                                        (textFlags & tfRightAlign) != 0);
    glyphPos = l.glyph + client.topLeft();
    captionRect = QRect(l.caption + client.topLeft(), text);
}

void TButtonGlyph::PaintGlyph(QPainter &painter, QPoint pos, TGlyphState state)
{
    if (m_source.width() == 0 || m_source.height() == 0)
        return;
    const int slot = StateImage(state);
    if (slot >= 0 && m_list)
        m_list->Draw(painter, slot, pos.x(), pos.y());
}

void TButtonGlyph::PaintCaption(QPainter &painter, const QString &caption, const QRect &rect, TGlyphState state,
                                int textFlags)
{
    if (caption.isEmpty())
        return;
    const int flags = qtTextFlags(textFlags) | Qt::AlignHCenter | Qt::AlignTop;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (state == gsDisabled) {
        painter.setPen(SystemColors::ButtonHighlight());
        painter.drawText(rect.translated(1, 1), flags, caption);
        painter.setPen(SystemColors::ButtonShadow());
        painter.drawText(rect, flags, caption);
    } else {
        painter.drawText(rect, flags, caption);
    }
    painter.restore();
}

QRect TButtonGlyph::PaintFace(QPainter &painter, const QRect &client, const QString &caption, TButtonLayout layout,
                              int margin, int spacing, TGlyphState state, int textFlags)
{
    QPoint glyphPos;
    QRect captionRect;
    LayoutFace(painter, client, caption, layout, margin, spacing, textFlags, glyphPos, captionRect);
    PaintGlyph(painter, glyphPos, state);
    PaintCaption(painter, caption, captionRect, state, textFlags);
    return captionRect;
}
