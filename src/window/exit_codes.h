// The codes the program ends with, as software distribution reads an
// installer's exit code (the Windows Installer's own values).
#pragma once

#include <cstdint>

namespace exit_code {

inline constexpr int32_t kInstalled = 0;            // ERROR_SUCCESS
inline constexpr int32_t kRestartRequired = 3010;   // ERROR_SUCCESS_REBOOT_REQUIRED
inline constexpr int32_t kRestartInitiated = 1641;  // ERROR_SUCCESS_REBOOT_INITIATED
inline constexpr int32_t kClosedByUser = 1602;      // ERROR_INSTALL_USEREXIT
inline constexpr int32_t kFailed = 1603;            // ERROR_INSTALL_FAILURE
inline constexpr int32_t kServerPresent = 1638;     // ERROR_PRODUCT_VERSION
inline constexpr int32_t kAlreadyRunning = 1618;    // ERROR_INSTALL_ALREADY_RUNNING
// Never passed on: a launcher that polls GetExitCodeProcess takes it for a
// process still running and would wait for ever.
inline constexpr int32_t kStillActive = 259;  // STILL_ACTIVE

}  // namespace exit_code
