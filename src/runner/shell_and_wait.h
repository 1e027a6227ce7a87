#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/user_interface.h"

inline constexpr const wchar_t* kFileNotFound = L"Datei nicht gefunden: ";

// The platform groups the runner uses.
struct RunnerPlatform {
    platform::Files& files;
    platform::Processes& processes;
    platform::UserInterface& window;
};

enum class ShellStatus { Finished, FileNotFound, StartFailed, WaitFailed };

struct ShellResult {
    ShellStatus status;
    uint32_t exitCode;  // the process's exit code; 0 unless it finished and reported one
};

// Starts the file at path as a process of its own, in the folder that holds
// the program, with the given show-window value, and waits for its end and
// for the end of everything it started. When
// keepResponsive is non-zero, window messages are dispatched while it runs,
// until a request to quit arrives; then it dispatches only repaints. From a
// successful start until the end of everything started, the session's end is
// held. A missing file is reported to the user with "Datei nicht gefunden: "
// and the path.
ShellResult ShellAndWait(const RunnerPlatform& platform, const std::wstring& path,
                         int32_t windowStyle, int16_t keepResponsive);
