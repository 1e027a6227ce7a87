// The one event a run leaves in the Application log: what happened, in German,
// for the administrator who reads it remotely.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/event_log.h"

struct RunFacts {
    std::wstring happened;  // the messages shown, or that would have been shown
    platform::EventType type;
    int32_t exitCode;
    std::optional<uint32_t> scriptExitCode;  // where the script ran to its end
    bool seen;                               // whether anybody could see the window
    std::wstring programDirectory;
};

// The exit code as the event's ID where Event Viewer and .NET's message file
// can show it (0 to 65535); any other code gives 1603.
uint32_t EventIdFor(int32_t exitCode);

// A code as cmd shows it (signed decimal), and where that is negative (an
// NTSTATUS, -1) also in hexadecimal: "-1073741510 (0xC000013A)".
std::wstring CodeText(int32_t code);

std::wstring RunReportText(const RunFacts& facts);

void ReportRun(platform::EventLog& log, const RunFacts& facts) noexcept;
