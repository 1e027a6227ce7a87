// The end of the session (log-off, shutdown): the logic answers whether it may
// come and with which code the program ends; the window carries that out.
#include "platform/win32/installer_window.h"

namespace win32 {

// The system ends the process once this returns: end now, with the code of
// what the run has reached.
void InstallerWindow::OnEndSession(WPARAM wParam) {
    if (wParam) ::ExitProcess(static_cast<UINT>(events_->SessionEnded()));
}

// Shown by Windows beside the program while the session's end is refused
// (Wine's reason functions are stubs that fail).
void InstallerWindow::ShowShutdownBlockReason(const std::wstring& reason) {
    if (window_ != nullptr) ::ShutdownBlockReasonCreate(window_, reason.c_str());
}

void InstallerWindow::RemoveShutdownBlockReason() {
    if (window_ != nullptr) ::ShutdownBlockReasonDestroy(window_);
}

}  // namespace win32
