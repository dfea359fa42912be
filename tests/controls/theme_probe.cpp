// A stand-in visual-style service for the tests. It draws each push-button
// state as a flat colour, records the part and state numbers it is asked
// for, counts calls, and lets the test switch "application themed" on and
// off. Built twice: complete, and with KX_PARTIAL missing IsThemeActive and
// DrawThemeBackground, like a service from an older desktop.

#include "platform/visualstyle/VisualStyleApi.h"

#include <QColor>
#include <QPainter>

#include <string>
#include <vector>

using namespace kxtheme;

#define KX_EXPORT extern "C" __attribute__((visibility("default")))

struct kxtheme::KxTheme {
    int tag;
};

namespace {
KxTheme g_button{1};
int g_appThemed = 1;
int g_themeActiveCalls = 0;
int g_openHandles = 0;
std::vector<int> g_log; // part * 100 + state of every DrawThemeBackground
} // namespace

// The colour the probe fills for each state.
KX_EXPORT std::uint32_t ProbeStateColor(int state)
{
    static const std::uint32_t colours[] = {0xff2040a0, 0xff20a040, 0xffa0a020, 0xffa02020, 0xff606060, 0xff20a0a0};
    return state >= 0 && state <= 5 ? colours[state] : 0xff000000;
}
KX_EXPORT void ProbeSetAppThemed(int themed)
{
    g_appThemed = themed;
}
KX_EXPORT int ProbeThemeActiveCalls()
{
    return g_themeActiveCalls;
}
KX_EXPORT int ProbeOpenHandles()
{
    return g_openHandles;
}
KX_EXPORT void ProbeResetLog()
{
    g_log.clear();
}
KX_EXPORT int ProbeLogCount()
{
    return static_cast<int>(g_log.size());
}
KX_EXPORT int ProbeLogEntry(int i)
{
    return i >= 0 && i < static_cast<int>(g_log.size()) ? g_log[i] : -1;
}

KX_EXPORT BOOL IsAppThemed()
{
    return g_appThemed;
}

KX_EXPORT HTHEME OpenThemeData(HWND, LPCWSTR classList)
{
    if (!classList || std::wstring(classList) != L"BUTTON")
        return nullptr;
    ++g_openHandles;
    return &g_button;
}

KX_EXPORT HRESULT CloseThemeData(HTHEME theme)
{
    if (theme != &g_button || g_openHandles == 0)
        return E_HANDLE;
    --g_openHandles;
    return S_OK;
}

#ifndef KX_PARTIAL
KX_EXPORT BOOL IsThemeActive()
{
    ++g_themeActiveCalls;
    return 1;
}

KX_EXPORT HRESULT DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const RECT *rect, const RECT *)
{
    if (theme != &g_button || !rect)
        return E_HANDLE;
    g_log.push_back(part * 100 + state);
    PainterFromHdc(dc)->fillRect(QRect(QPoint(rect->left, rect->top), QPoint(rect->right - 1, rect->bottom - 1)),
                                 QColor::fromRgba(ProbeStateColor(state)));
    return S_OK;
}
#endif
