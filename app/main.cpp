#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kalvix 1.0"));
    QMainWindow w;
    w.setWindowTitle(QStringLiteral("Brontal Kalvix 1.0"));
    w.resize(638, 512);
    w.show();
    return app.exec();
}
