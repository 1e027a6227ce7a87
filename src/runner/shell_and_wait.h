#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"
#include "platform/processes.h"
#include "platform/teller.h"
#include "platform/user_interface.h"

// Told when the started script begins to run, and when it and everything it
// started have ended: the session's end is held in between.
class ScriptWatch {
  public:
    virtual void ScriptRunning(bool running) noexcept = 0;

  protected:
    ~ScriptWatch() = default;
};

// The platform groups the runner uses, whom it tells, and who watches the script.
struct RunnerPlatform {
    platform::Files& files;
    platform::Processes& processes;
    platform::UserInterface& window;
    platform::Teller& teller;
    ScriptWatch* watch = nullptr;
};

enum class ShellStatus { Finished, FileNotFound, StartFailed, WaitFailed };

struct ShellResult {
    ShellStatus status;
    uint32_t exitCode;  // the process's exit code; 0 unless it finished and reported one
};

// Starts the file at path as a process of its own, in the folder that holds
// the program, with the given show-window value, and waits for its end and
// for the end of everything it started. When
// keepResponsive is non-zero, the window answers while it runs. From a
// successful start until the end of everything started, the watch is told
// that the script runs. A missing file is reported to the user with
// "Datei nicht gefunden: " and the path.
ShellResult ShellAndWait(const RunnerPlatform& platform, const std::wstring& path,
                         int32_t windowStyle, int16_t keepResponsive);
