#pragma once
// The notification-area icon. Mouse activity on it is reported as the
// classic mouse message numbers the main window's handler expects:
// 513 for a single left click, 515 for a left double-click, 517 for the
// right button (context request).

#include <QIcon>
#include <QObject>

#include <memory>

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

    // Opens `menu` at the mouse cursor's screen position.
    static void PopupAtCursor(QMenu *menu);

signals:
    void mouseMessage(int message);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void contextRequested();
    void releaseSeen();

    bool waitingForRelease_ = false;
    std::unique_ptr<QSystemTrayIcon> icon_;
};
