#pragma once
// The read-only description memo of the reminder dialog. A read-only text
// editor passes Enter and Escape on to its dialog, which would then answer
// the reminder; this memo keeps both keys, so reading the text with the
// keyboard never answers by accident.

#include <QPlainTextEdit>

class DescriptionMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DescriptionMemo(QWidget *parent = nullptr);

    // Shows `text` with each of CR LF, CR and LF as one line break.
    void setText(const QString &text);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    static bool isKeptKey(int key);
};
