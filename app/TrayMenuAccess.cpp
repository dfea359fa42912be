#include "app/TrayMenuAccess.h"

#include <QAccessibleWidget>
#include <QMenu>
#include <QPointer>

namespace {

const char MenuProperty[] = "kalvixTrayMenu";

class WindowWithMenu : public QAccessibleWidget {
public:
    WindowWithMenu(QWidget *window, QMenu *menu) : QAccessibleWidget(window, QAccessible::Window), menu_(menu) {}

    int childCount() const override { return QAccessibleWidget::childCount() + (menu_ ? 1 : 0); }
    QAccessibleInterface *child(int index) const override
    {
        if (menu_ && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(menu_.data());
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (menu_ && child && child->object() == menu_)
            return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QPointer<QMenu> menu_;
};

QAccessibleInterface *windowWithMenu(const QString &, QObject *object)
{
    auto *window = qobject_cast<QWidget *>(object);
    if (!window)
        return nullptr;
    auto *menu = qvariant_cast<QMenu *>(window->property(MenuProperty));
    return menu ? new WindowWithMenu(window, menu) : nullptr;
}

} // namespace

void OfferTrayMenuToScreenReaders(QWidget *window, QMenu *menu)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowWithMenu);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(MenuProperty, QVariant::fromValue(menu));
    // The menu may go first (the window's own members go before it does).
    QObject::connect(menu, &QObject::destroyed, window, [window] { window->setProperty(MenuProperty, QVariant()); });
}
