// The last-error value of the operating system, as the service scan reports it.
#pragma once

#include <cstdint>

namespace platform {

class ErrorObject {
  public:
    virtual ~ErrorObject() = default;
    // The last-error value captured right after the latest operating-system call.
    virtual int32_t LastDllError() const = 0;
};

}  // namespace platform
