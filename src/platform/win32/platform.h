// The platform operations on real Windows: advapi32, kernel32 and user32,
// with the last-error value captured right after each system call.
#pragma once

#include "platform/platform.h"
#include "platform/win32/installer_window.h"

namespace win32 {

class Win32Platform final : public platform::Platform {
  public:
    // seen: whether anybody can see the window, decided once at the start.
    Win32Platform(InstallerWindow& window, bool seen) : window_(window), seen_(seen) {}

    platform::ScHandle OpenSCManagerA(const char* machineName, const char* databaseName,
                                      uint32_t desiredAccess) override;
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
    std::wstring ProgramDirectory() override;

    void SetMousePointer(platform::MousePointer pointer) override;
    void AutoRedrawAndRefresh() override;
    void SetCaption(platform::Control control, const std::wstring& text) override;
    void SetVisible(platform::Control control, bool visible) override;
    bool MsgBox(const std::wstring& text) override;
    bool CanBeSeen() override;
    bool WaitWhileResponsive(platform::OsHandle process) override;
    void ShowShutdownBlockReason(const std::wstring& reason) noexcept override;
    void RemoveShutdownBlockReason() noexcept override;
    void Unload() override;

    std::wstring FromSystemCodePage(const char* text, std::size_t length) override;
    bool EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) override;
    int32_t FindIgnoringCase(const std::wstring& text, const std::wstring& sought) override;

    int32_t LastDllError() const override { return lastError_; }

    void WriteEvent(platform::EventType type, uint32_t eventId,
                    const std::wstring& text) noexcept override;

  private:
    void CaptureLastError();

    InstallerWindow& window_;
    const bool seen_;
    int32_t lastError_ = 0;
};

}  // namespace win32
