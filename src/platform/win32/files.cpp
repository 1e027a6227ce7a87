// File and directory operations.
#include <windows.h>

#include "platform/win32/unique_handles.h"
#include "platform/win32/platform.h"

namespace win32 {

std::wstring Win32Platform::DirectoryProbe(const std::wstring& path) {
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle search(::FindFirstFileExW(path.c_str(), FindExInfoBasic, &found,
                                                     FindExSearchNameMatch, nullptr, 0));
    CaptureLastError();
    return search ? std::wstring(found.cFileName) : std::wstring();
}

platform::OsHandle Win32Platform::CreateFileW(const std::wstring& path) {
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    CaptureLastError();
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

std::wstring Win32Platform::ProgramDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        CaptureLastError();
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // the path was cut; try a larger buffer
    }
    std::wstring folder = path.substr(0, path.find_last_of(L'\\'));
    if (!folder.empty() && folder.back() == L':')
        folder += L'\\';  // a drive root keeps its backslash
    return folder;
}

}  // namespace win32
