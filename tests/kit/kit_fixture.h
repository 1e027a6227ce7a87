// A computer as the kit meets it: the kit in C:\Kit with one 64-bit 10.1.48
// package beside it, and nothing installed.
#pragma once

#include <gtest/gtest.h>

#include "kit/fake_kit.h"
#include "kit/kit_main.h"

namespace fake {

inline constexpr wchar_t kPackage[] = L"C:\\Kit\\mariadb-10.1.48-winx64.msi";
inline constexpr wchar_t kUpgradeCode64[] = L"{49EB7A6A-1CEF-4A1E-9E89-B9A4993963E3}";
inline constexpr wchar_t kInstallLog[] = L"C:\\Windows\\Logs\\Software\\silent-install2-PC0815.log";
inline constexpr wchar_t kRemoveLog[] = L"C:\\Windows\\Logs\\Software\\silent-uninstall-PC0815.log";
inline constexpr wchar_t kPasswordFile[] =
    L"C:\\Program Files\\MariaDB-Installer\\root-kennwort.txt";
inline constexpr wchar_t kTarget[] = L"c:\\Program Files\\MariaDB 10.1";

struct KitComputer {
    KitComputer() {
        kit.folders.insert(L"C:\\Windows");
        kit.files[kPackage] = "msi";
        kit.packages[kPackage] = {0, L"MariaDB 10.1 (x64)", L"10.1.48.0", kUpgradeCode64};
    }
    uint32_t Kit(std::vector<std::wstring> arguments) {
        return kit::RunKit(arguments, kit, L"1.0.0.0");
    }
    void Settings(const std::string& lines) { kit.files[L"C:\\Kit\\einstellungen.ini"] = lines; }
    void Installed(const std::wstring& code, const std::wstring& name, const std::wstring& version,
                   const std::wstring& upgradeCode = kUpgradeCode64) {
        kit.installed.push_back({{code, name, version}, upgradeCode});
    }
    FakeKit kit;
};

class KitTest : public ::testing::Test, public KitComputer {};

}  // namespace fake
