#pragma once
// A label showing a picture that is read when the label is first shown or
// painted, not when it is made: a window can carry the pictures of pages
// nobody has opened yet without decoding them at its start. Until then the
// label asks for the room the picture will take, so the layout is the same
// before and after.
//
//     auto *panel = new LazyPictureLabel(QSize(209, 360), [] { return QPixmap(":/big.png"); }, page);
//     panel->setScaledContents(true);

#include <QLabel>
#include <QPixmap>

#include <functional>

class LazyPictureLabel : public QLabel {
    Q_OBJECT
public:
    using Loader = std::function<QPixmap()>;
    // `size`: the picture's size in logical pixels.
    LazyPictureLabel(const QSize &size, Loader load, QWidget *parent = nullptr);

    bool pictureRead() const { return !load_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;

private:
    void readPicture();
    QSize size_;
    Loader load_;
};
