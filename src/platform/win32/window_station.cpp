#include "platform/win32/window_station.h"

#include <windows.h>

namespace win32 {

namespace {

bool RunsInSessionZero() {
    DWORD session = 0;
    return ::ProcessIdToSessionId(::GetCurrentProcessId(), &session) && session == 0;
}

}  // namespace

// A station whose flags cannot be read counts as visible: the window then
// behaves as it always has.
bool SomebodyCanSeeTheStation() {
    if (RunsInSessionZero()) return false;
    USEROBJECTFLAGS flags{};
    const HWINSTA station = ::GetProcessWindowStation();  // not to be closed
    if (station == nullptr ||
        !::GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr))
        return true;
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

}  // namespace win32
