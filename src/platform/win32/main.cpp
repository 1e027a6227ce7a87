// Program start: the installer window is the start-up object; everything else
// happens in its event handlers.
#include <windows.h>

#include "platform/win32/dll_search.h"
#include "platform/win32/installer_window.h"
#include "platform/win32/phase_marks.h"
#include "platform/win32/platform.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/window_station.h"
#include "services/module1.h"
#include "window/exit_codes.h"
#include "window/form1.h"
#include "window/run_end.h"
#include "platform/messages.h"
#include "window/run_report.h"

namespace {

// An end before the window runs: its event, and the code.
int EndEarly(win32::Win32Platform& platform, bool seen, const wchar_t* happened,
             platform::EventType type, int32_t code) {
    ReportRun(platform, {happened, type, code, std::nullopt, seen, platform.ProgramDirectory()});
    return code;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    win32::MarkPhase("entered");
    win32::RestrictDllSearchToSystem32();
    const bool seen = win32::SomebodyCanSeeTheWindow(showCommand);
    win32::InstallerWindow window(instance);
    win32::Win32Platform platform(window, seen);
    const win32::SingleInstance running;
    if (!running.IsFirst()) {
        win32::InstallerWindow::BringRunningCopyToFront();
        return EndEarly(platform, seen, message::kAlreadyRunning, platform::EventType::Warning,
                        exit_code::kAlreadyRunning);
    }
    RunEnd run(platform, platform, platform);
    Module1 module(platform, platform, platform, platform, run);
    Form1 form(platform, platform, platform, module, run);
    if (!window.Create(form, showCommand))
        return EndEarly(platform, seen, message::kWindowNotCreated, platform::EventType::Error,
                        exit_code::kFailed);
    window.RunMessageLoop();
    return form.ExitCode();
}
