// Functions that only newer Windows versions export, looked up at run time so
// the program also starts on Windows 7.
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
