// The installer window as the logic changes it; a failure is thrown as
// platform::Failure.
#pragma once

#include <string>

#include "platform/handle_types.h"

namespace platform {

enum class Control { cmd_install, cmd_Abbruch, Label3, Image2, Label4, Image1, Label1 };
enum class MousePointer { Default, Hourglass };

class UserInterface {
  public:
    virtual ~UserInterface() = default;
    // The cursor over the window changes at once.
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // Keeps the window's contents drawn while the thread is busy, and repaints it now.
    virtual void AutoRedrawAndRefresh() = 0;
    virtual void SetCaption(Control control, const std::wstring& text) = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    // A modal box with the OK button only, owned by the window, under the
    // program's title. True when the user pressed OK; false when a request to
    // quit ended the box first, which is then reported as WaitWhileResponsive
    // reports one.
    virtual bool MsgBox(const std::wstring& text) = 0;
    // False where nobody can see the window (decided once, at the start): its
    // window station is not visible, as for a program that software
    // distribution starts under SYSTEM, or it was started hidden.
    virtual bool CanBeSeen() = 0;
    // Waits for the process to end while the window answers: messages are
    // dispatched as they arrive, a request to quit is reported. False when the
    // wait failed.
    virtual bool WaitWhileResponsive(OsHandle process) = 0;
    // The reason Windows shows beside the program while a log-off or shutdown
    // is asked to wait, and its removal.
    virtual void ShowShutdownBlockReason(const std::wstring& reason) noexcept = 0;
    virtual void RemoveShutdownBlockReason() noexcept = 0;
    // Destroys the window, which ends the program.
    virtual void Unload() = 0;
};

}  // namespace platform
