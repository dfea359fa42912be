#include "controls/DialogBorder.h"

#include <QEvent>
#include <QPointer>
#include <QVector>
#include <QWidget>

namespace {
class Keeper : public QObject {
public:
    explicit Keeper(QWidget *dialog) : QObject(dialog), dialog_(dialog) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != dialog_)
            return false;
        if (event->type() == QEvent::Show) {
            // Remember the windows above that are on the screen now.
            owners_.clear();
            for (QWidget *w = dialog_->parentWidget(); w; w = w->parentWidget()) {
                w = w->window();
                if (w->isVisible() && !w->isMinimized())
                    owners_.append(w);
            }
        } else if (event->type() == QEvent::WindowStateChange && dialog_->isMinimized()) {
            // Undone after the window manager has finished minimising the
            // whole group, so the owners' new state is known.
            QMetaObject::invokeMethod(this, &Keeper::Restore, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Restore()
    {
        for (const QPointer<QWidget> &owner : owners_)
            if (owner && owner->isMinimized())
                owner->setWindowState(owner->windowState() & ~Qt::WindowMinimized);
        if (dialog_->isMinimized() && dialog_->isVisible()) {
            dialog_->setWindowState(dialog_->windowState() & ~Qt::WindowMinimized);
            dialog_->raise();
            dialog_->activateWindow();
        }
    }

    QWidget *dialog_;
    QVector<QPointer<QWidget>> owners_;
};
} // namespace

namespace DialogBorder {

void Keep(QWidget *dialog)
{
    new Keeper(dialog);
}

} // namespace DialogBorder
