// UTF-8, as einstellungen.ini and the logs hold text, to and from the wide
// strings of Windows (UTF-16; on the native test build one wchar_t a character).
#pragma once

#include <optional>
#include <string>

namespace kit {

// The text of BYTES; nothing when they are not exactly UTF-8 (an overlong
// form, a surrogate, a sequence cut short, a byte that begins none).
std::optional<std::wstring> FromUtf8(const std::string& bytes);

std::string ToUtf8(const std::wstring& text);

}  // namespace kit
