// The install road against the double: which road, which code, what msiexec gets.
#include "kit/kit_fixture.h"

namespace fake {
namespace {

constexpr wchar_t kMsiexec[] = L"\"C:\\Windows\\system32\\msiexec.exe\" ";

TEST_F(KitTest, NewInstallationWithTheComputersOwnPassword) {
    EXPECT_EQ(0u, Kit({L"install"}));
    ASSERT_EQ(1u, kit.commandLines.size());
    EXPECT_EQ(std::wstring(kMsiexec) + L"/i \"" + kPackage +
                  L"\" /qn /norestart /l*v \"C:\\Program "
                  L"Files\\MariaDB-Installer\\silent-install2-PC0815-msiexec.log\" "
                  L"INSTALLDIR=\"c:\\Program Files\\MariaDB 10.1\" SERVICENAME=\"MariaDB\" "
                  L"PASSWORD=\"a0a1a2a3a4a5a6a7a8a9aaabacadaeaf\"",
              kit.commandLines[0]);
    EXPECT_EQ("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf\r\n", kit.files[kPasswordFile]);
    EXPECT_EQ(1u, kit.protectedPaths.count(kPasswordFile));
    EXPECT_EQ(1u, kit.protectedPaths.count(
                      L"C:\\Program Files\\MariaDB-Installer\\silent-install2-PC0815-msiexec.log"));
    EXPECT_FALSE(kit.Told(L"a0a1a2a3"));
    EXPECT_TRUE(kit.Told(L"PASSWORD=\"********\""));
    EXPECT_NE(std::string::npos, kit.LogOf(kInstallLog).find("<![LOG[Exit-Code: 0]LOG]!>"));
    EXPECT_EQ(0u, kit.LogOf(kInstallLog).find("\xEF\xBB\xBF<![LOG[mariadb-kit 1.0.0.0 install"));
}

TEST_F(KitTest, AGivenPasswordArrivesQuotedAndReplacesAnOldOwnOne) {
    Settings("ROOT_PASSWORD=Pa\"ss %wort%&\n");
    kit.files[kPasswordFile] = "old\r\n";
    EXPECT_EQ(0u, Kit({L"install"}));
    ASSERT_EQ(1u, kit.commandLines.size());
    EXPECT_NE(std::wstring::npos, kit.commandLines[0].find(L" PASSWORD=\"Pa\"\"ss %wort%&\""));
    EXPECT_EQ(0u, kit.files.count(kPasswordFile));
    EXPECT_FALSE(kit.Told(L"%wort%"));
}

TEST_F(KitTest, WhatWouldMakeThePackageFailStopsItBeforeItRuns) {
    const struct {
        std::function<void(KitComputer&)> setUp;
        uint32_t code;
        std::wstring told;
    } cases[] = {
        {[](KitComputer& t) { t.Settings("ROOT_PASSWORD=geheim\\\n"); }, 17025, L"Backslash"},
        {[](KitComputer& t) { t.kit.folders.insert(kTarget); }, 17024, L"besteht schon"},
        {[](KitComputer& t) {
             t.kit.services[L"MariaDB"] = {0, false, L"C:\\mysql\\mysqld.exe"};
         },
         17021, L"er startet \"C:\\mysql\\mysqld.exe\""},
        {[](KitComputer& t) {
             t.kit.services[L"MariaDB"] = {0, true, L"x.exe"};
         },
         17022, L"zum Loeschen vorgemerkt"},
        {[](KitComputer& t) {
             t.kit.services[L"MariaDB"] = {5, false, L""};
         },
         17023, L"Fehler 5"},
        {[](KitComputer& t) {
             t.kit.listeners = {{33060, 7}, {3306, 4242}};
         },
         17020, L"der Prozess mit der ID 4242"},
        {[](KitComputer& t) { t.kit.protectErrors[L"C:\\Program Files\\MariaDB-Installer"] = 5; },
         17026, L"kein eigenes Kennwort"},
    };
    for (const auto& one : cases) {
        KitComputer fresh;
        one.setUp(fresh);
        EXPECT_EQ(one.code, fresh.Kit({L"install"})) << one.code;
        EXPECT_TRUE(fresh.kit.commandLines.empty()) << one.code;
        EXPECT_TRUE(fresh.kit.Told(one.told)) << one.code;
    }
}

TEST_F(KitTest, ThePackageAndTheInstalledProductsDecideTheRoad) {
    kit.files[L"C:\\Kit\\mariadb-10.11.2-winx64.msi"] = "other series";
    Installed(L"{11111111-0000-0000-0000-000000000001}", L"MariaDB 10.1 (x64)", L"10.1.48.0");
    EXPECT_EQ(0u, Kit({L"install"}));
    EXPECT_TRUE(kit.Told(L"Nichts zu tun"));
    kit.installed[0].product.version = L"10.1.49.0";
    EXPECT_EQ(1638u, Kit({L"install"}));
    kit.installed[0].product.name = L"MariaDB 10.1";  // 32 bits, another upgrade code
    kit.installed[0].upgradeCode = L"{2331E7BD-EE58-431B-9E18-B2B918BCEB1B}";
    EXPECT_EQ(17014u, Kit({L"install"}));
    kit.installed.clear();
    kit.files[L"C:\\Kit\\mariadb-10.1.22-winx64.msi"] = "second";
    EXPECT_EQ(17010u, Kit({L"install"}));
    EXPECT_EQ(0u, Kit({L"install", L"PACKAGE=mariadb-10.1.48-winx64.msi"}));
    kit.packages[kPackage].productName = L"MariaDB 10.11 (x64)";
    EXPECT_EQ(17012u, Kit({L"install", L"PACKAGE=mariadb-10.1.48-winx64.msi"}));
    EXPECT_EQ(1619u, Kit({L"install", L"PACKAGE=missing.msi"}));
    EXPECT_EQ(1u, kit.commandLines.size());
}

TEST_F(KitTest, AnOlderProductIsUpdatedWithoutFolderServiceOrPassword) {
    Installed(L"{11111111-0000-0000-0000-000000000001}", L"MariaDB 10.1 (x64)", L"10.1.22.0");
    kit.machineStrings[L"64|SOFTWARE\\Monty Program AB\\MariaDB 10.1 (x64)|SERVICENAME"] = L"MySQL";
    kit.msiexec = [this](const std::wstring&) {
        kit.installed[0].product.version = L"10.1.48.0";
        kit.installed[0].upgradeCode.clear();  // as Wine's msi forgets it in an update
        return 3010u;
    };
    EXPECT_EQ(3010u, Kit({L"install"}));
    ASSERT_EQ(1u, kit.commandLines.size());
    EXPECT_EQ(std::wstring(kMsiexec) + L"/i \"" + kPackage +
                  L"\" /qn /norestart /l*v "
                  L"\"C:\\Windows\\Logs\\Software\\silent-install2-PC0815-msiexec.log\"",
              kit.commandLines[0]);
    EXPECT_TRUE(kit.Told(L"Der Dienst \"MySQL\" wird dafuer angehalten"));
    kit.installed[0].product.version = L"10.1.22.0";
    kit.msiexec = [](const std::wstring&) { return 0u; };
    EXPECT_EQ(17016u, Kit({L"install"}));
}

TEST_F(KitTest, ABusyWindowsInstallerIsAwaitedForTenMinutesAtMost) {
    kit.busyLooks = 3;
    EXPECT_EQ(0u, Kit({L"install"}));
    EXPECT_EQ(2000, kit.sleptMilliseconds);
    EXPECT_TRUE(kit.Told(L"nach 2 Sekunden frei"));
    kit.busyLooks = 100000;
    kit.commandLines.clear();
    EXPECT_EQ(1618u, Kit({L"install"}));
    EXPECT_EQ(2000 + 600000, kit.sleptMilliseconds);
    EXPECT_TRUE(kit.commandLines.empty());
}

TEST_F(KitTest, BadSettingsChangeNothingAndNameFileAndLine) {
    Settings("LOGDIR=C:\\Logs\nROOT_PASSWORD\n");
    EXPECT_EQ(17002u, Kit({L"install"}));
    EXPECT_TRUE(kit.Told(L"\"C:\\Kit\\einstellungen.ini\", Zeile 2: Kein Gleichheitszeichen"));
    EXPECT_TRUE(kit.commandLines.empty());
    EXPECT_EQ(0u, kit.folders.count(L"C:\\Logs"));
    kit.readErrors[L"C:\\Kit\\einstellungen.ini"] = 32;
    EXPECT_EQ(17001u, Kit({L"install"}));
    EXPECT_EQ(17003u, Kit({L"repair"}));
}

TEST_F(KitTest, ALogFolderOthersMayWriteInIsPassedOver) {
    Settings("LOGDIR=C:\\Pakete\\Logs\\\n");
    kit.access[L"C:\\Pakete\\Logs"] = {
        L"S-1-5-32-544",
        true,
        {{L"S-1-5-11", L"NT-AUTORITAET\\Authentifizierte Benutzer", true, 0x1301BF}}};
    EXPECT_EQ(0u, Kit({L"install"}));
    EXPECT_TRUE(
        kit.Told(L"\"C:\\Pakete\\Logs\" wird nicht genommen: dort darf auch "
                 L"NT-AUTORITAET\\Authentifizierte Benutzer schreiben"));
    EXPECT_EQ(0u, kit.files.count(L"C:\\Pakete\\Logs\\silent-install2-PC0815.log"));
    EXPECT_NE(std::string::npos, kit.LogOf(kInstallLog).find("type=\"2\""));
}

}  // namespace
}  // namespace fake
