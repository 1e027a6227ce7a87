// A path or name as the kit's messages show it: in double quotes.
#pragma once

#include <string>

namespace kit {

inline std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

}  // namespace kit
