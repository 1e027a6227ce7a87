#include "platform/win32/dpi.h"

#include "platform/win32/system_export.h"
#include "platform/win32/unique_handles.h"

namespace win32 {

UINT DpiForWindow(HWND window) {
    static const auto getDpi = WIN32_SYSTEM_EXPORT(L"user32.dll", GetDpiForWindow);
    if (getDpi != nullptr) {
        const UINT dpi = getDpi(window);
        if (dpi != 0) return dpi;
    }
    const UniqueScreenDc screen = ScreenDc();
    const int dpi = screen.Get() != nullptr ? ::GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjustForDpi = WIN32_SYSTEM_EXPORT(L"user32.dll", AdjustWindowRectExForDpi);
    RECT rect{0, 0, width, height};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, exStyle, dpi))
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace win32
