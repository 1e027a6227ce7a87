#include "window/form1.h"

#include "platform/failure.h"
#include "platform/messages.h"
#include "window/exit_codes.h"

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
// failed installation never ends with a code that counts as success, nor
// with one that looks like a process still running.
int32_t FailureCode(const std::optional<ShellResult>& script) {
    const int32_t code = ScriptCode(script);
    return IsSuccessCode(code) || code == exit_code::kStillActive ? exit_code::kFailed : code;
}

}  // namespace

// Every entry from the window runs here: a failure that escapes the logic is
// shown once and closes the window, so nothing unwinds into the system's
// dispatch. A request to quit held meanwhile closes the window once no
// handler runs any more.
template <typename Entry>
void Form1::Guarded(Entry entry) noexcept {
    ++entries_;
    try {
        entry();
    } catch (...) {
        run_.Failed(FailureCode(script_));
        IgnoringFailure([&] { run_.Tell(platform::CurrentFailureMessage()); });
        IgnoringFailure([&] { window_.Unload(); });
    }
    --entries_;
    CloseIfQuitHeld();
}

void Form1::Form_Activate() {
    if (activated_) return;
    activated_ = true;
    Guarded([this] { StartUpDecision(); });
}

// A click counts only while no handler of the window runs: a message box's own
// loop dispatches the window's messages, and a click sent meanwhile (BM_CLICK,
// UI Automation's Invoke) must not start a road inside another handler.
void Form1::cmd_install_Click() {
    if (entries_ > 0) return;
    Guarded([this] { InstallOnRequest(); });
}

void Form1::cmd_Abbruch_Click() {
    if (entries_ > 0) return;
    Guarded([this] { window_.Unload(); });
}

// A request to quit from outside closes a window that waits for the user at
// once; during a handler (a road, a message box) it is held until that is
// over, and it never changes the exit code.
void Form1::QuitRequested() noexcept {
    run_.QuitRequested();
    CloseIfQuitHeld();
}

void Form1::CloseIfQuitHeld() noexcept {
    if (entries_ == 0 && run_.QuitHeld()) IgnoringFailure([&] { window_.Unload(); });
}

int32_t Form1::SessionEnded() noexcept { return run_.End(true, module_.Verdict()); }

void Form1::WindowDestroyed() noexcept { run_.End(false, module_.Verdict()); }

void Form1::StartUpDecision() {
    if (module_.CheckDatabaseServices() != 1) {
        if (!window_.CanBeSeen()) EndUnseen();
        return;
    }
    run_.RoadStarted();
    window_.SetVisible(platform::Control::cmd_install, false);
    const bool installed = RunInstallation() == 1 && ServerInstalled();
    Finish(installed, installed ? message::kInstalledAutomatically : message::kNotInstalled);
}

// Nobody could press a button: a server present, or a failed scan, ends the
// program at once, and nothing is run.
void Form1::EndUnseen() {
    if (module_.LastScanFailed())
        run_.ScanFailedUnseen();
    else
        run_.ServerPresentUnseen();
    window_.Unload();
}

// The finding flags keep the first scan's server, so on this road the rescan
// proves nothing by itself: the target directory must exist now and the
// script must have reported success.
void Form1::InstallOnRequest() {
    run_.RoadStarted();
    bool installed = false;
    const wchar_t* finalMessage = nullptr;
    if (RunInstallation() == 1) {
        installed = ServerInstalled() && IsSuccessCode(ScriptCode(script_));
        finalMessage = installed ? message::kInstalledOnRequest : message::kNotInstalled;
    } else if (script_ && script_->status == ShellStatus::WaitFailed) {
        finalMessage = message::kNotInstalled;
    }
    Finish(installed, finalMessage);
}

// The outcome stands before the final message, so a session that ends while
// the message is open ends the program with its code.
void Form1::Finish(bool installed, const wchar_t* finalMessage) {
    if (installed)
        run_.Installed(InstalledCode(script_));
    else
        run_.Failed(FailureCode(script_));
    if (finalMessage != nullptr) run_.Tell(finalMessage);
    window_.Unload();
}

// Only a rescan that ran to its end and found a server, together with the
// target directory that was absent before the script started and now exists,
// counts as an installation.
bool Form1::ServerInstalled() {
    return module_.CheckDatabaseServices() == 0 && !module_.LastScanFailed() &&
           !files_.DirectoryProbe(kTargetDirectory).empty();
}

// Runs the installation script beside the program unless the target directory
// (or a file of that name) exists. 1 when the script ran to its end, else 0.
int16_t Form1::RunInstallation() {
    using platform::Control;
    using platform::MousePointer;
    script_.reset();
    if (!files_.DirectoryProbe(kTargetDirectory).empty()) {
        run_.Tell(message::kDirectoryExists);
        return 0;
    }
    int16_t result = 0;
    IgnoringFailure([&] { window_.SetVisible(Control::Label3, true); });
    IgnoringFailure([&] { window_.SetMousePointer(MousePointer::Hourglass); });
    const std::wstring script = files_.ProgramDirectory() + L"\\silent-install2.bat";
    IgnoringFailure([&] {
        script_ = ShellAndWait(runner_, script, platform::kSwShowMinimized, 1);
        if (script_->status == ShellStatus::StartFailed) run_.Tell(message::kCannotStart + script);
        if (script_->status != ShellStatus::Finished) return;
        run_.ScriptReturned(script_->exitCode);
        result = 1;
    });
    IgnoringFailure([&] { module_.CheckDatabaseServices(); });
    IgnoringFailure([&] { window_.SetMousePointer(MousePointer::Default); });
    IgnoringFailure([&] { window_.SetVisible(Control::Label3, false); });
    return result;
}
