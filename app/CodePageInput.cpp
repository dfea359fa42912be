#include "app/CodePageInput.h"

#include "store/CodePage.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

// A character the code page holds, or a break between the memo's lines.
bool storable(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 || (u >= 0xA0 && u <= 0xFF) || u == QChar::ParagraphSeparator || u == QChar::LineSeparator
        || EncodeAnsi(QString(c)) != "?";
}

} // namespace

CodePageInput::CodePageInput(QObject *editor) : QObject(editor) {}

CodePageInput *CodePageInput::Watch(QLineEdit *edit)
{
    auto *input = new CodePageInput(edit);
    // Only what the user does: a text the program sets came from the
    // stored bytes and holds nothing to replace.
    connect(edit, &QLineEdit::textEdited, input, [input, edit] { input->replaceIn(edit); });
    return input;
}

CodePageInput *CodePageInput::Watch(QPlainTextEdit *memo)
{
    auto *input = new CodePageInput(memo);
    QTextDocument *doc = memo->document();
    // The changed part is noted as it changes and looked at once the edit
    // is complete, when the document may be changed again.
    connect(doc, &QTextDocument::contentsChange, input, [input](int position, int, int added) {
        if (added <= 0)
            return;
        input->changedFrom_ = input->changedFrom_ < 0 ? position : std::min(input->changedFrom_, position);
        input->changedTo_ = std::max(input->changedTo_, position + added);
    });
    connect(doc, &QTextDocument::contentsChanged, input, [input, memo] { input->replaceIn(memo); });
    return input;
}

void CodePageInput::replaceIn(QLineEdit *edit)
{
    const QString text = edit->text();
    int lost = 0;
    const std::string stored = EncodeAnsi(text, &lost);
    if (lost == 0)
        return;
    // Where the cursor stood, counted in what is stored: a character
    // outside the Basic Multilingual Plane took two places and takes one.
    const int cursor = static_cast<int>(EncodeAnsi(text.left(edit->cursorPosition())).size());
    edit->setText(DecodeAnsi(stored));
    edit->setCursorPosition(cursor);
    emit replaced();
}

void CodePageInput::replaceIn(QPlainTextEdit *memo)
{
    if (changedFrom_ < 0)
        return;
    QTextDocument *doc = memo->document();
    const int from = changedFrom_;
    // The document reports one more than it holds when its last block changed.
    const int to = std::min(changedTo_, doc->characterCount() - 1);
    changedFrom_ = changedTo_ = -1;
    QTextCursor range(doc);
    range.setPosition(from);
    range.setPosition(std::max(from, to), QTextCursor::KeepAnchor);
    const QString added = range.selectedText();
    bool any = false;
    QTextCursor fix(doc);
    // From the end, so the positions still to visit stay where they were.
    for (qsizetype i = added.size(); i-- > 0;) {
        if (storable(added.at(i)))
            continue;
        const bool pair = i > 0 && added.at(i).isLowSurrogate() && added.at(i - 1).isHighSurrogate();
        if (pair)
            --i;
        if (!any)
            fix.joinPreviousEditBlock(); // one undo step with the typing
        any = true;
        fix.setPosition(from + static_cast<int>(i));
        fix.setPosition(from + static_cast<int>(i) + (pair ? 2 : 1), QTextCursor::KeepAnchor);
        fix.insertText(QStringLiteral("?"));
    }
    if (!any)
        return;
    fix.endEditBlock();
    changedFrom_ = changedTo_ = -1; // the "?" just put in need no look
    emit replaced();
}
