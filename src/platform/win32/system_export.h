// Functions that only newer Windows versions export (GetDpiForWindow and
// AdjustWindowRectExForDpi since Windows 10 version 1607), looked up at run
// time so the program also starts on the first releases of Windows 10.
#pragma once

#include <windows.h>

namespace win32 {

// The export name of a loaded module; null where it is missing.
template <typename Function>
Function ExportOf(HMODULE module, const char* name) {
    // Casting through void (*)() is the accepted way between function pointer types.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

// The export name of an already loaded system DLL; null where it is missing.
template <typename Function>
Function SystemExport(const wchar_t* module, const char* name) {
    const HMODULE loaded = ::GetModuleHandleW(module);
    return loaded != nullptr ? ExportOf<Function>(loaded, name) : nullptr;
}

}  // namespace win32
