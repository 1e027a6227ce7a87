#include "kit/package_rules.h"

namespace kit {
namespace {

constexpr std::size_t kLongestPassword = 259;  // the custom action's MAX_PATH buffer
constexpr wchar_t kEscapedWhenPresent[] = L" \t\n\v\"";
constexpr wchar_t kSeries[] = L"MariaDB 10.1";

}  // namespace

std::wstring PropertyArgument(const std::wstring& name, const std::wstring& value) {
    std::wstring argument = name + L"=\"";
    for (const wchar_t c : value) {
        if (c == L'"') argument += L'"';
        argument += c;
    }
    return argument + L"\"";
}

std::optional<std::wstring> PasswordNotCarried(const std::wstring& password) {
    if (password.size() > kLongestPassword)
        return L"Es ist " + std::to_wstring(password.size()) +
               L" Zeichen lang; das Paket uebernimmt hoechstens 259 und kuerzte es still.";
    for (const wchar_t c : password)
        if (c > 0x7E)
            return std::wstring(
                L"Es enthaelt ein Zeichen ausserhalb von ASCII (etwa einen Umlaut, ss oder das "
                L"Euro-Zeichen); mysql_install_db des Pakets schriebe jedes Byte davon verfaelscht "
                L"in die Datenbank, und root bekaeme ein anderes Kennwort.");
    if (!password.empty() && password.back() == L'\\' &&
        password.find_first_of(kEscapedWhenPresent) == std::wstring::npos)
        return std::wstring(
            L"Es endet mit einem Backslash und enthaelt weder Leerzeichen noch "
            L"Anfuehrungszeichen; so gibt das Paket es nicht unversehrt an mysql_install_db "
            L"weiter.");
    return std::nullopt;
}

int ArchitectureOf(const std::wstring& productName) {
    if (productName == std::wstring(kSeries) + L" (x64)") return 64;
    if (productName == kSeries) return 32;
    return 0;
}

bool IsSeries101(const std::wstring& name) {
    const std::size_t length = std::char_traits<wchar_t>::length(kSeries);
    return name.compare(0, length, kSeries) == 0 && (name.size() == length || name[length] == L' ');
}

std::optional<Version> ParseVersion(const std::wstring& text) {
    Version version{};
    std::size_t part = 0;
    bool digitSeen = false;
    for (const wchar_t c : text) {
        if (c == L'.' && digitSeen && part < 3) {
            ++part;
            digitSeen = false;
        } else if (c >= L'0' && c <= L'9' && version[part] <= 0xFFFFFF) {
            version[part] = version[part] * 10 + static_cast<uint32_t>(c - L'0');
            digitSeen = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digitSeen) return std::nullopt;
    return version;
}

}  // namespace kit
