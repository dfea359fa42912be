// The tray icon's menu and the main window's visibility.
#include "app/MainUnit.h"

#include "app/AboutBoxUnit.h"
#include "app/AppPictures.h"
#include "app/Theme.h"
#include "platform/desktop/ShellOpen.h"
#include "platform/desktop/TrayIcon.h"

#include <QMenu>

void TMainForm::buildTrayMenu()
{
    trayMenu_ = std::make_unique<QMenu>();
    const QVector<QPixmap> images = AppPictures::trayImages();
    auto image = [&images](int i) { return i < images.size() ? QIcon(images[i]) : QIcon(); };
    Anzeigen1 = trayMenu_->addAction(image(0), QStringLiteral("Show"), this, &TMainForm::Anzeigen1Click);
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
    // The tray keeps its own copy of the icon.
    tray_->Add(AppPictures::applicationIcon(), QStringLiteral("Appointment"));
}

void TMainForm::showTrayMenu()
{
    Anzeigen1->setText(isVisible() ? QStringLiteral("Hide") : QStringLiteral("Show"));
    TrayIcon::PopupAtCursor(trayMenu_.get());
}

void TMainForm::wwwBtnClick()
{
    ShellOpen(Theme::homePageAddress());
}

void TMainForm::ueberbtnClick()
{
    TAboutBox box(this);
    box.exec();
}
