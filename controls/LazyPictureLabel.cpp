#include "controls/LazyPictureLabel.h"

#include <QEvent>

#include <utility>

LazyPictureLabel::LazyPictureLabel(const QSize &size, Loader load, QWidget *parent)
    : QLabel(parent), size_(size), load_(std::move(load))
{
}

QSize LazyPictureLabel::sizeHint() const
{
    if (pictureRead())
        return QLabel::sizeHint();
    // What QLabel asks for around a picture of this size.
    const QMargins m = contentsMargins();
    const int extra = 2 * margin();
    return QSize(size_.width() + extra + m.left() + m.right(), size_.height() + extra + m.top() + m.bottom())
        .expandedTo(minimumSize());
}

QSize LazyPictureLabel::minimumSizeHint() const
{
    return pictureRead() ? QLabel::minimumSizeHint() : sizeHint();
}

bool LazyPictureLabel::event(QEvent *event)
{
    // Shown comes before the first paint; a grab of a widget never shown
    // paints without it.
    if (!pictureRead() && (event->type() == QEvent::Show || event->type() == QEvent::Paint))
        readPicture();
    return QLabel::event(event);
}

void LazyPictureLabel::readPicture()
{
    const Loader load = std::exchange(load_, Loader());
    setPixmap(load());
}
