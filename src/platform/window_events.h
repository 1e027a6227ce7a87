// What the window reports to the program's logic, and what it asks it; the
// window implementation calls these on the user-interface thread. The logic
// decides how the run ends; the window only carries that out.
#pragma once

#include <cstdint>

namespace platform {

class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void Form_Activate() = 0;
    virtual void cmd_install_Click() = 0;
    virtual void cmd_Abbruch_Click() = 0;
    // Asked before the close box, Close in the system menu or Alt+F4 closes
    // the window; false keeps it open.
    virtual bool QueryUnload() noexcept = 0;
    // A request to quit (WM_QUIT) has arrived and was taken from the queue.
    virtual void QuitRequested() noexcept = 0;
    // The session asks whether it may end (log-off, shutdown); critical when
    // the system ends it whatever the answer.
    virtual bool MaySessionEnd(bool critical) noexcept = 0;
    // The session ends now: the code the program must end with at once.
    virtual int32_t SessionEnded() noexcept = 0;
    // The window is being destroyed: the run has ended.
    virtual void WindowDestroyed() noexcept = 0;
    // The code the program ends with once the window has gone.
    virtual int32_t ExitCode() const noexcept = 0;
};

}  // namespace platform
