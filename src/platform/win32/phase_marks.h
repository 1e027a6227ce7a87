// Start-up phases for the benchmark. In its build (INSTALLER_PHASE_MARKS) each
// mark writes its name and the wall-clock time in microseconds since 1970 to
// standard error; in the program itself it compiles to nothing.
#pragma once

#ifdef INSTALLER_PHASE_MARKS
#include <windows.h>

#include <cstdio>

namespace win32 {

inline void MarkPhase(const char* name) {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long kUnixEpochTicks = 116444736000000000ULL;
    std::fprintf(stderr, "phase %s %llu\n", name, (ticks - kUnixEpochTicks) / 10);
    std::fflush(stderr);
}

}  // namespace win32
#else
namespace win32 {
inline void MarkPhase(const char*) {}
}  // namespace win32
#endif
