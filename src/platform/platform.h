// The operations of the operating system and of the window toolkit that the
// program's logic calls, grouped as they are used. Operating-system functions
// keep their exported names; each implementation supplies all groups.
#pragma once

#include <cstdint>
#include <string>

#include "platform/service_record.h"

namespace platform {

using ScHandle = void*;  // service manager handle, null on failure
using OsHandle = void*;  // kernel object (process, file), null on failure

// Values of the operating system's constants that the logic passes or tests.
constexpr int32_t kErrorMoreData = 234;           // ERROR_MORE_DATA
constexpr uint32_t kStillActive = 259;            // STILL_ACTIVE
constexpr uint32_t kWaitObject0 = 0;              // WAIT_OBJECT_0
constexpr uint32_t kWaitFailed = 0xFFFFFFFF;      // WAIT_FAILED
constexpr uint32_t kInfinite = 0xFFFFFFFF;        // INFINITE
constexpr uint32_t kQsAllInput = 0x04FF;          // QS_ALLINPUT
constexpr uint32_t kMwmoInputAvailable = 0x0004;  // MWMO_INPUTAVAILABLE
constexpr int32_t kSwShowMinimized = 2;           // SW_SHOWMINIMIZED

class ServiceManager {
  public:
    virtual ~ServiceManager() = default;
    virtual ScHandle OpenSCManagerA(const char* machineName, const char* databaseName,
                                    uint32_t desiredAccess) = 0;
    virtual int32_t EnumServicesStatusA(ScHandle manager, uint32_t serviceType,
                                        uint32_t serviceState, ServiceRecord* services,
                                        uint32_t bufferSize, uint32_t* bytesNeeded,
                                        uint32_t* servicesReturned, uint32_t* resumeHandle) = 0;
    // Leaves the captured last-error value as it was.
    virtual int32_t CloseServiceHandle(ScHandle manager) = 0;
};

class Processes {
  public:
    virtual ~Processes() = default;
    // Starts commandLine in currentDirectory with the show-window value; on
    // success *process receives the new process's handle (query and synchronize
    // rights), which the caller owns.
    virtual int32_t CreateProcessW(const std::wstring& commandLine,
                                   const std::wstring& currentDirectory, int32_t showWindow,
                                   OsHandle* process) = 0;
    // Waits for one handle, or for input to this thread when wakeMask is set.
    virtual uint32_t MsgWaitForMultipleObjectsEx(OsHandle handle, uint32_t milliseconds,
                                                 uint32_t wakeMask, uint32_t flags) = 0;
    virtual uint32_t WaitForSingleObject(OsHandle handle, uint32_t milliseconds) = 0;
    virtual int32_t GetExitCodeProcess(OsHandle process, uint32_t* exitCode) = 0;
    // Leaves the captured last-error value as it was.
    virtual int32_t CloseHandle(OsHandle handle) = 0;
};

class Files {
  public:
    virtual ~Files() = default;
    // The name of the entry at path (a directory or a file), empty when there is
    // none or the probe fails.
    virtual std::wstring DirectoryProbe(const std::wstring& path) = 0;
    // Opens an existing file for reading; null when that fails (also for a directory).
    virtual OsHandle CreateFileW(const std::wstring& path) = 0;
    // The folder of the running program, without a trailing backslash except at a drive root.
    virtual std::wstring ProgramDirectory() = 0;
};

enum class Control { cmd_install, cmd_Abbruch, Label3, Image2, Label4, Image1, Label1 };
enum class MousePointer { Default, Hourglass };

// User-interface operations; a failure is thrown as platform::Failure.
class UserInterface {
  public:
    virtual ~UserInterface() = default;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    // Keeps the window's contents drawn while the thread is busy, and repaints it now.
    virtual void AutoRedrawAndRefresh() = 0;
    virtual void SetCaption(Control control, const std::wstring& text) = 0;
    virtual void SetVisible(Control control, bool visible) = 0;
    // A modal box with the OK button only, owned by the window, under the program's title.
    virtual void MsgBox(const std::wstring& text) = 0;
    // Dispatches every message waiting in this thread's queue. False once a
    // request to quit has arrived: it is held until the window closes, and
    // nothing more may be dispatched.
    virtual bool DoEvents() = 0;
    // Destroys the window, which ends the program.
    virtual void Unload() = 0;
};

class Texts {
  public:
    virtual ~Texts() = default;
    // Single-byte text in the system code page to 16-bit text.
    virtual std::wstring FromSystemCodePage(const char* text, std::size_t length) = 0;
    // Case-blind tests under the user's locale.
    virtual bool EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) = 0;
    // 1-based position of the first occurrence of sought in text, 0 when absent.
    virtual int32_t FindIgnoringCase(const std::wstring& text, const std::wstring& sought) = 0;
};

class ErrorObject {
  public:
    virtual ~ErrorObject() = default;
    // The last-error value captured right after the latest operating-system call.
    virtual int32_t LastDllError() const = 0;
};

class Platform : public ServiceManager,
                 public Processes,
                 public Files,
                 public UserInterface,
                 public Texts,
                 public ErrorObject {};

}  // namespace platform
