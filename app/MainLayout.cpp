// The main window's controls: their arrangement comes from MainForm.ui;
// what a form cannot hold (pictures, models, the status bar's panels, the
// splitter's widths) is added here, and the controls are tied to their
// handlers.
#include "app/MainUnit.h"

#include "KalvixProduct.h"
#include "app/AppPictures.h"
#include "app/CodePageInput.h"
#include "app/OuterSize.h"
#include "app/ShownTermin.h"
#include "app/SpinEdit.h"
#include "app/EditingHold.h"
#include "app/StatusGauge.h"
#include "app/Theme.h"
#include "controls/FormLoading.h"
#include "navigation/DateTreeModel.h"
#include "navigation/OverviewModel.h"
#include "resources/pictures/KalvixPictures.h"
#include "resources/translations/Translations.h"

#include <QBitmap>
#include <QTabBar>

void TMainForm::buildLayout()
{
    // Captions given by the form are the window's own: kinds set on its
    // buttons keep them.
    FormLoading loading(this);
    setWindowTitle(QStringLiteral(KALVIX_FULL_TITLE));
    setFont(Theme::windowFont());
    // 638 x 512 with the frame the window manager puts around it.
    new OuterSize(this, QSize(638, 512));
    Ui::MainForm::setupUi(this);

    const QVector<QPixmap> tabImages = AppPictures::tabImages();
    for (int i = 0; i < tabImages.size() && i < PageControl1->count(); ++i)
        PageControl1->setTabIcon(i, QIcon(tabImages[i]));
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover); // hot-tracked tabs

    // Themed bitmap buttons with a two-cell glyph strip from the resources.
    for (const auto &[b, glyph] : {std::pair<TBitBtnXP *, const char *>{AddTerminBtn, KalvixPictures::GlyphAdd},
                                   {DelTerminBtn, KalvixPictures::GlyphDelete},
                                   {UpBtn, KalvixPictures::GlyphUp},
                                   {MinimizeBtn, KalvixPictures::GlyphMinimize}}) {
        b->setGlyph(KalvixPictures::Pixmap(glyph));
        b->setNumGlyphs(2);
    }
    TreeModel = new DateTreeModel(this);
    // A view over a model rather than one widget item per row: a day may
    // hold a million appointments.
    ListModel = new OverviewModel([this](double t) { return timeText(t); }, this);
    ListView1->setModel(ListModel);
    ListView1->setColumnWidth(0, 75);
    ListView1->setColumnWidth(1, 325);
    ListView1->header()->setStretchLastSection(false);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({201, 437});

    OptionsPicture = Theme::optionsPicturePanel(OptionsPage);
    OptionsBody->insertWidget(0, OptionsPicture);

    wwwBtn->setText(Theme::homePageAddress());
    // The strip's first cell: the globe.
    const QPixmap strip = KalvixPictures::Pixmap(KalvixPictures::GlyphHomepage);
    QPixmap globe = strip.copy(0, 0, strip.height(), strip.height());
    globe.setDevicePixelRatio(strip.devicePixelRatio());
    // The strips carry no alpha: their bottom-left colour is the see-through one.
    const QImage cell = globe.toImage();
    if (!cell.isNull())
        globe.setMask(QBitmap::fromImage(cell.createMaskFromColor(cell.pixel(0, cell.height() - 1), Qt::MaskInColor)));
    wwwBtn->setIcon(QIcon(globe));
    // Sized to their pictures (101 x 30), centred in the bar; Tab reaches them.
    // Their words are in the pictures: the pair of the program's language.
    const auto picture = [](const char *path) {
        return KalvixPictures::Pixmap(KalvixPictures::InLanguage(path, Translations::Current()).constData());
    };
    ueberbtn->setPicture(picture(KalvixPictures::AboutNormal));
    ueberbtn->setPicture2(picture(KalvixPictures::AboutPressed));
    EndeBtn->setPicture(picture(KalvixPictures::ExitNormal));
    EndeBtn->setPicture2(picture(KalvixPictures::ExitPressed));

    // The panels draw their own sunken bevels: not every style frames
    // status bar items (Fusion does not).
    auto *panel0 = new QLabel(StatusBar1);
    panel0->setFixedWidth(250);
    panel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel0->setLineWidth(1);
    StatusBar1->addWidget(panel0);
    StatusBar1->addWidget(new StatusGauge(StatusBar1));
    // A note longer than the window is wide is cut at its edge; resting
    // the mouse on the bar shows all of it.
    connect(StatusBar1, &QStatusBar::messageChanged, StatusBar1, &QWidget::setToolTip);
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
    // The options page's fields are made as it first shows (see
    // eventFilter); in a window not on screen, when it is chosen.
    OptionsPage->installEventFilter(this);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        if (PageControl1->widget(index) == OptionsPage)
            buildOptionsFields();
    });
    connect(MinimizeBtn, &QPushButton::clicked, this, &TMainForm::MinimizeBtnClick);
    connect(EndeBtn, &TImageBtn::clicked, this, &TMainForm::EndeBtnClick);
    connect(&Timer1, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    connect(&Timer2, &QTimer::timeout, this, &TMainForm::Timer2Timer);
    connect(&Timer3, &QTimer::timeout, this, &TMainForm::Timer3Timer);
}

