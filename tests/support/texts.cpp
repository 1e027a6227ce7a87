// Texts of the double: Latin-1, with case-blind tests on its letters.
#include "support/platform.h"

namespace fake {
namespace {

// Latin-1 letters to upper case: enough for the double's case-blind tests.
wchar_t Upper(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    return c;
}

bool SameIgnoringCase(const wchar_t* left, const wchar_t* right, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        if (Upper(left[i]) != Upper(right[i])) return false;
    return true;
}

}  // namespace

std::wstring FakePlatform::FromSystemCodePage(const char* text, std::size_t length) {
    std::wstring converted(length, L'\0');
    for (std::size_t i = 0; i < length; ++i)
        converted[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    return converted;
}

bool FakePlatform::EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) {
    return left.size() == right.size() && SameIgnoringCase(left.data(), right.data(), left.size());
}

int32_t FakePlatform::FindIgnoringCase(const std::wstring& text, const std::wstring& sought) {
    for (std::size_t start = 0; start + sought.size() <= text.size(); ++start)
        if (SameIgnoringCase(text.data() + start, sought.data(), sought.size()))
            return static_cast<int32_t>(start + 1);
    return 0;
}

}  // namespace fake
