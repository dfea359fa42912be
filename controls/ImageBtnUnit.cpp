#include "controls/ImageBtnUnit.h"

#include <QMouseEvent>
#include <QPainter>

TImageBtn::TImageBtn(QWidget *parent)
    : QWidget(parent)
{
}

void TImageBtn::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
    updateGeometry();
    update();
}

void TImageBtn::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on && !m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize());
}

void TImageBtn::ShowPressed()
{
    if (m_showingPressed)
        return;
    m_showingPressed = true;
    m_saved = m_picture;
    setPicture(m_picture2);
}

void TImageBtn::ShowNormal()
{
    if (!m_showingPressed)
        return;
    setPicture(m_saved);
    m_showingPressed = false;
}

QSize TImageBtn::sizeHint() const
{
    return m_picture.isNull() ? QWidget::sizeHint() : m_picture.deviceIndependentSize().toSize();
}

void TImageBtn::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
}

void TImageBtn::mousePressEvent(QMouseEvent *event)
{
    ShowPressed();
    m_tracking = true;
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    QWidget::mousePressEvent(event);
}

void TImageBtn::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click shows the pressed picture like any
    // press, but its release raises no second click.
    ShowPressed();
    m_tracking = true;
    m_leftPressed = false;
    event->accept();
}

void TImageBtn::mouseMoveEvent(QMouseEvent *event)
{
    if (m_tracking) {
        const QPoint pos = event->position().toPoint();
        if (pos.x() < 0 || pos.x() >= width() || pos.y() < 0 || pos.y() >= height())
            ShowNormal();
        else
            ShowPressed();
    }
    QWidget::mouseMoveEvent(event);
}

void TImageBtn::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        const bool click = m_leftPressed && rect().contains(event->position().toPoint());
        m_leftPressed = false;
        if (click)
            Click();
    }
    ShowNormal();
    m_tracking = false;
    QWidget::mouseReleaseEvent(event);
}

void TImageBtn::Click()
{
    ShowNormal();
    emit clicked();
}
