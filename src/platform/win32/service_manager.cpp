// Service manager operations.
#include <windows.h>

#include <cstddef>

#include "platform/win32/unique_handles.h"
#include "platform/win32/platform.h"

namespace win32 {

static_assert(sizeof(platform::ServiceRecord) == sizeof(ENUM_SERVICE_STATUSA),
              "the service record matches the system's");
static_assert(offsetof(platform::ServiceRecord, lpDisplayName) ==
                  offsetof(ENUM_SERVICE_STATUSA, lpDisplayName),
              "the display-name pointer lies where the system writes it");
static_assert(offsetof(platform::ServiceRecord, ServiceStatus) ==
                  offsetof(ENUM_SERVICE_STATUSA, ServiceStatus),
              "the status fields lie where the system writes them");
static_assert(sizeof(void*) != 4 || sizeof(ENUM_SERVICE_STATUSA) == 36,
              "the 32-bit service record is 36 bytes");

platform::ScHandle Win32Platform::OpenSCManagerA(const char* machineName, const char* databaseName,
                                                 uint32_t desiredAccess) {
    const SC_HANDLE manager = ::OpenSCManagerA(machineName, databaseName, desiredAccess);
    CaptureLastError();
    return manager;
}

int32_t Win32Platform::EnumServicesStatusA(platform::ScHandle manager, uint32_t serviceType,
                                           uint32_t serviceState, platform::ServiceRecord* services,
                                           uint32_t bufferSize, uint32_t* bytesNeeded,
                                           uint32_t* servicesReturned, uint32_t* resumeHandle) {
    DWORD needed = *bytesNeeded, returned = *servicesReturned, resume = *resumeHandle;
    ::SetLastError(ERROR_SUCCESS);
    const BOOL result =
        ::EnumServicesStatusA(static_cast<SC_HANDLE>(manager), serviceType, serviceState,
                              reinterpret_cast<LPENUM_SERVICE_STATUSA>(services), bufferSize,
                              &needed, &returned, &resume);
    CaptureLastError();
    *bytesNeeded = needed;
    *servicesReturned = returned;
    *resumeHandle = resume;
    return result;
}

int32_t Win32Platform::CloseServiceHandle(platform::ScHandle manager) {
    const LastErrorKeeper keeper;
    return ::CloseServiceHandle(static_cast<SC_HANDLE>(manager));
}

}  // namespace win32
