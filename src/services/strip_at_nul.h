#pragma once

#include <string>

// The text up to its first NUL character; the whole text when it holds none.
std::wstring StripAtNul(const std::wstring& text);
