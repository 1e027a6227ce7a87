#include "services/strip_at_nul.h"

std::wstring StripAtNul(const std::wstring& text) {
    const std::wstring::size_type nul = text.find(L'\0');
    return nul == std::wstring::npos ? text : text.substr(0, nul);
}
