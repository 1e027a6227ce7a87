#include "window/run_end.h"

#include "window/exit_codes.h"
#include "platform/messages.h"
#include "window/run_report.h"

// A box where somebody can see the window, shown again until it is answered,
// as a request to quit changes no message. Where nobody can see it, nobody
// could press OK, and nothing is shown.
void RunEnd::Tell(const std::wstring& text) {
    told_.push_back(text);
    if (!window_.CanBeSeen()) return;
    while (!window_.MsgBox(text)) {
    }
}

void RunEnd::ScriptRunning(bool running) noexcept {
    if (running == scriptRunning_) return;
    scriptRunning_ = running;
    if (!window_.CanBeSeen()) return;
    if (running)
        window_.ShowShutdownBlockReason(message::kShutdownBlocked);
    else
        window_.RemoveShutdownBlockReason();
}

bool RunEnd::MaySessionEnd(bool critical) const noexcept {
    return !scriptRunning_ || critical || !window_.CanBeSeen();
}

int32_t RunEnd::ExitCode() const noexcept {
    switch (reached_) {
        case Reached::NoRoad:
            return exit_code::kClosedByUser;
        case Reached::Installed:
        case Reached::Failed:
            return code_;
        case Reached::ServerPresentUnseen:
            return exit_code::kServerPresent;
        case Reached::Road:
        case Reached::ScanFailedUnseen:
            break;
    }
    return exit_code::kFailed;
}

// From what happened, never from the number: a failed installation is an
// error whatever code its script gave.
platform::EventType RunEnd::Type() const {
    switch (reached_) {
        case Reached::Installed:
            return platform::EventType::Information;
        case Reached::NoRoad:
        case Reached::ServerPresentUnseen:
            return platform::EventType::Warning;
        case Reached::Road:
        case Reached::Failed:
        case Reached::ScanFailedUnseen:
            break;
    }
    return platform::EventType::Error;
}

int32_t RunEnd::End(bool sessionEnded, const std::wstring& verdict) noexcept {
    const int32_t code = ExitCode();
    if (ended_) return code;
    ended_ = true;
    try {
        ReportRun(log_, {Happened(sessionEnded, verdict), Type(), code, scriptCode_,
                         window_.CanBeSeen(), files_.ProgramDirectory()});
    } catch (...) {
        // Without its event the run still ends.
    }
    return code;
}

// The messages of the run, and how it ended where no message says it.
std::wstring RunEnd::Happened(bool sessionEnded, const std::wstring& verdict) const {
    std::vector<std::wstring> lines = told_;
    const std::wstring withVerdict = verdict.empty() ? L"" : L" " + verdict;
    if (sessionEnded)
        lines.push_back(message::kSessionEnded);
    else if (reached_ == Reached::NoRoad)
        lines.push_back(
            (quitHeld_ ? message::kQuitFromOutside : message::kClosedWithoutInstalling) +
            withVerdict);
    else if (reached_ == Reached::ServerPresentUnseen)
        lines.push_back(message::kServerPresentUnseen + verdict);
    std::wstring text;
    for (std::size_t index = 0; index < lines.size(); ++index)
        text += (index == 0 ? L"" : L"\r\n") + lines[index];
    return text;
}
