#pragma once
// The notification-area icon. Mouse activity on it is reported as the
// classic mouse message numbers the main window's handler expects (see
// TrayIcon::MouseMessage).

#include <QIcon>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // What mouseMessage() reports, numbered as the classic window messages
    // the tray callback has always been given, so a number received from
    // elsewhere means the same thing.
    enum MouseMessage : int {
        LeftButtonDown = 513,  // a single left click
        LeftDoubleClick = 515, // a left double-click
        RightButtonUp = 517,   // the context request, once the right button is up
    };

    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    // Puts `icon` (taken by copy) with the tool tip into the notification
    // area when the event loop next runs.
    void Add(const QIcon &icon, const QString &tip);
    void Remove();
    bool isAdded() const;

    // Whether the desktop offers a notification area right now. Once added,
    // the icon follows the area by itself: it appears when one starts later
    // and is registered again when the area's host restarts.
    static bool isAvailable();
    // Tests decide it where the display has no notification area to offer;
    // std::nullopt asks the desktop again.
    static void OverrideAvailability(std::optional<bool> available);

    // While watched, availabilityChanged() reports the area coming and
    // going. Nothing announces that on every desktop, so it is looked at
    // every few seconds; watch only while it matters.
    void watchAvailability(bool on);

    // Opens `menu` at the mouse cursor's screen position.
    static void PopupAtCursor(QMenu *menu);

signals:
    void mouseMessage(int message);
    void availabilityChanged(bool available);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contextRequested();
    void releaseSeen();

    void lookAtAvailability();

    bool waitingForRelease_ = false;
    bool lastAvailable_ = false;
    QTimer availabilityPoll_;
    std::unique_ptr<QSystemTrayIcon> icon_;
};
