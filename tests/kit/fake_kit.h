// A scriptable stand-in for the kit's platform: files and folders in memory,
// packages and installed products, services, listeners, a Windows Installer
// that is busy for a while, and msiexec runs whose effect a test gives.
#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "kit/platform/kit_platform.h"

namespace fake {

struct InstalledProduct {
    kit::Product product;
    std::wstring upgradeCode;
};

class FakeKit final : public kit::KitPlatform {
  public:
    // --- scripting ---
    std::wstring programFolder = L"C:\\Kit";
    std::map<std::wstring, std::string> files;  // path: content
    std::set<std::wstring> folders{L"C:\\Kit"};
    std::map<std::wstring, uint32_t> readErrors;
    std::map<std::wstring, kit::PackageProperties> packages;  // by path
    std::vector<InstalledProduct> installed;
    uint32_t productsError = 0;
    std::map<std::wstring, kit::ServiceFacts> services;  // others do not exist
    std::vector<kit::Listener> listeners;
    int busyLooks = 0;  // Busy() says yes this many times
    // What a run of msiexec does with its command line; its exit code.
    std::function<uint32_t(const std::wstring&)> msiexec = [](const std::wstring&) { return 0u; };
    std::map<std::wstring, kit::FolderAccess> access;     // others: only trusted accounts
    std::map<std::wstring, uint32_t> protectErrors;       // ProtectFolder, ProtectFile
    std::map<std::wstring, std::wstring> machineStrings;  // "64|key|value" or "32|key|value"

    // --- observation ---
    std::vector<std::wstring> printed;
    std::vector<std::wstring> commandLines;  // every program run
    int sleptMilliseconds = 0;
    std::set<std::wstring> protectedPaths;

    // Whether any printed line or log file holds TEXT.
    bool Told(const std::wstring& text) const;
    std::string LogOf(const std::wstring& path) const;

    // --- the platform ---
    kit::PathKind KindOf(const std::wstring& path) override;
    std::vector<std::wstring> FileNamesIn(const std::wstring& folder) override;
    kit::FileBytes Read(const std::wstring& path) override;
    uint64_t SizeOf(const std::wstring& path) override;
    uint32_t Append(const std::wstring& path, const std::string& bytes) override;
    uint32_t Replace(const std::wstring& path, const std::string& bytes) override;
    uint32_t MakeFolder(const std::wstring& path) override;
    uint32_t Move(const std::wstring& from, const std::wstring& to) override;
    uint32_t Delete(const std::wstring& path) override;
    uint32_t RemoveEmptyFolder(const std::wstring& path) override;

    uint32_t ProtectFolder(const std::wstring& path) override;
    uint32_t ProtectFile(const std::wstring& path) override;
    uint32_t WriteProtectedFile(const std::wstring& path, const std::string& bytes) override;
    kit::AccessReading AccessOf(const std::wstring& path) override;
    std::wstring RunningAccount() override { return L"S-1-5-18"; }
    bool RandomBytes(uint8_t* bytes, std::size_t count) override;

    kit::PackageProperties ReadPackage(const std::wstring& path) override;
    kit::ProductList RelatedProducts(const std::wstring& upgradeCode) override;
    kit::ProductList AllProducts() override;
    bool IsInstalled(const std::wstring& productCode) override;
    bool Busy() override { return busyLooks > 0 && busyLooks--; }

    std::wstring ProgramFolder() override { return programFolder; }
    std::wstring ComputerName() override { return L"PC0815"; }
    std::wstring UserName() override { return L"SYSTEM"; }
    std::wstring WindowsFolder() override { return L"C:\\Windows"; }
    std::wstring SystemFolder() override { return L"C:\\Windows\\system32"; }
    std::wstring ProgramFilesFolder() override { return L"C:\\Program Files"; }
    std::optional<std::wstring> MachineString(bool view64, const std::wstring& key,
                                              const std::wstring& value) override;
    kit::ServiceFacts Service(const std::wstring& name) override;
    kit::ListenerList TcpListeners() override { return {0, listeners}; }
    kit::ProgramRun Run(const std::wstring& program, const std::wstring& commandLine) override;
    kit::LocalTime Now() override { return {2026, 12, 9, 8, 5, 3, 7, -60}; }
    uint32_t ThreadId() override { return 42; }
    void Sleep(uint32_t milliseconds) override { sleptMilliseconds += milliseconds; }
    void Print(const std::wstring& line) override { printed.push_back(line); }
};

}  // namespace fake
