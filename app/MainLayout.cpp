// The main window's controls and their arrangement.
#include "app/MainUnit.h"

#include "app/ShownTermin.h"

#include "app/AppPictures.h"
#include "app/OverviewList.h"
#include "app/OuterSize.h"
#include "app/ShownTermin.h"
#include "app/SpinEdit.h"
#include "app/StatusGauge.h"
#include "app/Theme.h"
#include "controls/ButtonsXP.h"
#include "controls/FormLoading.h"
#include "controls/ImageBtnUnit.h"
#include "navigation/DateTreeModel.h"
#include "navigation/OverviewModel.h"
#include "reminders/HeadingPanel.h"
#include "resources/pictures/KalvixPictures.h"

#include <QBitmap>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// A themed bitmap button with a two-cell glyph strip from the resources.
TBitBtnXP *button(const QString &text, QSize size, const char *glyph, QWidget *parent)
{
    auto *b = new TBitBtnXP(parent);
    b->setText(text);
    b->setFixedSize(size);
    if (glyph) {
        b->setGlyph(KalvixPictures::Pixmap(glyph));
        b->setNumGlyphs(2);
    }
    return b;
}

TImageBtn *imageButton(const char *normal, const char *pressed, const QString &hint, QWidget *parent)
{
    auto *b = new TImageBtn(parent);
    b->setPicture(KalvixPictures::Pixmap(normal));
    b->setPicture2(KalvixPictures::Pixmap(pressed));
    b->setToolTip(hint);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

// A screen reader names a field by what stands before it on the screen.
template <class W>
W *named(W *w, const QString &name)
{
    w->setAccessibleName(name);
    return w;
}

TSpinEdit *spin(int min, int max, int value, QWidget *parent)
{
    auto *s = new TSpinEdit(parent);
    s->setBounds(min, max);
    s->setValue(value);
    s->setFixedWidth(50);
    return s;
}

QLabel *label(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

HeadingPanel *heading(const QString &text, QWidget *parent)
{
    auto *h = new HeadingPanel(parent);
    h->setText(text);
    return h;
}

} // namespace

void TMainForm::buildLayout()
{
    // Captions given here are the window's own: kinds set on its buttons
    // keep them.
    FormLoading loading(this);
    setWindowTitle(QStringLiteral("Brontal Kalvix 1.0"));
    setFont(Theme::windowFont());
    // 638 x 512 with the frame the window manager puts around it.
    new OuterSize(this, QSize(638, 512));

    auto *central = new QWidget(this);
    auto *v = new QVBoxLayout(central);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto *manage = new QWidget;
    auto *options = new QWidget;
    PageControl1->addTab(manage, QStringLiteral("Manage dates"));
    PageControl1->addTab(options, QStringLiteral("Options"));
    buildManagePage(manage);
    buildOptionsPage(options);
    const QVector<QPixmap> tabImages = AppPictures::tabImages();
    for (int i = 0; i < tabImages.size() && i < PageControl1->count(); ++i)
        PageControl1->setTabIcon(i, QIcon(tabImages[i]));
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover); // hot-tracked tabs
    v->addWidget(PageControl1, 1);

    auto *bottom = new QWidget(central);
    bottom->setFixedHeight(41);
    buildBottomBar(bottom);
    v->addWidget(bottom);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setFixedHeight(19);
    StatusBar1->setSizeGripEnabled(true);
    // The panels draw their own sunken bevels: not every style frames
    // status bar items (Fusion does not).
    auto *panel0 = new QLabel(StatusBar1);
    panel0->setFixedWidth(250);
    panel0->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel0->setLineWidth(1);
    StatusBar1->addWidget(panel0);
    StatusBar1->addWidget(new StatusGauge(StatusBar1));
    setStatusBar(StatusBar1);

    // Each control carries its name, by which tests and tools find it.
    const std::initializer_list<std::pair<QObject *, const char *>> names = {
        {ListHeading, "ListHeading"}, {AddTerminBtn, "AddTerminBtn"}, {DelTerminBtn, "DelTerminBtn"},
        {UpBtn, "UpBtn"}, {Splitter1, "Splitter1"}, {PageControl2, "PageControl2"}, {NameEd, "NameEd"},
        {hour, "hour"}, {min, "min"}, {DescEd, "DescEd"}, {day1, "day1"}, {hour1, "hour1"}, {min1, "min1"},
        {day2, "day2"}, {hour2, "hour2"}, {min2, "min2"}, {doneCheck, "doneCheck"}, {LastLabel, "LastLabel"},
        {ClearLastBtn, "ClearLastBtn"}, {gmin, "gmin"}, {gsec, "gsec"}, {ManTerminsBtn, "ManTerminsBtn"},
        {MinimiertCheck, "MinimiertCheck"}, {wwwBtn, "wwwBtn"}, {MinimizeBtn, "MinimizeBtn"},
        {ueberbtn, "ueberbtn"}, {EndeBtn, "EndeBtn"}, {StatusBar1, "StatusBar1"}};
    for (const auto &[object, name] : names)
        object->setObjectName(QLatin1String(name));
}

