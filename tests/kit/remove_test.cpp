// The removal road against the double.
#include "kit/kit_fixture.h"

namespace fake {
namespace {

constexpr wchar_t kCode[] = L"{11111111-0000-0000-0000-000000000001}";
constexpr wchar_t kSafeLog[] =
    L"C:\\Program Files\\MariaDB-Installer\\silent-install2-PC0815-msiexec.log";

class RemoveTest : public KitTest {
  protected:
    RemoveTest() {
        Installed(kCode, L"MariaDB 10.1 (x64)", L"10.1.48.0");
        Installed(L"{22222222-0000-0000-0000-000000000002}", L"MariaDB 10.11 (x64)", L"10.11.2.0");
        kit.folders.insert(kTarget);
        kit.files[std::wstring(kTarget) + L"\\data\\ibdata1"] = "data";
        kit.folders.insert(std::wstring(kTarget) + L"\\data");
        kit.folders.insert(L"C:\\Program Files\\MariaDB-Installer");
        kit.files[kPasswordFile] = "pw\r\n";
        kit.files[kSafeLog] = "holds the password";
        kit.msiexec = [this](const std::wstring& line) {
            if (line.find(kCode) != std::wstring::npos) kit.installed.erase(kit.installed.begin());
            return 0u;
        };
    }
};

TEST_F(RemoveTest, TheDataIsKeptAndMovedAsideWithItsPassword) {
    kit.folders.insert(std::wstring(kTarget) + L" - gesichert 1");
    EXPECT_EQ(0u, Kit({L"remove"}));
    ASSERT_EQ(1u, kit.commandLines.size());
    EXPECT_EQ(L"\"C:\\Windows\\system32\\msiexec.exe\" /x " + std::wstring(kCode) +
                  L" /qn /norestart /l*v+ "
                  L"\"C:\\Windows\\Logs\\Software\\silent-uninstall-PC0815-msiexec.log\" "
                  L"CLEANUPDATA=\"\"",
              kit.commandLines[0]);
    const std::wstring kept = std::wstring(kTarget) + L" - gesichert 2";
    EXPECT_EQ("data", kit.files[kept + L"\\data\\ibdata1"]);
    EXPECT_EQ("pw\r\n", kit.files[kept + L"\\root-kennwort.txt"]);
    EXPECT_EQ(kit::PathKind::None, kit.KindOf(kTarget));
    EXPECT_EQ(1u, kit.files.count(kSafeLog));
    EXPECT_NE(std::string::npos, kit.LogOf(kRemoveLog).find("gesichert 2"));
    kit.commandLines.clear();
    EXPECT_EQ(0u, Kit({L"remove"}));
    EXPECT_TRUE(kit.commandLines.empty());
    EXPECT_TRUE(kit.Told(L"Kein MariaDB 10.1 installiert"));
}

TEST_F(RemoveTest, DeleteDataTakesThePasswordAndTheInstallationsLogAlong) {
    Settings("DELETE_DATA=yes\n");
    kit.msiexec = [this](const std::wstring& line) {
        kit.installed.erase(kit.installed.begin());
        if (line.find(L"CLEANUPDATA=\"1\"") != std::wstring::npos)
            kit.files.erase(std::wstring(kTarget) + L"\\data\\ibdata1"),
                kit.folders.erase(std::wstring(kTarget) + L"\\data");
        return 3010u;
    };
    EXPECT_EQ(3010u, Kit({L"remove"}));
    EXPECT_EQ(0u, kit.files.count(kPasswordFile));
    EXPECT_EQ(0u, kit.files.count(kSafeLog));
    EXPECT_EQ(kit::PathKind::None, kit.KindOf(kTarget));
    EXPECT_EQ(kit::PathKind::None, kit.KindOf(std::wstring(kTarget) + L" - gesichert 1"));
}

TEST_F(RemoveTest, AProductStillInstalledIsAFailureWhatEverMsiexecSaid) {
    kit.msiexec = [](const std::wstring&) { return 0u; };
    EXPECT_EQ(17030u, Kit({L"remove"}));
    EXPECT_EQ(kit::PathKind::Folder, kit.KindOf(kTarget));
    kit.msiexec = [](const std::wstring&) { return 1603u; };
    EXPECT_EQ(1603u, Kit({L"remove"}));
    kit.productsError = 1612;
    EXPECT_EQ(17013u, Kit({L"remove"}));
}

}  // namespace
}  // namespace fake
