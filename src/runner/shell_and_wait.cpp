#include "runner/shell_and_wait.h"

#include "platform/messages.h"
#include "platform/owned_handles.h"
#include "runner/command_line.h"
#include "runner/file_exists.h"

namespace {

// Blocks until the process ends, with the window answering if asked to.
// False when the wait failed.
bool WaitForEnd(const RunnerPlatform& platform, platform::OsHandle process, bool keepResponsive) {
    if (keepResponsive) return platform.window.WaitWhileResponsive(process);
    return platform.processes.WaitForSingleObject(process, platform::kInfinite) ==
           platform::kWaitObject0;
}

// What the script started may run on after it (msiexec, when its console was
// closed): each process still in the job is awaited in the same way, one after
// the other, until none is left. A job is not signalled when its processes end.
bool WaitForJob(const RunnerPlatform& platform, platform::OsHandle job, bool keepResponsive) {
    for (;;) {
        const platform::OwnedProcessHandle remaining(platform.processes,
                                                     platform.processes.OpenProcessOfJob(job));
        if (!remaining) return true;
        if (!WaitForEnd(platform, remaining.Get(), keepResponsive)) return false;
    }
}

// Tells the watch that the script runs for as long as it is in scope.
class RunningScript {
  public:
    explicit RunningScript(ScriptWatch* watch) : watch_(watch) {
        if (watch_ != nullptr) watch_->ScriptRunning(true);
    }
    ~RunningScript() {
        if (watch_ != nullptr) watch_->ScriptRunning(false);
    }
    RunningScript(const RunningScript&) = delete;
    RunningScript& operator=(const RunningScript&) = delete;

  private:
    ScriptWatch* watch_;
};

}  // namespace

ShellResult ShellAndWait(const RunnerPlatform& platform, const std::wstring& path,
                         int32_t windowStyle, int16_t keepResponsive) {
    if (FileExists(platform.files, path) != 1) {
        platform.teller.Tell(message::kFileNotFound + path);
        return {ShellStatus::FileNotFound, 0};
    }
    platform::OsHandle started = nullptr;
    platform::OsHandle startedJob = nullptr;
    if (platform.processes.CreateProcessW(CommandLineFor(path), platform.files.ProgramDirectory(),
                                          windowStyle, &started, &startedJob) == 0)
        return {ShellStatus::StartFailed, 0};
    const platform::OwnedProcessHandle process(platform.processes, started);
    const platform::OwnedJobHandle job(platform.processes, startedJob);
    const RunningScript running(platform.watch);
    if (!WaitForEnd(platform, process.Get(), keepResponsive != 0))
        return {ShellStatus::WaitFailed, 0};
    uint32_t exitCode = 0;
    platform.processes.GetExitCodeProcess(process.Get(), &exitCode);
    if (job && !WaitForJob(platform, job.Get(), keepResponsive != 0))
        return {ShellStatus::WaitFailed, 0};
    return {ShellStatus::Finished, exitCode};
}
