// The real installer window: built from the layout table, scaled by the
// window's DPI, forwarding its events to the program's logic and carrying
// out what the logic decides.
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
    explicit InstallerWindow(HINSTANCE instance) : instance_(instance), layout_(instance) {}
    ~InstallerWindow();
    InstallerWindow(const InstallerWindow&) = delete;
    InstallerWindow& operator=(const InstallerWindow&) = delete;

    // The window of the copy that runs already, or its message box, to the front.
    static void BringRunningCopyToFront();
    // Creates the window centred on its screen and shows it as the launcher
    // asked (showCommand from wWinMain); false on failure.
    bool Create(platform::WindowEvents& events, int showCommand);
    // Runs until the window has been destroyed (message_loop.cpp).
    void RunMessageLoop();
    // Waits for the process while the window answers (message_loop.cpp).
    bool WaitWhileResponsive(HANDLE process);

    void SetMousePointer(platform::MousePointer pointer);      // message_box.cpp
    bool MsgBox(const std::wstring& text);                     // message_box.cpp
    void ShowShutdownBlockReason(const std::wstring& reason);  // session_end.cpp
    void RemoveShutdownBlockReason();                          // session_end.cpp
    void Refresh();
    void SetCaption(platform::Control control, const std::wstring& text);
    void SetVisible(platform::Control control, bool visible);
    void Destroy();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls();
    void OnActivate(WPARAM wParam);
    void OnEndSession(WPARAM wParam);
    void OnCommand(WPARAM wParam);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnDpiChanged(UINT dpi, const RECT& suggested);
    bool OnSetCursor(LPARAM lParam);
    void Dispatch(MSG& message);
    void DispatchWaiting();
    HWND ControlWindow(platform::Control control) const;

    HINSTANCE instance_;
    WindowLayout layout_;
    HWND window_ = nullptr;
    platform::WindowEvents* events_ = nullptr;
    ControlWindows controls_{};
    HBRUSH background_ = nullptr;  // owned by the window class once it is registered
    bool classRegistered_ = false;
    HWND lastFocus_ = nullptr;
    bool waitCursor_ = false;
};

}  // namespace win32
