// Functions that only newer Windows versions export (GetDpiForWindow and
// AdjustWindowRectExForDpi since Windows 10 version 1607), or that Wine 8
// lacks (the private namespace functions), looked up at run time so the
// program starts wherever they are missing.
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

// A look-up typed from the SDK's own prototype of FUNCTION and named by it, so
// pointer type and name can never disagree with the function (as PuTTY's
// GET_WINDOWS_FUNCTION checks its look-ups); decltype uses no import.
#define WIN32_SYSTEM_EXPORT(module, function) \
    ::win32::SystemExport<decltype(&::function)>(module, #function)
#define WIN32_EXPORT_OF(loaded, function) \
    ::win32::ExportOf<decltype(&::function)>(loaded, #function)
