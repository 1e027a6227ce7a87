// The kit's platform on Windows: the only place where the kit calls Win32.
// One file per group: files.cpp, security.cpp, windows_installer.cpp,
// machine.cpp.
#pragma once

#include "kit/platform/kit_platform.h"
#include "kit/win32/system32_library.h"

namespace kit::win32 {

class Win32KitPlatform final : public KitPlatform {
  public:
    Win32KitPlatform();

    // Files
    PathKind KindOf(const std::wstring& path) override;
    std::vector<std::wstring> FileNamesIn(const std::wstring& folder) override;
    FileBytes Read(const std::wstring& path) override;
    uint64_t SizeOf(const std::wstring& path) override;
    uint32_t Append(const std::wstring& path, const std::string& bytes) override;
    uint32_t Replace(const std::wstring& path, const std::string& bytes) override;
    uint32_t MakeFolder(const std::wstring& path) override;
    uint32_t Move(const std::wstring& from, const std::wstring& to) override;
    uint32_t Delete(const std::wstring& path) override;
    uint32_t RemoveEmptyFolder(const std::wstring& path) override;

    // Security
    uint32_t ProtectFolder(const std::wstring& path) override;
    uint32_t ProtectFile(const std::wstring& path) override;
    uint32_t WriteProtectedFile(const std::wstring& path, const std::string& bytes) override;
    AccessReading AccessOf(const std::wstring& path) override;
    std::wstring RunningAccount() override;
    bool RandomBytes(uint8_t* bytes, std::size_t count) override;

    // Windows Installer
    PackageProperties ReadPackage(const std::wstring& path) override;
    ProductList RelatedProducts(const std::wstring& upgradeCode) override;
    ProductList AllProducts() override;
    bool IsInstalled(const std::wstring& productCode) override;
    bool Busy() override;

    // Machine
    std::wstring ProgramFolder() override;
    std::wstring ComputerName() override;
    std::wstring UserName() override;
    std::wstring WindowsFolder() override;
    std::wstring SystemFolder() override;
    std::wstring ProgramFilesFolder() override;
    std::optional<std::wstring> MachineString(bool view64, const std::wstring& key,
                                              const std::wstring& value) override;
    ServiceFacts Service(const std::wstring& name) override;
    ListenerList TcpListeners() override;
    ProgramRun Run(const std::wstring& program, const std::wstring& commandLine) override;
    LocalTime Now() override;
    uint32_t ThreadId() override;
    void Sleep(uint32_t milliseconds) override;
    void Print(const std::wstring& line) override;

  private:
    // The product's name and version as Windows Installer keeps them.
    Product Describe(const wchar_t* code);

    System32Library msi_{L"msi.dll"};
    System32Library iphlpapi_{L"iphlpapi.dll"};
    System32Library bcrypt_{L"bcrypt.dll"};
};

}  // namespace kit::win32
