#include "window/run_report.h"

#include <cstddef>

#include "platform/messages.h"
#include "window/exit_codes.h"

uint32_t EventIdFor(int32_t exitCode) {
    constexpr int32_t kLargestShownId = 0xFFFF;
    if (exitCode < 0 || exitCode > kLargestShownId) return exit_code::kFailed;
    return static_cast<uint32_t>(exitCode);
}

std::wstring CodeText(int32_t code) {
    std::wstring text = std::to_wstring(code);
    if (code >= 0) return text;
    std::wstring hex = L"0x00000000";
    const auto bits = static_cast<uint32_t>(code);
    for (std::size_t digit = 0; digit < 8; ++digit)
        hex[hex.size() - 1 - digit] = L"0123456789ABCDEF"[(bits >> (4 * digit)) & 0xF];
    return text + L" (" + hex + L")";
}

std::wstring RunReportText(const RunFacts& facts) {
    std::wstring text = facts.happened;
    text += message::kExitCodeLine + CodeText(facts.exitCode);
    if (facts.scriptExitCode)
        text +=
            message::kScriptExitCodeLine + CodeText(static_cast<int32_t>(*facts.scriptExitCode));
    text += facts.seen ? message::kSeenLine : message::kUnseenLine;
    text += message::kProgramFolderLine + facts.programDirectory;
    return text;
}

void ReportRun(platform::EventLog& log, const RunFacts& facts) noexcept {
    try {
        log.WriteEvent(facts.type, EventIdFor(facts.exitCode), RunReportText(facts));
    } catch (...) {
        // The trace is lost; the run's end is not held up for it.
    }
}
