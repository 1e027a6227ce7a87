// The record of the ANSI service enumeration (ENUM_SERVICE_STATUSA), laid out
// exactly as the operating system writes it: 36 bytes in a 32-bit program, 48 in a 64-bit one.
#pragma once

#include <cstdint>

namespace platform {

struct ServiceStatusFields {
    uint32_t dwServiceType;
    uint32_t dwCurrentState;
    uint32_t dwControlsAccepted;
    uint32_t dwWin32ExitCode;
    uint32_t dwServiceSpecificExitCode;
    uint32_t dwCheckPoint;
    uint32_t dwWaitHint;
};

struct ServiceRecord {
    char* lpServiceName;
    char* lpDisplayName;
    ServiceStatusFields ServiceStatus;
};

static_assert(sizeof(void*) != 4 || sizeof(ServiceRecord) == 36,
              "the 32-bit service record is 36 bytes");
static_assert(sizeof(void*) != 8 || sizeof(ServiceRecord) == 48,
              "the 64-bit service record is 48 bytes");

constexpr uint32_t kScManagerEnumerateService = 0x0004;  // SC_MANAGER_ENUMERATE_SERVICE
constexpr uint32_t kServiceWin32 = 0x30;                 // SERVICE_WIN32
constexpr uint32_t kServiceActive = 1;                   // SERVICE_ACTIVE
constexpr uint32_t kServiceInactive = 2;                 // SERVICE_INACTIVE

}  // namespace platform
