// Owners of the handles that the logic obtains through the platform: each
// releases its handle exactly once, on every way out of the owning scope.
#pragma once

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/service_manager.h"

namespace platform {

template <typename Handle, typename Api, int32_t (Api::*Close)(Handle)>
class OwnedHandle {
  public:
    OwnedHandle(Api& api, Handle handle) : api_(api), handle_(handle) {}
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    ~OwnedHandle() {
        if (handle_ != nullptr) (api_.*Close)(handle_);
    }
    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    Api& api_;
    Handle handle_;
};

using OwnedServiceManager =
    OwnedHandle<ScHandle, ServiceManager, &ServiceManager::CloseServiceHandle>;
using OwnedProcessHandle = OwnedHandle<OsHandle, Processes, &Processes::CloseHandle>;
using OwnedJobHandle = OwnedProcessHandle;
using OwnedFileHandle = OwnedHandle<OsHandle, Files, &Files::CloseHandle>;

}  // namespace platform
