// Adding, editing and deleting appointments, and the save timer.
#include "app/MainUnit.h"

#include "app/Dialogs.h"
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
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

#include <algorithm>
#include <vector>

namespace {

// Whole days plus the time of day made of hours and minutes.
double duration(const TSpinEdit *days, const TSpinEdit *hours, const TSpinEdit *minutes)
{
    return days->value() + DateTimeValue::EncodeTime(hours->value(), minutes->value());
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

bool TMainForm::IsTerminSelected()
{
    selected_ = nullptr;
    const int code = selectedCode();
    if (code < 0 || NodeCode::LevelOf(code) != NodeCode::Level::Day)
        return false;
    const int row = firstSelectedRow();
    if (row < 0)
        return false;
    const NodeCode::Parts p = NodeCode::Decode(code);
    TTerminDay &slot = grid_->Slot(p.year, p.month, p.day);
    if (static_cast<uint32_t>(row) >= slot.records.Count())
        return false;
    selected_ = grid_->RecordAt(slot, row);
    return true;
}

void TMainForm::ListView1Change()
{
    const bool resolves = IsTerminSelected();
    DelTerminBtn->setEnabled(resolves);
    PageControl2->setVisible(resolves);
    if (!resolves)
        return;

    // Filling an editor that shows another value runs its handler, which
    // writes into the record; by the end the record holds its own values.
    const TTermin values = *selected_;
    const QString name = DecodeAnsi(values.Name.view());
    if (NameEd->text() != name)
        NameEd->setText(name);
    const QString description = DecodeAnsi(values.Description.view());
    if (DescEd->toPlainText() != description)
        DescEd->setPlainText(description);
    doneCheck->setChecked(values.Done);
    const DateTimeValue::Parts time = DateTimeValue::Split(values.Time);
    hour->setClampedValue(time.hour);
    min->setClampedValue(time.minute);
    const DateTimeValue::Parts first = DateTimeValue::Split(values.FirstRemind);
    day1->setClampedValue(static_cast<int>(qBound(static_cast<long long>(INT_MIN), first.days, static_cast<long long>(INT_MAX))));
    hour1->setClampedValue(first.hour);
    min1->setClampedValue(first.minute);
    const DateTimeValue::Parts repeat = DateTimeValue::Split(values.RepeatInterval);
    day2->setClampedValue(static_cast<int>(qBound(static_cast<long long>(INT_MIN), repeat.days, static_cast<long long>(INT_MAX))));
    hour2->setClampedValue(repeat.hour);
    min2->setClampedValue(repeat.minute);
    if (values.LastReminded == 0) {
        LastLabel->setText(QStringLiteral("Reminded: never"));
    } else {
        const QDateTime last = DateTimeValue::ToDateTime(values.LastReminded);
        LastLabel->setText(QStringLiteral("Reminded: %1; %2")
                               .arg(LocaleTexts::ShortDate(last.date()), LocaleTexts::LongTime(last.time())));
    }
}

void TMainForm::NameEdChange()
{
    if (!IsTerminSelected())
        return;
    selected_->Name = EncodeAnsi(NameEd->text());
    ListModel->recordChanged(firstSelectedRow());
    restartSaveTimer();
}

void TMainForm::DescEdChange()
{
    if (!IsTerminSelected())
        return;
    selected_->Description = EncodeAnsi(DescEd->toPlainText());
    restartSaveTimer();
}

void TMainForm::doneCheckClick()
{
    if (!IsTerminSelected())
        return;
    selected_->Done = doneCheck->isChecked();
    restartSaveTimer();
}

void TMainForm::hourChange()
{
    if (!IsTerminSelected())
        return;
    // A typed hour of 25 stands in the editor until it loses the focus; it
    // is never a time of day, so the record keeps its time until then.
    if (hour->inBounds() && min->inBounds()) {
        selected_->Time = DateTimeValue::EncodeTime(hour->value(), min->value());
        ListModel->recordChanged(firstSelectedRow());
    }
    restartSaveTimer();
}

void TMainForm::minChange()
{
    hourChange();
}

void TMainForm::day1Change()
{
    if (!IsTerminSelected())
        return;
    if (hour1->inBounds() && min1->inBounds())
        selected_->FirstRemind = duration(day1, hour1, min1);
    restartSaveTimer();
}

void TMainForm::day2Change()
{
    if (!IsTerminSelected())
        return;
    if (hour2->inBounds() && min2->inBounds())
        selected_->RepeatInterval = duration(day2, hour2, min2);
    restartSaveTimer();
}

void TMainForm::ClearLastBtnClick()
{
    if (!IsTerminSelected())
        return;
    selected_->LastReminded = 0;
    LastLabel->setText(QStringLiteral("Reminded: never"));
    restartSaveTimer();
}

void TMainForm::AddTerminBtnClick()
{
    const int code = selectedCode();
    if (code < 0)
        return;
    if (NodeCode::LevelOf(code) == NodeCode::Level::Day) {
        const NodeCode::Parts p = NodeCode::Decode(code);
        TTermin *t = grid_->AddRecord(grid_->Slot(p.year, p.month, p.day));
        t->Name = "No name";
        t->FirstRemind = 3.0;
        t->RepeatInterval = 1.0;
        t->LastReminded = 0;
        t->Time = DateTimeValue::EncodeTime(12, 0);
        t->Done = false;
    }
    ShowInformation();
    if (const int rows = ListModel->rowCount()) {
        ListView1->selectionModel()->setCurrentIndex(ListModel->index(rows - 1, 0),
                                                     QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        if (PageControl2->isVisible() && PageControl2->currentIndex() == 0)
            NameEd->setFocus();
    }
    SaveTermins();
}

void TMainForm::DelTerminBtnClick()
{
    const int code = selectedCode();
    if (code < 0 || !ListView1->selectionModel()->hasSelection() || NodeCode::LevelOf(code) != NodeCode::Level::Day)
        return;
    if (Dialogs::Ask(this, QStringLiteral("Do you really want to delete the selected appointments?"),
                     QStringLiteral("Delete appointment"), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                     QMessageBox::Question)
        != QMessageBox::Yes)
        return;
    const NodeCode::Parts p = NodeCode::Decode(code);
    TTerminDay &slot = grid_->Slot(p.year, p.month, p.day);
    // Every selected row below the day's record count goes, the rest keep
    // their order. One pass over the day however many rows are selected:
    // removing them one by one would move the rest of the day each time.
    std::vector<bool> removed(slot.records.Count(), false);
    for (const QItemSelectionRange &range : ListView1->selectionModel()->selection()) {
        const int last = std::min(range.bottom(), static_cast<int>(removed.size()) - 1);
        for (int row = std::max(range.top(), 0); row <= last; ++row)
            removed[static_cast<size_t>(row)] = true;
    }
    grid_->RemoveRecordsIf(slot, [&removed](size_t i) { return removed[i]; });
    selected_ = nullptr;
    ShowInformation();
    SaveTermins();
}

void TMainForm::ListView1KeyDown(int key)
{
    if (key == Qt::Key_Delete)
        DelTerminBtnClick();
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ListView1 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Delete) {
            ListView1KeyDown(key->key());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::connectHandlers()
{
    connect(ueberbtn, &TImageBtn::clicked, this, &TMainForm::ueberbtnClick);
    connect(wwwBtn, &QToolButton::clicked, this, &TMainForm::wwwBtnClick);
    connect(AddTerminBtn, &QPushButton::clicked, this, &TMainForm::AddTerminBtnClick);
    connect(DelTerminBtn, &QPushButton::clicked, this, &TMainForm::DelTerminBtnClick);
    connect(UpBtn, &QPushButton::clicked, this, &TMainForm::UpBtnClick);
    // The list keeps one selection model for its whole life (its model is
    // reset, never replaced), so this connection holds.
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TMainForm::ListView1Change);
    connect(ListView1, &QAbstractItemView::doubleClicked, this, [this] { ListView1DblClick(); });
    ListView1->installEventFilter(this);
    connect(NameEd, &QLineEdit::textChanged, this, &TMainForm::NameEdChange);
    connect(DescEd, &QPlainTextEdit::textChanged, this, &TMainForm::DescEdChange);
    connect(doneCheck, &QCheckBox::toggled, this, &TMainForm::doneCheckClick);
    connect(hour, &QSpinBox::valueChanged, this, &TMainForm::hourChange);
    connect(min, &QSpinBox::valueChanged, this, &TMainForm::minChange);
    for (TSpinEdit *e : {day1, hour1, min1})
        connect(e, &QSpinBox::valueChanged, this, &TMainForm::day1Change);
    for (TSpinEdit *e : {day2, hour2, min2})
        connect(e, &QSpinBox::valueChanged, this, &TMainForm::day2Change);
    connect(ClearLastBtn, &QPushButton::clicked, this, &TMainForm::ClearLastBtnClick);
    connect(MinimiertCheck, &QCheckBox::toggled, this, &TMainForm::MinimiertCheckClick);
    connect(gmin, &QSpinBox::valueChanged, this, &TMainForm::gminChange);
    connect(gsec, &QSpinBox::valueChanged, this, &TMainForm::gminChange);
    connect(ManTerminsBtn, &QPushButton::clicked, this, &TMainForm::ManTerminsBtnClick);
    connect(MinimizeBtn, &QPushButton::clicked, this, &TMainForm::MinimizeBtnClick);
    connect(EndeBtn, &TImageBtn::clicked, this, &TMainForm::EndeBtnClick);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(&Timer3, &QTimer::timeout, this, &TMainForm::Timer3Timer);
}
