#pragma once
// Keeps what the name and description editors show equal to what will be
// stored. The file's texts are in one 8-bit code page (store/CodePage.h); a
// character it has no byte for is stored as "?". So that nobody believes
// such a character was kept, it becomes "?" in the editor as soon as it is
// typed, pasted or composed, in its place, the cursor staying where the
// typing left it; `replaced` then lets the window say why.

#include <QObject>

class QLineEdit;
class QPlainTextEdit;

class CodePageInput : public QObject {
    Q_OBJECT
public:
    // Watches the editor for the rest of its life (it owns the watcher).
    static CodePageInput *Watch(QLineEdit *edit);
    static CodePageInput *Watch(QPlainTextEdit *memo);

signals:
    void replaced();

private:
    explicit CodePageInput(QObject *editor);
    void replaceIn(QLineEdit *edit);
    void replaceIn(QPlainTextEdit *memo);

    // The part of the memo's document changed since the last look.
    int changedFrom_ = -1, changedTo_ = -1;
};
