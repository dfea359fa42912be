#include "reminders/HeadingPanel.h"

#include "controls/SystemColors.h"

#include <QEvent>
#include <QPainter>

namespace {
constexpr int BevelWidth = 1;
constexpr int TextMargin = 6;

// One bevel ring: `topLeft` on the upper and left edges, `bottomRight` on
// the others.
void drawBevel(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}
} // namespace

HeadingPanel::HeadingPanel(QWidget *parent) : QWidget(parent)
{
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setFixedHeight(DefaultHeight);
}

void HeadingPanel::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    update();
}

void HeadingPanel::setColor(const QColor &color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void HeadingPanel::setAlignment(Qt::Alignment alignment)
{
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

QSize HeadingPanel::sizeHint() const
{
    return QSize(fontMetrics().horizontalAdvance(text_) + 2 * (TextMargin + 2 * BevelWidth), DefaultHeight);
}

void HeadingPanel::changeEvent(QEvent *event)
{
    // The caption stays bold whatever font the parent hands down.
    if (event->type() == QEvent::FontChange && !font().bold()) {
        QFont f = font();
        f.setBold(true);
        setFont(f);
    }
    QWidget::changeEvent(event);
}

void HeadingPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QPalette &pal = palette();
    const QColor light = pal.color(QPalette::Light);
    const QColor shadow = pal.color(QPalette::Dark);

    QRect r = rect();
    p.fillRect(r, color_);
    drawBevel(p, r, shadow, light); // outer ring: lowered
    r.adjust(BevelWidth, BevelWidth, -BevelWidth, -BevelWidth);
    drawBevel(p, r, light, shadow); // inner ring: raised
    r.adjust(BevelWidth + TextMargin, BevelWidth, -BevelWidth - TextMargin, -BevelWidth);

    // The panel keeps its own colour whatever the scheme, so the caption's
    // colour is chosen against it: the scheme's text colour where that reads
    // well, else black or white.
    const int flags = int(alignment_) | Qt::TextSingleLine;
    const QColor text = SystemColors::ReadableOn(color_, pal.color(QPalette::WindowText));
    p.setPen(light);
    p.drawText(r.translated(-1, -1), flags, text_);
    p.setPen(text);
    p.drawText(r, flags, text_);
}
