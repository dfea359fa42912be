// Reference-counted loading of the visual-style service library and its
// table of entry points.
//
// How the library is found: QLibrary is given the plain name, so dlopen()
// runs the ordinary search (DT_RPATH, LD_LIBRARY_PATH, DT_RUNPATH of the
// calling object, the system cache). Every executable linking the controls
// gets "$ORIGIN" as DT_RPATH (see controls/CMakeLists.txt); DT_RPATH rather
// than DT_RUNPATH because dlopen() is called from inside QtCore, and glibc
// consults only the *caller's* RUNPATH but the executable's RPATH. That puts
// the program's own folder on the search path. An executable built without
// that entry (or whose RPATH was stripped on installation) still finds the
// service beside it: when the plain name is not found, the same name is
// tried once more in QCoreApplication::applicationDirPath().

#include "controls/UxTheme.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>

#include <dlfcn.h>
#include <memory>

namespace UxTheme {
kxtheme::PFN_OpenThemeData OpenThemeData = nullptr;
kxtheme::PFN_CloseThemeData CloseThemeData = nullptr;
kxtheme::PFN_DrawThemeBackground DrawThemeBackground = nullptr;
kxtheme::PFN_DrawThemeText DrawThemeText = nullptr;
kxtheme::PFN_GetThemeBackgroundContentRect GetThemeBackgroundContentRect = nullptr;
kxtheme::PFN_GetThemePartSize GetThemePartSize = nullptr;
kxtheme::PFN_GetThemeTextExtent GetThemeTextExtent = nullptr;
kxtheme::PFN_GetThemeTextMetrics GetThemeTextMetrics = nullptr;
kxtheme::PFN_GetThemeBackgroundRegion GetThemeBackgroundRegion = nullptr;
kxtheme::PFN_HitTestThemeBackground HitTestThemeBackground = nullptr;
kxtheme::PFN_DrawThemeEdge DrawThemeEdge = nullptr;
kxtheme::PFN_DrawThemeIcon DrawThemeIcon = nullptr;
kxtheme::PFN_IsThemePartDefined IsThemePartDefined = nullptr;
kxtheme::PFN_IsThemeBackgroundPartiallyTransparent IsThemeBackgroundPartiallyTransparent = nullptr;
kxtheme::PFN_GetThemeColor GetThemeColor = nullptr;
kxtheme::PFN_GetThemeMetric GetThemeMetric = nullptr;
kxtheme::PFN_GetThemeString GetThemeString = nullptr;
kxtheme::PFN_GetThemeBool GetThemeBool = nullptr;
kxtheme::PFN_GetThemeInt GetThemeInt = nullptr;
kxtheme::PFN_GetThemeEnumValue GetThemeEnumValue = nullptr;
kxtheme::PFN_GetThemePosition GetThemePosition = nullptr;
kxtheme::PFN_GetThemeFont GetThemeFont = nullptr;
kxtheme::PFN_GetThemeRect GetThemeRect = nullptr;
kxtheme::PFN_GetThemeMargins GetThemeMargins = nullptr;
kxtheme::PFN_GetThemeIntList GetThemeIntList = nullptr;
kxtheme::PFN_GetThemePropertyOrigin GetThemePropertyOrigin = nullptr;
kxtheme::PFN_SetWindowTheme SetWindowTheme = nullptr;
kxtheme::PFN_GetThemeFilename GetThemeFilename = nullptr;
kxtheme::PFN_GetThemeSysColor GetThemeSysColor = nullptr;
kxtheme::PFN_GetThemeSysColorBrush GetThemeSysColorBrush = nullptr;
kxtheme::PFN_GetThemeSysBool GetThemeSysBool = nullptr;
kxtheme::PFN_GetThemeSysSize GetThemeSysSize = nullptr;
kxtheme::PFN_GetThemeSysFont GetThemeSysFont = nullptr;
kxtheme::PFN_GetThemeSysString GetThemeSysString = nullptr;
kxtheme::PFN_GetThemeSysInt GetThemeSysInt = nullptr;
kxtheme::PFN_IsThemeActive IsThemeActive = nullptr;
kxtheme::PFN_IsAppThemed IsAppThemed = nullptr;
kxtheme::PFN_GetWindowTheme GetWindowTheme = nullptr;
kxtheme::PFN_EnableThemeDialogTexture EnableThemeDialogTexture = nullptr;
kxtheme::PFN_IsThemeDialogTextureEnabled IsThemeDialogTextureEnabled = nullptr;
kxtheme::PFN_GetThemeAppProperties GetThemeAppProperties = nullptr;
kxtheme::PFN_SetThemeAppProperties SetThemeAppProperties = nullptr;
kxtheme::PFN_GetCurrentThemeName GetCurrentThemeName = nullptr;
kxtheme::PFN_GetThemeDocumentationProperty GetThemeDocumentationProperty = nullptr;
kxtheme::PFN_DrawThemeParentBackground DrawThemeParentBackground = nullptr;
kxtheme::PFN_EnableTheming EnableTheming = nullptr;
} // namespace UxTheme

