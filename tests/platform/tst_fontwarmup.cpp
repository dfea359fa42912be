// The font configuration loaded beside the application object is the one
// Qt then works with, not one it loads again.
#include "platform/desktop/FontServiceWarmUp.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QtTest>

#include <fontconfig/fontconfig.h>

class TestFontWarmUp : public QObject {
    Q_OBJECT
private slots:
    void toolkitKeepsTheConfigurationLoadedAhead()
    {
        FontServiceWarmUp warmUp;
        warmUp.Wait();
        // Named only now, a configuration without font folders changes
        // nothing if the warm-up loaded one; loaded only now, no font is found.
        QTemporaryFile empty;
        QVERIFY(empty.open() && empty.write("<fontconfig></fontconfig>\n") > 0 && empty.flush());
        qputenv("FONTCONFIG_FILE", QFile::encodeName(empty.fileName()));
        FcFontSet *fonts = FcConfigGetFonts(FcConfigGetCurrent(), FcSetSystem);
        QVERIFY2(fonts && fonts->nfont > 0, "the configuration was not loaded ahead");
        FcConfig *loaded = FcConfigGetCurrent();
        int argc = 1;
        char name[] = "tst_fontwarmup";
        char *argv[] = {name, nullptr};
        QGuiApplication app(argc, argv);
        QVERIFY(!QFontDatabase::families().isEmpty());
        QCOMPARE(FcConfigGetCurrent(), loaded);
        qunsetenv("FONTCONFIG_FILE");
    }
};

QTEST_APPLESS_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
