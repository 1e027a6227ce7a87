// The requirement script that software distribution runs before the kit
// applies the program's own rule of which computers have a server: the same
// two service names, compared as the program compares them, and the same folder.
#include <gtest/gtest.h>

#include <cwctype>
#include <fstream>
#include <regex>
#include <sstream>

#include "support/expected_texts.h"

namespace {

std::string ScriptText() {
    std::ifstream file(REQUIREMENT_SCRIPT, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The first capture of PATTERN in the script, as wide text; empty when absent.
std::wstring Captured(const std::string& pattern) {
    std::smatch match;
    const std::string text = ScriptText();
    if (!std::regex_search(text, match, std::regex(pattern))) return {};
    const std::string found = match[1];
    return std::wstring(found.begin(), found.end());
}

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

TEST(RequirementScriptTest, AppliesTheProgramsOwnRule) {
    // -eq and -like ignore case in PowerShell; -ceq and -clike would not.
    EXPECT_EQ(Upper(expected::kMysqlServiceName), Upper(Captured(R"(\$_\.Name -eq '([^']*)')")));
    EXPECT_EQ(expected::kMariaNamePart, Captured(R"(\$_\.Name -like '\*([^'*]*)\*')"));
    EXPECT_EQ(expected::kTargetDirectory, Captured(R"(Test-Path -LiteralPath '([^']*)')"));
    EXPECT_EQ(L"NichtAnwendbar", Captured(R"(\) \{\s*'([A-Za-z]*)')"));
    EXPECT_EQ(L"0", Captured(R"(exit (\d+)\s*$)"));
}

}  // namespace