void TMainForm::buildManagePage(QWidget *page)
{
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(heading(QStringLiteral("Manage appointments - choose date and click on \"Add appointment\""), page));

    auto *row = new QWidget(page);
    row->setFixedHeight(41);
    auto *h = new QHBoxLayout(row);
    h->setContentsMargins(8, 8, 8, 8);
    AddTerminBtn = button(QStringLiteral("Add appointment"), QSize(177, 25), KalvixPictures::GlyphAdd, row);
    DelTerminBtn = button(QStringLiteral("Delete appointment"), QSize(177, 25), KalvixPictures::GlyphDelete, row);
    UpBtn = button(QStringLiteral("One folder up"), QSize(145, 25), KalvixPictures::GlyphUp, row);
    AddTerminBtn->setEnabled(false);
    DelTerminBtn->setEnabled(false);
    h->addWidget(AddTerminBtn);
    h->addWidget(DelTerminBtn);
    h->addWidget(UpBtn);
    h->addStretch(1);
    v->addWidget(row);

    Splitter1 = new QSplitter(Qt::Horizontal, page);
    Splitter1->setHandleWidth(3);
    Splitter1->setChildrenCollapsible(false);

    TreeView1 = new QTreeView(Splitter1);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TreeView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TreeView1->setIndentation(19);
    TreeView1->setUniformRowHeights(true);
    TreeView1->setAllColumnsShowFocus(true);
    TreeView1->setAccessibleName(QStringLiteral("Dates"));
    TreeModel = new DateTreeModel(this);

    auto *right = new QWidget(Splitter1);
    auto *rv = new QVBoxLayout(right);
    rv->setContentsMargins(0, 0, 0, 0);
    rv->setSpacing(0);
    ListHeading = heading(QStringLiteral("Nothing selected"), right);
    rv->addWidget(ListHeading);

    // A view over a model rather than one widget item per row: a day may
    // hold a million appointments.
    ListView1 = new OverviewList(right);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListModel = new OverviewModel([this](double t) { return timeText(t); }, this);
    ListView1->setModel(ListModel);
    ListView1->setColumnWidth(0, 75);
    ListView1->setColumnWidth(1, 325);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setAccessibleName(QStringLiteral("Appointments"));
    rv->addWidget(ListView1, 1);

    PageControl2 = new QTabWidget(right);
    PageControl2->setFixedHeight(131);
    // Showing the editors must not push the splitter: the tree keeps its width.
    PageControl2->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    buildDetailPanel(PageControl2);
    rv->addWidget(PageControl2);

    Splitter1->addWidget(TreeView1);
    Splitter1->addWidget(right);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({201, 437});
    v->addWidget(Splitter1, 1);
}

