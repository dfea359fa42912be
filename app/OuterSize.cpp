#include "app/OuterSize.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

OuterSize::OuterSize(QWidget *window, QSize outer) : QObject(window), window_(window), outer_(outer)
{
    window->resize(outer);
    window->installEventFilter(this);
}

QSize OuterSize::InsideFor(QSize outer, int left, int top, int right, int bottom)
{
    return QSize(qMax(1, outer.width() - left - right), qMax(1, outer.height() - top - bottom));
}

bool OuterSize::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && !fitted_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
        case QEvent::UpdateRequest:
        case QEvent::Paint:
            TryFit();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void OuterSize::TryFit()
{
    const QWindow *handle = window_->windowHandle();
    if (!handle || !window_->isVisible())
        return;
    // Zero margins: not framed yet (or never, without a window manager).
    const QMargins m = handle->frameMargins();
    if (m.isNull())
        return;
    fitted_ = true;
    const QSize inside = InsideFor(outer_, m.left(), m.top(), m.right(), m.bottom());
    if (window_->size() == inside && window_->frameGeometry().size() == outer_)
        return;
    window_->resize(inside);
    // move() places the frame's corner: centre the whole framed window.
    if (const QScreen *screen = window_->screen()) {
        const QRect area = screen->availableGeometry();
        window_->move(area.left() + (area.width() - outer_.width()) / 2,
                      area.top() + (area.height() - outer_.height()) / 2);
    }
}
