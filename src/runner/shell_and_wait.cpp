#include "runner/shell_and_wait.h"

#include "platform/owned_handles.h"
#include "runner/command_line.h"
#include "runner/file_exists.h"

namespace {

bool WaitWithoutDispatching(platform::Processes& processes, platform::OsHandle process) {
    return processes.WaitForSingleObject(process, platform::kInfinite) == platform::kWaitObject0;
}

// Blocks until the process ends; dispatches window messages whenever input
// arrives if asked to. False when the wait itself failed.
bool WaitForEnd(const RunnerPlatform& platform, platform::OsHandle process, bool keepResponsive) {
    if (!keepResponsive) return WaitWithoutDispatching(platform.processes, process);
    for (;;) {
        const uint32_t woken = platform.processes.MsgWaitForMultipleObjectsEx(
            process, platform::kInfinite, platform::kQsAllInput, platform::kMwmoInputAvailable);
        if (woken == platform::kWaitObject0) return true;
        if (woken != platform::kWaitObject0 + 1) return false;
        if (!platform.window.DoEvents()) return WaitWithoutDispatching(platform.processes, process);
    }
}

}  // namespace

ShellResult ShellAndWait(const RunnerPlatform& platform, const std::wstring& path,
                         int32_t windowStyle, int16_t keepResponsive) {
    if (FileExists(platform.files, path) != 1) {
        platform.window.MsgBox(L"Datei nicht gefunden: " + path);
        return {ShellStatus::FileNotFound, 0};
    }
    platform::OsHandle started = nullptr;
    if (platform.processes.CreateProcessW(CommandLineFor(path), platform.files.ProgramDirectory(),
                                          windowStyle, &started) == 0)
        return {ShellStatus::StartFailed, 0};
    const platform::OwnedProcessHandle process(platform.processes, started);
    if (!WaitForEnd(platform, process.Get(), keepResponsive != 0))
        return {ShellStatus::WaitFailed, 0};
    uint32_t exitCode = 0;
    platform.processes.GetExitCodeProcess(process.Get(), &exitCode);
    return {ShellStatus::Finished, exitCode};
}
