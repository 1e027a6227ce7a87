// The Windows Application log, as the program leaves its one trace of a run.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class EventType { Information, Warning, Error };

class EventLog {
  public:
    virtual ~EventLog() = default;
    // Writes one event under the program's source, with text as its one
    // insertion string; registers the source first where nobody has. Every
    // failure is swallowed: the event is a trace, never a step of the run.
    virtual void WriteEvent(EventType type, uint32_t eventId,
                            const std::wstring& text) noexcept = 0;
};

}  // namespace platform
