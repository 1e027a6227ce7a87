// Process operations.
#include <windows.h>

#include <vector>

#include "platform/win32/unique_handles.h"
#include "platform/win32/platform.h"

namespace win32 {

int32_t Win32Platform::CreateProcessW(const std::wstring& commandLine,
                                      const std::wstring& currentDirectory, int32_t showWindow,
                                      platform::OsHandle* process) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindow);
    PROCESS_INFORMATION started{};
    const BOOL result = ::CreateProcessW(
        nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &started);
    CaptureLastError();
    if (!result) return 0;
    const UniqueHandle thread(started.hThread);
    // The handle from the start itself: it cannot follow a reused process identifier.
    *process = started.hProcess;
    return result;
}

uint32_t Win32Platform::MsgWaitForMultipleObjectsEx(platform::OsHandle handle,
                                                    uint32_t milliseconds, uint32_t wakeMask,
                                                    uint32_t flags) {
    HANDLE handles[] = {handle};
    const DWORD woken = ::MsgWaitForMultipleObjectsEx(1, handles, milliseconds, wakeMask, flags);
    CaptureLastError();
    return woken;
}

uint32_t Win32Platform::WaitForSingleObject(platform::OsHandle handle, uint32_t milliseconds) {
    const DWORD woken = ::WaitForSingleObject(handle, milliseconds);
    CaptureLastError();
    return woken;
}

int32_t Win32Platform::GetExitCodeProcess(platform::OsHandle process, uint32_t* exitCode) {
    DWORD code = 0;
    const BOOL result = ::GetExitCodeProcess(process, &code);
    CaptureLastError();
    if (result) *exitCode = code;
    return result;
}

int32_t Win32Platform::CloseHandle(platform::OsHandle handle) {
    const LastErrorKeeper keeper;
    return ::CloseHandle(handle);
}

}  // namespace win32
