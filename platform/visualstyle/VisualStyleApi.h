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

typedef struct KxTheme *HTHEME;          // opened by OpenThemeData, owned by the service
typedef struct KxWindow *HWND;           // opaque; the service does not look at it
typedef struct KxDeviceContext *HDC;     // a QPainter *, see HdcFromPainter()
typedef struct KxRegion *HRGN;
typedef struct KxBrush *HBRUSH;
typedef struct KxImageList *HIMAGELIST;
struct TEXTMETRICW;                      // never filled by this service
struct LOGFONTW;                         // never filled by this service

struct RECT { std::int32_t left, top, right, bottom; };
struct SIZE { std::int32_t cx, cy; };
struct POINT { std::int32_t x, y; };
struct MARGINS { int cxLeftWidth, cxRightWidth, cyTopHeight, cyBottomHeight; };
struct INTLIST { int iValueCount; int iValues[402]; };

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
constexpr int PBS_PLAIN = 0;     // normal face
constexpr int PBS_NORMAL = 1;    // face of the focused or default button
constexpr int PBS_HOT = 2;       // pointer over it
constexpr int PBS_PRESSED = 3;
constexpr int PBS_DISABLED = 4;
constexpr int PBS_DEFAULTED = 5; // drawn like PBS_NORMAL

inline HDC HdcFromPainter(QPainter *painter) { return reinterpret_cast<HDC>(painter); }
inline QPainter *PainterFromHdc(HDC dc) { return reinterpret_cast<QPainter *>(dc); }

extern "C" {
typedef HTHEME (*PFN_OpenThemeData)(HWND, LPCWSTR);
typedef HRESULT (*PFN_CloseThemeData)(HTHEME);
typedef HRESULT (*PFN_DrawThemeBackground)(HTHEME, HDC, int, int, const RECT *, const RECT *);
typedef HRESULT (*PFN_DrawThemeText)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT *);
typedef HRESULT (*PFN_GetThemeBackgroundContentRect)(HTHEME, HDC, int, int, const RECT *, RECT *);
typedef HRESULT (*PFN_GetThemePartSize)(HTHEME, HDC, int, int, const RECT *, THEMESIZE, SIZE *);
typedef HRESULT (*PFN_GetThemeTextExtent)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, const RECT *, RECT *);
typedef HRESULT (*PFN_GetThemeTextMetrics)(HTHEME, HDC, int, int, TEXTMETRICW *);
typedef HRESULT (*PFN_GetThemeBackgroundRegion)(HTHEME, HDC, int, int, const RECT *, HRGN *);
typedef HRESULT (*PFN_HitTestThemeBackground)(HTHEME, HDC, int, int, DWORD, const RECT *, HRGN, POINT, WORD *);
typedef HRESULT (*PFN_DrawThemeEdge)(HTHEME, HDC, int, int, const RECT *, UINT, UINT, RECT *);
typedef HRESULT (*PFN_DrawThemeIcon)(HTHEME, HDC, int, int, const RECT *, HIMAGELIST, int);
typedef BOOL (*PFN_IsThemePartDefined)(HTHEME, int, int);
typedef BOOL (*PFN_IsThemeBackgroundPartiallyTransparent)(HTHEME, int, int);
typedef HRESULT (*PFN_GetThemeColor)(HTHEME, int, int, int, COLORREF *);
typedef HRESULT (*PFN_GetThemeMetric)(HTHEME, HDC, int, int, int, int *);
typedef HRESULT (*PFN_GetThemeString)(HTHEME, int, int, int, LPWSTR, int);
typedef HRESULT (*PFN_GetThemeBool)(HTHEME, int, int, int, BOOL *);
typedef HRESULT (*PFN_GetThemeInt)(HTHEME, int, int, int, int *);
typedef HRESULT (*PFN_GetThemeEnumValue)(HTHEME, int, int, int, int *);
typedef HRESULT (*PFN_GetThemePosition)(HTHEME, int, int, int, POINT *);
typedef HRESULT (*PFN_GetThemeFont)(HTHEME, HDC, int, int, int, LOGFONTW *);
typedef HRESULT (*PFN_GetThemeRect)(HTHEME, int, int, int, RECT *);
typedef HRESULT (*PFN_GetThemeMargins)(HTHEME, HDC, int, int, int, RECT *, MARGINS *);
typedef HRESULT (*PFN_GetThemeIntList)(HTHEME, int, int, int, INTLIST *);
typedef HRESULT (*PFN_GetThemePropertyOrigin)(HTHEME, int, int, int, PROPERTYORIGIN *);
typedef HRESULT (*PFN_SetWindowTheme)(HWND, LPCWSTR, LPCWSTR);
typedef HRESULT (*PFN_GetThemeFilename)(HTHEME, int, int, int, LPWSTR, int);
typedef COLORREF (*PFN_GetThemeSysColor)(HTHEME, int);
typedef HBRUSH (*PFN_GetThemeSysColorBrush)(HTHEME, int);
typedef BOOL (*PFN_GetThemeSysBool)(HTHEME, int);
typedef int (*PFN_GetThemeSysSize)(HTHEME, int);
typedef HRESULT (*PFN_GetThemeSysFont)(HTHEME, int, LOGFONTW *);
typedef HRESULT (*PFN_GetThemeSysString)(HTHEME, int, LPWSTR, int);
typedef HRESULT (*PFN_GetThemeSysInt)(HTHEME, int, int *);
typedef BOOL (*PFN_IsThemeActive)();
typedef BOOL (*PFN_IsAppThemed)();
typedef HTHEME (*PFN_GetWindowTheme)(HWND);
typedef HRESULT (*PFN_EnableThemeDialogTexture)(HWND, DWORD);
typedef BOOL (*PFN_IsThemeDialogTextureEnabled)(HWND);
typedef DWORD (*PFN_GetThemeAppProperties)();
typedef void (*PFN_SetThemeAppProperties)(DWORD);
typedef HRESULT (*PFN_GetCurrentThemeName)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
typedef HRESULT (*PFN_GetThemeDocumentationProperty)(LPCWSTR, LPCWSTR, LPWSTR, int);
typedef HRESULT (*PFN_DrawThemeParentBackground)(HWND, HDC, RECT *);
typedef HRESULT (*PFN_EnableTheming)(BOOL);
}

} // namespace kxtheme