void TMainForm::buildDetailPages()
{
    if (PageControl2)
        return;
    FormLoading loading(this);
    // Hidden from its first moment: the list's selection decides when it
    // shows. Last under the list, as the form had it, and reached by Tab
    // right after the list.
    PageControl2 = new QTabWidget(ListPanel);
    PageControl2->hide();
    Ui::DetailPages::setupUi(PageControl2);
    ListPanelLayout->addWidget(PageControl2);
    QWidget::setTabOrder(ListView1, PageControl2);
    hold_->watch(PageControl2);

    const QVector<QPixmap> detailImages = AppPictures::detailTabImages();
    for (int i = 0; i < detailImages.size() && i < PageControl2->count(); ++i)
        PageControl2->setTabIcon(i, QIcon(detailImages[i]));
    // A stored name may be longer than the edit's default limit of 32,767
    // characters, and showing it must not cut it; longer ones still are
    // shown cut short and read-only (see ShownTermin.h).
    NameEd->setMaxLength(EditableLength::Name);
    for (CodePageInput *input : {CodePageInput::Watch(NameEd), CodePageInput::Watch(DescEd)})
        connect(input, &CodePageInput::replaced, this, [this] {
            StatusBar1->showMessage(tr("Stored as \"?\": the data file's character set (Windows-1252) "
                                       "has no such character"),
                                    10000);
        });
    // "7:30" typed into an hour field goes on into its minutes.
    hour->setMinutesField(min);
    hour1->setMinutesField(min1);
    hour2->setMinutesField(min2);

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
}

void TMainForm::buildOptionsFields()
{
    if (gmin)
        return;
    FormLoading loading(this);
    // Made while the panel is hidden, the fields appear with it, at once,
    // rather than a moment after the page.
    OptionsPanel->hide();
    Ui::OptionsFields::setupUi(OptionsPanel);
    Theme::addOptionsTitle(OptionsPicture);
    OptionsPanel->show();
    // Tab reaches them where the page stands among the window's controls:
    // after the last control before it that takes the focus (Qt orders
    // only those).
    QWidget *before = OptionsPanel->previousInFocusChain();
    while (before != OptionsPanel && before->focusPolicy() == Qt::NoFocus)
        before = before->previousInFocusChain();
    QWidget::setTabOrder(before, gmin);
    QWidget::setTabOrder(gmin, gsec);
    QWidget::setTabOrder(gsec, ManTerminsBtn);
    QWidget::setTabOrder(ManTerminsBtn, MinimiertCheck);
    // The form's caption stands; the kind brings glyph and result.
    ManTerminsBtn->setKind(TBitBtnXP::bkAll);
    gmin->setClampedValue(settings_.checkMinutes);
    gsec->setClampedValue(settings_.checkSeconds);
    MinimiertCheck->setChecked(settings_.startMinimized);

    // A typed value out of the bounds is the setting while it stands, as
    // the field shows it.
    connect(gmin, &QSpinBox::valueChanged, this, [this](int v) {
        settings_.checkMinutes = v;
        gminChange();
    });
    connect(gsec, &QSpinBox::valueChanged, this, [this](int v) {
        settings_.checkSeconds = v;
        gminChange();
    });
    connect(MinimiertCheck, &QCheckBox::toggled, this, [this](bool on) {
        settings_.startMinimized = on;
        MinimiertCheckClick();
    });
    connect(ManTerminsBtn, &QPushButton::clicked, this, &TMainForm::ManTerminsBtnClick);
}
