// msiexec, reached by its full path in the system folder (never through the
// current folder or PATH), after waiting while another installation holds
// Windows Installer.
#pragma once

#include <cstdint>
#include <string>

#include "kit/journal.h"
#include "kit/platform/kit_platform.h"

namespace kit {

// How long the kit waits for Windows Installer, and how often it looks.
inline constexpr uint32_t kBusyWaitSeconds = 600;
inline constexpr uint32_t kBusyLookMilliseconds = 1000;

class Msiexec {
  public:
    Msiexec(KitPlatform& platform, Journal& journal) : platform_(platform), journal_(journal) {}

    // msiexec's exit code for ARGUMENTS; the log shows SHOWN instead (the same
    // without a secret). 1618 when Windows Installer stayed busy, 1603 when
    // msiexec could not be started.
    uint32_t Run(const std::wstring& arguments, const std::wstring& shown);

  private:
    bool WaitUntilFree();

    KitPlatform& platform_;
    Journal& journal_;
};

}  // namespace kit
