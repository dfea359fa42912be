// The tray icon's menu and the main window's visibility.
#include "app/MainUnit.h"

#include "app/AboutBoxUnit.h"
#include "app/AppPictures.h"
#include "app/Dialogs.h"
#include "app/Theme.h"
#include "app/TrayMenuAccess.h"
#include "platform/desktop/ShellOpen.h"
#include "platform/desktop/TrayIcon.h"
#include "platform/desktop/WindowActivation.h"

#include <QApplication>
#include <QMenu>
#include <QWindow>

void TMainForm::buildTrayMenu()
{
    trayMenu_ = std::make_unique<QMenu>();
    trayMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    const QVector<QPixmap> images = AppPictures::trayImages();
    auto image = [&images](int i) { return i < images.size() ? QIcon(images[i]) : QIcon(); };
    Anzeigen1 = trayMenu_->addAction(image(0), tr("Show"), this, &TMainForm::Anzeigen1Click);
    Anzeigen1->setObjectName(QStringLiteral("Anzeigen1"));
    trayMenu_->addSeparator();
    trayMenu_->addAction(image(1), tr("No action"));
    trayMenu_->addSeparator();
    trayMenu_->addAction(image(2), tr("Got to the Brontal homepage..."), this, &TMainForm::wwwBtnClick);
    trayMenu_->addAction(image(3), tr("About the program..."), this, &TMainForm::ueberbtnClick);
    trayMenu_->addSeparator();
    trayMenu_->addAction(image(4), tr("Quit"), this, &TMainForm::QuitNow);
    OfferTrayMenuToScreenReaders(this, trayMenu_.get());
}

void TMainForm::addTrayIcon()
{
    buildTrayMenu();
    tray_ = std::make_unique<TrayIcon>(this);
    connect(tray_.get(), &TrayIcon::mouseMessage, this, &TMainForm::WMUser);
    connect(tray_.get(), &TrayIcon::availabilityChanged, this, &TMainForm::trayAvailabilityChanged);
    // The tray keeps its own copy of the icon. Without a notification area
    // now, the icon appears as soon as one starts.
    tray_->Add(AppPictures::applicationIcon(), tr("Appointment"));

    // Where there is no notification area, the tray menu is the window's
    // own context menu, so its entries stay within reach.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &TMainForm::windowMenuRequested);
}

// The window counts as shown only while a person can see it: visible, not
// minimised, and mapped on the screen (not on another workspace). What is
// out of sight is brought back; what is in sight is hidden.
bool TMainForm::showing() const
{
    const QWindow *w = windowHandle();
    return isVisible() && !isMinimized() && w && w->isExposed();
}

// The menu's first entry says what choosing it would do.
void TMainForm::followVisibility()
{
    if (Anzeigen1)
        Anzeigen1->setText(showing() ? tr("Hide") : tr("Show"));
}

void TMainForm::showTrayMenu()
{
    followVisibility();
    TrayIcon::PopupAtCursor(trayMenu_.get());
}

void TMainForm::windowMenuRequested(const QPoint &pos)
{
    if (TrayIcon::isAvailable())
        return;
    followVisibility();
    trayMenu_->popup(mapToGlobal(pos));
}

void TMainForm::wwwBtnClick()
{
    ShellOpen(Theme::homePageAddress());
}

void TMainForm::ueberbtnClick()
{
    // An about box that is open already (perhaps minimised, perhaps behind
    // other windows) comes back rather than a second one on top of it.
    if (auto *open = findChild<TAboutBox *>(QString(), Qt::FindDirectChildrenOnly)) {
        open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    TAboutBox box(this);
    Dialogs::ExecModal(box);
}

void TMainForm::Anzeigen1Click()
{
    const bool tray = TrayIcon::isAvailable();
    if (showing()) {
        // Without a notification area a hidden window could not be brought
        // back: it is minimised instead.
        if (!tray) {
            showMinimized();
            return;
        }
        hide();
        tray_->watchAvailability(true);
        return;
    }
    if (tray)
        tray_->watchAvailability(false);
    bringBack();
}

// The one way back on screen, whoever asks: the window, then a modal window
// blocking it, which is what the user has to answer.
void TMainForm::bringBack(const QByteArray &activationToken)
{
    ActivateForUser(this, activationToken);
    bringModalForward();
}

void TMainForm::bringModalForward()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal != this)
        ActivateForUser(modal);
}

void TMainForm::trayAvailabilityChanged(bool available)
{
    // The window was hidden into a notification area that has gone: left
    // hidden, nothing would bring it back. Minimised it stays reachable.
    if (!available && !isVisible()) {
        tray_->watchAvailability(false);
        showMinimized();
    }
}

void TMainForm::WMUser(int mouseMessage)
{
    switch (mouseMessage) {
    case TrayIcon::LeftDoubleClick:
        Timer1.stop();
        Anzeigen1Click();
        break;
    case TrayIcon::LeftButtonDown:
        if (!Timer1.isActive())
            Timer1.start();
        break;
    case TrayIcon::RightButtonUp:
        showTrayMenu();
        break;
    default:
        break;
    }
}
