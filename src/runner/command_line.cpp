#include "runner/command_line.h"

std::wstring CommandLineFor(const std::wstring& path) {
    static const wchar_t kNeedsQuotes[] = L" \t&|<>^(),;=";
    if (path.find_first_of(kNeedsQuotes) == std::wstring::npos) return path;
    return L'"' + path + L'"';
}
