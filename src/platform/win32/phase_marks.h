// Start-up phases for the benchmark. In its build (INSTALLER_PHASE_MARKS) each
// mark writes its name and the wall-clock time in microseconds since 1970 to
// standard error; in the program itself it compiles to nothing.
#pragma once

#ifdef INSTALLER_PHASE_MARKS
#include <cstdio>

#include "platform/win32/wall_clock.h"

namespace win32 {

inline void MarkPhase(const char* name) {
    std::fprintf(stderr, "phase %s %lld\n", name, UnixMicroseconds());
    std::fflush(stderr);
}

}  // namespace win32
#else
namespace win32 {
inline void MarkPhase(const char*) {}
}  // namespace win32
#endif
