// The floor of any Qt tray program: a main window with a label and a list
// of one row, and an icon in the notification area. The startup benchmark
// measures the program against it, started the same way on the same
// display, so the ratio holds on a slow machine as on a fast one.
#include "app/StartupTrace.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    StartupTrace::Mark("main");
    QApplication app(argc, argv);
    StartupTrace::Mark("application");
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kalvix baseline"));
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Appointments"), central));
    auto *list = new QListWidget(central);
    list->addItem(QStringLiteral("No appointments..."));
    layout->addWidget(list);
    window.setCentralWidget(central);
    window.resize(638, 512);
    StartupTrace::Mark("window built");
    QPixmap picture(22, 22);
    picture.fill(Qt::darkBlue);
    QSystemTrayIcon tray{QIcon(picture)};
    tray.setToolTip(QStringLiteral("Appointment"));
    tray.show();
    StartupTrace::Mark("tray icon");
    window.show();
    StartupTrace::Mark("shown");
    StartupTrace::FlushAfterFirstPaint(&window);
    return app.exec();
}
