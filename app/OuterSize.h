#pragma once
// Gives a top-level window an outer size, its frame included. Qt sizes the
// inside of a window; the frame's thickness is known only once the window
// manager has framed the window (after it is first shown). Until then the
// window gets the whole size as its inside; as soon as the frame is known
// the inside is shrunk by it, once, and the framed window is centred on its
// screen. A platform without frames (offscreen) keeps the first size.

#include <QObject>
#include <QSize>

class QWidget;

class OuterSize : public QObject {
    Q_OBJECT
public:
    // Owned by `window`.
    OuterSize(QWidget *window, QSize outer);

    // The inside size that gives `outer` with these frame margins.
    static QSize InsideFor(QSize outer, int left, int top, int right, int bottom);
    bool fitted() const { return fitted_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TryFit();

    QWidget *window_;
    QSize outer_;
    bool fitted_ = false;
};
