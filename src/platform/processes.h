// Starting a process and waiting for its end, as the command runner uses them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/handle_types.h"

namespace platform {

constexpr uint32_t kStillActive = 259;        // STILL_ACTIVE
constexpr uint32_t kWaitObject0 = 0;          // WAIT_OBJECT_0
constexpr uint32_t kWaitFailed = 0xFFFFFFFF;  // WAIT_FAILED
constexpr uint32_t kInfinite = 0xFFFFFFFF;    // INFINITE
constexpr int32_t kSwShowMinimized = 2;       // SW_SHOWMINIMIZED

class Processes {
  public:
    virtual ~Processes() = default;
    // Starts commandLine in currentDirectory with the show-window value; on
    // success *process receives the new process's handle (query and synchronize
    // rights), which the caller owns. The process is put into a job object of
    // its own before it runs, so that whatever it starts can be awaited too:
    // *job receives that job, owned by the caller, or null when no job could be
    // made or the process could not join it. 0 on failure.
    virtual int32_t CreateProcessW(const std::wstring& commandLine,
                                   const std::wstring& currentDirectory, int32_t showWindow,
                                   OsHandle* process, OsHandle* job) = 0;
    // A process that still runs in the job (synchronize and query rights),
    // owned by the caller; null when none runs there any more.
    virtual OsHandle OpenProcessOfJob(OsHandle job) = 0;
    // Waits for the handle alone, dispatching nothing: kWaitObject0 when the
    // process has ended.
    virtual uint32_t WaitForSingleObject(OsHandle handle, uint32_t milliseconds) = 0;
    // kStillActive while the process runs, its exit code after; *exitCode is
    // left unchanged on failure.
    virtual int32_t GetExitCodeProcess(OsHandle process, uint32_t* exitCode) = 0;
    // Releases a process or job handle; leaves the captured last-error value as it was.
    virtual int32_t CloseHandle(OsHandle handle) = 0;
};

}  // namespace platform
