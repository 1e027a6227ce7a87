// Message boxes and the mouse cursor of the installer window.
#include "platform/win32/installer_window.h"

namespace win32 {

// The box's own loop ends on a request to quit and posts it again: it is taken
// from the queue and reported.
bool InstallerWindow::MsgBox(const std::wstring& text) {
    ::MessageBoxW(window_, text.c_str(), layout::kTitle, MB_OK);
    MSG quit{};
    if (!::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return true;
    if (events_ != nullptr) events_->QuitRequested();
    return false;
}

void InstallerWindow::SetMousePointer(platform::MousePointer pointer) {
    waitCursor_ = pointer == platform::MousePointer::Hourglass;
    POINT position{};
    if (window_ == nullptr || !::GetCursorPos(&position)) return;
    const HWND below = ::WindowFromPoint(position);
    if (below == window_ || ::IsChild(window_, below))
        ::SetCursor(::LoadCursorW(nullptr, waitCursor_ ? IDC_WAIT : IDC_ARROW));
}

bool InstallerWindow::OnSetCursor(LPARAM lParam) {
    if (!waitCursor_ || LOWORD(lParam) != HTCLIENT) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

}  // namespace win32
