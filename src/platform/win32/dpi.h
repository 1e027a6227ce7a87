// Dots per inch of a window, and window sizes at a given DPI, with the newer
// system functions where Windows offers them.
#pragma once

#include <windows.h>

namespace win32 {

UINT DpiForWindow(HWND window);

// The outer size of a window whose client area is width x height pixels.
SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace win32
