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

ScriptedProcess* FakePlatform::Waitable(platform::OsHandle handle, Call call) {
    const auto waited = processes_.find(handle);
    if (Fails(call) || waited == processes_.end() || waited->second->waitFails) return nullptr;
    return waited->second;
}

// A process ends when its wake-ups are used up; what it does last happens then.
// Each wake-up for input dispatches the pending window events.
bool FakePlatform::WaitWhileResponsive(platform::OsHandle handle) {
    ScriptedProcess* running = Waitable(handle, Call::WaitWhileResponsive);
    if (running == nullptr) return false;
    for (; running->inputWakeUps > 0; --running->inputWakeUps) {
        ++dispatchRounds;
        std::vector<std::function<void()>> events;
        events.swap(pendingEvents);
        for (const auto& event : events) event();
    }
    running->inputWakeUps = -1;
    if (running->atEnd) std::exchange(running->atEnd, nullptr)();
    return true;
}

uint32_t FakePlatform::WaitForSingleObject(platform::OsHandle handle, uint32_t) {
    ScriptedProcess* running = Waitable(handle, Call::WaitForSingleObject);
    if (running == nullptr) return platform::kWaitFailed;
    ++blockingWaits;
    running->inputWakeUps = -1;
    if (running->atEnd) std::exchange(running->atEnd, nullptr)();
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
