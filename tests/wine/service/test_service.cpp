// A minimal Windows service for the tests: it reports itself running until the
// service manager sends Stop. Any service name can be registered for it.
#include <windows.h>

#include <cstdio>

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

void WINAPI ServiceMain(DWORD argc, wchar_t** argv) {
    g_status = ::RegisterServiceCtrlHandlerExW(argc > 0 ? argv[0] : L"", &Handler, nullptr);
    if (g_status == nullptr) return;
    Report(SERVICE_RUNNING);
    ::WaitForSingleObject(g_stop, INFINITE);
    Report(SERVICE_STOPPED);
}

}  // namespace

int wmain() {
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
