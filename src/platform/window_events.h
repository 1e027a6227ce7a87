// What the window reports to the program's logic; the window implementation
// calls these on the user-interface thread.
#pragma once

#include <cstdint>

namespace platform {

enum class EndReason { WindowClosed, SessionEnded };

class WindowEvents {
  public:
    virtual ~WindowEvents() = default;
    virtual void Form_Activate() = 0;
    virtual void cmd_install_Click() = 0;
    virtual void cmd_Abbruch_Click() = 0;
    // Asked before the close box, Close in the system menu or Alt+F4 closes
    // the window; false keeps it open.
    virtual bool QueryUnload() noexcept = 0;
    // The code the program ends with once the window has closed, or when the
    // session ends.
    virtual int32_t ExitCode() const noexcept = 0;
    // Told once, right before the program ends with exitCode (a request to
    // quit from outside may have chosen it).
    virtual void Ending(int32_t exitCode, EndReason reason) noexcept = 0;
};

}  // namespace platform
