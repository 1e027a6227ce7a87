// Text operations under the user's locale.
#include <windows.h>

#include "platform/win32/platform.h"

namespace win32 {
namespace {

bool SameIgnoringCase(const wchar_t* left, int leftLength, const wchar_t* right, int rightLength) {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left, leftLength, right,
                            rightLength) == CSTR_EQUAL;
}

}  // namespace

std::wstring Win32Platform::FromSystemCodePage(const char* text, std::size_t length) {
    if (length == 0) return std::wstring();
    const int size = static_cast<int>(length);
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, text, size, nullptr, 0);
    std::wstring converted(static_cast<std::size_t>(wide), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text, size, converted.data(), wide);
    return converted;
}

bool Win32Platform::EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) {
    return SameIgnoringCase(left.data(), static_cast<int>(left.size()), right.data(),
                            static_cast<int>(right.size()));
}

// Compares sought with each stretch of text of its length, from the first character on.
int32_t Win32Platform::FindIgnoringCase(const std::wstring& text, const std::wstring& sought) {
    if (sought.empty()) return 1;
    const int length = static_cast<int>(sought.size());
    for (std::size_t start = 0; start + sought.size() <= text.size(); ++start) {
        if (SameIgnoringCase(text.data() + start, length, sought.data(), length))
            return static_cast<int32_t>(start + 1);
    }
    return 0;
}

}  // namespace win32
