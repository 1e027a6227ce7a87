#include "window/run_report.h"

#include "window/exit_codes.h"

platform::EventType EventTypeFor(int32_t exitCode) {
    switch (exitCode) {
        case exit_code::kInstalled:
        case exit_code::kRestartRequired:
        case exit_code::kRestartInitiated:
            return platform::EventType::Information;
        case exit_code::kClosedByUser:
        case exit_code::kAlreadyRunning:
        case exit_code::kServerPresent:
            return platform::EventType::Warning;
        default:
            return platform::EventType::Error;
    }
}

std::wstring RunReportText(const RunFacts& facts) {
    std::wstring text = facts.happened;
    text += L"\r\nExit-Code: " + std::to_wstring(facts.exitCode);
    if (facts.scriptExitCode)
        text += L"\r\nExit-Code von silent-install2.bat: " + std::to_wstring(*facts.scriptExitCode);
    text +=
        facts.seen ? L"\r\nFenster sichtbar: ja" : L"\r\nFenster sichtbar: nein (niemand sah es)";
    text += L"\r\nOrdner des Programms: " + facts.programDirectory;
    return text;
}

void ReportRun(platform::EventLog& log, const RunFacts& facts) noexcept {
    try {
        log.WriteEvent(EventTypeFor(facts.exitCode), static_cast<uint32_t>(facts.exitCode),
                       RunReportText(facts));
    } catch (...) {
        // The trace is lost; the run's end is not held up for it.
    }
}
