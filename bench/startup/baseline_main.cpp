// The floor of any Qt tray program: a main window with a label and a list
// of one row, and an icon in the notification area. The startup benchmark
// measures the program against it, started the same way on the same
// display, so the ratio holds on a slow machine as on a fast one.
//
// Given a data file, it reads the file first, the plainest way, and its
// row tells how many appointments it holds: the floor of a program that
// starts with a store of that size.
#include "app/StartupTrace.h"
#include "bench/PlainStore.h"

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
    bench::PlainStore store;
    QString row = QStringLiteral("No appointments...");
    if (argc > 1) {
        size_t records = 0;
        if (bench::plainRead(QString::fromLocal8Bit(argv[1]), store))
            for (const auto &day : store.days)
                records += day.size();
        row = QStringLiteral("%1 appointments").arg(records);
        StartupTrace::Mark("file read");
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kalvix baseline"));
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Appointments"), central));
    auto *list = new QListWidget(central);
    list->addItem(row);
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
