// The kit's log lines, in the form Configuration Manager's log viewer
// (CMTrace, OneTrace) reads and colours: one entry a line, which Notepad reads
// as well.
#pragma once

#include <cstdint>
#include <string>

namespace kit {

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    int biasMinutes = 0;  // UTC minus local time, as Windows gives it
};

enum class LineType { Info = 1, Warning = 2, Failure = 3 };

// <![LOG[TEXT]LOG]!><time="..." date="..." component="..." context="" type="N"
// thread="N" file=""> and CRLF, in UTF-8. TEXT is kept on one line, and cannot
// end its entry early.
std::string LogLine(const std::wstring& text, LineType type, const std::wstring& component,
                    const LocalTime& time, uint32_t thread);

// A log grows to about this size; then only its newer half is kept.
inline constexpr uint64_t kLogLimit = 10u * 1024 * 1024;

// Where the newer half of a log of BYTES begins (the start of a line); 0 when
// the log is not past the limit.
std::size_t NewerHalfStart(const std::string& bytes);

}  // namespace kit
