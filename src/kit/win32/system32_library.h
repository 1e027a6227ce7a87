// A DLL that Windows does not load from System32 whatever lies beside the kit
// (msi, iphlpapi, bcrypt are no KnownDLLs): loaded at run time from System32
// alone, its functions looked up typed from the SDK's prototypes.
#pragma once

#include <windows.h>

#include "platform/win32/system_export.h"
#include "platform/win32/unique_handles.h"

namespace kit::win32 {

class System32Library {
  public:
    explicit System32Library(const wchar_t* name)
        : module_(::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)),
          error_(module_ ? ERROR_SUCCESS : ::GetLastError()) {}
    HMODULE Get() const { return module_.Get(); }
    // Why it could not be loaded; 0 when it was.
    DWORD Error() const { return error_; }

  private:
    ::win32::UniqueModule module_;
    DWORD error_;
};

}  // namespace kit::win32

// FUNCTION of a System32Library, null where it or the library is missing.
#define SYSTEM32_EXPORT(library, function)                                      \
    ((library).Get() != nullptr                                                 \
         ? ::win32::ExportOf<decltype(&::function)>((library).Get(), #function) \
         : nullptr)
