#pragma once
// The reminder dialog: tells the user about one due appointment and asks
// what to do. One instance lives for the whole run and is reused for every
// reminder; the check fills the three texts before each showing and reads
// the answer from the modal result (see ReminderAnswer).
//
// Keyboard: Tab runs description, "Remind later", "Don't remind anymore",
// "Cancel all", name. The description keeps Enter and Escape. Enter on a
// button presses it, Enter in the name field presses "Remind later"; Escape
// and the close box answer "Cancel all". The dialog opens with the focus on
// the control that had it when it last closed (the description at first).
//
// For a moment after it appears (AnswerGuardMs, and as long as keys keep
// coming in that moment) the dialog takes no answer: its buttons are
// disabled and every key and click that reaches it is dropped. Whoever was
// typing into another window when it took the keyboard would otherwise
// answer it with a space or Enter meant for something else.

#include <QDialog>
#include <QPointer>
#include <QTimer>

class DescriptionMemo;
class HeadingPanel;
class QLineEdit;
class QPushButton;

class TTerminForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 394;
    static constexpr int ClientHeight = 215;
    static constexpr int AnswerGuardMs = 700;

    explicit TTerminForm(QWidget *parent = nullptr);

    void SetHeading(const QString &text);
    void SetName(const QString &text);
    void SetDescription(const QString &text);

    // Shows the dialog modally; ReminderAnswer::Yes, Ignore or Cancel.
    int ShowModal();

    HeadingPanel *Heading() const { return heading_; }
    QLineEdit *NameEdit() const { return name_; }
    DescriptionMemo *DescriptionField() const { return description_; }
    QPushButton *CancelAllBtn() const { return cancelAll_; }
    QPushButton *DontRemindBtn() const { return dontRemind_; }
    QPushButton *RemindLaterBtn() const { return remindLater_; }

public slots:
    void done(int result) override;
    void reject() override; // Escape and the close box: "Cancel all"

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(const QString &caption, int kind, int result, const QRect &geometry);
    bool isOurButton(const QWidget *w) const;
    void centreOnScreen();
    void guardAnswers(bool on);

    HeadingPanel *heading_;
    QLineEdit *name_;
    DescriptionMemo *description_;
    QPushButton *cancelAll_;
    QPushButton *dontRemind_;
    QPushButton *remindLater_;
    QPointer<QWidget> lastFocus_;
    QTimer answerGuard_; // running while the dialog takes no answer
};
