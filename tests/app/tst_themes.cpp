// The windows under the default palette and under a dark one (Fusion with
// a dark QPalette, as dark desktop themes hand to Qt): pictures of each go
// to theme-shots/ beside the test program for a person to judge, and the
// text on the panels of fixed colours must read well on the pictures
// themselves.
#include "MainFormHarness.h"

#include "app/AboutBoxUnit.h"
#include "controls/SystemColors.h"
#include "reminders/HeadingPanel.h"
#include "reminders/TerminFUnit.h"
#include "resources/pictures/KalvixPictures.h"

#include <QDir>
#include <QLabel>
#include <QStyleFactory>
#include <QTabWidget>

namespace {
QPalette darkPalette()
{
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(53, 53, 56));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(60, 60, 64));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Light, QColor(90, 90, 96));
    p.setColor(QPalette::Midlight, QColor(75, 75, 80));
    p.setColor(QPalette::Dark, QColor(25, 25, 27));
    p.setColor(QPalette::Mid, QColor(40, 40, 43));
    p.setColor(QPalette::Shadow, QColor(0, 0, 0));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(60, 60, 64));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    return p;
}

// The best contrast any pixel inside `r` has against `background`: the
// text's, where there is text.
double bestContrast(const QImage &img, const QRect &r, const QColor &background)
{
    double best = 1;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            best = qMax(best, SystemColors::Contrast(img.pixelColor(x, y), background));
    return best;
}
} // namespace

class TstThemes : public QObject {
    Q_OBJECT
    QString shots_;

    void save(QWidget *w, const QString &name)
    {
        QVERIFY(w->grab().save(shots_ + QLatin1Char('/') + name + QStringLiteral(".png")));
    }

private slots:
    void initTestCase()
    {
        kalvixInitPictures();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        shots_ = QCoreApplication::applicationDirPath() + QStringLiteral("/theme-shots");
        QDir().mkpath(shots_);
    }

    void panelsReadUnderEveryPalette_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("dark");
        QTest::newRow("default") << QStringLiteral("default") << false;
        QTest::newRow("dark") << QStringLiteral("dark") << true;
    }

    void panelsReadUnderEveryPalette()
    {
        QFETCH(QString, name);
        QFETCH(bool, dark);
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(dark ? darkPalette() : QApplication::style()->standardPalette());

        MainFormHarness h;
        auto form = h.make();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        save(form.get(), name + QStringLiteral("-main"));
        const QImage main = form->grab().toImage();
        for (HeadingPanel *heading : form->findChildren<HeadingPanel *>()) {
            if (!heading->isVisible())
                continue;
            const QRect r(heading->mapTo(form.get(), QPoint(3, 3)), heading->size() - QSize(6, 6));
            const double c = bestContrast(main, r, heading->color());
            QVERIFY2(c >= 4.5, qPrintable(heading->text() + QStringLiteral(": ") + QString::number(c)));
        }
        PageControl1(*form)->setCurrentIndex(1);
        save(form.get(), name + QStringLiteral("-options"));

        TAboutBox about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        save(&about, name + QStringLiteral("-about"));
        const QImage box = about.grab().toImage();
        QLabel *line = about.Label1;
        const QRect lineRect(line->mapTo(&about, QPoint(0, 0)), line->size());
        QVERIFY(bestContrast(box, lineRect, QColor(240, 202, 166)) >= 4.5);

        TTerminForm reminder;
        reminder.SetHeading(QStringLiteral("At 07.12.2026 at 14:30:00 o'clock"));
        reminder.SetName(QStringLiteral("Dentist"));
        reminder.SetDescription(QStringLiteral("Bring the card"));
        reminder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reminder));
        QTRY_VERIFY(reminder.RemindLaterBtn()->isEnabled()); // as a person sees it after the first moment
        save(&reminder, name + QStringLiteral("-reminder"));
        const QImage rem = reminder.grab().toImage();
        const QRect headRect(QPoint(3, 3), reminder.Heading()->size() - QSize(6, 6));
        QVERIFY(bestContrast(rem, headRect, reminder.Heading()->color()) >= 4.5);
        reminder.close();

        QApplication::setPalette(saved);
    }
};

QTEST_MAIN(TstThemes)
#include "tst_themes.moc"
