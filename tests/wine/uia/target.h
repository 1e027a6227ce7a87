// Finding the installer's windows from outside its process and reading them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace uia {

inline constexpr wchar_t kMainClass[] = L"MariaDBInstallerWindow";
inline constexpr wchar_t kTitle[] = L"MariaDB-Installer";
inline constexpr wchar_t kDialogClass[] = L"#32770";

// The class of the main window: the installer's, or the one UIA_WINDOW_CLASS names.
const wchar_t* MainClass();
// The installer's main window, visible or not; nullptr when there is none.
HWND FindMainWindow();
// A visible message box of the installer: the dialog class with the program's title,
// from the main window's process when that window still exists.
HWND FindMessageBox();

// The message text of a message box: its static control with id 0xFFFF, or else
// the first static child with any text.
std::wstring BoxText(HWND box);

// Text by WM_GETTEXT, which the system marshals across processes. False when the
// window's thread does not answer within three seconds.
bool ReadText(HWND window, std::wstring* text);
std::wstring ClassOf(HWND window);
DWORD ProcessOf(HWND window);
// Direct children in z-order.
std::vector<HWND> Children(HWND parent);
HWND ChildById(HWND parent, int id);
// The child's window rectangle relative to the parent's client area.
RECT RectInParent(HWND child, HWND parent);
bool HasStyle(HWND window, LONG_PTR bits);

// Calls done() every few milliseconds until it returns true or the time is up;
// at least once, so a timeout of 0 checks the present state.
template <typename Done>
bool PollUntil(DWORD timeoutMs, Done done) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        if (done()) return true;
        if (::GetTickCount64() >= deadline) return false;
        ::Sleep(10);
    }
}

}  // namespace uia
