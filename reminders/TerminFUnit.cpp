#include "reminders/TerminFUnit.h"

#include "controls/ButtonsXP.h"
#include "controls/DialogBorder.h"
#include "controls/KindTable.h"

#include "reminders/DescriptionMemo.h"
#include "reminders/HeadingPanel.h"
#include "reminders/ReminderAnswers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr int Margin = 8;
constexpr int ContentWidth = 377;
constexpr int NameTop = 40, NameHeight = 21;
constexpr int MemoTop = 66, MemoHeight = 113;
constexpr int ButtonTop = 184, ButtonHeight = 25;

// The name and the description sit on the info-tip colours, like a note.
void useInfoTipColours(QWidget *w)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
    w->setPalette(pal);
}
} // namespace

TTerminForm::TTerminForm(QWidget *parent) : QDialog(parent, DialogBorder::Flags)
{
    DialogBorder::Keep(this);
    setWindowTitle(tr("Appointment reminder"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(ClientWidth, ClientHeight);

    heading_ = new HeadingPanel(this);
    heading_->setGeometry(0, 0, ClientWidth, HeadingPanel::DefaultHeight);

    name_ = new QLineEdit(this);
    name_->setGeometry(Margin, NameTop, ContentWidth, NameHeight);
    useInfoTipColours(name_);
    // No label stands beside the two fields; a screen reader names them so.
    name_->setAccessibleName(tr("Appointment"));

    description_ = new DescriptionMemo(this);
    description_->setGeometry(Margin, MemoTop, ContentWidth, MemoHeight);
    useInfoTipColours(description_);
    description_->setAccessibleName(tr("Description"));

    // Each answer shows the glyph of the button kind it stands for.
    cancelAll_ = makeButton(tr("Cancel all"), TBitBtnXP::bkCancel, ReminderAnswer::Cancel,
                            QRect(Margin, ButtonTop, 105, ButtonHeight));
    dontRemind_ = makeButton(tr("Don't remind anymore"), TBitBtnXP::bkIgnore, ReminderAnswer::Ignore,
                             QRect(121, ButtonTop, 150, ButtonHeight));
    remindLater_ = makeButton(tr("Remind later"), TBitBtnXP::bkYes, ReminderAnswer::Yes,
                              QRect(279, ButtonTop, Margin + ContentWidth - 279, ButtonHeight));
    remindLater_->setDefault(true);

    setTabOrder(description_, remindLater_);
    setTabOrder(remindLater_, dontRemind_);
    setTabOrder(dontRemind_, cancelAll_);
    setTabOrder(cancelAll_, name_);

    lastFocus_ = description_;

    answerGuard_.setParent(this);
    answerGuard_.setObjectName(QStringLiteral("AnswerGuard"));
    answerGuard_.setSingleShot(true);
    answerGuard_.setInterval(AnswerGuardMs);
    connect(&answerGuard_, &QTimer::timeout, this, [this] { guardAnswers(false); });
}

QPushButton *TTerminForm::makeButton(const QString &caption, int kind, int result, const QRect &geometry)
{
    auto *b = new QPushButton(KindTable::GlyphIcon(kind), caption, this);
    b->setIconSize(QSize(18, 18));
    b->setGeometry(geometry);
    b->setAutoDefault(true);
    connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
    return b;
}

void TTerminForm::SetHeading(const QString &text)
{
    heading_->setText(text);
}

void TTerminForm::SetName(const QString &text)
{
    name_->setText(text);
    name_->setCursorPosition(0);
}

void TTerminForm::SetDescription(const QString &text)
{
    description_->setText(text);
}

int TTerminForm::ShowModal()
{
    return exec();
}

bool TTerminForm::isOurButton(const QWidget *w) const
{
    return w && (w == cancelAll_ || w == dontRemind_ || w == remindLater_);
}

void TTerminForm::done(int result)
{
    // Remember where the user was, for the next showing; while the answers
    // are held back the focus is only parked (the program may end the
    // dialog then).
    if (answerGuard_.isActive()) {
        answerGuard_.stop();
        guardAnswers(false);
    }
    QWidget *fw = focusWidget();
    if (fw == description_ || fw == name_ || isOurButton(fw))
        lastFocus_ = fw;
    QDialog::done(result);
}

void TTerminForm::reject()
{
    // The close box and Escape answer too, but not in the first moment.
    if (answerGuard_.isActive())
        return;
    done(ReminderAnswer::Cancel);
}

void TTerminForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOnScreen();
        guardAnswers(true);
    }
    QDialog::showEvent(event);
}

void TTerminForm::guardAnswers(bool on)
{
    for (QPushButton *b : {cancelAll_, dontRemind_, remindLater_})
        b->setEnabled(!on);
    QWidget *target = lastFocus_ ? lastFocus_.data() : static_cast<QWidget *>(description_);
    if (on) {
        // A disabled button cannot hold the focus: it waits on the read-only
        // description and goes back to the button once the moment is over.
        if (isOurButton(target))
            target = description_;
        qApp->installEventFilter(this);
        answerGuard_.start();
    } else {
        qApp->removeEventFilter(this);
    }
    target->setFocus(Qt::OtherFocusReason);
}

bool TTerminForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        break;
    default:
        return QDialog::eventFilter(watched, event);
    }
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || (w != this && !isAncestorOf(w)))
        return QDialog::eventFilter(watched, event);
    // Keys still coming are typed by someone who has not seen the dialog
    // yet: the moment lasts until they stop.
    if (event->type() == QEvent::KeyPress)
        answerGuard_.start();
    return true;
}

void TTerminForm::keyPressEvent(QKeyEvent *event)
{
    const bool plain = event->modifiers() == Qt::NoModifier
        || (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        // Only keys no control kept get here: the name field's, or a button's.
        QWidget *fw = focusWidget();
        auto *target = isOurButton(fw) ? static_cast<QPushButton *>(fw) : remindLater_;
        target->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event); // Escape ends up in reject()
}

void TTerminForm::centreOnScreen()
{
    const QScreen *s = screen();
    if (!s)
        return;
    QRect r = frameGeometry();
    r.moveCenter(s->availableGeometry().center());
    move(r.topLeft());
}
