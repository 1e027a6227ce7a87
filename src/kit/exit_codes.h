// The codes mariadb-kit.exe ends with. Windows Installer's own where they mean
// what msiexec means by them; every reason of the kit's own has a code from
// 17001 to 17099, which winerror.h leaves unused (scripts/check-binaries.sh
// checks it) and which the installer's event can carry as its ID.
#pragma once

#include <cstdint>

namespace kit::code {

// Windows Installer's, and msiexec's own exit codes passed on.
inline constexpr uint32_t kSuccess = 0;              // ERROR_SUCCESS
inline constexpr uint32_t kInstallFailure = 1603;    // ERROR_INSTALL_FAILURE
inline constexpr uint32_t kInstallerBusy = 1618;     // ERROR_INSTALL_ALREADY_RUNNING
inline constexpr uint32_t kNoPackage = 1619;         // ERROR_INSTALL_PACKAGE_OPEN_FAILED
inline constexpr uint32_t kNewerInstalled = 1638;    // ERROR_PRODUCT_VERSION
inline constexpr uint32_t kRestartInitiated = 1641;  // ERROR_SUCCESS_REBOOT_INITIATED
inline constexpr uint32_t kRestartRequired = 3010;   // ERROR_SUCCESS_REBOOT_REQUIRED

// The settings and the call.
inline constexpr uint32_t kSettingsUnreadable = 17001;
inline constexpr uint32_t kSettingsBadLine = 17002;
inline constexpr uint32_t kCommandLineBad = 17003;
inline constexpr uint32_t kProgramMissing = 17004;  // the launchers' own

// The package and what is installed.
inline constexpr uint32_t kSeveralPackages = 17010;
inline constexpr uint32_t kPackageUnreadable = 17011;
inline constexpr uint32_t kNotThePackage = 17012;
inline constexpr uint32_t kProductsUnreadable = 17013;
inline constexpr uint32_t kOtherArchitecture = 17014;
inline constexpr uint32_t kSeveralInstalled = 17015;
inline constexpr uint32_t kUpdateNotDone = 17016;

// What stands in the way of a new installation.
inline constexpr uint32_t kPortTaken = 17020;
inline constexpr uint32_t kServiceExists = 17021;
inline constexpr uint32_t kServiceMarkedForDeletion = 17022;
inline constexpr uint32_t kServicesUnreadable = 17023;
inline constexpr uint32_t kTargetExists = 17024;
inline constexpr uint32_t kPasswordNotCarried = 17025;
inline constexpr uint32_t kPasswordNotKept = 17026;

// The removal.
inline constexpr uint32_t kStillInstalled = 17030;

// A failure of the kit program itself (out of memory).
inline constexpr uint32_t kInternalFailure = 17099;

// Whether msiexec's CODE says the product is in place (perhaps after a restart).
inline bool IsSuccess(uint32_t value) {
    return value == kSuccess || value == kRestartRequired || value == kRestartInitiated;
}

}  // namespace kit::code
