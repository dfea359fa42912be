#include "reminders/DescriptionMemo.h"

#include <QKeyEvent>

DescriptionMemo::DescriptionMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Read-only, but still reachable and scrollable with the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void DescriptionMemo::setText(const QString &text)
{
    // Stored descriptions may use CR LF; the editor would turn the CR and
    // the LF into two separate breaks.
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(t);
}

bool DescriptionMemo::isKeptKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

bool DescriptionMemo::event(QEvent *event)
{
    // Claim the keys before any shortcut could take them.
    if (event->type() == QEvent::ShortcutOverride && isKeptKey(static_cast<QKeyEvent *>(event)->key())) {
        event->accept();
        return true;
    }
    return QPlainTextEdit::event(event);
}

void DescriptionMemo::keyPressEvent(QKeyEvent *event)
{
    if (isKeptKey(event->key())) {
        event->accept(); // kept, and deliberately does nothing
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
