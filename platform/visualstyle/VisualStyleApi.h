#pragma once
// The calling convention of the visual-style service (libkalvixtheme.so).
//
// The service is loaded at run time and its functions are looked up by name,
// so this header declares no functions: only the types of its interface and
// one function-pointer type per entry point. The shapes follow the classic
// desktop visual-styles interface (theme handles per window class, drawing
// by part and state numbers) so callers written against that interface read
// the same; every type is our own and lives in namespace kxtheme.
//
// A device context (HDC) is a QPainter in disguise: the caller owns the
// painter and passes it with HdcFromPainter(); the service draws through it.

#include <cstdint>

class QPainter;

namespace kxtheme {

typedef std::int32_t BOOL;
typedef std::int32_t HRESULT;
typedef std::uint32_t DWORD;
typedef std::uint32_t UINT;
typedef std::uint16_t WORD;
typedef std::uint32_t COLORREF; // 0x00BBGGRR
typedef const wchar_t *LPCWSTR;
typedef wchar_t *LPWSTR;

typedef struct KxTheme *HTHEME;      // opened by OpenThemeData, owned by the service
typedef struct KxWindow *HWND;       // opaque; the service does not look at it
typedef struct KxDeviceContext *HDC; // a QPainter *, see HdcFromPainter()
typedef struct KxRegion *HRGN;
typedef struct KxBrush *HBRUSH;
typedef struct KxImageList *HIMAGELIST;
struct TEXTMETRICW; // never filled by this service
struct LOGFONTW;    // never filled by this service

struct RECT {
    std::int32_t left, top, right, bottom;
};
struct SIZE {
    std::int32_t cx, cy;
};
struct POINT {
    std::int32_t x, y;
};
struct MARGINS {
    int cxLeftWidth, cxRightWidth, cyTopHeight, cyBottomHeight;
};
struct INTLIST {
    int iValueCount;
    int iValues[402];
};

enum THEMESIZE { TS_MIN, TS_TRUE, TS_DRAW };
enum PROPERTYORIGIN { PO_STATE, PO_PART, PO_CLASS, PO_GLOBAL, PO_NOTFOUND };

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
constexpr HRESULT E_HANDLE = static_cast<HRESULT>(0x80070006u);
constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);

// Theme application properties (SetThemeAppProperties).
constexpr DWORD STAP_ALLOW_NONCLIENT = 1;
constexpr DWORD STAP_ALLOW_CONTROLS = 2;
constexpr DWORD STAP_ALLOW_WEBCONTENT = 4;

// Class "BUTTON": the push-button part and the state numbers this service
// draws for it.
constexpr int BP_PUSHBUTTON = 1;
constexpr int PBS_PLAIN = 0;  // normal face
constexpr int PBS_NORMAL = 1; // face of the focused or default button
constexpr int PBS_HOT = 2;    // pointer over it
constexpr int PBS_PRESSED = 3;
constexpr int PBS_DISABLED = 4;
constexpr int PBS_DEFAULTED = 5; // drawn like PBS_NORMAL

inline HDC HdcFromPainter(QPainter *painter)
{
    return reinterpret_cast<HDC>(painter);
}
inline QPainter *PainterFromHdc(HDC dc)
{
    return reinterpret_cast<QPainter *>(dc);
}

