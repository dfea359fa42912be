// The visual-style loader against the real service library, a missing one,
// and stand-ins that lack entry points or report "not themed".

#include "controls/UxTheme.h"

#include <QApplication>
#include <QImage>
#include <QLibrary>
#include <QPainter>
#include <QtTest>

#include <dlfcn.h>

using namespace kxtheme;

namespace {
// Whether the shared object with this soname is mapped in the process.
bool inProcess(const char *soname)
{
    void *h = dlopen(soname, RTLD_LAZY | RTLD_NOLOAD);
    if (h)
        dlclose(h);
    return h != nullptr;
}

template <class F>
F probeFunction(const char *library, const char *name)
{
    return reinterpret_cast<F>(QLibrary(QCoreApplication::applicationDirPath() + "/" + library).resolve(name));
}
} // namespace

class TstUxTheme : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        ReleaseVisualStyles();
        SetVisualStylesLibraryName(QStringLiteral("kalvixtheme"));
    }

    // Runs first, while nothing has loaded the service yet: the plain name
    // alone must find it in the program's folder.
    void serviceFoundByPlainNameBesideProgram()
    {
        QVERIFY(!inProcess("libkalvixtheme.so"));
        QLibrary plain(QStringLiteral("kalvixtheme"));
        QVERIFY2(plain.load(), qPrintable(plain.errorString()));
        plain.unload();
        QVERIFY(!inProcess("libkalvixtheme.so"));

        QVERIFY(LoadVisualStyles());
        QCOMPARE(VisualStylesLibraryPath(), QCoreApplication::applicationDirPath() + "/libkalvixtheme.so");
    }

    void countingKeepsLibraryUntilLastReference()
    {
        QVERIFY(LoadVisualStyles());
        QVERIFY(LoadVisualStyles());
        QCOMPARE(VisualStylesReferenceCount(), 2);
        const int filled = VisualStylesResolvedSlots();
        QVERIFY(UxTheme::OpenThemeData && UxTheme::CloseThemeData && UxTheme::DrawThemeBackground);
        QVERIFY(UxTheme::IsAppThemed && UxTheme::IsThemeActive);
        QVERIFY(!UxTheme::DrawThemeText); // not exported: left null, nothing reported
        QVERIFY(filled >= 5 && filled < 46);

        UnloadVisualStyles();
        QVERIFY(VisualStylesLoaded());
        QCOMPARE(VisualStylesResolvedSlots(), filled);
        QVERIFY(inProcess("libkalvixtheme.so"));

        UnloadVisualStyles();
        QVERIFY(!VisualStylesLoaded());
        QCOMPARE(VisualStylesResolvedSlots(), 0);
        QVERIFY(!UxTheme::OpenThemeData);
        QVERIFY(!inProcess("libkalvixtheme.so"));

        UnloadVisualStyles(); // more unloads than loads
        QCOMPARE(VisualStylesReferenceCount(), 0);
        QVERIFY(LoadVisualStyles()); // and it loads again afterwards
        QCOMPARE(VisualStylesReferenceCount(), 1);
    }

    void releaseAtExitDropsEveryReferenceOnce()
    {
        for (int i = 0; i < 3; ++i)
            QVERIFY(LoadVisualStyles());
        QVERIFY(!SetVisualStylesLibraryName(QStringLiteral("other"))); // refused while loaded
        ReleaseVisualStyles();
        QCOMPARE(VisualStylesReferenceCount(), 0);
        QVERIFY(!VisualStylesLoaded());
        QVERIFY(!inProcess("libkalvixtheme.so"));
    }

    void absentLibraryCountsButDrawsClassic()
    {
        QVERIFY(SetVisualStylesLibraryName(QStringLiteral("kalvix_no_such_theme")));
        QVERIFY(!LoadVisualStyles());
        QVERIFY(!LoadVisualStyles()); // tried again, still absent
        QCOMPARE(VisualStylesReferenceCount(), 2);
        QVERIFY(!VisualStylesActive());
        QCOMPARE(VisualStylesResolvedSlots(), 0);
        UnloadVisualStyles();
        UnloadVisualStyles();
        UnloadVisualStyles();
        QCOMPARE(VisualStylesReferenceCount(), 0);
    }

    void activeFollowsTheServiceOnEveryCall()
    {
        QVERIFY(!VisualStylesActive()); // not loaded
        QVERIFY(LoadVisualStyles());
        QVERIFY(VisualStylesActive());
        UxTheme::SetThemeAppProperties(0); // styles off for this program
        QVERIFY(!VisualStylesActive());
        UxTheme::SetThemeAppProperties(STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS | STAP_ALLOW_WEBCONTENT);
        QVERIFY(VisualStylesActive());
        UxTheme::EnableTheming(0); // styles off on the desktop
        QVERIFY(!VisualStylesActive());
        UxTheme::EnableTheming(1);
        QVERIFY(VisualStylesActive());
    }

    void serviceDrawsPushButtonStates()
    {
        QVERIFY(LoadVisualStyles());
        HTHEME theme = UxTheme::OpenThemeData(nullptr, L"BUTTON");
        QVERIFY(theme);
        QVERIFY(UxTheme::IsThemePartDefined(theme, BP_PUSHBUTTON, 0));
        QVERIFY(!UxTheme::OpenThemeData(nullptr, L"EDIT"));
        HTHEME second = UxTheme::OpenThemeData(nullptr, L"Window; button");
        QVERIFY(second);

        auto draw = [theme](int state) {
            QImage img(60, 24, QImage::Format_ARGB32);
            img.fill(Qt::transparent);
            QPainter p(&img);
            const RECT r{0, 0, 60, 24};
            const HRESULT hr = UxTheme::DrawThemeBackground(theme, HdcFromPainter(&p), BP_PUSHBUTTON, state, &r,
                                                            nullptr);
            p.end();
            return std::make_pair(hr, img);
        };
        const auto plain = draw(PBS_PLAIN);
        const auto pressed = draw(PBS_PRESSED);
        const auto disabled = draw(PBS_DISABLED);
        QCOMPARE(plain.first, S_OK);
        QCOMPARE(pressed.first, S_OK);
        QVERIFY(qAlpha(plain.second.pixel(30, 12)) > 0); // something was drawn
        QVERIFY(plain.second != pressed.second);
        QVERIFY(plain.second != disabled.second);

        QImage img(10, 10, QImage::Format_ARGB32);
        QPainter p(&img);
        const RECT r{0, 0, 10, 10};
        QCOMPARE(UxTheme::DrawThemeBackground(theme, HdcFromPainter(&p), 7, 0, &r, nullptr), E_INVALIDARG);
        p.end();

        QCOMPARE(UxTheme::CloseThemeData(theme), S_OK);
        QCOMPARE(UxTheme::CloseThemeData(theme), E_HANDLE);
        QCOMPARE(UxTheme::CloseThemeData(second), S_OK);
    }

    void notThemedApplicationSkipsThemeActive()
    {
        QVERIFY(SetVisualStylesLibraryName(QStringLiteral("kxtheme_probe")));
        QVERIFY(LoadVisualStyles());
        auto setThemed = probeFunction<void (*)(int)>("kxtheme_probe", "ProbeSetAppThemed");
        auto calls = probeFunction<int (*)()>("kxtheme_probe", "ProbeThemeActiveCalls");
        QVERIFY(setThemed && calls);

        setThemed(0);
        const int before = calls();
        QVERIFY(!VisualStylesActive());
        QCOMPARE(calls(), before);

        setThemed(1);
        QVERIFY(VisualStylesActive());
        QCOMPARE(calls(), before + 1);
    }

    // The slots, their names and the resolver come from one list; a slot
    // filled through the wrong name, or missed, shows up here.
    void completeLibraryFillsEverySlotByItsOwnName()
    {
#define KX_COUNT_ENTRY(name, result, parameters) +1
        constexpr int entries = 0 KXTHEME_ENTRY_POINTS(KX_COUNT_ENTRY);
#undef KX_COUNT_ENTRY
        QCOMPARE(entries, 46);
        QVERIFY(SetVisualStylesLibraryName(QStringLiteral("kxtheme_complete")));
        QVERIFY(LoadVisualStyles());
        QCOMPARE(VisualStylesResolvedSlots(), entries);
        void *library = dlopen(qPrintable(VisualStylesLibraryPath()), RTLD_LAZY | RTLD_NOLOAD);
        QVERIFY(library);
        QSet<void *> addresses;
#define KX_CHECK_ENTRY(name, result, parameters) \
    QCOMPARE(reinterpret_cast<void *>(UxTheme::name), dlsym(library, #name)); \
    addresses.insert(reinterpret_cast<void *>(UxTheme::name));
        KXTHEME_ENTRY_POINTS(KX_CHECK_ENTRY)
#undef KX_CHECK_ENTRY
        dlclose(library);
        QCOMPARE(addresses.size(), entries); // no two slots share a function
        UnloadVisualStyles();
        QCOMPARE(VisualStylesResolvedSlots(), 0);
    }

    void partialLibraryLeavesMissingSlotsNull()
    {
        QVERIFY(SetVisualStylesLibraryName(QStringLiteral("kxtheme_partial")));
        QVERIFY(LoadVisualStyles());
        QVERIFY(UxTheme::OpenThemeData && UxTheme::CloseThemeData && UxTheme::IsAppThemed);
        QVERIFY(!UxTheme::DrawThemeBackground);
        QVERIFY(!UxTheme::IsThemeActive);
        QCOMPARE(VisualStylesResolvedSlots(), 3);
        // A service without IsThemeActive cannot say a theme is active.
        QVERIFY(!VisualStylesActive());
    }
};

QTEST_MAIN(TstUxTheme)
#include "tst_uxtheme.moc"
