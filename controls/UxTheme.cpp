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
#define KXTHEME_DEFINE_SLOT(name, result, parameters) kxtheme::PFN_##name name = nullptr;
KXTHEME_ENTRY_POINTS(KXTHEME_DEFINE_SLOT)
#undef KXTHEME_DEFINE_SLOT
} // namespace UxTheme

namespace {

// Calls visit(name, slot) for every entry point, in resolution order.
template <class Visit>
void forEachEntry(Visit &&visit)
{
#define KXTHEME_VISIT_SLOT(name, result, parameters) visit(#name, UxTheme::name);
    KXTHEME_ENTRY_POINTS(KXTHEME_VISIT_SLOT)
#undef KXTHEME_VISIT_SLOT
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
