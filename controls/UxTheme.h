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

// Entry-point slots, in the order they are resolved. Null when the library
// is not loaded or does not export the name.
extern kxtheme::PFN_OpenThemeData OpenThemeData;
extern kxtheme::PFN_CloseThemeData CloseThemeData;
extern kxtheme::PFN_DrawThemeBackground DrawThemeBackground;
extern kxtheme::PFN_DrawThemeText DrawThemeText;
extern kxtheme::PFN_GetThemeBackgroundContentRect GetThemeBackgroundContentRect;
extern kxtheme::PFN_GetThemePartSize GetThemePartSize;
extern kxtheme::PFN_GetThemeTextExtent GetThemeTextExtent;
extern kxtheme::PFN_GetThemeTextMetrics GetThemeTextMetrics;
extern kxtheme::PFN_GetThemeBackgroundRegion GetThemeBackgroundRegion;
extern kxtheme::PFN_HitTestThemeBackground HitTestThemeBackground;
extern kxtheme::PFN_DrawThemeEdge DrawThemeEdge;
extern kxtheme::PFN_DrawThemeIcon DrawThemeIcon;
extern kxtheme::PFN_IsThemePartDefined IsThemePartDefined;
extern kxtheme::PFN_IsThemeBackgroundPartiallyTransparent IsThemeBackgroundPartiallyTransparent;
extern kxtheme::PFN_GetThemeColor GetThemeColor;
extern kxtheme::PFN_GetThemeMetric GetThemeMetric;
extern kxtheme::PFN_GetThemeString GetThemeString;
extern kxtheme::PFN_GetThemeBool GetThemeBool;
extern kxtheme::PFN_GetThemeInt GetThemeInt;
extern kxtheme::PFN_GetThemeEnumValue GetThemeEnumValue;
extern kxtheme::PFN_GetThemePosition GetThemePosition;
extern kxtheme::PFN_GetThemeFont GetThemeFont;
extern kxtheme::PFN_GetThemeRect GetThemeRect;
extern kxtheme::PFN_GetThemeMargins GetThemeMargins;
extern kxtheme::PFN_GetThemeIntList GetThemeIntList;
extern kxtheme::PFN_GetThemePropertyOrigin GetThemePropertyOrigin;
extern kxtheme::PFN_SetWindowTheme SetWindowTheme;
extern kxtheme::PFN_GetThemeFilename GetThemeFilename;
extern kxtheme::PFN_GetThemeSysColor GetThemeSysColor;
extern kxtheme::PFN_GetThemeSysColorBrush GetThemeSysColorBrush;
extern kxtheme::PFN_GetThemeSysBool GetThemeSysBool;
extern kxtheme::PFN_GetThemeSysSize GetThemeSysSize;
extern kxtheme::PFN_GetThemeSysFont GetThemeSysFont;
extern kxtheme::PFN_GetThemeSysString GetThemeSysString;
extern kxtheme::PFN_GetThemeSysInt GetThemeSysInt;
extern kxtheme::PFN_IsThemeActive IsThemeActive;
extern kxtheme::PFN_IsAppThemed IsAppThemed;
extern kxtheme::PFN_GetWindowTheme GetWindowTheme;
extern kxtheme::PFN_EnableThemeDialogTexture EnableThemeDialogTexture;
extern kxtheme::PFN_IsThemeDialogTextureEnabled IsThemeDialogTextureEnabled;
extern kxtheme::PFN_GetThemeAppProperties GetThemeAppProperties;
extern kxtheme::PFN_SetThemeAppProperties SetThemeAppProperties;
extern kxtheme::PFN_GetCurrentThemeName GetCurrentThemeName;
extern kxtheme::PFN_GetThemeDocumentationProperty GetThemeDocumentationProperty;
extern kxtheme::PFN_DrawThemeParentBackground DrawThemeParentBackground;
extern kxtheme::PFN_EnableTheming EnableTheming;

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
