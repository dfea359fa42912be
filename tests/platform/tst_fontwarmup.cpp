// The font configuration loaded beside the application object is the one
// the toolkit then works with: were it loaded a second time, the start
// would pay for it twice instead of once, early.
#include "platform/desktop/FontServiceWarmUp.h"

#include <QFontDatabase>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <fontconfig/fontconfig.h>

class TestFontWarmUp : public QObject {
    Q_OBJECT
private slots:
    void toolkitKeepsTheConfigurationLoadedAhead()
    {
        FontServiceWarmUp warmUp;
        warmUp.Wait();
        // Loaded by now: a configuration named only from here on, one that
        // names no font folder, changes nothing any more. Loaded only now,
        // with it, there would be no fonts at all.
        QTemporaryDir dir;
        QFile empty(dir.filePath(QStringLiteral("fonts.conf")));
        QVERIFY(empty.open(QIODevice::WriteOnly) && empty.write("<fontconfig></fontconfig>\n") > 0);
        empty.close();
        const QByteArray before = qgetenv("FONTCONFIG_FILE");
        qputenv("FONTCONFIG_FILE", QFile::encodeName(empty.fileName()));
        FcPattern *all = FcPatternCreate();
        FcObjectSet *family = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet *fonts = FcFontList(nullptr, all, family);
        const int count = fonts ? fonts->nfont : 0;
        FcFontSetDestroy(fonts);
        FcObjectSetDestroy(family);
        FcPatternDestroy(all);
        QVERIFY2(count > 0, "the configuration was not loaded ahead");

        FcConfig *loaded = FcConfigGetCurrent();
        int argc = 1;
        char name[] = "tst_fontwarmup";
        char *argv[] = {name, nullptr};
        QGuiApplication app(argc, argv);
        QVERIFY(!QFontDatabase::families().isEmpty());
        QCOMPARE(FcConfigGetCurrent(), loaded);
        if (before.isNull())
            qunsetenv("FONTCONFIG_FILE");
        else
            qputenv("FONTCONFIG_FILE", before);
    }
};

QTEST_APPLESS_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
