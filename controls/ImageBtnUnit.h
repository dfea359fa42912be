#pragma once
// TImageBtn: a button made of two pictures. It shows Picture and, while a
// mouse button is held down on it with the pointer inside, Picture2. No
// frame, caption or focus of its own. With AutoSize (on by default) it takes
// the size of whatever picture it shows; an empty picture leaves the size.
//
// Use:
//     auto *exit = new TImageBtn(parent);
//     exit->setPicture(QPixmap(":/pictures/exit.gif"));
//     exit->setPicture2(QPixmap(":/pictures/exit_down.gif"));
//     connect(exit, &TImageBtn::clicked, this, &TMainForm::ExitBtnClick);
//
// clicked() is raised when the left button is released inside the control
// after a press on it, with the normal picture already back.
//
// Keyboard and assistive tools: the control takes the focus with Tab (a
// dotted rectangle inside the picture shows it, so the layout stays as it
// is); Space (pressed picture while held), Enter and Return click it. It
// presents itself to screen readers as a push button named by its
// accessible name (or else its tool tip) with a "Press" action.

#include <QPixmap>
#include <QWidget>

class TImageBtn : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)
    Q_PROPERTY(QPixmap Picture2 READ picture2 WRITE setPicture2)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)

public:
    explicit TImageBtn(QWidget *parent = nullptr);

    QPixmap picture() const { return m_picture; }
    void setPicture(const QPixmap &picture);
    QPixmap picture2() const { return m_picture2; }
    void setPicture2(const QPixmap &picture) { m_picture2 = picture; } // shows at the next press
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // Puts Picture2 up, keeping Picture aside; repeated calls keep the first
    // saved picture.
    void ShowPressed();
    // Puts the saved picture back, if Picture2 is up.
    void ShowNormal();
    bool showingPressed() const { return m_showingPressed; }
    bool tracking() const { return m_tracking; }

    QSize sizeHint() const override;

    // What a click does: the normal picture back, then clicked(). For the
    // keyboard and the screen reader's "Press".
    void click() { Click(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void Click();

    QPixmap m_picture;
    QPixmap m_picture2;
    QPixmap m_saved;
    bool m_autoSize = true;
    bool m_tracking = false;
    bool m_showingPressed = false;
    bool m_leftPressed = false; // a left press on the control may become a click
    bool m_spaceHeld = false;   // Space went down on the focused control
};
