// The last-error value, captured right after each system call.
#include <windows.h>

#include "platform/win32/platform.h"

namespace win32 {

void Win32Platform::CaptureLastError() { lastError_ = static_cast<int32_t>(::GetLastError()); }

}  // namespace win32
