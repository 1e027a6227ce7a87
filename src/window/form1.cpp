#include "window/form1.h"

#include "platform/failure.h"
#include "window/messages.h"

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

}  // namespace

// Every entry from the window runs here: a failure that escapes the logic is
// shown once and closes the window, so nothing unwinds into the system's dispatch.
template <typename Entry>
void Form1::Guarded(Entry entry) noexcept {
    try {
        entry();
    } catch (...) {
        IgnoringFailure([&] { window_.MsgBox(platform::CurrentFailureMessage()); });
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
    if (module_.CheckDatabaseServices() != 1) return;
    BusyScope busy(busy_);
    window_.SetVisible(platform::Control::cmd_install, false);
    if (RunInstallation() == 1 && InstallationDone())
        window_.MsgBox(message::kInstalledAutomatically);
    else
        window_.MsgBox(message::kNotInstalled);
    window_.Unload();
}

void Form1::InstallOnRequest() {
    BusyScope busy(busy_);
    if (RunInstallation() == 1) {
        if (InstallationDone())
            window_.MsgBox(message::kInstalledOnRequest);
        else
            window_.MsgBox(message::kNotInstalled);
    }
    window_.Unload();
}

// The finding flags keep what earlier scans saw, so a rescan alone cannot tell
// that the script installed anything: only a rescan that ran to its end and
// found a server, together with the target directory that was absent before
// the script started and now exists, counts as an installation.
bool Form1::InstallationDone() {
    return module_.CheckDatabaseServices() == 0 && !module_.LastScanFailed() &&
           !files_.DirectoryProbe(kTargetDirectory).empty();
}

// Runs the installation script beside the program unless the target directory
// (or a file of that name) exists. 1 when the script ran to its end, else 0.
int16_t Form1::RunInstallation() {
    using platform::Control;
    using platform::MousePointer;
    if (!files_.DirectoryProbe(kTargetDirectory).empty()) {
        window_.MsgBox(message::kDirectoryExists);
        return 0;
    }
    int16_t result = 0;
    IgnoringFailure([&] { window_.SetVisible(Control::Label3, true); });
    IgnoringFailure([&] { window_.SetMousePointer(MousePointer::Hourglass); });
    const std::wstring script = files_.ProgramDirectory() + L"\\silent-install2.bat";
    IgnoringFailure([&] {
        const ShellResult run = ShellAndWait(runner_, script, platform::kSwShowMinimized, 1);
        if (run.status == ShellStatus::StartFailed) window_.MsgBox(message::kCannotStart + script);
        if (run.status == ShellStatus::Finished) result = 1;
    });
    IgnoringFailure([&] { module_.CheckDatabaseServices(); });
    IgnoringFailure([&] { window_.SetMousePointer(MousePointer::Default); });
    IgnoringFailure([&] { window_.SetVisible(Control::Label3, false); });
    return result;
}
