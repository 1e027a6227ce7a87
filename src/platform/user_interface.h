// The installer window as the logic changes it; a failure is thrown as
// platform::Failure.
#pragma once

#include <string>

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
    // program's title; returns when the user has pressed OK. A request to quit
    // meanwhile is held, and the box stays. Where nobody can see the window it
    // shows nothing and returns at once.
    virtual void MsgBox(const std::wstring& text) = 0;
    // False where nobody can see the window: its window station is not visible,
    // as for a program that software distribution starts under SYSTEM.
    virtual bool CanBeSeen() = 0;
    // Dispatches every message waiting in this thread's queue. False once a
    // request to quit has arrived: it is held until the window closes, and
    // nothing more may be dispatched.
    virtual bool DoEvents() = 0;
    // Dispatches only repaints and messages sent from other threads, so the
    // window stays drawn and answers while a request to quit is held.
    virtual void KeepPainted() = 0;
    // While held, a log-off or shutdown is asked to wait, with a reason Windows
    // shows, where somebody can see the window; an end the system declares
    // critical is never refused.
    virtual void HoldSessionEnd(bool held) noexcept = 0;
    // Destroys the window, which ends the program.
    virtual void Unload() = 0;
};

}  // namespace platform