void TMainForm::buildDetailPanel(QWidget *parent)
{
    auto *tabs = static_cast<QTabWidget *>(parent);
    auto *general = new QWidget;
    auto *g = new QGridLayout(general);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);
    NameEd = named(new QLineEdit(general), QStringLiteral("Appointment:"));
    // A stored name may be longer than the edit's default limit of 32,767
    // characters, and showing it must not cut it; longer ones still are
    // shown cut short and read-only (see ShownTermin.h).
    NameEd->setMaxLength(EditableLength::Name);
    hour = named(spin(0, 23, 12, general), QStringLiteral("Time: hours"));
    min = named(spin(0, 59, 0, general), QStringLiteral("Time: minutes"));
    DescEd = named(new QPlainTextEdit(general), QStringLiteral("Description:"));
    DescEd->setTabChangesFocus(true);
    auto *time = new QHBoxLayout;
    time->addWidget(hour);
    time->addWidget(label(QStringLiteral(":"), general));
    time->addWidget(min);
    time->addWidget(label(QStringLiteral("o'clock"), general));
    time->addStretch(1);
    g->addWidget(label(QStringLiteral("Appointment:"), general), 0, 0);
    g->addWidget(NameEd, 0, 1);
    g->addWidget(label(QStringLiteral("Time:"), general), 1, 0);
    g->addLayout(time, 1, 1);
    g->addWidget(label(QStringLiteral("Description:"), general), 2, 0, Qt::AlignTop);
    g->addWidget(DescEd, 2, 1);
    g->setRowStretch(2, 1);
    tabs->addTab(general, QStringLiteral("General"));

    auto *reminder = new QWidget;
    auto *r = new QGridLayout(reminder);
    r->setContentsMargins(6, 4, 6, 4);
    r->setVerticalSpacing(3);
    // Day fields have no bounds: a negative lead is a stored value like any other.
    day1 = spin(INT_MIN, INT_MAX, 3, reminder);
    hour1 = spin(0, 23, 0, reminder);
    min1 = spin(0, 59, 0, reminder);
    day2 = spin(INT_MIN, INT_MAX, 1, reminder);
    hour2 = spin(0, 23, 0, reminder);
    min2 = spin(0, 59, 0, reminder);
    auto addRow = [&](int row, const QString &caption, TSpinEdit *d, TSpinEdit *hh, TSpinEdit *mm, const QString &last) {
        r->addWidget(label(caption, reminder), row, 0);
        named(d, caption + QStringLiteral(" days"));
        named(hh, caption + QStringLiteral(" hours"));
        named(mm, caption + QLatin1Char(' ') + last.toLower());
        auto *h = new QHBoxLayout;
        h->addWidget(d);
        h->addWidget(label(QStringLiteral("Days"), reminder));
        h->addWidget(hh);
        h->addWidget(label(QStringLiteral("Hours"), reminder));
        h->addWidget(mm);
        h->addWidget(label(last, reminder));
        h->addStretch(1);
        r->addLayout(h, row, 1);
    };
    addRow(0, QStringLiteral("First time to remind:"), day1, hour1, min1, QStringLiteral("Minutes before"));
    addRow(1, QStringLiteral("Then remind me every:"), day2, hour2, min2, QStringLiteral("Minutes"));
    doneCheck = new QCheckBox(QStringLiteral("Don't remind anymore"), reminder);
    LastLabel = label(QStringLiteral("Last reminded:"), reminder);
    ClearLastBtn = new QPushButton(QStringLiteral("Set back to 'never''"), reminder);
    auto *last = new QHBoxLayout;
    last->addWidget(doneCheck);
    last->addSpacing(12);
    last->addWidget(LastLabel, 1);
    last->addWidget(ClearLastBtn);
    r->addLayout(last, 2, 0, 1, 2);
    r->setRowStretch(3, 1);
    tabs->addTab(reminder, QStringLiteral("Reminder"));
    const QVector<QPixmap> images = AppPictures::detailTabImages();
    for (int i = 0; i < images.size() && i < tabs->count(); ++i)
        tabs->setTabIcon(i, QIcon(images[i]));
}

