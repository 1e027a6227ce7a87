// Text operations under the user's locale, as the service scan uses them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

class Texts {
  public:
    virtual ~Texts() = default;
    // Single-byte text in the system code page to 16-bit text, character for character.
    virtual std::wstring FromSystemCodePage(const char* text, std::size_t length) = 0;
    // Equality ignoring letter case under the user's locale.
    virtual bool EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) = 0;
    // 1-based position of the first occurrence of sought in text, ignoring
    // letter case; 0 when absent.
    virtual int32_t FindIgnoringCase(const std::wstring& text, const std::wstring& sought) = 0;
};

}  // namespace platform
