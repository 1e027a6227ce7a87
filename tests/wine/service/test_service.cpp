// A minimal Windows service for the tests: it reports itself running until the
// service manager sends Stop. Any service name can be registered for it.
// Installed as a database server is (its program in a folder named bin), it
// writes a file into the data folder beside bin when it starts, as a database
// does; no package owns that file. Started by its package's removal as
// "--removal VALUE" (the CLEANUPDATA it was given), it records VALUE in the
// registry and deletes that data folder when VALUE is 1, unless a newer
// version is updating it. Started by its package as "--install-db
// --service=NAME --port=N --password=P --datadir=D", as a database server's
// package runs its set-up tool, it records the password as it arrived, makes
// the data folder and, given a name, registers itself as that service.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/unique_handles.h"

namespace {

// The stop signal; owned by wmain, which outlives the service thread.
HANDLE g_stop = nullptr;
SERVICE_STATUS_HANDLE g_status = nullptr;

void Report(DWORD state) {
    SERVICE_STATUS status{};
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwControlsAccepted =
        state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    status.dwWaitHint = state == SERVICE_RUNNING || state == SERVICE_STOPPED ? 0 : 3000;
    ::SetServiceStatus(g_status, &status);
}

DWORD WINAPI Handler(DWORD control, DWORD, void*, void*) {
    switch (control) {
        case SERVICE_CONTROL_STOP:
        case SERVICE_CONTROL_SHUTDOWN:
            Report(SERVICE_STOP_PENDING);
            ::SetEvent(g_stop);
            return NO_ERROR;
        case SERVICE_CONTROL_INTERROGATE:
            return NO_ERROR;
        default:
            return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

// INSTALLDIR\bin\program.exe -> INSTALLDIR\data; empty elsewhere.
std::wstring DataFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::wstring folder(path, length);
    folder.resize(folder.find_last_of(L'\\'));
    const std::size_t parent = folder.find_last_of(L'\\');
    if (parent == std::wstring::npos || _wcsicmp(folder.c_str() + parent + 1, L"bin") != 0)
        return {};
    return folder.substr(0, parent) + L"\\data";
}

void WriteDataFile() {
    const std::wstring data = DataFolder();
    if (data.empty()) return;
    ::CreateDirectoryW(data.c_str(), nullptr);
    const win32::UniqueFileHandle file(::CreateFileW((data + L"\\started.txt").c_str(),
                                                     GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Whether a newer stand-in is updating this one: it marks that before it
// removes the older product, whose removal Wine's msi runs without
// UPGRADINGPRODUCTCODE. The mark is taken away here.
bool UpdateInProgress() {
    return ::RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\StandIn Database Server",
                                L"Updating") == ERROR_SUCCESS;
}

// The data folder holds files only, as the service writes it. An update keeps it.
int OnRemoval(const wchar_t* cleanUpData) {
    const DWORD bytes = static_cast<DWORD>((std::wcslen(cleanUpData) + 1) * sizeof(wchar_t));
    ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\StandIn Removal", L"CleanUpData", REG_SZ,
                      cleanUpData, bytes);
    const std::wstring data = DataFolder();
    if (UpdateInProgress() || std::wcscmp(cleanUpData, L"1") != 0 || data.empty()) return 0;
    WIN32_FIND_DATAW found{};
    const win32::UniqueFindHandle search(::FindFirstFileW((data + L"\\*").c_str(), &found));
    if (search) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileW((data + L"\\" + found.cFileName).c_str());
        } while (::FindNextFileW(search.Get(), &found));
    }
    ::RemoveDirectoryW(data.c_str());
    return 0;
}

// The text after PREFIX in the argument that starts with it; null without one.
const wchar_t* Option(int argc, wchar_t** argv, const wchar_t* prefix) {
    const std::size_t length = std::wcslen(prefix);
    for (int i = 2; i < argc; ++i)
        if (std::wcsncmp(argv[i], prefix, length) == 0) return argv[i] + length;
    return nullptr;
}

int InstallDatabase(int argc, wchar_t** argv) {
    const wchar_t* password = Option(argc, argv, L"--password=");
    const wchar_t* service = Option(argc, argv, L"--service=");
    const wchar_t* data = Option(argc, argv, L"--datadir=");
    if (password == nullptr || service == nullptr || data == nullptr) return 2;
    const DWORD bytes = static_cast<DWORD>((std::wcslen(password) + 1) * sizeof(wchar_t));
    ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\StandIn Database Server", L"Password", REG_SZ,
                      password, bytes);
    ::CreateDirectoryW(data, nullptr);
    if (*service == L'\0') return 0;
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return 1;
    const std::wstring command = L"\"" + std::wstring(path, length) + L"\"";
    const win32::UniqueServiceHandle manager(
        ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE));
    if (!manager) return 1;
    const win32::UniqueServiceHandle created(
        ::CreateServiceW(manager.Get(), service, L"StandIn Server", SERVICE_ALL_ACCESS,
                         SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                         command.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
    return created ? 0 : 1;
}

void WINAPI ServiceMain(DWORD argc, wchar_t** argv) {
    g_status = ::RegisterServiceCtrlHandlerExW(argc > 0 ? argv[0] : L"", &Handler, nullptr);
    if (g_status == nullptr) return;
    WriteDataFile();
    Report(SERVICE_RUNNING);
    ::WaitForSingleObject(g_stop, INFINITE);
    Report(SERVICE_STOPPED);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"--removal") == 0) return OnRemoval(argv[2]);
    if (argc > 1 && std::wcscmp(argv[1], L"--install-db") == 0) return InstallDatabase(argc, argv);
    const win32::UniqueHandle stop(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stop) {
        const DWORD error = ::GetLastError();
        std::fprintf(stderr, "test-service: CreateEvent failed, error %lu\n", error);
        return 1;
    }
    g_stop = stop.Get();
    wchar_t name[] = L"TestService";  // ignored for a service in a process of its own
    const SERVICE_TABLE_ENTRYW table[] = {{name, &ServiceMain}, {nullptr, nullptr}};
    if (!::StartServiceCtrlDispatcherW(table)) {
        const DWORD error = ::GetLastError();
        std::fprintf(stderr, "test-service: not started by the service manager, error %lu\n",
                     error);
        return 1;
    }
    return 0;
}
