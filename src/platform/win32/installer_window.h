// The real installer window: built from the layout table, scaled by the
// window's DPI, and forwarding its events to the program's logic.
#pragma once

#include <windows.h>

#include <string>

#include "platform/user_interface.h"
#include "platform/win32/unique_handles.h"
#include "platform/win32/window_layout.h"
#include "platform/window_events.h"
#include "window/layout.h"

namespace win32 {

class InstallerWindow {
  public:
    InstallerWindow(HINSTANCE instance, bool canBeSeen)
        : instance_(instance), layout_(instance), canBeSeen_(canBeSeen) {}
    ~InstallerWindow();
    InstallerWindow(const InstallerWindow&) = delete;
    InstallerWindow& operator=(const InstallerWindow&) = delete;

    // The window of the copy that runs already, or its message box, to the front.
    static void BringRunningCopyToFront();
    // Creates the window centred on its screen and shows it as the launcher
    // asked (showCommand from wWinMain); false on failure.
    bool Create(platform::WindowEvents& events, int showCommand);
    // Runs until the window has been destroyed; returns the exit code.
    int RunMessageLoop();

    void SetMousePointer(platform::MousePointer pointer);
    void Refresh();
    void SetCaption(platform::Control control, const std::wstring& text);
    void SetVisible(platform::Control control, bool visible);
    // Shows nothing where nobody can see the window; a request to quit while
    // the box is open is held and the box shown again.
    void MsgBox(const std::wstring& text);
    bool CanBeSeen() const { return canBeSeen_; }
    // False once a request to quit has arrived (see there).
    bool DoEvents();
    void KeepPainted();
    void HoldSessionEnd(bool held);
    void Destroy();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls();
    void OnActivate(WPARAM wParam);
    BOOL OnQueryEndSession(LPARAM lParam) const;
    void OnCommand(WPARAM wParam);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    bool OnSetCursor(LPARAM lParam);
    void Dispatch(MSG& message);
    void HoldQuit(const MSG& message);
    void EndIfQuitHeld();
    HWND ControlWindow(platform::Control control) const;

    HINSTANCE instance_;
    WindowLayout layout_;
    HWND window_ = nullptr;
    platform::WindowEvents* events_ = nullptr;
    ControlWindows controls_{};
    HBRUSH background_ = nullptr;  // owned by the window class once it is registered
    bool classRegistered_ = false;
    bool canBeSeen_;
    HWND lastFocus_ = nullptr;
    bool waitCursor_ = false;
    bool sessionEndHeld_ = false;
    bool quitHeld_ = false;
    int quitCode_ = 0;
};

}  // namespace win32
