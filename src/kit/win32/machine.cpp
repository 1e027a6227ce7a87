#include <winsock2.h>
#include <windows.h>

#include <iphlpapi.h>

#include "kit/utf8.h"
#include "kit/win32/win32_kit_platform.h"
#include "platform/win32/unique_handles.h"

namespace kit::win32 {
namespace {

using ::win32::UniqueHandle;
using ::win32::UniqueRegistryKey;
using ::win32::UniqueServiceHandle;

constexpr ULONG kIpv4 = 2;   // AF_INET
constexpr ULONG kIpv6 = 23;  // AF_INET6

// A folder that a Windows function writes into a buffer of MAX_PATH.
template <typename Function>
std::wstring Folder(Function function) {
    wchar_t path[MAX_PATH];
    const UINT length = function(path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

// The port of a table row, kept in network byte order in its low 16 bits.
uint32_t Port(DWORD stored) { return ((stored & 0xFF) << 8) | ((stored >> 8) & 0xFF); }

template <typename Table>
void AddListeners(const std::string& buffer, ListenerList& list) {
    const auto* table = reinterpret_cast<const Table*>(buffer.data());
    for (DWORD i = 0; i < table->dwNumEntries; ++i)
        list.listeners.push_back({Port(table->table[i].dwLocalPort), table->table[i].dwOwningPid});
}

// The config's program, and whether the service waits for its deletion (a
// change that changes nothing is refused then).
ServiceFacts Facts(SC_HANDLE service) {
    ServiceFacts facts;
    DWORD needed = 0;
    ::QueryServiceConfigW(service, nullptr, 0, &needed);
    std::string buffer(needed, '\0');
    if (needed > 0 &&
        ::QueryServiceConfigW(service, reinterpret_cast<QUERY_SERVICE_CONFIGW*>(&buffer[0]), needed,
                              &needed)) {
        const wchar_t* program =
            reinterpret_cast<QUERY_SERVICE_CONFIGW*>(&buffer[0])->lpBinaryPathName;
        facts.program = program != nullptr ? program : L"";
    }
    if (!::ChangeServiceConfigW(service, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
                                nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr))
        facts.markedForDeletion = ::GetLastError() == ERROR_SERVICE_MARKED_FOR_DELETE;
    return facts;
}

}  // namespace

std::wstring Win32KitPlatform::ProgramFolder() {
    wchar_t path[32768];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, 32768);
    std::wstring folder(path, length < 32768 ? length : 0);
    const std::size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? folder : folder.substr(0, slash);
}

std::wstring Win32KitPlatform::ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    return ::GetComputerNameW(name, &length) ? std::wstring(name, length) : L"unbekannt";
}

std::wstring Win32KitPlatform::UserName() {
    wchar_t name[257];
    DWORD length = 257;
    return ::GetUserNameW(name, &length) ? std::wstring(name) : L"unbekannt";
}

std::wstring Win32KitPlatform::WindowsFolder() { return Folder(&::GetSystemWindowsDirectoryW); }

std::wstring Win32KitPlatform::SystemFolder() { return Folder(&::GetSystemDirectoryW); }

// The native Program Files, also for the 32-bit kit on 64-bit Windows.
std::wstring Win32KitPlatform::ProgramFilesFolder() {
    return MachineString(true, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir")
        .value_or(L"C:\\Program Files");
}

std::optional<std::wstring> Win32KitPlatform::MachineString(bool view64, const std::wstring& key,
                                                            const std::wstring& value) {
    HKEY opened = nullptr;
    const REGSAM view = view64 ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_QUERY_VALUE | view, &opened) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const UniqueRegistryKey owned(opened);
    wchar_t text[1024];
    DWORD type = 0;
    DWORD bytes = sizeof text - sizeof(wchar_t);
    if (::RegQueryValueExW(owned.Get(), value.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(text), &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    text[bytes / sizeof(wchar_t)] = L'\0';
    return std::wstring(text);
}

ServiceFacts Win32KitPlatform::Service(const std::wstring& name) {
    const UniqueServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) return {::GetLastError(), false, {}};
    const UniqueServiceHandle service(
        ::OpenServiceW(manager.Get(), name.c_str(), SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG));
    if (!service) return {::GetLastError(), false, {}};
    return Facts(service.Get());
}

ListenerList Win32KitPlatform::TcpListeners() {
    const auto table = SYSTEM32_EXPORT(iphlpapi_, GetExtendedTcpTable);
    if (table == nullptr)
        return {iphlpapi_.Error() != 0 ? iphlpapi_.Error() : ERROR_PROC_NOT_FOUND, {}};
    ListenerList list;
    for (const ULONG family : {kIpv4, kIpv6}) {
        DWORD size = 0;
        DWORD error = table(nullptr, &size, FALSE, family, TCP_TABLE_OWNER_PID_LISTENER, 0);
        std::string buffer;
        for (int attempt = 0; error == ERROR_INSUFFICIENT_BUFFER && attempt < 3; ++attempt) {
            buffer.assign(size, '\0');
            error = table(&buffer[0], &size, FALSE, family, TCP_TABLE_OWNER_PID_LISTENER, 0);
        }
        if (error != NO_ERROR) return {error, {}};
        if (family == kIpv4) {
            AddListeners<MIB_TCPTABLE_OWNER_PID>(buffer, list);
        } else {
            AddListeners<MIB_TCP6TABLE_OWNER_PID>(buffer, list);
        }
    }
    return list;
}

// Started in the system folder, so nothing is looked for in the kit's own.
ProgramRun Win32KitPlatform::Run(const std::wstring& program, const std::wstring& commandLine) {
    std::wstring line = commandLine;
    const std::wstring folder = SystemFolder();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(program.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started))
        return {::GetLastError(), 0};
    const UniqueHandle process(started.hProcess);
    const UniqueHandle thread(started.hThread);
    DWORD exitCode = 0;
    if (::WaitForSingleObject(process.Get(), INFINITE) != WAIT_OBJECT_0 ||
        !::GetExitCodeProcess(process.Get(), &exitCode))
        return {0, ERROR_INSTALL_FAILURE};
    return {0, exitCode};
}

LocalTime Win32KitPlatform::Now() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    TIME_ZONE_INFORMATION zone{};
    const DWORD which = ::GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (which == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
    if (which == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
    return {now.wYear,   now.wMonth,  now.wDay,          now.wHour,
            now.wMinute, now.wSecond, now.wMilliseconds, static_cast<int>(bias)};
}

uint32_t Win32KitPlatform::ThreadId() { return ::GetCurrentThreadId(); }

void Win32KitPlatform::Sleep(uint32_t milliseconds) { ::Sleep(milliseconds); }

// A console gets the text as it is; a pipe or file gets UTF-8.
void Win32KitPlatform::Print(const std::wstring& line) {
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    DWORD written = 0;
    if (::GetConsoleMode(out, &mode)) {
        const std::wstring text = line + L"\r\n";
        ::WriteConsoleW(out, text.c_str(), static_cast<DWORD>(text.size()), &written, nullptr);
        return;
    }
    const std::string bytes = ToUtf8(line) + "\r\n";
    ::WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace kit::win32
