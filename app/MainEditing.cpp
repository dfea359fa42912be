// Editing the appointment the list shows: the selection, the editors and
// what each editor stores.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
#include "app/ShownTermin.h"
#include "app/SpinEdit.h"
#include "controls/ButtonsXP.h"
#include "controls/ImageBtnUnit.h"
#include "navigation/DateTreeModel.h"
#include "navigation/NodeCode.h"
#include "navigation/OverviewModel.h"
#include "platform/locale/LocaleTexts.h"
#include "store/CodePage.h"
#include "store/DateTimeValue.h"

#include <QCheckBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

// The memo's text with every line break as "\n". toPlainText() would also
// turn no-break spaces into spaces, which are different characters here.
QString memoText(const QPlainTextEdit *memo)
{
    QString text = memo->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

ShownDuration durationIn(const TSpinEdit *days, const TSpinEdit *hours, const TSpinEdit *minutes)
{
    return {days->value(), hours->value(), minutes->value()};
}

void showDuration(const ShownDuration &d, TSpinEdit *days, TSpinEdit *hours, TSpinEdit *minutes)
{
    days->setClampedValue(d.days);
    hours->setClampedValue(d.hours);
    minutes->setClampedValue(d.minutes);
}

// A text the editor cannot show whole is shown read-only, so nothing typed
// can replace the part that is not shown; the note says why.
template <class Editor>
void showEditable(Editor *editor, const QString &note)
{
    editor->setReadOnly(!note.isEmpty());
    editor->setToolTip(note);
}

// Likewise for a time or duration beyond its fields: all of its fields are
// read-only, since typing into one would store the value made of them all.
void showFixed(const FixedParts &fixed, std::initializer_list<std::pair<TSpinEdit *, QString>> fields)
{
    for (const auto &[field, text] : fields) {
        field->showFixedText(fixed.note.isEmpty() ? QString() : text);
        field->setToolTip(fixed.note);
    }
}

} // namespace

int TMainForm::firstSelectedRow() const
{
    // The selection is kept as ranges of rows: a select-all of a million
    // rows is one range, so this never walks the rows themselves.
    int first = -1;
    for (const QItemSelectionRange &range : ListView1->selectionModel()->selection()) {
        if (range.isValid() && (first < 0 || range.top() < first))
            first = range.top();
    }
    return first;
}

TTermin *TMainForm::selectedTermin() const
{
    if (selected_.code < 0 || NodeCode::LevelOf(selected_.code) != NodeCode::Level::Day)
        return nullptr;
    const NodeCode::Parts p = NodeCode::Decode(selected_.code);
    TTerminDay &slot = grid_->Slot(p.year, p.month, p.day);
    if (selected_.row < 0 || static_cast<uint32_t>(selected_.row) >= slot.records.Count())
        return nullptr;
    return grid_->RecordAt(slot, selected_.row);
}

bool TMainForm::IsTerminSelected()
{
    selected_ = {};
    const int code = selectedCode();
    if (code < 0 || NodeCode::LevelOf(code) != NodeCode::Level::Day)
        return false;
    const int row = firstSelectedRow();
    if (row < 0)
        return false;
    selected_ = {code, row};
    if (!selectedTermin()) {
        selected_ = {};
        return false;
    }
    return true;
}

TTermin *TMainForm::resolveSelection()
{
    return IsTerminSelected() ? selectedTermin() : nullptr;
}

ShownTermin TMainForm::editorValues() const
{
    ShownTermin v;
    v.name = NameEd->text();
    v.description = memoText(DescEd);
    v.done = doneCheck->isChecked();
    v.time = {hour->value(), min->value()};
    v.firstRemind = durationIn(day1, hour1, min1);
    v.repeatInterval = durationIn(day2, hour2, min2);
    return v;
}

