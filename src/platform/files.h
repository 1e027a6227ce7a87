// Files and folders, as the installation run and the command runner use them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/handle_types.h"

namespace platform {

class Files {
  public:
    virtual ~Files() = default;
    // The name of the entry at path (a directory or a file), empty when there is
    // none or the probe fails.
    virtual std::wstring DirectoryProbe(const std::wstring& path) = 0;
    // Opens an existing file for reading; null when that fails (also for a directory).
    virtual OsHandle CreateFileW(const std::wstring& path) = 0;
    // Releases a file handle; leaves the captured last-error value as it was.
    virtual int32_t CloseHandle(OsHandle handle) = 0;
    // The folder of the running program, without a trailing backslash except at a drive root.
    virtual std::wstring ProgramDirectory() = 0;
};

}  // namespace platform
