#pragma once
// The application object. It keeps the program alive while no window is
// visible (the main window may be hidden in the tray) and turns an
// exception escaping any handler or timer tick into the error report
// instead of ending the program.

#include <QApplication>

class KalvixApplication : public QApplication {
    Q_OBJECT
public:
    KalvixApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
