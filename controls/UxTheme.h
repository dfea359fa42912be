#pragma once
// The one gateway to the visual-style service library.
//
// The library is optional: it is loaded at run time by its plain name
// ("kalvixtheme", i.e. libkalvixtheme.so) through the ordinary library
// search, and the program's own folder is on that search path (see
// OpenServiceLibrary in UxTheme.cpp). Loading is reference counted; the entry
// points below are resolved by name when the library is loaded and are all
// null while it is not. Callers take a reference with LoadVisualStyles()
// before they use a slot, and ask VisualStylesActive() every time they choose
// between themed and classic drawing.

#include "platform/visualstyle/VisualStyleApi.h"

#include <QString>

namespace UxTheme {

// Entry-point slots, one per entry of KXTHEME_ENTRY_POINTS and named like
// it (UxTheme::OpenThemeData, ...), resolved in that order. Null when the
// library is not loaded or does not export the name.
#define KXTHEME_DECLARE_SLOT(name, result, parameters) extern kxtheme::PFN_##name name;
KXTHEME_ENTRY_POINTS(KXTHEME_DECLARE_SLOT)
#undef KXTHEME_DECLARE_SLOT

} // namespace UxTheme

// Takes one reference (also when loading fails) and loads the library if it
// is not loaded. True when the library is loaded after the call.
bool LoadVisualStyles();

// Drops one reference (never below 0); the last one unloads the library and
// clears every slot.
void UnloadVisualStyles();

// True when controls are to draw themed right now. Asks the library afresh on
// every call, so it follows the desktop being switched while we run. False
// when the library is absent or lacks IsAppThemed or IsThemeActive.
bool VisualStylesActive();

// Drops every reference still held, so the library is unloaded once, at the
// last step. Runs by itself at program exit.
void ReleaseVisualStyles();

// State for diagnostics and tests.
int VisualStylesReferenceCount();
bool VisualStylesLoaded();
int VisualStylesResolvedSlots();
QString VisualStylesLibraryPath(); // file actually loaded, empty when none

// The library's plain name, "kalvixtheme" unless changed. Changing it is
// refused (false) while the library is loaded.
QString VisualStylesLibraryName();
bool SetVisualStylesLibraryName(const QString &name);