// Every entry point of the service, in the order the controls resolve them:
// X(name, return type, (parameter types)). This one list gives the
// function-pointer types below, the controls' slots and the names they are
// resolved by (controls/UxTheme.*).
#define KXTHEME_ENTRY_POINTS(X) \
    X(OpenThemeData, HTHEME, (HWND, LPCWSTR)) \
    X(CloseThemeData, HRESULT, (HTHEME)) \
    X(DrawThemeBackground, HRESULT, (HTHEME, HDC, int, int, const RECT *, const RECT *)) \
    X(DrawThemeText, HRESULT, (HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT *)) \
    X(GetThemeBackgroundContentRect, HRESULT, (HTHEME, HDC, int, int, const RECT *, RECT *)) \
    X(GetThemePartSize, HRESULT, (HTHEME, HDC, int, int, const RECT *, THEMESIZE, SIZE *)) \
    X(GetThemeTextExtent, HRESULT, (HTHEME, HDC, int, int, LPCWSTR, int, DWORD, const RECT *, RECT *)) \
    X(GetThemeTextMetrics, HRESULT, (HTHEME, HDC, int, int, TEXTMETRICW *)) \
    X(GetThemeBackgroundRegion, HRESULT, (HTHEME, HDC, int, int, const RECT *, HRGN *)) \
    X(HitTestThemeBackground, HRESULT, (HTHEME, HDC, int, int, DWORD, const RECT *, HRGN, POINT, WORD *)) \
    X(DrawThemeEdge, HRESULT, (HTHEME, HDC, int, int, const RECT *, UINT, UINT, RECT *)) \
    X(DrawThemeIcon, HRESULT, (HTHEME, HDC, int, int, const RECT *, HIMAGELIST, int)) \
    X(IsThemePartDefined, BOOL, (HTHEME, int, int)) \
    X(IsThemeBackgroundPartiallyTransparent, BOOL, (HTHEME, int, int)) \
    X(GetThemeColor, HRESULT, (HTHEME, int, int, int, COLORREF *)) \
    X(GetThemeMetric, HRESULT, (HTHEME, HDC, int, int, int, int *)) \
    X(GetThemeString, HRESULT, (HTHEME, int, int, int, LPWSTR, int)) \
    X(GetThemeBool, HRESULT, (HTHEME, int, int, int, BOOL *)) \
    X(GetThemeInt, HRESULT, (HTHEME, int, int, int, int *)) \
    X(GetThemeEnumValue, HRESULT, (HTHEME, int, int, int, int *)) \
    X(GetThemePosition, HRESULT, (HTHEME, int, int, int, POINT *)) \
    X(GetThemeFont, HRESULT, (HTHEME, HDC, int, int, int, LOGFONTW *)) \
    X(GetThemeRect, HRESULT, (HTHEME, int, int, int, RECT *)) \
    X(GetThemeMargins, HRESULT, (HTHEME, HDC, int, int, int, RECT *, MARGINS *)) \
    X(GetThemeIntList, HRESULT, (HTHEME, int, int, int, INTLIST *)) \
    X(GetThemePropertyOrigin, HRESULT, (HTHEME, int, int, int, PROPERTYORIGIN *)) \
    X(SetWindowTheme, HRESULT, (HWND, LPCWSTR, LPCWSTR)) \
    X(GetThemeFilename, HRESULT, (HTHEME, int, int, int, LPWSTR, int)) \
    X(GetThemeSysColor, COLORREF, (HTHEME, int)) \
    X(GetThemeSysColorBrush, HBRUSH, (HTHEME, int)) \
    X(GetThemeSysBool, BOOL, (HTHEME, int)) \
    X(GetThemeSysSize, int, (HTHEME, int)) \
    X(GetThemeSysFont, HRESULT, (HTHEME, int, LOGFONTW *)) \
    X(GetThemeSysString, HRESULT, (HTHEME, int, LPWSTR, int)) \
    X(GetThemeSysInt, HRESULT, (HTHEME, int, int *)) \
    X(IsThemeActive, BOOL, ()) \
    X(IsAppThemed, BOOL, ()) \
    X(GetWindowTheme, HTHEME, (HWND)) \
    X(EnableThemeDialogTexture, HRESULT, (HWND, DWORD)) \
    X(IsThemeDialogTextureEnabled, BOOL, (HWND)) \
    X(GetThemeAppProperties, DWORD, ()) \
    X(SetThemeAppProperties, void, (DWORD)) \
    X(GetCurrentThemeName, HRESULT, (LPWSTR, int, LPWSTR, int, LPWSTR, int)) \
    X(GetThemeDocumentationProperty, HRESULT, (LPCWSTR, LPCWSTR, LPWSTR, int)) \
    X(DrawThemeParentBackground, HRESULT, (HWND, HDC, RECT *)) \
    X(EnableTheming, HRESULT, (BOOL))

extern "C" {
// PFN_OpenThemeData, PFN_CloseThemeData, ...: the type of each entry point.
#define KXTHEME_DECLARE_PFN(name, result, parameters) typedef result(*PFN_##name) parameters;
KXTHEME_ENTRY_POINTS(KXTHEME_DECLARE_PFN)
#undef KXTHEME_DECLARE_PFN
}

} // namespace kxtheme
