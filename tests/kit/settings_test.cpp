// einstellungen.ini and the command line: values exactly as written, and each
// bad input named by its line.
#include <gtest/gtest.h>

#include "kit/settings.h"

namespace {

TEST(SettingsTest, ValuesAreTheRestOfTheLineExactly) {
    kit::Settings settings;
    const std::string file =
        "\xEF\xBB\xBF; Kommentar\r\n"
        "\r\n"
        "ROOT_PASSWORD= Pa\"ss%PATH%&^!=\xC3\xBC\xC3\x9F\xE2\x82\xAC \r\n"
        "package=mariadb-10.1.48-winx64.msi\n"
        "LOGDIR=\n"
        "DELETE_DATA=YES";
    EXPECT_FALSE(kit::ReadSettingsFile(file, settings));
    EXPECT_EQ(L" Pa\"ss%PATH%&^!=\u00FC\u00DF\u20AC ", settings.rootPassword);
    EXPECT_EQ(L"mariadb-10.1.48-winx64.msi", settings.package);
    EXPECT_EQ(L"", settings.logDir);
    EXPECT_TRUE(settings.deleteData);
}

TEST(SettingsTest, EachBadInputIsNamedByItsLine) {
    const struct {
        std::string file;
        int line;
        std::wstring reasonStart;
    } cases[] = {
        {"LOGDIR=C:\\Logs\r\nROOT_PASSWORD\r\n", 2, L"Kein Gleichheitszeichen"},
        {"; x\nROOT_PASSWRD=geheim\n", 2, L"Unbekannter Name \"ROOT_PASSWRD\""},
        {"PACKAGE=a.msi\nLOGDIR=x\nPACKAGE=b.msi\n", 3, L"PACKAGE steht schon in Zeile 1."},
        {"ROOT_PASSWORD=K\xF6nig\n", 1, L"Die Zeile ist kein UTF-8"},      // Latin-1
        {"ROOT_PASSWORD=\xC0\xBA\n", 1, L"Die Zeile ist kein UTF-8"},      // overlong
        {"ROOT_PASSWORD=\xED\xA0\x80\n", 1, L"Die Zeile ist kein UTF-8"},  // a surrogate
        {"\n\nROOT_PASSWORD=a\tb\n", 3, L"ROOT_PASSWORD enthaelt ein Steuerzeichen"},
        {"DELETE_DATA=ja\n", 1, L"DELETE_DATA ist yes, no oder leer, nicht \"ja\"."},
    };
    for (const auto& one : cases) {
        kit::Settings settings;
        const auto fault = kit::ReadSettingsFile(one.file, settings);
        ASSERT_TRUE(fault) << one.file;
        EXPECT_EQ(one.line, fault->line) << one.file;
        EXPECT_EQ(0u, fault->reason.find(one.reasonStart)) << one.file;
    }
}

TEST(SettingsTest, ArgumentsOverrideAllButThePassword) {
    kit::Settings settings;
    settings.package = L"a.msi";
    EXPECT_FALSE(kit::ApplyArgument(L"PACKAGE=b.msi", settings));
    EXPECT_EQ(L"b.msi", settings.package);
    const auto refused = kit::ApplyArgument(L"ROOT_PASSWORD=geheim", settings);
    ASSERT_TRUE(refused);
    EXPECT_EQ(std::wstring::npos, refused->find(L"geheim"));
    EXPECT_EQ(L"", settings.rootPassword);
    EXPECT_TRUE(kit::ApplyArgument(L"/qn", settings));
    EXPECT_TRUE(kit::ApplyArgument(L"DELETE_DATA=vielleicht", settings));
}

}  // namespace
