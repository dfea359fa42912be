#include "app/Dialogs.h"
#include "app/KalvixApplication.h"

#include <QtTest>

#include <stdexcept>

namespace {
class Thrower : public QObject {
public:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw std::runtime_error("Read beyond end of file");
        return QObject::event(e);
    }
};
} // namespace

class TstErrorReport : public QObject {
    Q_OBJECT
private slots:
    void periodRule()
    {
        QCOMPARE(Dialogs::ErrorReportText("Disk full"), QStringLiteral("Disk full."));
        QCOMPARE(Dialogs::ErrorReportText("Done."), QStringLiteral("Done."));
        QCOMPARE(Dialogs::ErrorReportText("Why!"), QStringLiteral("Why!"));      // '!' sorts before '.'
        QCOMPARE(Dialogs::ErrorReportText("Code 5"), QStringLiteral("Code 5.")); // digits sort after '.'
        QCOMPARE(Dialogs::ErrorReportText(""), QString());
    }

    void escapingExceptionIsReportedAndTheProgramGoesOn()
    {
        QStringList seen;
        Dialogs::SetHook([&seen](const QString &caption, const QString &text) {
            seen << caption << text;
            return QMessageBox::Ok;
        });
        Thrower t;
        QCoreApplication::postEvent(&t, new QEvent(QEvent::User));
        QCoreApplication::processEvents();
        QCOMPARE(seen, (QStringList{"Kalvix 1.0", "Read beyond end of file."}));
        // the loop still delivers events afterwards
        bool ran = false;
        QTimer::singleShot(0, [&ran] { ran = true; });
        QTRY_VERIFY(ran);
        Dialogs::SetHook({});
    }

    void lastWindowClosingDoesNotQuit() { QVERIFY(!QApplication::quitOnLastWindowClosed()); }
};

int main(int argc, char **argv)
{
    KalvixApplication app(argc, argv);
    TstErrorReport t;
    return QTest::qExec(&t, argc, argv);
}
#include "tst_errorreport.moc"
