// Locale date and time texts: the time-zone field is removed from the long
// time format without disturbing quoted text, and the cached formats are
// replaced on reload. Runs in a zone named "XYZ" so a zone that slipped
// through shows up in the formatted text.
#include "platform/locale/LocaleTexts.h"

#include <QtTest>

#include <ctime>

class TstLocaleTexts : public QObject {
    Q_OBJECT
private slots:
    void zoneFieldRemoved_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("expected");
        QTest::newRow("trailing") << "HH:mm:ss t"
                                  << "HH:mm:ss";
        QTest::newRow("after am/pm") << "h:mm:ss AP t"
                                     << "h:mm:ss AP";
        QTest::newRow("leading") << "t HH:mm:ss"
                                 << "HH:mm:ss";
        QTest::newRow("glued to the front") << "tAP h:mm:ss"
                                            << "AP h:mm:ss";
        QTest::newRow("bracketed at the end") << "HH:mm:ss (t)"
                                              << "HH:mm:ss";
        QTest::newRow("bracketed in the middle") << "HH:mm:ss (t) AP"
                                                 << "HH:mm:ss AP";
        QTest::newRow("long zone field") << "HH:mm:ss tttt"
                                         << "HH:mm:ss";
        QTest::newRow("quoted t stays") << "H 'at' mm 'o''clock' t"
                                        << "H 'at' mm 'o''clock'";
        QTest::newRow("quote right before") << "HH'h'mm t"
                                            << "HH'h'mm";
        QTest::newRow("no zone") << "HH:mm:ss"
                                 << "HH:mm:ss";
        QTest::newRow("only a zone") << "t"
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void zoneFieldRemoved()
    {
        QFETCH(QString, format);
        QFETCH(QString, expected);
        QCOMPARE(LocaleFormats::withoutTimeZone(format), expected);
    }

    void realLocalesShowTheTimeWithoutAZone_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany);
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France);
        QTest::newRow("ja_JP") << QLocale(QLocale::Japanese, QLocale::Japan);
        QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China);
    }
    void realLocalesShowTheTimeWithoutAZone()
    {
        QFETCH(QLocale, locale);
        const QTime t(13, 5, 9);
        const QString raw = locale.toString(t, locale.timeFormat(QLocale::LongFormat));
        QVERIFY2(raw.contains(QLatin1String("XYZ")), qPrintable(raw)); // the zone is there to remove
        const QString shown = LocaleFormats(locale).longTime(t);
        QVERIFY2(!shown.contains(QLatin1String("XYZ")), qPrintable(shown));
        QVERIFY2(shown.contains(QLatin1String("05")) && shown.contains(QLatin1String("09")), qPrintable(shown));
        QCOMPARE(shown, shown.trimmed());
    }

    void shortDateUsesTheLocalesShortFormat()
    {
        const QLocale de(QLocale::German, QLocale::Germany);
        const LocaleFormats f(de);
        QCOMPARE(f.shortDateFormat(), de.dateFormat(QLocale::ShortFormat));
        QCOMPARE(f.shortDate(QDate(2024, 5, 10)), de.toString(QDate(2024, 5, 10), QLocale::ShortFormat));
    }

    void reloadReplacesTheCachedFormats()
    {
        const LocaleFormats &current = LocaleTexts::Current();
        QCOMPARE(current.shortDateFormat(), QLocale::system().dateFormat(QLocale::ShortFormat));

        LocaleTexts::Reload(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(LocaleTexts::ShortDate(QDate(2024, 5, 10)), QStringLiteral("10.05.24"));
        QCOMPARE(LocaleTexts::LongTime(QTime(7, 8, 9)), QStringLiteral("07:08:09"));

        LocaleTexts::Reload(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(LocaleTexts::ShortDate(QDate(2024, 5, 10)), QStringLiteral("5/10/24"));
        // A reference taken earlier sees the new formats.
        QCOMPARE(current.locale(), QLocale(QLocale::English, QLocale::UnitedStates));

        LocaleTexts::Reload();
        QCOMPARE(current.locale(), QLocale::system());
    }
};

int main(int argc, char **argv)
{
    qputenv("TZ", "XYZ-3");
    tzset();
    QCoreApplication app(argc, argv);
    TstLocaleTexts t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_localetexts.moc"
