// Process operations.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/win32/unique_handles.h"
#include "platform/win32/platform.h"

namespace win32 {

namespace {

// A job without limits but one: a program that asks to leave it may (it is then
// not awaited). Closing the job's handle stops nothing.
UniqueHandle MakeJob() {
    UniqueHandle job(::CreateJobObjectW(nullptr, nullptr));
    if (!job) return job;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_BREAKAWAY_OK;
    ::SetInformationJobObject(job.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

// The process ids of the job, as many as the list holds.
std::vector<ULONG_PTR> JobProcessIds(HANDLE job) {
    constexpr DWORD kMost = 64;
    std::vector<unsigned char> buffer(sizeof(JOBOBJECT_BASIC_PROCESS_ID_LIST) +
                                      kMost * sizeof(ULONG_PTR));
    auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(buffer.data());
    if (!::QueryInformationJobObject(job, JobObjectBasicProcessIdList, list,
                                     static_cast<DWORD>(buffer.size()), nullptr) &&
        ::GetLastError() != ERROR_MORE_DATA)
        return {};
    // The ids run on past the one-element array the structure declares.
    std::vector<ULONG_PTR> ids(std::min<DWORD>(list->NumberOfProcessIdsInList, kMost));
    std::memcpy(ids.data(),
                buffer.data() + offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList),
                ids.size() * sizeof(ULONG_PTR));
    return ids;
}

DWORD ActiveProcesses(HANDLE job) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    if (!::QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting,
                                     sizeof accounting, nullptr))
        return 0;
    return accounting.ActiveProcesses;
}

// The process with this id when it runs in the job. The limited right first,
// which protected processes grant; Wine 8's IsProcessInJob refuses a handle
// with it, and so the full query right is asked for after that.
UniqueHandle OpenIfInJob(HANDLE job, DWORD id) {
    for (const DWORD query : {PROCESS_QUERY_LIMITED_INFORMATION, PROCESS_QUERY_INFORMATION}) {
        UniqueHandle process(::OpenProcess(SYNCHRONIZE | query, FALSE, id));
        BOOL inJob = FALSE;
        if (!process || !::IsProcessInJob(process.Get(), job, &inJob)) continue;
        if (inJob) return process;
        break;
    }
    return UniqueHandle();
}

}  // namespace

// Started suspended, so the script cannot start anything before it is in the job.
int32_t Win32Platform::CreateProcessW(const std::wstring& commandLine,
                                      const std::wstring& currentDirectory, int32_t showWindow,
                                      platform::OsHandle* process, platform::OsHandle* job) {
    std::vector<wchar_t> line(commandLine.begin(), commandLine.end());
    line.push_back(L'\0');  // CreateProcessW may write into its command line
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showWindow);
    PROCESS_INFORMATION started{};
    const BOOL result = ::CreateProcessW(
        nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &started);
    CaptureLastError();
    if (!result) return 0;
    const UniqueHandle thread(started.hThread);
    // The handle from the start itself: it cannot follow a reused process identifier.
    UniqueHandle owned(started.hProcess);
    UniqueHandle jobObject = MakeJob();
    if (jobObject && !::AssignProcessToJobObject(jobObject.Get(), owned.Get())) jobObject.Reset();
    if (::ResumeThread(thread.Get()) == static_cast<DWORD>(-1)) {
        CaptureLastError();
        ::TerminateProcess(owned.Get(), 1);  // it never ran
        return 0;
    }
    *process = owned.Release();
    *job = jobObject.Release();
    return result;
}

// The list may name a process that has just ended, or (rarely) an id already
// reused: a process counts only when it opens and is in the job. A few rounds,
// as processes end while the list is read.
platform::OsHandle Win32Platform::OpenProcessOfJob(platform::OsHandle job) {
    for (int round = 0; round < 8 && ActiveProcesses(job) > 0; ++round) {
        for (const ULONG_PTR id : JobProcessIds(job)) {
            UniqueHandle process = OpenIfInJob(job, static_cast<DWORD>(id));
            if (process) return process.Release();
        }
    }
    return nullptr;
}

uint32_t Win32Platform::WaitForSingleObject(platform::OsHandle handle, uint32_t milliseconds) {
    const DWORD woken = ::WaitForSingleObject(handle, milliseconds);
    CaptureLastError();
    return woken;
}

int32_t Win32Platform::GetExitCodeProcess(platform::OsHandle process, uint32_t* exitCode) {
    DWORD code = 0;
    const BOOL result = ::GetExitCodeProcess(process, &code);
    CaptureLastError();
    if (result) *exitCode = code;
    return result;
}

int32_t Win32Platform::CloseHandle(platform::OsHandle handle) {
    const LastErrorKeeper keeper;
    return ::CloseHandle(handle);
}

}  // namespace win32
