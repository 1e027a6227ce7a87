// Whether anybody can see this program's windows.
#pragma once

namespace win32 {

// False when the process's window station is not visible (WSF_VISIBLE unset),
// as under SYSTEM or in a session of its own that software distribution uses.
bool WindowStationVisible();

}  // namespace win32
