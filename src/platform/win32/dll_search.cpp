#include "platform/win32/dll_search.h"

#include <windows.h>

#include "platform/win32/system_export.h"

namespace win32 {

void RestrictDllSearchToSystem32() {
    const auto setDirectories = WIN32_SYSTEM_EXPORT(L"kernel32.dll", SetDefaultDllDirectories);
    if (setDirectories != nullptr) setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace win32
