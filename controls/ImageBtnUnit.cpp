#include "controls/ImageBtnUnit.h"

#include "controls/ClassicFrame.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
// Screen readers see a push button with a press action, named like the
// picture's meaning rather than left as an unnamed "client" area.
class ImageBtnAccessible : public QAccessibleWidget {
public:
    explicit ImageBtnAccessible(TImageBtn *button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (s.isEmpty() && t == QAccessible::Name)
            s = widget()->toolTip();
        if (s.isEmpty() && t == QAccessible::Description)
            s = widget()->toolTip();
        return s;
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction()) {
            // Queued, as Qt's own buttons do: the click may open a modal
            // window, and the screen reader waits for this call's answer.
            if (widget()->isEnabled())
                QMetaObject::invokeMethod(static_cast<TImageBtn *>(widget()), &TImageBtn::click, Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *imageBtnAccessible(const QString &key, QObject *object)
{
    if (key == QLatin1String("TImageBtn"))
        if (auto *b = qobject_cast<TImageBtn *>(object))
            return new ImageBtnAccessible(b);
    return nullptr;
}

bool isEnter(const QKeyEvent *e)
{
    const bool plain = e->modifiers() == Qt::NoModifier
        || (e->modifiers() == Qt::KeypadModifier && e->key() == Qt::Key_Enter);
    return plain && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter);
}
} // namespace

TImageBtn::TImageBtn(QWidget *parent) : QWidget(parent)
{
    static const bool factory = (QAccessible::installFactory(imageBtnAccessible), true);
    (void)factory;
    // Tab reaches it; a mouse click does not move the focus, as before.
    setFocusPolicy(Qt::TabFocus);
    // It is as large as its picture: a layout neither stretches nor squeezes it.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
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
    setSizePolicy(on ? QSizePolicy::Fixed : QSizePolicy::Preferred, on ? QSizePolicy::Fixed : QSizePolicy::Preferred);
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
    if (hasFocus())
        ClassicFrame::DrawFocusRect(p, rect().adjusted(3, 3, -4, -4));
}

void TImageBtn::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        if (!event->isAutoRepeat()) {
            m_spaceHeld = true;
            ShowPressed();
        }
        event->accept();
        return;
    }
    if (isEnter(event)) {
        event->accept();
        Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TImageBtn::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spaceHeld) {
        m_spaceHeld = false;
        event->accept();
        Click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TImageBtn::focusInEvent(QFocusEvent *event)
{
    update();
    QWidget::focusInEvent(event);
}

void TImageBtn::focusOutEvent(QFocusEvent *event)
{
    // Space let go elsewhere: no click, the normal picture back.
    if (m_spaceHeld) {
        m_spaceHeld = false;
        ShowNormal();
    }
    update();
    QWidget::focusOutEvent(event);
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
