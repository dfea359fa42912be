#pragma once
// The notification-area icon. Mouse activity on it is reported as the
// classic mouse message numbers the main window's handler expects:
// 513 for a single left click, 515 for a left double-click, 517 for the
// right button (context request).

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
    static constexpr int LeftButtonDown = 513;
    static constexpr int LeftDoubleClick = 515;
    static constexpr int RightButtonUp = 517;

    explicit TrayIcon(QObject *parent = nullptr);
    ~TrayIcon() override;

    // Shows `icon` (taken by copy) with the tool tip; true when the desktop
    // has a notification area that accepted it.
    bool Add(const QIcon &icon, const QString &tip);
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
