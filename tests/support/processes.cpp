// Processes of the double: the scripted process, what it leaves running in its
// job, their wake-ups and exit codes.
#include "support/platform.h"

#include <utility>

namespace fake {

int32_t FakePlatform::CreateProcessW(const std::wstring& commandLine,
                                     const std::wstring& currentDirectory, int32_t showWindow,
                                     platform::OsHandle* started, platform::OsHandle* job) {
    startedCommandLines.push_back(commandLine);
    startedDirectories.push_back(currentDirectory);
    startedShowWindow.push_back(showWindow);
    if (Fails(Call::CreateProcessW)) return 0;
    transcript.push_back(L"start " + commandLine);
    *started = OpenHandle();
    processes_[*started] = &process;
    job_ = *job = jobPossible ? OpenHandle() : nullptr;
    if (process.effects) process.effects();
    return 1;
}

platform::OsHandle FakePlatform::OpenProcessOfJob(platform::OsHandle job) {
    if (job == nullptr || job != job_ || live_.count(job) == 0) return nullptr;
    for (ScriptedProcess& left : leftInJob) {
        if (left.inputWakeUps < 0) continue;  // ended
        void* handle = OpenHandle();
        processes_[handle] = &left;
        return handle;
    }
    return nullptr;
}

// A process ends when its wake-ups are used up; what it does last happens then.
uint32_t FakePlatform::MsgWaitForMultipleObjectsEx(platform::OsHandle handle, uint32_t,
                                                   uint32_t wakeMask, uint32_t) {
    wakeMasks.push_back(wakeMask);
    const auto waited = processes_.find(handle);
    if (Fails(Call::MsgWaitForMultipleObjectsEx) || waited == processes_.end())
        return platform::kWaitFailed;
    ScriptedProcess& running = *waited->second;
    if (running.inputWakeUps > 0) {
        --running.inputWakeUps;
        return platform::kWaitObject0 + 1;
    }
    running.inputWakeUps = -1;
    if (running.atEnd) std::exchange(running.atEnd, nullptr)();
    return platform::kWaitObject0;
}

uint32_t FakePlatform::WaitForSingleObject(platform::OsHandle handle, uint32_t) {
    const auto waited = processes_.find(handle);
    if (Fails(Call::WaitForSingleObject) || waited == processes_.end())
        return platform::kWaitFailed;
    ++blockingWaits;
    waited->second->inputWakeUps = -1;
    if (waited->second->atEnd) std::exchange(waited->second->atEnd, nullptr)();
    return platform::kWaitObject0;
}

int32_t FakePlatform::GetExitCodeProcess(platform::OsHandle handle, uint32_t* exitCode) {
    const auto process = processes_.find(handle);
    if (Fails(Call::GetExitCodeProcess) || process == processes_.end()) return 0;
    *exitCode =
        process->second->inputWakeUps > 0 ? platform::kStillActive : process->second->exitCode;
    return 1;
}

int32_t FakePlatform::CloseHandle(platform::OsHandle handle) {
    processes_.erase(handle);
    return CloseOpenHandle(handle);
}

}  // namespace fake
