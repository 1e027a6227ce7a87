// Whether anybody can see this program's windows.
#pragma once

namespace win32 {

// False when the process's window station is not visible (WSF_VISIBLE unset),
// as under SYSTEM or on a station of its own that software distribution uses,
// in session 0, where no person works (its WinSta0 is marked visible all the
// same), and in a session whose user has disconnected. Connected remote
// desktop sessions and a locked screen count as seen.
bool SomebodyCanSeeTheStation();

// Whether anybody can see the program's window, decided once at the start: the
// station as above, and a window the launcher did not ask to be hidden
// (showCommand from wWinMain, which carries the launcher's STARTUPINFO).
bool SomebodyCanSeeTheWindow(int showCommand);

}  // namespace win32
