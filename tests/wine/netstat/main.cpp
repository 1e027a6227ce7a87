// Stands in for netstat.exe in the Wine suite, whose netstat lists no sockets:
// it writes the bytes of netstat.txt beside itself to stdout, as they are (a
// scenario writes them in the console's code page), whatever it is asked.
#include <windows.h>

#include <string>

#include "platform/win32/unique_handles.h"

int wmain() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length < 4 || length >= MAX_PATH) return 1;
    const std::wstring listing = std::wstring(path, length - 3) + L"txt";
    const win32::UniqueFileHandle file(::CreateFileW(listing.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                     nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return 1;
    char buffer[4096];
    DWORD read = 0;
    DWORD written = 0;
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        ::WriteFile(out, buffer, read, &written, nullptr);
    return 0;
}
