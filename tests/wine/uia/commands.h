// The tool's commands. Each takes the words after the command name, prints its
// findings as key=value lines and returns the process exit code.
#pragma once

#include <string>
#include <vector>

namespace uia {

using Args = std::vector<std::wstring>;

// A non-negative decimal number; false when the word is anything else.
bool ParseNumber(const std::wstring& word, unsigned long* value);

int WaitWindow(const Args& args);
int Controls(const Args& args);
int Text(const Args& args);
int Visible(const Args& args);
int WaitText(const Args& args);
// Waits, from before the window exists, until the control shows TEXT; prints
// ready=1 at once and then seen_us, the wall-clock time it was seen
// (microseconds since 1970), for the benchmark.
int AwaitText(const Args& args);
// Waits until the control's text differs from TEXT, or a message box of the program opens.
int WaitChange(const Args& args);
int WaitVisible(const Args& args);
int Click(const Args& args);
// The number of top-level windows of the main window's class.
int CountWindows(const Args& args);
int Close(const Args& args);
int SysCommandClose(const Args& args);
int PostQuit(const Args& args);
int WaitGone(const Args& args);
int Ping(const Args& args);
// Sleeps; run in the background it keeps the Wine session, its services among them, alive.
int Hold(const Args& args);

// Holds a mutex of the name for MS; the closed one grants nobody any access.
int HoldMutex(const Args& args);
int HoldClosedMutex(const Args& args);
int OwnMutex(const Args& args);
// Sends WM_ENDSESSION(TRUE) to the window; ended=1 when its process has gone.
int EndSession(const Args& args);
// Asks the window whether a critical end of the session may come; prints its answer.
int QueryCriticalEnd(const Args& args);

int MsgBox(const Args& args);
int MsgBoxPeek(const Args& args);
int NoMsgBox(const Args& args);

}  // namespace uia
