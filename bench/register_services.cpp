// Registers or removes many stopped services at once, for the benchmarks:
//   register-services create PREFIX COUNT
//   register-services delete PREFIX COUNT
// The services are named PREFIX0 .. PREFIX(COUNT-1) and never started.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/unique_handles.h"

namespace {

bool Create(SC_HANDLE manager, const std::wstring& name) {
    const win32::UniqueServiceHandle service(::CreateServiceW(
        manager, name.c_str(), name.c_str(), SERVICE_QUERY_STATUS, SERVICE_WIN32_OWN_PROCESS,
        SERVICE_DEMAND_START, SERVICE_ERROR_IGNORE, L"C:\\windows\\system32\\notepad.exe", nullptr,
        nullptr, nullptr, nullptr, nullptr));
    return static_cast<bool>(service) || ::GetLastError() == ERROR_SERVICE_EXISTS;
}

bool Delete(SC_HANDLE manager, const std::wstring& name) {
    const win32::UniqueServiceHandle service(::OpenServiceW(manager, name.c_str(), DELETE));
    if (!service) return ::GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST;
    return ::DeleteService(service.Get()) != FALSE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) {
        std::fwprintf(stderr, L"usage: register-services create|delete PREFIX COUNT\n");
        return 2;
    }
    const std::wstring verb = argv[1], prefix = argv[2];
    const long count = std::wcstol(argv[3], nullptr, 10);
    const win32::UniqueServiceHandle manager(
        ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager) {
        std::fwprintf(stderr, L"OpenSCManagerW failed: %lu\n", ::GetLastError());
        return 1;
    }
    long failed = 0;
    for (long i = 0; i < count; ++i) {
        const std::wstring name = prefix + std::to_wstring(i);
        const bool done =
            verb == L"create" ? Create(manager.Get(), name) : Delete(manager.Get(), name);
        if (!done) ++failed;
    }
    std::wprintf(L"%ls %ld services, %ld failed\n", verb.c_str(), count, failed);
    return failed == 0 ? 0 : 1;
}
