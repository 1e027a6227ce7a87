// The wall-clock time as the benchmark's shell reads it (date +%s%N), for the
// phase marks and the automation tool.
#pragma once

#include <windows.h>

namespace win32 {

// Microseconds since 1 January 1970.
inline long long UnixMicroseconds() {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    const long long ticks = (static_cast<long long>(now.dwHighDateTime) << 32) |
                            static_cast<long long>(now.dwLowDateTime);
    constexpr long long kUnixEpochTicks = 116444736000000000LL;  // 1970 in 100-ns ticks since 1601
    return (ticks - kUnixEpochTicks) / 10;
}

}  // namespace win32