namespace {

// Calls visit(name, slot) for every entry point, in resolution order.
template <class Visit> void forEachEntry(Visit &&visit)
{
    using namespace UxTheme;
    visit("OpenThemeData", OpenThemeData);
    visit("CloseThemeData", CloseThemeData);
    visit("DrawThemeBackground", DrawThemeBackground);
    visit("DrawThemeText", DrawThemeText);
    visit("GetThemeBackgroundContentRect", GetThemeBackgroundContentRect);
    visit("GetThemePartSize", GetThemePartSize);
    visit("GetThemeTextExtent", GetThemeTextExtent);
    visit("GetThemeTextMetrics", GetThemeTextMetrics);
    visit("GetThemeBackgroundRegion", GetThemeBackgroundRegion);
    visit("HitTestThemeBackground", HitTestThemeBackground);
    visit("DrawThemeEdge", DrawThemeEdge);
    visit("DrawThemeIcon", DrawThemeIcon);
    visit("IsThemePartDefined", IsThemePartDefined);
    visit("IsThemeBackgroundPartiallyTransparent", IsThemeBackgroundPartiallyTransparent);
    visit("GetThemeColor", GetThemeColor);
    visit("GetThemeMetric", GetThemeMetric);
    visit("GetThemeString", GetThemeString);
    visit("GetThemeBool", GetThemeBool);
    visit("GetThemeInt", GetThemeInt);
    visit("GetThemeEnumValue", GetThemeEnumValue);
    visit("GetThemePosition", GetThemePosition);
    visit("GetThemeFont", GetThemeFont);
    visit("GetThemeRect", GetThemeRect);
    visit("GetThemeMargins", GetThemeMargins);
    visit("GetThemeIntList", GetThemeIntList);
    visit("GetThemePropertyOrigin", GetThemePropertyOrigin);
    visit("SetWindowTheme", SetWindowTheme);
    visit("GetThemeFilename", GetThemeFilename);
    visit("GetThemeSysColor", GetThemeSysColor);
    visit("GetThemeSysColorBrush", GetThemeSysColorBrush);
    visit("GetThemeSysBool", GetThemeSysBool);
    visit("GetThemeSysSize", GetThemeSysSize);
    visit("GetThemeSysFont", GetThemeSysFont);
    visit("GetThemeSysString", GetThemeSysString);
    visit("GetThemeSysInt", GetThemeSysInt);
    visit("IsThemeActive", IsThemeActive);
    visit("IsAppThemed", IsAppThemed);
    visit("GetWindowTheme", GetWindowTheme);
    visit("EnableThemeDialogTexture", EnableThemeDialogTexture);
    visit("IsThemeDialogTextureEnabled", IsThemeDialogTextureEnabled);
    visit("GetThemeAppProperties", GetThemeAppProperties);
    visit("SetThemeAppProperties", SetThemeAppProperties);
    visit("GetCurrentThemeName", GetCurrentThemeName);
    visit("GetThemeDocumentationProperty", GetThemeDocumentationProperty);
    visit("DrawThemeParentBackground", DrawThemeParentBackground);
    visit("EnableTheming", EnableTheming);
}

struct Loader {
    QMutex lock;
    std::unique_ptr<QLibrary> library; // null while not loaded
    int refCount = 0;
    QString name = QStringLiteral("kalvixtheme");

    // Drops one reference; the last one unloads. Caller holds the lock.
    void dropOne();

    // Program exit: every reference still held goes, one by one, so the
    // library is unloaded once, at the last step.
    ~Loader()
    {
        QMutexLocker guard(&lock);
        while (refCount > 0)
            dropOne();
    }
};

Loader &loader()
{
    static Loader instance;
    return instance;
}

std::unique_ptr<QLibrary> openServiceLibrary(const QString &name)
{
    auto lib = std::make_unique<QLibrary>(name);
    if (lib->load())
        return lib;
    if (QCoreApplication::instance() && !name.contains(QLatin1Char('/'))) {
        lib->setFileName(QCoreApplication::applicationDirPath() + QLatin1Char('/') + name);
        if (lib->load())
            return lib;
    }
    return nullptr;
}

void clearSlots()
{
    forEachEntry([](const char *, auto &slot) { slot = nullptr; });
}

void Loader::dropOne()
{
    if (refCount > 0)
        --refCount;
    if (library && refCount == 0) {
        clearSlots();
        library->unload();
        library.reset();
    }
}

} // namespace

bool LoadVisualStyles()
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    ++l.refCount;
    if (!l.library) {
        l.library = openServiceLibrary(l.name);
        if (l.library) {
            QLibrary &lib = *l.library;
            forEachEntry([&lib](const char *name, auto &slot) {
                slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(lib.resolve(name));
            });
        }
    }
    return l.library != nullptr;
}

void UnloadVisualStyles()
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    l.dropOne();
}

bool VisualStylesActive()
{
    // The slots are null whenever the library is not loaded, so they alone
    // answer "is it loaded" here, without the lock.
    if (!UxTheme::IsAppThemed || !UxTheme::IsThemeActive)
        return false;
    if (!UxTheme::IsAppThemed())
        return false;
    return UxTheme::IsThemeActive() != 0;
}

void ReleaseVisualStyles()
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    while (l.refCount > 0)
        l.dropOne();
}

int VisualStylesReferenceCount()
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    return l.refCount;
}

bool VisualStylesLoaded()
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    return l.library != nullptr;
}

int VisualStylesResolvedSlots()
{
    int n = 0;
    forEachEntry([&n](const char *, auto &slot) { n += slot != nullptr; });
    return n;
}

QString VisualStylesLibraryPath()
{
    void *symbol = nullptr;
    forEachEntry([&symbol](const char *, auto &slot) {
        if (!symbol && slot)
            symbol = reinterpret_cast<void *>(slot);
    });
    Dl_info info{};
    if (!symbol || !dladdr(symbol, &info) || !info.dli_fname)
        return QString();
    return QString::fromLocal8Bit(info.dli_fname);
}

QString VisualStylesLibraryName()
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    return l.name;
}

bool SetVisualStylesLibraryName(const QString &name)
{
    Loader &l = loader();
    QMutexLocker guard(&l.lock);
    if (l.library)
        return false;
    l.name = name;
    return true;
}
