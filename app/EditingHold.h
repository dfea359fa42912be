#pragma once
// Whether a person is still typing into the detail panel's editors: the
// keyboard focus is in them and a key came within the last few seconds.
// A reminder for the appointment being edited waits meanwhile, as it
// would take the keyboard halfway through a word; released() says when
// the wait is over (the focus went elsewhere, or the keys stopped).

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QWidget;

class EditingHold : public QObject {
    Q_OBJECT
public:
    // How long after the last key the editing counts as finished.
    static constexpr int QuietMs = 4000;

    explicit EditingHold(QObject *parent = nullptr);

    // The editors: every widget inside `panel`, now and later, is watched.
    void watch(QWidget *panel);
    // A key, or an Add that put the cursor into the name.
    void touch();
    bool holding() const;
    // Something was held: released() follows once the hold ends.
    void waitForRelease();

signals:
    void released();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool focusInPanel() const;
    int remainingMs() const;
    void release();

    QPointer<QWidget> panel_;
    QElapsedTimer lastKey_;
    QTimer quiet_;
    bool waiting_ = false;
};
