// Dots per inch of a window, and the system functions that newer Windows
// versions offer, looked up at run time so the program also starts on Windows 7.
#pragma once

#include <windows.h>

namespace win32 {

// Limits DLL loading to System32, so no DLL is taken from the program's folder.
void RestrictDllSearchToSystem32();

UINT DpiForWindow(HWND window);

// The outer size of a window whose client area is width x height pixels.
SIZE WindowSizeForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace win32
