#pragma once
// A coloured strip along the top of a window with a bold caption that has a
// one-pixel highlight shadow to its upper left, framed by a lowered outer
// and a raised inner bevel.

#include <QColor>
#include <QString>
#include <QWidget>

class HeadingPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int DefaultHeight = 33;
    // The program's heading colour (warm sand), also used beside headings
    // elsewhere (see Theme::headingColour).
    static QColor DefaultColor() { return QColor(240, 202, 166); }

    explicit HeadingPanel(QWidget *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);

    QColor color() const { return color_; }
    void setColor(const QColor &color);

    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QString text_;
    QColor color_ = DefaultColor();
    Qt::Alignment alignment_ = Qt::AlignCenter;
};
