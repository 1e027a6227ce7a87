// User-interface operations, carried out by the installer window.
#include "platform/win32/platform.h"

namespace win32 {

void Win32Platform::SetMousePointer(platform::MousePointer pointer) {
    window_.SetMousePointer(pointer);
}
void Win32Platform::AutoRedrawAndRefresh() { window_.Refresh(); }
void Win32Platform::SetCaption(platform::Control control, const std::wstring& text) {
    window_.SetCaption(control, text);
}
void Win32Platform::SetVisible(platform::Control control, bool visible) {
    window_.SetVisible(control, visible);
}
bool Win32Platform::MsgBox(const std::wstring& text) { return window_.MsgBox(text); }
bool Win32Platform::CanBeSeen() { return seen_; }
bool Win32Platform::WaitWhileResponsive(platform::OsHandle process) {
    const bool ended = window_.WaitWhileResponsive(process);
    CaptureLastError();
    return ended;
}
void Win32Platform::ShowShutdownBlockReason(const std::wstring& reason) noexcept {
    window_.ShowShutdownBlockReason(reason);
}
void Win32Platform::RemoveShutdownBlockReason() noexcept { window_.RemoveShutdownBlockReason(); }
void Win32Platform::Unload() { window_.Destroy(); }

}  // namespace win32
