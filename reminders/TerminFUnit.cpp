#include "reminders/TerminFUnit.h"

#include "controls/ButtonsXP.h"
#include "controls/DialogBorder.h"
#include "controls/KindTable.h"

#include "reminders/DescriptionMemo.h"
#include "reminders/HeadingPanel.h"
#include "reminders/ReminderAnswers.h"

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
    setWindowTitle(QStringLiteral("Appointment reminder"));
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(ClientWidth, ClientHeight);

    heading_ = new HeadingPanel(this);
    heading_->setGeometry(0, 0, ClientWidth, HeadingPanel::DefaultHeight);

    name_ = new QLineEdit(this);
    name_->setGeometry(Margin, NameTop, ContentWidth, NameHeight);
    useInfoTipColours(name_);

    description_ = new DescriptionMemo(this);
    description_->setGeometry(Margin, MemoTop, ContentWidth, MemoHeight);
    useInfoTipColours(description_);

    // Each answer shows the glyph of the button kind it stands for.
    cancelAll_ = makeButton(QStringLiteral("Cancel all"), TBitBtnXP::bkCancel, ReminderAnswer::Cancel,
                            QRect(Margin, ButtonTop, 105, ButtonHeight));
    dontRemind_ = makeButton(QStringLiteral("Don't remind anymore"), TBitBtnXP::bkIgnore, ReminderAnswer::Ignore,
                             QRect(121, ButtonTop, 150, ButtonHeight));
    remindLater_ = makeButton(QStringLiteral("Remind later"), TBitBtnXP::bkYes, ReminderAnswer::Yes,
                              QRect(279, ButtonTop, Margin + ContentWidth - 279, ButtonHeight));
    remindLater_->setDefault(true);

    setTabOrder(description_, remindLater_);
    setTabOrder(remindLater_, dontRemind_);
    setTabOrder(dontRemind_, cancelAll_);
    setTabOrder(cancelAll_, name_);

    lastFocus_ = description_;
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
    // Remember where the user was, for the next showing.
    QWidget *fw = focusWidget();
    if (fw == description_ || fw == name_ || isOurButton(fw))
        lastFocus_ = fw;
    QDialog::done(result);
}

void TTerminForm::reject()
{
    done(ReminderAnswer::Cancel);
}

void TTerminForm::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        centreOnScreen();
        (lastFocus_ ? lastFocus_.data() : static_cast<QWidget *>(description_))->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
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