void TMainForm::buildOptionsPage(QWidget *page)
{
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(0);
    v->addWidget(heading(QStringLiteral("Settings - here you can make some settings"), page));

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->addWidget(Theme::optionsPicturePanel(page));

    auto *right = new QWidget(page);
    auto *g = new QGridLayout(right);
    g->setContentsMargins(16, 16, 16, 16);
    gmin = named(spin(0, INT_MAX, 0, right), QStringLiteral("Check appointments every: minutes"));
    gsec = named(spin(0, 59, 30, right), QStringLiteral("Check appointments every: seconds"));
    g->addWidget(label(QStringLiteral("Check appointments every:"), right), 0, 0, 1, 4);
    g->addWidget(gmin, 1, 0);
    g->addWidget(label(QStringLiteral("Minutes"), right), 1, 1);
    g->addWidget(gsec, 1, 2);
    g->addWidget(label(QStringLiteral("Seconds"), right), 1, 3);
    // The window's own caption stands; the kind brings glyph and result.
    ManTerminsBtn = button(QStringLiteral("Check for deadlines now!"), QSize(201, 25), nullptr, right);
    ManTerminsBtn->setKind(TBitBtnXP::bkAll);
    g->addWidget(ManTerminsBtn, 2, 0, 1, 4, Qt::AlignLeft);
    MinimiertCheck = new QCheckBox(QStringLiteral("Start program minimized"), right);
    g->addWidget(MinimiertCheck, 3, 0, 1, 4);
    g->setRowStretch(4, 1);
    g->setColumnStretch(4, 1);
    body->addWidget(right, 1);
    v->addLayout(body, 1);
}

void TMainForm::buildBottomBar(QWidget *bar)
{
    auto *h = new QHBoxLayout(bar);
    h->setContentsMargins(4, 4, 4, 4);
    wwwBtn = new QToolButton(bar);
    wwwBtn->setText(Theme::homePageAddress());
    wwwBtn->setAutoRaise(true);
    wwwBtn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    // The strip's first cell: the globe.
    const QPixmap strip = KalvixPictures::Pixmap(KalvixPictures::GlyphHomepage);
    QPixmap globe = strip.copy(0, 0, strip.height(), strip.height());
    globe.setDevicePixelRatio(strip.devicePixelRatio());
    // The strips carry no alpha: their bottom-left colour is the see-through one.
    const QImage cell = globe.toImage();
    if (!cell.isNull())
        globe.setMask(QBitmap::fromImage(cell.createMaskFromColor(cell.pixel(0, cell.height() - 1), Qt::MaskInColor)));
    wwwBtn->setIcon(QIcon(globe));
    wwwBtn->setFixedSize(137, 33);
    wwwBtn->setToolTip(QStringLiteral("Go to the Brontal homepage..."));
    h->addWidget(wwwBtn);
    h->addStretch(1);
    MinimizeBtn = button(QStringLiteral("Minimize"), QSize(83, 25), KalvixPictures::GlyphMinimize, bar);
    MinimizeBtn->setToolTip(
        QStringLiteral("Close the window, but stay active in background and remind me about appointments."));
    h->addWidget(MinimizeBtn);
    // Sized to their pictures (101 x 30), centred in the bar; Tab reaches them.
    ueberbtn = imageButton(KalvixPictures::AboutNormal, KalvixPictures::AboutPressed,
                           QStringLiteral("Information about the program"), bar);
    ueberbtn->setAccessibleName(QStringLiteral("About"));
    h->addWidget(ueberbtn, 0, Qt::AlignVCenter);
    EndeBtn = imageButton(KalvixPictures::ExitNormal, KalvixPictures::ExitPressed,
                          QStringLiteral("Hereby you leave the program"), bar);
    EndeBtn->setAccessibleName(QStringLiteral("Exit"));
    h->addWidget(EndeBtn, 0, Qt::AlignVCenter);
}
