// The least a Qt Widgets program of this project does to put a window on
// the screen: one empty main window. The startup benchmark measures the
// program against it.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kalvix baseline"));
    window.resize(638, 512);
    window.show();
    return app.exec();
}