void TMainForm::fillEditors(const ShownTermin &shown)
{
    // Every editor is set first and the handlers of those whose value
    // changed run afterwards: a handler that ran halfway, seeing the new
    // hour beside the old minute, would store a time the record never had.
    // By the time they run the editors show the record, so they store
    // nothing and only restart the save timer.
    const ShownTermin before = editorValues();
    {
        const QSignalBlocker b1(NameEd), b2(DescEd), b3(doneCheck), b4(hour), b5(min), b6(day1), b7(hour1), b8(min1),
            b9(day2), b10(hour2), b11(min2);
        if (before.name != shown.name)
            NameEd->setText(shown.name);
        if (before.description != shown.description)
            DescEd->setPlainText(shown.description);
        showEditable(NameEd, shown.nameNote);
        showEditable(DescEd, shown.descriptionNote);
        doneCheck->setChecked(shown.done);
        hour->setClampedValue(shown.time.hour);
        min->setClampedValue(shown.time.minute);
        showDuration(shown.firstRemind, day1, hour1, min1);
        showDuration(shown.repeatInterval, day2, hour2, min2);
        const FixedParts &t = shown.timeFixed, &f = shown.firstRemindFixed, &r = shown.repeatIntervalFixed;
        showFixed(t, {{hour, t.hours}, {min, t.minutes}});
        showFixed(f, {{day1, f.days}, {hour1, f.hours}, {min1, f.minutes}});
        showFixed(r, {{day2, r.days}, {hour2, r.hours}, {min2, r.minutes}});
    }
    const ShownTermin now = editorValues();
    if (now.name != before.name)
        NameEdChange();
    if (now.description != before.description)
        DescEdChange();
    if (now.done != before.done)
        doneCheckClick();
    if (now.time.hour != before.time.hour)
        hourChange();
    if (now.time.minute != before.time.minute)
        minChange();
    if (now.firstRemind != before.firstRemind)
        day1Change();
    if (now.repeatInterval != before.repeatInterval)
        day2Change();
}

void TMainForm::ListView1Change()
{
    const bool resolves = IsTerminSelected();
    DelTerminBtn->setEnabled(resolves);
    if (resolves)
        buildDetailPages();
    if (PageControl2)
        PageControl2->setVisible(resolves);
    if (!resolves)
        return;

    const TTermin &t = *selectedTermin();
    const double lastReminded = t.LastReminded;
    fillEditors(ShownTermin::Of(t));
    const QDateTime last = DateTimeValue::ToDateTime(lastReminded);
    if (lastReminded == 0)
        LastLabel->setText(tr("Reminded: never"));
    else if (!last.isValid()) // damaged: no date to show, the value stays
        LastLabel->setText(tr("Reminded: (invalid)"));
    else
        LastLabel->setText(
            tr("Reminded: %1; %2").arg(LocaleTexts::ShortDate(last.date()), LocaleTexts::LongTime(last.time())));
}

// Each handler stores only what differs from the record as shown, so
// showing a record leaves it exactly as it was.

void TMainForm::NameEdChange()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    const QString name = NameEd->text();
    if (name != ShownText::Name(t->Name, nullptr)) {
        t->Name = ShownText::StoredName(name);
        ListModel->recordChanged(selected_.row);
    }
    restartSaveTimer();
}

void TMainForm::DescEdChange()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    const QString text = memoText(DescEd);
    if (text != ShownText::Description(t->Description, nullptr))
        t->Description = ShownText::StoredDescription(text);
    restartSaveTimer();
}

void TMainForm::doneCheckClick()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    // Any nonzero byte is Done; the byte stays as stored until a click
    // changes what it means.
    if ((t->Done != 0) != doneCheck->isChecked())
        t->Done = doneCheck->isChecked();
    restartSaveTimer();
}

void TMainForm::hourChange()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    // A typed hour of 25 stands in the editor until it loses the focus; it
    // is never a time of day, so the record keeps its time until then.
    const ShownTime shown{hour->value(), min->value()};
    if (hour->inBounds() && min->inBounds() && shown != ShowTime(t->Time)) {
        t->Time = DateTimeValue::EncodeTime(shown.hour, shown.minute);
        ListModel->recordChanged(selected_.row);
    }
    restartSaveTimer();
}

void TMainForm::minChange()
{
    hourChange();
}

void TMainForm::day1Change()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    const ShownDuration shown = durationIn(day1, hour1, min1);
    if (hour1->inBounds() && min1->inBounds() && shown != ShowDuration(t->FirstRemind))
        t->FirstRemind = DurationValue(shown);
    restartSaveTimer();
}

void TMainForm::day2Change()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    const ShownDuration shown = durationIn(day2, hour2, min2);
    if (hour2->inBounds() && min2->inBounds() && shown != ShowDuration(t->RepeatInterval))
        t->RepeatInterval = DurationValue(shown);
    restartSaveTimer();
}

void TMainForm::ClearLastBtnClick()
{
    TTermin *t = resolveSelection();
    if (!t)
        return;
    t->LastReminded = 0;
    LastLabel->setText(tr("Reminded: never"));
    restartSaveTimer();
}
