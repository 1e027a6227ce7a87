// The one event a run leaves in the Application log: what happened, in German,
// for the administrator who reads it remotely.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/event_log.h"

struct RunFacts {
    std::wstring happened;  // the messages shown, or that would have been shown
    int32_t exitCode;
    std::optional<uint32_t> scriptExitCode;  // where the script ran to its end
    bool seen;                               // whether anybody could see the window
    std::wstring programDirectory;
};

// Information for the success codes, Warning for the codes of a run that
// installed nothing on purpose (closed, server present, already running).
platform::EventType EventTypeFor(int32_t exitCode);

std::wstring RunReportText(const RunFacts& facts);

// The event, with the exit code as its ID.
void ReportRun(platform::EventLog& log, const RunFacts& facts) noexcept;
