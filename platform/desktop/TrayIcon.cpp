#include "platform/desktop/TrayIcon.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TrayIcon::TrayIcon(QObject *parent) : QObject(parent) {}

TrayIcon::~TrayIcon()
{
    Remove();
}

bool TrayIcon::Add(const QIcon &icon, const QString &tip)
{
    if (!icon_) {
        icon_ = std::make_unique<QSystemTrayIcon>();
        connect(icon_.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            switch (reason) {
            case QSystemTrayIcon::Trigger:
                emit mouseMessage(LeftButtonDown);
                break;
            case QSystemTrayIcon::DoubleClick:
                emit mouseMessage(LeftDoubleClick);
                break;
            case QSystemTrayIcon::Context:
                emit mouseMessage(RightButtonUp);
                break;
            default:
                break;
            }
        });
    }
    icon_->setIcon(icon);
    icon_->setToolTip(tip);
    icon_->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void TrayIcon::Remove()
{
    if (icon_) {
        icon_->hide();
        icon_.reset();
    }
}

bool TrayIcon::isAdded() const
{
    return icon_ && icon_->isVisible();
}

void TrayIcon::PopupAtCursor(QMenu *menu)
{
    menu->popup(QCursor::pos());
}
