// The program's name and version as the person meets them: --version, the
// about box, the error report's caption, the menu entry and the AppStream
// file. They come from one place; a copy typed in by hand somewhere would
// be left behind at the next release, and these checks would catch it.
#include "app/AboutBoxUnit.h"
#include "app/Dialogs.h"
#include "app/cli/CommandLine.h"

#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

namespace {
QString readFile(const QString &name)
{
    QFile f(QStringLiteral(KALVIX_DESKTOP_DIR "/") + name);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString captured(const QString &text, const char *pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern), QRegularExpression::MultilineOption)
        .match(text)
        .captured(1);
}
} // namespace

class TstProduct : public QObject {
    Q_OBJECT
private slots:
    void nameAndVersionAgreeEverywhere()
    {
        // "kalvix 1.0"
        const QStringList printed = CommandLine::VersionText().trimmed().split(QLatin1Char(' '));
        QCOMPARE(printed.size(), 2);
        const QString version = printed[1];
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+(\\.\\d+)+$")).match(version).hasMatch());

        const QString metainfo = readFile(QStringLiteral("example.brontal.kalvix.metainfo.xml"));
        const QString desktop = readFile(QStringLiteral("kalvix.desktop"));
        QVERIFY(!metainfo.isEmpty() && !desktop.isEmpty());
        QCOMPARE(captured(metainfo, "<release version=\"([^\"]*)\""), version);
        const QString name = captured(desktop, "^Name=(.*)$");
        QVERIFY(!name.isEmpty());
        QCOMPARE(captured(metainfo, "<name>([^<]*)</name>"), name);
        QCOMPARE(captured(desktop, "^Exec=(.*)$"), printed[0]);

        // "Brontal Kalvix 1.0" and "Kalvix 1.0"
        TAboutBox box;
        QVERIFY2(box.TitleLabel->text().endsWith(QLatin1Char(' ') + name + QLatin1Char(' ') + version),
                 qPrintable(box.TitleLabel->text()));
        QCOMPARE(QString::fromLatin1(Dialogs::AppTitle), name + QLatin1Char(' ') + version);
        QCOMPARE(captured(CommandLine::Usage(), "^Usage: (\\S+)"), printed[0]);
    }
};

QTEST_MAIN(TstProduct)
#include "tst_product.moc"
