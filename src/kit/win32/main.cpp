// mariadb-kit.exe: the administrators' kit's work, started by the templates
// silent-install2.bat ("install") and silent-uninstall.bat ("remove").
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "kit/exit_codes.h"
#include "kit/kit_main.h"
#include "kit/win32/win32_kit_platform.h"
#include "version.h"

int wmain(int argc, wchar_t** argv) {
    // First of all: every DLL loaded from now on comes from System32 alone.
    ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        kit::win32::Win32KitPlatform platform;
        const std::vector<std::wstring> arguments(argv + 1, argv + argc);
        return static_cast<int>(kit::RunKit(arguments, platform, L"" INSTALLER_VERSION_TEXT));
    } catch (const std::exception&) {
        return static_cast<int>(kit::code::kInternalFailure);
    }
}
