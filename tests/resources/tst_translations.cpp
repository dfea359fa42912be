// The program's texts in German and French: complete against the code,
// English left exactly as written, and the headings put together the way
// each language says them.
#include "navigation/NodeCode.h"
#include "reminders/ReminderHeading.h"
#include "resources/translations/Translations.h"
#include "store/DateTimeValue.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context, source, translation;
    bool finished = true;
};

QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> out;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            out.append({context, {}, {}, true});
        } else if (xml.name() == QLatin1String("source")) {
            out.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QStringView type = xml.attributes().value(QLatin1String("type"));
            out.last().finished = type.isEmpty();
            out.last().translation = xml.readElementText();
        }
    }
    return out;
}

QString tsPath(const QString &language)
{
    return QStringLiteral(KALVIX_TS_DIR "/kalvix_%1.ts").arg(language);
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    for (const QRegularExpressionMatch &m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found.append(m.captured());
    found.removeDuplicates();
    found.sort();
    return found;
}

void uninstallAll()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
}

} // namespace

class TstTranslations : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { uninstallAll(); }

    // lupdate over the source folders adds every text of the code that the
    // file lacks, marked unfinished: each one needs its translation.
    void everyTextTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr");
    }
    void everyTextTranslated()
    {
        QFETCH(QString, language);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("kalvix_%1.ts").arg(language));
        QVERIFY(QFile::copy(tsPath(language), copy));
        QStringList args = QStringLiteral(KALVIX_TEXT_DIRS).split(QLatin1Char(','));
        args << QStringLiteral("-I") << QStringLiteral(KALVIX_SOURCE_ROOT) << QStringLiteral("-locations")
             << QStringLiteral("none") << QStringLiteral("-no-obsolete") << QStringLiteral("-ts") << copy;
        QProcess lupdate;
        lupdate.start(QStringLiteral(KALVIX_LUPDATE), args);
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);

        const QList<Message> messages = readTs(copy);
        QVERIFY(messages.size() > 250);
        for (const Message &m : messages) {
            const QByteArray where = (m.context + QLatin1String(": ") + m.source.left(60)).toUtf8();
            QVERIFY2(m.finished && !m.translation.isEmpty(), "untranslated: " + where);
            QVERIFY2(placeholders(m.translation) == placeholders(m.source), "placeholders differ: " + where);
            QVERIFY2(m.translation.endsWith(QLatin1Char('\n')) == m.source.endsWith(QLatin1Char('\n')),
                     "line end differs: " + where);
        }
    }

    // Under English, or a language without translation, every text is the
    // one written in the code; under German and French, the one of the .ts
    // file, so what is built into the program is what is kept in the files.
    void languageChosenFromTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::newRow("US English") << QStringLiteral("en_US") << QString();
        QTest::newRow("British English") << QStringLiteral("en_GB") << QString();
        QTest::newRow("C") << QStringLiteral("C") << QString();
        QTest::newRow("Japanese, not translated") << QStringLiteral("ja_JP") << QString();
        QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("de");
        QTest::newRow("Swiss German") << QStringLiteral("de_CH") << QStringLiteral("de");
        QTest::newRow("French") << QStringLiteral("fr_FR") << QStringLiteral("fr");
        QTest::newRow("Canadian French") << QStringLiteral("fr_CA") << QStringLiteral("fr");
    }
    void languageChosenFromTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QCOMPARE(Translations::Install(*QCoreApplication::instance(), QLocale(locale)), language);
        const QList<Message> messages = readTs(tsPath(language.isEmpty() ? QStringLiteral("de") : language));
        QVERIFY(!messages.isEmpty());
        for (const Message &m : messages) {
            const QString shown = QCoreApplication::translate(m.context.toUtf8().constData(),
                                                              m.source.toUtf8().constData());
            QCOMPARE(shown, language.isEmpty() ? m.source : m.translation);
        }
    }

    // The date and time come from the locale, the words and their order from
    // the language; a time with AM/PM takes no "o'clock".
    void headingsPerLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("reminder");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("treeDay");
        const QString englishDay = QStringLiteral("Fr 5.January 2024");
        QTest::newRow("English, 24-hour")
            << QStringLiteral("en_GB") << QStringLiteral("en_GB") << QStringLiteral("At 08/12/2026 at 23:59:00 o'clock")
            << englishDay << QStringLiteral("5. Fr");
        QTest::newRow("English, C") << QStringLiteral("C") << QStringLiteral("C")
                                    << QStringLiteral("At 8 Dec 2026 at 23:59:00 o'clock") << englishDay
                                    << QStringLiteral("5. Fr");
        QTest::newRow("English, 12-hour")
            << QStringLiteral("en_US") << QStringLiteral("en_US") << QStringLiteral("At 12/8/26 at 11:59:00 PM")
            << englishDay << QStringLiteral("5. Fr");
        QTest::newRow("English with German dates")
            << QStringLiteral("en_US") << QStringLiteral("de_DE") << QStringLiteral("At 08.12.26 at 23:59:00 o'clock")
            << englishDay << QStringLiteral("5. Fr");
        QTest::newRow("German") << QStringLiteral("de_DE") << QStringLiteral("de_DE")
                                << QStringLiteral("Am 08.12.26 um 23:59:00 Uhr") << QStringLiteral("Fr, 5. Januar 2024")
                                << QStringLiteral("5. Fr");
        QTest::newRow("German with US time")
            << QStringLiteral("de_DE") << QStringLiteral("en_US") << QStringLiteral("Am 12/8/26 um 11:59:00 PM")
            << QStringLiteral("Fr, 5. Januar 2024") << QStringLiteral("5. Fr");
        QTest::newRow("French") << QStringLiteral("fr_FR") << QStringLiteral("fr_FR")
                                << QStringLiteral("Le 08/12/2026 à 23:59:00") << QStringLiteral("ven. 5 janvier 2024")
                                << QStringLiteral("ven. 5");
    }
    void headingsPerLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, locale);
        QFETCH(QString, reminder);
        QFETCH(QString, day);
        QFETCH(QString, treeDay);
        Translations::Install(*QCoreApplication::instance(), QLocale(language));
        const double at = DateTimeValue::EncodeDate(2026, 12, 8) + DateTimeValue::EncodeTime(23, 59, 0);
        QCOMPARE(ReminderHeading(at, LocaleFormats(QLocale(locale))), reminder);
        QCOMPARE(NodeCode::DayHeading(2024, 1, 5), day);
        QCOMPARE(NodeCode::DayCaption(2024, 1, 5), treeDay);
    }
};

QTEST_GUILESS_MAIN(TstTranslations)
#include "tst_translations.moc"
