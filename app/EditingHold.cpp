#include "app/EditingHold.h"

#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QWidget>

EditingHold::EditingHold(QObject *parent) : QObject(parent)
{
    quiet_.setSingleShot(true);
    connect(&quiet_, &QTimer::timeout, this, [this] {
        // A key may have come since the timer was set: wait for the rest.
        if (holding())
            quiet_.start(remainingMs());
        else
            release();
    });
    connect(qApp, &QApplication::focusChanged, this, [this] {
        if (waiting_ && !focusInPanel())
            release();
    });
}

void EditingHold::watch(QWidget *panel)
{
    panel_ = panel;
    panel->installEventFilter(this);
    for (QWidget *w : panel->findChildren<QWidget *>())
        w->installEventFilter(this);
}

bool EditingHold::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress)
        touch();
    else if (event->type() == QEvent::ChildAdded && watched->isWidgetType())
        if (auto *w = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            w->installEventFilter(this);
    return false;
}

void EditingHold::touch()
{
    lastKey_.start();
}

bool EditingHold::focusInPanel() const
{
    const QWidget *focus = QApplication::focusWidget();
    return panel_ && focus && (focus == panel_ || panel_->isAncestorOf(focus));
}

bool EditingHold::holding() const
{
    return lastKey_.isValid() && lastKey_.elapsed() < QuietMs && focusInPanel();
}

void EditingHold::waitForRelease()
{
    waiting_ = true;
    if (!quiet_.isActive())
        quiet_.start(remainingMs());
}

int EditingHold::remainingMs() const
{
    const qint64 since = lastKey_.isValid() ? lastKey_.elapsed() : QuietMs;
    return since >= QuietMs ? 0 : int(QuietMs - since) + 1;
}

void EditingHold::release()
{
    quiet_.stop();
    if (!waiting_)
        return;
    waiting_ = false;
    emit released();
}
