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
bool WaitForEnd(const RunnerPlatform& platform, platform::OsHandle process, bool keepResponsive) {
    if (!keepResponsive) return WaitWithoutDispatching(platform.processes, process);
    constexpr uint32_t kPaintOnly = platform::kQsPaint | platform::kQsSendMessage;
    bool quitHeld = false;
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
