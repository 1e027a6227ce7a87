#include "window/form1.h"

#include "platform/failure.h"
#include "window/messages.h"
#include "window/run_report.h"

namespace {

constexpr const wchar_t* kTargetDirectory = L"c:\\Program Files\\MariaDB 10.1";

// Runs one step of the installation; a failing step is skipped.
template <typename Step>
void IgnoringFailure(Step step) {
    try {
        step();
    } catch (...) {
    }
}

// Marks a road as running for as long as it is in scope.
class BusyScope {
  public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    bool& busy_;
};

bool IsSuccessCode(int32_t code) {
    return code == exit_code::kInstalled || code == exit_code::kRestartRequired ||
           code == exit_code::kRestartInitiated;
}

int32_t ScriptCode(const std::optional<ShellResult>& script) {
    return script ? static_cast<int32_t>(script->exitCode) : 0;
}

// The script's own code when it asks for a restart, else success.
int32_t InstalledCode(const std::optional<ShellResult>& script) {
    const int32_t code = ScriptCode(script);
    return IsSuccessCode(code) ? code : exit_code::kInstalled;
}

// The script's own code when it reported a failure, else the general one: a
// failed installation never ends with a code that counts as success.
int32_t FailureCode(const std::optional<ShellResult>& script) {
    const int32_t code = ScriptCode(script);
    return IsSuccessCode(code) ? exit_code::kFailed : code;
}

}  // namespace

// Every entry from the window runs here: a failure that escapes the logic is
// shown once and closes the window, so nothing unwinds into the system's dispatch.
template <typename Entry>
void Form1::Guarded(Entry entry) noexcept {
    try {
        entry();
    } catch (...) {
        exitCode_ = FailureCode(script_);
        IgnoringFailure([&] { Tell(platform::CurrentFailureMessage()); });
        IgnoringFailure([&] { window_.Unload(); });
    }
}

void Form1::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    Guarded([this] { StartUpDecision(); });
}

void Form1::cmd_install_Click() {
    if (busy_) return;
    Guarded([this] { InstallOnRequest(); });
}

void Form1::cmd_Abbruch_Click() {
    if (busy_) return;
    Guarded([this] { window_.Unload(); });
}

bool Form1::QueryUnload() noexcept { return !busy_; }

void Form1::StartUpDecision() {
    if (Scan() != 1) {
        if (!window_.CanBeSeen()) EndUnseen();
        return;
    }
    BusyScope busy(busy_);
    exitCode_ = exit_code::kFailed;  // until the outcome is known
    window_.SetVisible(platform::Control::cmd_install, false);
    const bool installed = RunInstallation() == 1 && InstallationDone();
    Finish(installed, installed ? message::kInstalledAutomatically : message::kNotInstalled);
}

// Nobody could press a button: a server present, or a failed scan, ends the
// program at once, and nothing is run.
void Form1::EndUnseen() {
    exitCode_ = module_.LastScanFailed() ? exit_code::kFailed : exit_code::kServerPresent;
    window_.Unload();
}

void Form1::InstallOnRequest() {
    BusyScope busy(busy_);
    exitCode_ = exit_code::kFailed;  // until the outcome is known
    bool installed = false;
    const wchar_t* finalMessage = nullptr;
    if (RunInstallation() == 1) {
        installed = InstallationDone();
        finalMessage = installed ? message::kInstalledOnRequest : message::kNotInstalled;
    } else if (script_ && script_->status == ShellStatus::WaitFailed) {
        finalMessage = message::kNotInstalled;
    }
    Finish(installed, finalMessage);
}

// The outcome's code stands before the final message, so a session that ends
// while the message is open ends the program with it.
void Form1::Finish(bool installed, const wchar_t* finalMessage) {
    exitCode_ = installed ? InstalledCode(script_) : FailureCode(script_);
    if (finalMessage != nullptr) Tell(finalMessage);
    window_.Unload();
}

// A scan whose failure message is kept for the run's event.
int16_t Form1::Scan() {
    const int16_t result = module_.CheckDatabaseServices();
    if (module_.LastScanFailed()) told_.push_back(module_.LastFailureMessage());
    return result;
}

// Shown where somebody can see the window, and kept for the run's event.
void Form1::Tell(const std::wstring& text) {
    told_.push_back(text);
    window_.MsgBox(text);
}

void Form1::Ending(int32_t exitCode, platform::EndReason reason) noexcept {
    try {
        const bool scriptRan = script_ && script_->status == ShellStatus::Finished;
        ReportRun(log_, {Happened(exitCode, reason), exitCode,
                         scriptRan ? std::optional<uint32_t>(script_->exitCode) : std::nullopt,
                         window_.CanBeSeen(), files_.ProgramDirectory()});
    } catch (...) {
        // Without its event the run still ends.
    }
}

// The messages of the run, and how it ended where no message says it.
std::wstring Form1::Happened(int32_t exitCode, platform::EndReason reason) const {
    std::wstring text;
    for (const std::wstring& message : told_) text += message + L"\r\n";
    if (reason == platform::EndReason::SessionEnded)
        text += message::kSessionEnded;
    else if (exitCode != exitCode_)
        text += message::kQuitFromOutside;
    else if (exitCode == exit_code::kServerPresent)
        text += message::kServerPresentUnseen + module_.Verdict();
    else if (exitCode == exit_code::kClosedByUser) {
        text += message::kClosedWithoutInstalling;
        if (!module_.Verdict().empty()) text += L" " + module_.Verdict();
    } else if (!text.empty())
        text.resize(text.size() - 2);  // no line break after the last message
    return text;
}

// The finding flags keep what earlier scans saw, so a rescan alone cannot tell
// that the script installed anything: only a rescan that ran to its end and
// found a server, together with the target directory that was absent before
// the script started and now exists, counts as an installation.
bool Form1::InstallationDone() {
    return Scan() == 0 && !module_.LastScanFailed() &&
           !files_.DirectoryProbe(kTargetDirectory).empty();
}

// Runs the installation script beside the program unless the target directory
// (or a file of that name) exists. 1 when the script ran to its end, else 0.
int16_t Form1::RunInstallation() {
    using platform::Control;
    using platform::MousePointer;
    script_.reset();
    if (!files_.DirectoryProbe(kTargetDirectory).empty()) {
        Tell(message::kDirectoryExists);
        return 0;
    }
    int16_t result = 0;
    IgnoringFailure([&] { window_.SetVisible(Control::Label3, true); });
    IgnoringFailure([&] { window_.SetMousePointer(MousePointer::Hourglass); });
    const std::wstring script = files_.ProgramDirectory() + L"\\silent-install2.bat";
    IgnoringFailure([&] {
        script_ = ShellAndWait(runner_, script, platform::kSwShowMinimized, 1);
        if (script_->status == ShellStatus::FileNotFound) told_.push_back(kFileNotFound + script);
        if (script_->status == ShellStatus::StartFailed) Tell(message::kCannotStart + script);
        if (script_->status == ShellStatus::Finished) result = 1;
    });
    IgnoringFailure([&] { Scan(); });
    IgnoringFailure([&] { window_.SetMousePointer(MousePointer::Default); });
    IgnoringFailure([&] { window_.SetVisible(Control::Label3, false); });
    return result;
}
