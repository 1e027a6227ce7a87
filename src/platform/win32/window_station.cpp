#include "platform/win32/window_station.h"

#include <windows.h>
#include <wtsapi32.h>

#include "platform/win32/system_export.h"
#include "platform/win32/unique_handles.h"

namespace win32 {

namespace {

// A session whose user has disconnected (Remote Desktop closed, another user
// switched to) has nobody in front of it. wtsapi32 is loaded from System32 only;
// where it or the query fails, the session counts as connected.
bool SessionIsDisconnected() {
    const UniqueModule wtsapi(
        ::LoadLibraryExW(L"wtsapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!wtsapi) return false;
    const auto query = WIN32_EXPORT_OF(wtsapi.Get(), WTSQuerySessionInformationW);
    const auto release = WIN32_EXPORT_OF(wtsapi.Get(), WTSFreeMemory);
    LPWSTR buffer = nullptr;
    DWORD bytes = 0;
    if (query == nullptr || release == nullptr ||
        !query(WTS_CURRENT_SERVER_HANDLE, WTS_CURRENT_SESSION, WTSConnectState, &buffer, &bytes))
        return false;
    const bool disconnected =
        bytes >= sizeof(WTS_CONNECTSTATE_CLASS) &&
        *reinterpret_cast<const WTS_CONNECTSTATE_CLASS*>(buffer) == WTSDisconnected;
    release(buffer);
    return disconnected;
}

bool RunsInSessionZero() {
    DWORD session = 0;
    return ::ProcessIdToSessionId(::GetCurrentProcessId(), &session) && session == 0;
}

}  // namespace

// A station whose flags cannot be read counts as visible: the window then
// behaves as it always has.
bool SomebodyCanSeeTheStation() {
    if (RunsInSessionZero() || SessionIsDisconnected()) return false;
    USEROBJECTFLAGS flags{};
    const HWINSTA station = ::GetProcessWindowStation();  // not to be closed
    if (station == nullptr ||
        !::GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr))
        return true;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

bool SomebodyCanSeeTheWindow(int showCommand) {
    return showCommand != SW_HIDE && SomebodyCanSeeTheStation();
}

}  // namespace win32
