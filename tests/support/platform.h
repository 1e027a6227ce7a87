// A scriptable stand-in for the platform, for the unit tests: it presents
// service lists per state, can make any call fail with a chosen last-error
// value, counts the handles it hands out and takes back, and records every
// effect on the user interface as a transcript.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/teller.h"

#include "platform/platform.h"
#include "platform/window_events.h"

namespace fake {

enum class Call {
    OpenSCManagerA,
    EnumSizeQuery,  // EnumServicesStatusA without a buffer
    EnumFetch,      // EnumServicesStatusA with a buffer
    CreateProcessW,
    WaitWhileResponsive,
    WaitForSingleObject,
    GetExitCodeProcess,
    CreateFileW,
    DirectoryProbe,
    SetMousePointer,
    AutoRedrawAndRefresh,
    SetCaption,
    SetVisible,
};

struct Service {
    std::string name;  // in the system code page (here: Latin-1)
    std::string displayName;
};

struct ReportedEvent {
    platform::EventType type;
    uint32_t id;
    std::wstring text;
};

// The process that CreateProcessW starts: it runs for as many wake-ups for
// input as given, then ends with its exit code.
struct ScriptedProcess {
    uint32_t exitCode = 0;
    int inputWakeUps = 0;
    std::function<void()> effects;  // what the process does, run when it starts
    std::function<void()> atEnd;    // what it does last, run once it is seen to end
    bool waitFails = false;         // every wait for it fails
};

// Also the one whom the scan and the runner tell, where a test has them alone.
class FakePlatform final : public platform::Platform, public platform::Teller {
  public:
    // --- scripting ---
    std::vector<Service> running;
    std::vector<Service> stopped;
    std::wstring programDirectory = L"C:\\Setup";
    std::set<std::wstring> files;        // paths that open for reading
    std::set<std::wstring> directories;  // paths the directory probe finds, besides files
    ScriptedProcess process;
    // Processes the script leaves running in its job, awaited after it.
    std::list<ScriptedProcess> leftInJob;
    // Whether the started script can be put into a job of its own.
    bool jobPossible = true;
    // Runs between the size query and the fetch of an enumeration, with its state.
    std::function<void(uint32_t serviceState)> betweenQueryAndFetch;
    // Replaces the bytes needed that a size query reports, when set.
    int64_t reportedBytesNeeded = -1;
    // The most bytes one fetch fills (the system's 256 KB), when set.
    uint32_t maxBytesPerCall = 0;
    // Replaces the number of records that a fetch reports, when set.
    int64_t reportedServicesReturned = -1;
    // Changes what a fetch that asks for more reports: the records it counts,
    // and where it leaves the resume handle it was given at resumedFrom.
    std::function<void(uint32_t& returned, uint32_t& resumeHandle, uint32_t resumedFrom)>
        alterPartialFetch;
    // Window events that the next wake-up for input of a responsive wait
    // dispatches, in order.
    std::vector<std::function<void()>> pendingEvents;
    // Runs while a message box is open, with its text.
    std::function<void(const std::wstring&)> duringMessageBox;
    // Requests to quit that end as many boxes before they are answered; each
    // is reported to windowEvents, as the real box reports it.
    int quitsEndingBoxes = 0;
    // Whether anybody can see the window.
    bool canBeSeen = true;
    // Told that the window is destroyed when Unload destroys it, as the real
    // window tells the logic.
    platform::WindowEvents* windowEvents = nullptr;

    // Every later call of this kind fails with lastError.
    void Fail(Call call, int32_t lastError) { failures_[call] = lastError; }
    void Recover(Call call) { failures_.erase(call); }

    // --- observation ---
    std::vector<std::wstring> transcript;
    std::vector<std::wstring> startedCommandLines;
    std::vector<std::wstring> startedDirectories;
    std::vector<int32_t> startedShowWindow;
    int handlesOpened = 0;
    int handlesClosed = 0;
    int badCloses = 0;  // closes of a handle that was not open
    int fetches = 0;    // enumeration calls with a buffer
    uint32_t largestFetchBuffer = 0;
    int dispatchRounds = 0;  // wake-ups for input of responsive waits
    int blockingWaits = 0;
    bool unloaded = false;
    platform::MousePointer pointer = platform::MousePointer::Default;
    std::map<platform::Control, std::wstring> captions;
    std::map<platform::Control, bool> visible;
    std::vector<ReportedEvent> events;  // written to the Application log
    int OpenHandles() const { return static_cast<int>(live_.size()); }

    // --- the platform ---
    platform::ScHandle OpenSCManagerA(const char*, const char*, uint32_t) override;
    int32_t EnumServicesStatusA(platform::ScHandle manager, uint32_t serviceType,
                                uint32_t serviceState, platform::ServiceRecord* services,
                                uint32_t bufferSize, uint32_t* bytesNeeded,
                                uint32_t* servicesReturned, uint32_t* resumeHandle) override;
    int32_t CloseServiceHandle(platform::ScHandle manager) override;

    int32_t CreateProcessW(const std::wstring& commandLine, const std::wstring& currentDirectory,
                           int32_t showWindow, platform::OsHandle* process,
                           platform::OsHandle* job) override;
    platform::OsHandle OpenProcessOfJob(platform::OsHandle job) override;
    uint32_t WaitForSingleObject(platform::OsHandle handle, uint32_t milliseconds) override;
    int32_t GetExitCodeProcess(platform::OsHandle process, uint32_t* exitCode) override;
    int32_t CloseHandle(platform::OsHandle handle) override;

    std::wstring DirectoryProbe(const std::wstring& path) override;
    platform::OsHandle CreateFileW(const std::wstring& path) override;
    std::wstring ProgramDirectory() override { return programDirectory; }

    void SetMousePointer(platform::MousePointer pointer) override;
    void AutoRedrawAndRefresh() override;
    void SetCaption(platform::Control control, const std::wstring& text) override;
    void SetVisible(platform::Control control, bool visible) override;
    bool MsgBox(const std::wstring& text) override;
    void Tell(const std::wstring& text) override { MsgBox(text); }
    bool CanBeSeen() override { return canBeSeen; }
    bool WaitWhileResponsive(platform::OsHandle process) override;
    void ShowShutdownBlockReason(const std::wstring& reason) noexcept override;
    void RemoveShutdownBlockReason() noexcept override;
    void Unload() override;

    std::wstring FromSystemCodePage(const char* text, std::size_t length) override;
    bool EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) override;
    int32_t FindIgnoringCase(const std::wstring& text, const std::wstring& sought) override;

    int32_t LastDllError() const override { return lastError_; }

    void WriteEvent(platform::EventType type, uint32_t id,
                    const std::wstring& text) noexcept override {
        events.push_back({type, id, text});
    }

  private:
    bool Fails(Call call);
    // The scripted process behind a handle, when it can be waited for.
    ScriptedProcess* Waitable(platform::OsHandle handle, Call call);
    void* OpenHandle();
    int32_t CloseOpenHandle(void* handle);
    void ThrowIfFails(Call call);

    std::map<Call, int32_t> failures_;
    std::set<void*> live_;
    std::map<void*, ScriptedProcess*> processes_;
    void* job_ = nullptr;
    uintptr_t nextHandle_ = 0x1000;
    int32_t lastError_ = 0;
};

// The name of a control as the transcript writes it.
std::wstring ControlName(platform::Control control);

}  // namespace fake
