// Processes of the double: the scripted process, its wake-ups and its exit code.
#include "support/platform.h"

namespace fake {

int32_t FakePlatform::CreateProcessW(const std::wstring& commandLine,
                                     const std::wstring& currentDirectory, int32_t showWindow,
                                     platform::OsHandle* started) {
    startedCommandLines.push_back(commandLine);
    startedDirectories.push_back(currentDirectory);
    startedShowWindow.push_back(showWindow);
    if (Fails(Call::CreateProcessW)) return 0;
    transcript.push_back(L"start " + commandLine);
    *started = OpenHandle();
    processes_.insert(*started);
    if (process.effects) process.effects();
    return 1;
}

uint32_t FakePlatform::MsgWaitForMultipleObjectsEx(platform::OsHandle handle, uint32_t,
                                                   uint32_t wakeMask, uint32_t) {
    wakeMasks.push_back(wakeMask);
    if (Fails(Call::MsgWaitForMultipleObjectsEx) || processes_.count(handle) == 0)
        return platform::kWaitFailed;
    if (process.inputWakeUps > 0) {
        --process.inputWakeUps;
        return platform::kWaitObject0 + 1;
    }
    return platform::kWaitObject0;
}

uint32_t FakePlatform::WaitForSingleObject(platform::OsHandle handle, uint32_t) {
    if (Fails(Call::WaitForSingleObject) || processes_.count(handle) == 0)
        return platform::kWaitFailed;
    ++blockingWaits;
    process.inputWakeUps = 0;
    return platform::kWaitObject0;
}

int32_t FakePlatform::GetExitCodeProcess(platform::OsHandle handle, uint32_t* exitCode) {
    if (Fails(Call::GetExitCodeProcess) || processes_.count(handle) == 0) return 0;
    *exitCode = process.inputWakeUps > 0 ? platform::kStillActive : process.exitCode;
    return 1;
}

int32_t FakePlatform::CloseHandle(platform::OsHandle handle) { return CloseOpenHandle(handle); }

}  // namespace fake
