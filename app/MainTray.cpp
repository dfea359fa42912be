// The tray icon's menu and the main window's visibility.
#include "app/MainUnit.h"

#include "app/AboutBoxUnit.h"
#include "app/AppPictures.h"
#include "app/Dialogs.h"
#include "app/Theme.h"
#include "platform/desktop/ShellOpen.h"
#include "platform/desktop/TrayIcon.h"

#include <QApplication>
#include <QMenu>

void TMainForm::buildTrayMenu()
{
    trayMenu_ = std::make_unique<QMenu>();
    trayMenu_->setObjectName(QStringLiteral("PopupMenu1"));
    const QVector<QPixmap> images = AppPictures::trayImages();
    auto image = [&images](int i) { return i < images.size() ? QIcon(images[i]) : QIcon(); };
    Anzeigen1 = trayMenu_->addAction(image(0), QStringLiteral("Show"), this, &TMainForm::Anzeigen1Click);
    Anzeigen1->setObjectName(QStringLiteral("Anzeigen1"));
    trayMenu_->addSeparator();
    trayMenu_->addAction(image(1), QStringLiteral("No action"));
    trayMenu_->addSeparator();
    trayMenu_->addAction(image(2), QStringLiteral("Got to the Brontal homepage..."), this, &TMainForm::wwwBtnClick);
    trayMenu_->addAction(image(3), QStringLiteral("About the program..."), this, &TMainForm::ueberbtnClick);
    trayMenu_->addSeparator();
    trayMenu_->addAction(image(4), QStringLiteral("Quit"), this, &TMainForm::QuitNow);
}

void TMainForm::addTrayIcon()
{
    buildTrayMenu();
    tray_ = std::make_unique<TrayIcon>(this);
    connect(tray_.get(), &TrayIcon::mouseMessage, this, &TMainForm::WMUser);
    connect(tray_.get(), &TrayIcon::availabilityChanged, this, &TMainForm::trayAvailabilityChanged);
    // The tray keeps its own copy of the icon. Without a notification area
    // now, the icon appears as soon as one starts.
    tray_->Add(AppPictures::applicationIcon(), QStringLiteral("Appointment"));

    // Where there is no notification area, the tray menu is the window's
    // own context menu, so its entries stay within reach.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &TMainForm::windowMenuRequested);
}

// The window counts as shown while it is visible, also when minimised; only
// without a notification area, where "hiding" means minimising, does a
// minimised window count as out of the way.
bool TMainForm::showing() const
{
    if (!TrayIcon::isAvailable())
        return isVisible() && !isMinimized();
    return isVisible();
}

void TMainForm::showTrayMenu()
{
    Anzeigen1->setText(showing() ? QStringLiteral("Hide") : QStringLiteral("Show"));
    TrayIcon::PopupAtCursor(trayMenu_.get());
}

void TMainForm::windowMenuRequested(const QPoint &pos)
{
    if (TrayIcon::isAvailable())
        return;
    Anzeigen1->setText(showing() ? QStringLiteral("Hide") : QStringLiteral("Show"));
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
    if (!TrayIcon::isAvailable()) {
        // Nowhere to hide to: a hidden window could not be brought back.
        if (showing()) {
            showMinimized();
        } else {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
            raise();
            activateWindow();
            bringModalForward();
        }
        return;
    }
    // A window minimised with its own box still counts as visible.
    if (isVisible()) {
        hide();
        tray_->watchAvailability(true);
    } else {
        tray_->watchAvailability(false);
        show();
        raise();
        activateWindow();
        bringModalForward();
    }
}

// The window just shown is blocked while a modal window is open; that one is
// what the user has to answer, so it comes to the front (also from its
// minimised state).
void TMainForm::bringModalForward()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    modal->setWindowState(modal->windowState() & ~Qt::WindowMinimized);
    modal->show();
    modal->raise();
    modal->activateWindow();
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
