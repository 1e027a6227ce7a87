#include "kit/log_format.h"

#include <cstdio>

#include "kit/utf8.h"

namespace kit {
namespace {

// The entry's own end marker and line breaks may not stand in its text.
std::wstring OneEntry(std::wstring text) {
    for (wchar_t& c : text)
        if (c == L'\r' || c == L'\n') c = L' ';
    const std::wstring marker = L"]LOG]!>";
    for (std::size_t at = text.find(marker); at != std::wstring::npos; at = text.find(marker, at))
        text[at + marker.size() - 1] = L')';
    return text;
}

}  // namespace

std::string LogLine(const std::wstring& text, LineType type, const std::wstring& component,
                    const LocalTime& time, uint32_t thread) {
    char stamp[96];
    std::snprintf(stamp, sizeof stamp, "time=\"%02d:%02d:%02d.%03d%+04d\" date=\"%02d-%02d-%04d\"",
                  time.hour, time.minute, time.second, time.millisecond, time.biasMinutes,
                  time.month, time.day, time.year);
    return "<![LOG[" + ToUtf8(OneEntry(text)) + "]LOG]!><" + stamp + " component=\"" +
           ToUtf8(component) + "\" context=\"\" type=\"" + std::to_string(static_cast<int>(type)) +
           "\" thread=\"" + std::to_string(thread) + "\" file=\"\">\r\n";
}

std::size_t NewerHalfStart(const std::string& bytes) {
    if (bytes.size() <= kLogLimit) return 0;
    const std::size_t lineEnd = bytes.find('\n', bytes.size() / 2);
    return lineEnd == std::string::npos ? bytes.size() : lineEnd + 1;
}

}  // namespace kit
