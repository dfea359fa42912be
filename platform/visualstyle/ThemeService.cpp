// The visual-style service: draws push-button faces in the desktop's current
// Qt style, behind the handle-and-part interface described in
// VisualStyleApi.h. Built as its own shared library and loaded by the
// controls at run time, so the program still runs (in the classic look)
// where it is missing.

#include "platform/visualstyle/VisualStyleApi.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <cwchar>
#include <cwctype>
#include <memory>
#include <mutex>
#include <map>
#include <string>
#include <type_traits>

using namespace kxtheme;

#define KX_EXPORT extern "C" __attribute__((visibility("default")))

// One open theme: the window class it was opened for. Only "BUTTON" is
// known, so the struct is small; it exists so that handles can be checked.
struct kxtheme::KxTheme {
    int classId = 0;
};

namespace {

constexpr int kButtonClass = 1;

struct ServiceState {
    std::mutex lock;
    std::map<KxTheme *, std::unique_ptr<KxTheme>> open; // freed with the library
    DWORD appProperties = STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS | STAP_ALLOW_WEBCONTENT;
    bool themingEnabled = true;
};

ServiceState &state()
{
    static ServiceState s;
    return s;
}

bool isOpen(HTHEME theme)
{
    if (!theme)
        return false;
    std::lock_guard<std::mutex> guard(state().lock);
    return state().open.find(theme) != state().open.end();
}

bool sameClassName(LPCWSTR a, const wchar_t *b)
{
    for (; *a && *b; ++a, ++b) {
        if (std::towupper(static_cast<wint_t>(*a)) != std::towupper(static_cast<wint_t>(*b)))
            return false;
    }
    return *a == *b;
}

// The class list may name several classes separated by ';'; the first one
// known wins.
int classIdFor(LPCWSTR classList)
{
    if (!classList)
        return 0;
    std::wstring list(classList);
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(L';', start);
        if (end == std::wstring::npos)
            end = list.size();
        std::wstring one = list.substr(start, end - start);
        while (!one.empty() && one.front() == L' ')
            one.erase(one.begin());
        while (!one.empty() && one.back() == L' ')
            one.pop_back();
        if (sameClassName(one.c_str(), L"BUTTON"))
            return kButtonClass;
        start = end + 1;
    }
    return 0;
}

QStyle *desktopStyle()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

QStyleOptionButton buttonOption(int stateId, const QRect &rect)
{
    QStyleOptionButton opt;
    opt.rect = rect;
    opt.palette = QApplication::palette("QPushButton");
    opt.direction = QApplication::layoutDirection();
    opt.state = QStyle::State_None;
    if (stateId != PBS_DISABLED)
        opt.state |= QStyle::State_Enabled;
    if (stateId == PBS_PRESSED)
        opt.state |= QStyle::State_Sunken | QStyle::State_On;
    else
        opt.state |= QStyle::State_Raised;
    if (stateId == PBS_HOT)
        opt.state |= QStyle::State_MouseOver;
    if (stateId == PBS_NORMAL || stateId == PBS_DEFAULTED) {
        opt.features |= QStyleOptionButton::DefaultButton;
        opt.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    }
    return opt;
}

} // namespace

KX_EXPORT BOOL IsThemeActive()
{
    return state().themingEnabled && desktopStyle() != nullptr;
}

KX_EXPORT BOOL IsAppThemed()
{
    return (state().appProperties & STAP_ALLOW_CONTROLS) != 0 && IsThemeActive();
}

KX_EXPORT DWORD GetThemeAppProperties()
{
    return state().appProperties;
}

KX_EXPORT void SetThemeAppProperties(DWORD flags)
{
    state().appProperties = flags;
}

KX_EXPORT HRESULT EnableTheming(BOOL enable)
{
    state().themingEnabled = enable != 0;
    return S_OK;
}

KX_EXPORT HTHEME OpenThemeData(HWND, LPCWSTR classList)
{
    const int id = classIdFor(classList);
    if (id == 0 || !IsThemeActive())
        return nullptr;
    auto theme = std::make_unique<KxTheme>();
    theme->classId = id;
    HTHEME handle = theme.get();
    std::lock_guard<std::mutex> guard(state().lock);
    state().open.emplace(handle, std::move(theme));
    return handle;
}

KX_EXPORT HRESULT CloseThemeData(HTHEME theme)
{
    std::lock_guard<std::mutex> guard(state().lock);
    auto it = state().open.find(theme);
    if (it == state().open.end())
        return E_HANDLE;
    state().open.erase(it);
    return S_OK;
}

KX_EXPORT BOOL IsThemePartDefined(HTHEME theme, int partId, int)
{
    return isOpen(theme) && partId == BP_PUSHBUTTON;
}

KX_EXPORT HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int partId, int stateId, const RECT *rect, const RECT *clip)
{
    if (!isOpen(theme))
        return E_HANDLE;
    QPainter *painter = PainterFromHdc(dc);
    QStyle *style = desktopStyle();
    if (!painter || !rect || partId != BP_PUSHBUTTON || stateId < PBS_PLAIN || stateId > PBS_DEFAULTED)
        return E_INVALIDARG;
    if (!style)
        return E_FAIL;
    const QRect target(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1));
    if (target.isEmpty())
        return S_OK;
    painter->save();
    if (clip)
        painter->setClipRect(QRect(QPoint(clip->left, clip->top), QPoint(clip->right - 1, clip->bottom - 1)),
                             Qt::IntersectClip);
    const QStyleOptionButton opt = buttonOption(stateId, target);
    style->drawControl(QStyle::CE_PushButtonBevel, &opt, painter, nullptr);
    painter->restore();
    return S_OK;
}

KX_EXPORT HRESULT GetCurrentThemeName(LPWSTR name, int nameChars, LPWSTR colour, int colourChars, LPWSTR size,
                                      int sizeChars)
{
    QStyle *style = desktopStyle();
    if (!style || !IsThemeActive())
        return E_FAIL;
    auto put = [](LPWSTR buffer, int chars, const QString &text) {
        if (!buffer || chars <= 0)
            return;
        const std::wstring w = text.left(chars - 1).toStdWString();
        std::wmemcpy(buffer, w.c_str(), w.size() + 1);
    };
    put(name, nameChars, style->name());
    put(colour, colourChars, QStringLiteral("Normal"));
    put(size, sizeChars, QStringLiteral("Normal"));
    return S_OK;
}

// The exported functions must keep the shapes callers resolve them with.
static_assert(std::is_same_v<decltype(&OpenThemeData), PFN_OpenThemeData>);
static_assert(std::is_same_v<decltype(&CloseThemeData), PFN_CloseThemeData>);
static_assert(std::is_same_v<decltype(&DrawThemeBackground), PFN_DrawThemeBackground>);
static_assert(std::is_same_v<decltype(&IsThemePartDefined), PFN_IsThemePartDefined>);
static_assert(std::is_same_v<decltype(&IsThemeActive), PFN_IsThemeActive>);
static_assert(std::is_same_v<decltype(&IsAppThemed), PFN_IsAppThemed>);
static_assert(std::is_same_v<decltype(&GetThemeAppProperties), PFN_GetThemeAppProperties>);
static_assert(std::is_same_v<decltype(&SetThemeAppProperties), PFN_SetThemeAppProperties>);
static_assert(std::is_same_v<decltype(&EnableTheming), PFN_EnableTheming>);
static_assert(std::is_same_v<decltype(&GetCurrentThemeName), PFN_GetCurrentThemeName>);
