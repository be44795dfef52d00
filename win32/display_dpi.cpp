#include "win32/display_dpi.h"

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

struct DpiFunctions {
    GetDpiForWindowFunction getDpiForWindow;
    GetDpiForSystemFunction getDpiForSystem;
    GetSystemMetricsForDpiFunction getSystemMetricsForDpi;
    AdjustWindowRectExForDpiFunction adjustWindowRectExForDpi;
};

DpiFunctions functions;
bool lookedUp = false;

// Through the generic function type, which converts to any other.
template <typename Function> Function find(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const DpiFunctions& dpiFunctions()
{
    if (!lookedUp) {
        HMODULE user32 = GetModuleHandleW(L"user32.dll");
        if (user32) {
            functions.getDpiForWindow = find<GetDpiForWindowFunction>(user32, "GetDpiForWindow");
            functions.getDpiForSystem = find<GetDpiForSystemFunction>(user32, "GetDpiForSystem");
            functions.getSystemMetricsForDpi = find<GetSystemMetricsForDpiFunction>(user32, "GetSystemMetricsForDpi");
            functions.adjustWindowRectExForDpi =
                find<AdjustWindowRectExForDpiFunction>(user32, "AdjustWindowRectExForDpi");
        }
        lookedUp = true;
    }
    return functions;
}

}  // namespace

int windowDpi(HWND window)
{
    const DpiFunctions& f = dpiFunctions();
    int dpi = f.getDpiForWindow ? static_cast<int>(f.getDpiForWindow(window)) : 0;
    if (dpi <= 0) {
        HDC dc = GetDC(window);
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
    }
    return dpi > 0 ? dpi : kBaseDpi;
}

BoardFrame frameForDpi(HWND window, int dpi)
{
    const DpiFunctions& f = dpiFunctions();
    RECT outer = {0, 0, 0, 0};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    if (f.adjustWindowRectExForDpi && f.adjustWindowRectExForDpi(&outer, style, FALSE, exStyle, dpi))
        return {-outer.left, -outer.top};
    return {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)};
}

int smallIconSizeFor(HWND window)
{
    const DpiFunctions& f = dpiFunctions();
    if (window && f.getDpiForWindow && f.getSystemMetricsForDpi)
        return f.getSystemMetricsForDpi(SM_CXSMICON, f.getDpiForWindow(window));
    return GetSystemMetrics(SM_CXSMICON);
}

int systemDpi()
{
    const DpiFunctions& f = dpiFunctions();
    int dpi = f.getDpiForSystem ? static_cast<int>(f.getDpiForSystem()) : 0;
    if (dpi <= 0) {
        HDC dc = GetDC(nullptr);
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(nullptr, dc);
    }
    return dpi > 0 ? dpi : kBaseDpi;
}

BoardFrame systemFrame()
{
    const DpiFunctions& f = dpiFunctions();
    if (f.getSystemMetricsForDpi) {
        const UINT dpi = static_cast<UINT>(systemDpi());
        return {f.getSystemMetricsForDpi(SM_CXDLGFRAME, dpi), f.getSystemMetricsForDpi(SM_CYDLGFRAME, dpi)};
    }
    return {GetSystemMetrics(SM_CXDLGFRAME), GetSystemMetrics(SM_CYDLGFRAME)};
}
