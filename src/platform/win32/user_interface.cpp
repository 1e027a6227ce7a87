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
void Win32Platform::MsgBox(const std::wstring& text) { window_.MsgBox(text); }
bool Win32Platform::CanBeSeen() { return window_.CanBeSeen(); }
bool Win32Platform::DoEvents() { return window_.DoEvents(); }
void Win32Platform::KeepPainted() { window_.KeepPainted(); }
void Win32Platform::HoldSessionEnd(bool held) noexcept { window_.HoldSessionEnd(held); }
void Win32Platform::Unload() { window_.Destroy(); }

}  // namespace win32
