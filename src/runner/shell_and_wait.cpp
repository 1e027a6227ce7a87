#include "runner/shell_and_wait.h"

#include "platform/owned_handles.h"
#include "runner/command_line.h"
#include "runner/file_exists.h"

namespace {

bool WaitWithoutDispatching(platform::Processes& processes, platform::OsHandle process) {
    return processes.WaitForSingleObject(process, platform::kInfinite) == platform::kWaitObject0;
}

// Blocks until the process ends; dispatches window messages whenever input
// arrives if asked to. Once a request to quit is held, only repaints and sent
// messages are dispatched, so the window stays drawn. False when the wait failed.
bool WaitForEnd(const RunnerPlatform& platform, platform::OsHandle process, bool keepResponsive,
                bool& quitHeld) {
    if (!keepResponsive) return WaitWithoutDispatching(platform.processes, process);
    constexpr uint32_t kPaintOnly = platform::kQsPaint | platform::kQsSendMessage;
    for (;;) {
        const uint32_t woken = platform.processes.MsgWaitForMultipleObjectsEx(
            process, platform::kInfinite, quitHeld ? kPaintOnly : platform::kQsAllInput,
            quitHeld ? 0 : platform::kMwmoInputAvailable);
        if (woken == platform::kWaitObject0) return true;
        if (woken != platform::kWaitObject0 + 1) return false;
        if (quitHeld)
            platform.window.KeepPainted();
        else
            quitHeld = !platform.window.DoEvents();
    }
}

// What the script started may run on after it (msiexec, when its console was
// closed): each process still in the job is awaited in the same way, one after
// the other, until none is left. A job is not signalled when its processes end.
bool WaitForJob(const RunnerPlatform& platform, platform::OsHandle job, bool keepResponsive,
                bool& quitHeld) {
    for (;;) {
        const platform::OwnedProcessHandle remaining(platform.processes,
                                                     platform.processes.OpenProcessOfJob(job));
        if (!remaining) return true;
        if (!WaitForEnd(platform, remaining.Get(), keepResponsive, quitHeld)) return false;
    }
}

// Holds the session's end from the script's start until it and what it
// started have ended.
class SessionEndHold {
  public:
    explicit SessionEndHold(platform::UserInterface& window) : window_(window) {
        window_.HoldSessionEnd(true);
    }
    ~SessionEndHold() { window_.HoldSessionEnd(false); }
    SessionEndHold(const SessionEndHold&) = delete;
    SessionEndHold& operator=(const SessionEndHold&) = delete;

  private:
    platform::UserInterface& window_;
};

}  // namespace

ShellResult ShellAndWait(const RunnerPlatform& platform, const std::wstring& path,
                         int32_t windowStyle, int16_t keepResponsive) {
    if (FileExists(platform.files, path) != 1) {
        platform.window.MsgBox(kFileNotFound + path);
        return {ShellStatus::FileNotFound, 0};
    }
    platform::OsHandle started = nullptr;
    platform::OsHandle startedJob = nullptr;
    if (platform.processes.CreateProcessW(CommandLineFor(path), platform.files.ProgramDirectory(),
                                          windowStyle, &started, &startedJob) == 0)
        return {ShellStatus::StartFailed, 0};
    const platform::OwnedProcessHandle process(platform.processes, started);
    const platform::OwnedJobHandle job(platform.processes, startedJob);
    const SessionEndHold sessionEndHeld(platform.window);
    bool quitHeld = false;
    if (!WaitForEnd(platform, process.Get(), keepResponsive != 0, quitHeld))
        return {ShellStatus::WaitFailed, 0};
    uint32_t exitCode = 0;
    platform.processes.GetExitCodeProcess(process.Get(), &exitCode);
    if (job && !WaitForJob(platform, job.Get(), keepResponsive != 0, quitHeld))
        return {ShellStatus::WaitFailed, 0};
    return {ShellStatus::Finished, exitCode};
}
