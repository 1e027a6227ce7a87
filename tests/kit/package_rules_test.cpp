// What the package makes of the values the kit hands it, and the log's form.
#include <gtest/gtest.h>

#include "kit/folder_access.h"
#include "kit/log_format.h"
#include "kit/package_rules.h"
#include "kit/utf8.h"

namespace {

TEST(PackageRulesTest, PropertyValuesAreQuotedAsWindowsInstallerReadsThem) {
    EXPECT_EQ(L"PASSWORD=\"Pa\"\"ss wort\"", kit::PropertyArgument(L"PASSWORD", L"Pa\"ss wort"));
    EXPECT_EQ(L"CLEANUPDATA=\"\"", kit::PropertyArgument(L"CLEANUPDATA", L""));
}

TEST(PackageRulesTest, PasswordsThePackageCannotHandOnAreNamed) {
    EXPECT_TRUE(kit::PasswordNotCarried(L"abc\\"));
    EXPECT_TRUE(kit::PasswordNotCarried(L"abc\\\\"));
    EXPECT_FALSE(kit::PasswordNotCarried(L"a bc\\"));  // escaped by the package
    EXPECT_FALSE(kit::PasswordNotCarried(L"a\"bc\\"));
    EXPECT_FALSE(kit::PasswordNotCarried(L"a\\bc"));
    EXPECT_FALSE(kit::PasswordNotCarried(L" !\"#$%&'()*+,-./09:;<=>?@AZ[]^_`az{|}~"));
    EXPECT_TRUE(kit::PasswordNotCarried(L"Kennw\u00F6rt"));
    EXPECT_TRUE(kit::PasswordNotCarried(L"Euro\u20AC"));
    EXPECT_FALSE(kit::PasswordNotCarried(std::wstring(259, L'x')));
    EXPECT_TRUE(kit::PasswordNotCarried(std::wstring(260, L'x')));
}

TEST(PackageRulesTest, NamesAndVersionsOfTheSeries) {
    EXPECT_EQ(64, kit::ArchitectureOf(L"MariaDB 10.1 (x64)"));
    EXPECT_EQ(32, kit::ArchitectureOf(L"MariaDB 10.1"));
    EXPECT_EQ(0, kit::ArchitectureOf(L"MariaDB 10.11 (x64)"));
    EXPECT_TRUE(kit::IsSeries101(L"MariaDB 10.1 (x64)"));
    EXPECT_FALSE(kit::IsSeries101(L"MariaDB 10.10"));
    EXPECT_TRUE(kit::ParseVersion(L"10.1.9.0") < kit::ParseVersion(L"10.1.22"));
    EXPECT_EQ(kit::ParseVersion(L"10.1.48"), kit::ParseVersion(L"10.1.48.0"));
    EXPECT_FALSE(kit::ParseVersion(L"10.1.x"));
    EXPECT_FALSE(kit::ParseVersion(L"10..1"));
    EXPECT_FALSE(kit::ParseVersion(L"10.1.2.3.4"));
}

TEST(LogFormatTest, OneEntryALineAsTheLogViewerReadsIt) {
    const kit::LocalTime time{2026, 3, 4, 5, 6, 7, 8, -60};
    EXPECT_EQ(
        "<![LOG[a  b]LOG]!)\xC3\xBC]LOG]!><time=\"05:06:07.008-060\" date=\"03-04-2026\" "
        "component=\"silent-install2\" context=\"\" type=\"3\" thread=\"9\" file=\"\">\r\n",
        kit::LogLine(L"a\r\nb]LOG]!>\u00FC", kit::LineType::Failure, L"silent-install2", time, 9));
    std::string big(kit::kLogLimit + 10, 'x');
    big[kit::kLogLimit / 2 + 20] = '\n';
    EXPECT_EQ(kit::kLogLimit / 2 + 21, kit::NewerHalfStart(big));
    EXPECT_EQ(0u, kit::NewerHalfStart("short\n"));
}

TEST(FolderAccessTest, OnlyTrustedAccountsMayWriteWhereSystemLogs) {
    kit::FolderAccess access{L"S-1-5-32-544",
                             true,
                             {{L"S-1-5-18", L"", true, 0x1F01FF},
                              {L"S-1-5-32-545", L"VORDEFINIERT\\Benutzer", true, 0x1200A9},
                              {L"S-1-5-21-1-2-3-1001", L"", true, 0x1F01FF}}};
    EXPECT_EQ(L"", kit::UntrustedWriter(access, L"S-1-5-21-1-2-3-1001"));
    access.entries[1].rights |= 0x4;  // may add a folder
    EXPECT_EQ(L"VORDEFINIERT\\Benutzer", kit::UntrustedWriter(access, L"S-1-5-18"));
    access.entries[1].allows = false;
    EXPECT_EQ(L"S-1-5-21-1-2-3-1001", kit::UntrustedWriter(access, L"S-1-5-18"));
    access.owner = L"S-1-5-21-1-2-3-1002";
    EXPECT_EQ(L"der Besitzer S-1-5-21-1-2-3-1002", kit::UntrustedWriter(access, L"S-1-5-18"));
    access.hasAccessList = false;
    EXPECT_FALSE(kit::UntrustedWriter(access, L"S-1-5-18").empty());
}

TEST(Utf8Test, RoundTripBeyondTheBasicPlane) {
    const std::string bytes = "a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80";
    const auto text = kit::FromUtf8(bytes);
    ASSERT_TRUE(text);
    EXPECT_EQ(bytes, kit::ToUtf8(*text));
    EXPECT_FALSE(kit::FromUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(kit::FromUtf8("\xE2\x82"));          // cut short
}

}  // namespace
