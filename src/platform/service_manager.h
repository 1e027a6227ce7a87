// The service control manager, as the service scan uses it.
#pragma once

#include <cstdint>

#include "platform/handle_types.h"
#include "platform/service_record.h"

namespace platform {

constexpr int32_t kErrorMoreData = 234;  // ERROR_MORE_DATA

class ServiceManager {
  public:
    virtual ~ServiceManager() = default;
    // A handle to the service manager of the local computer; null on failure,
    // with the reason as the last-error value.
    virtual ScHandle OpenSCManagerA(const char* machineName, const char* databaseName,
                                    uint32_t desiredAccess) = 0;
    // The services of the given type and state. Without a buffer it fails with
    // ERROR_MORE_DATA and the bytes needed, or succeeds when no service is in
    // that state; with a buffer large enough it returns non-zero and that many
    // records at the start of the buffer.
    virtual int32_t EnumServicesStatusA(ScHandle manager, uint32_t serviceType,
                                        uint32_t serviceState, ServiceRecord* services,
                                        uint32_t bufferSize, uint32_t* bytesNeeded,
                                        uint32_t* servicesReturned, uint32_t* resumeHandle) = 0;
    // Releases the handle; leaves the captured last-error value as it was.
    virtual int32_t CloseServiceHandle(ScHandle manager) = 0;
};

}  // namespace platform
