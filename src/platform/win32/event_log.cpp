// The run's event in the Application log, and the registration of its source.
#include <windows.h>

#include <vector>

#include "platform/win32/platform.h"
#include "platform/win32/unique_handles.h"

namespace win32 {
namespace {

constexpr wchar_t kSource[] = L"MariaDB-Installer";
constexpr wchar_t kSourceKey[] =
    L"SYSTEM\\CurrentControlSet\\Services\\EventLog\\Application\\MariaDB-Installer";

bool Runs64BitWindows() {
#ifdef _WIN64
    return true;
#else
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
#endif
}

// The message file .NET's EventLog registers: "%1" for every event ID. The
// 64-bit framework's on 64-bit Windows, also for the 32-bit program.
const wchar_t* MessageFile() {
    return Runs64BitWindows()
               ? L"%SystemRoot%\\Microsoft.NET\\Framework64\\v4.0.30319\\EventLogMessages.dll"
               : L"%SystemRoot%\\Microsoft.NET\\Framework\\v4.0.30319\\EventLogMessages.dll";
}

bool FileExists(const wchar_t* unexpanded) {
    std::vector<wchar_t> path(MAX_PATH * 2);
    const DWORD length =
        ::ExpandEnvironmentStringsW(unexpanded, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length > path.size()) return false;
    const DWORD attributes = ::GetFileAttributesW(path.data());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// As PowerShell's New-EventLog and .NET's EventLog do it, where the source has
// no key yet and the message file is there; an existing key is never changed,
// and a key that could not be completed is taken away again.
void RegisterSourceOnce() {
    constexpr REGSAM kView = KEY_WOW64_64KEY;
    HKEY opened = nullptr;
    const LSTATUS found =
        ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kSourceKey, 0, KEY_QUERY_VALUE | kView, &opened);
    const UniqueRegistryKey existing(found == ERROR_SUCCESS ? opened : nullptr);
    if (found != ERROR_FILE_NOT_FOUND || !FileExists(MessageFile())) return;
    HKEY created = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSourceKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_SET_VALUE | kView, nullptr, &created, &disposition) != ERROR_SUCCESS)
        return;
    const UniqueRegistryKey key(created);
    if (disposition != REG_CREATED_NEW_KEY) return;  // made meanwhile by somebody else
    const std::wstring file = MessageFile();
    const auto bytes = static_cast<DWORD>((file.size() + 1) * sizeof(wchar_t));
    if (::RegSetValueExW(key.Get(), L"EventMessageFile", 0, REG_EXPAND_SZ,
                         reinterpret_cast<const BYTE*>(file.c_str()), bytes) != ERROR_SUCCESS)
        ::RegDeleteKeyExW(HKEY_LOCAL_MACHINE, kSourceKey, kView, 0);
}

WORD SystemType(platform::EventType type) {
    switch (type) {
        case platform::EventType::Information:
            return EVENTLOG_INFORMATION_TYPE;
        case platform::EventType::Warning:
            return EVENTLOG_WARNING_TYPE;
        case platform::EventType::Error:
            break;
    }
    return EVENTLOG_ERROR_TYPE;
}

}  // namespace

// Registering and reporting may fail (no administrator rights, the event log
// service stopped): the run goes on as if the event had been written.
void Win32Platform::WriteEvent(platform::EventType type, uint32_t eventId,
                               const std::wstring& text) noexcept {
    const LastErrorKeeper keeper;
    RegisterSourceOnce();
    const UniqueEventSource source(::RegisterEventSourceW(nullptr, kSource));
    if (!source) return;
    const wchar_t* strings[] = {text.c_str()};
    ::ReportEventW(source.Get(), SystemType(type), 0, eventId, nullptr, 1, 0, strings, nullptr);
}

}  // namespace win32
