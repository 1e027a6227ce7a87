// Program start: the installer window is the start-up object; everything else
// happens in its event handlers.
#include <windows.h>

#include "platform/win32/dll_search.h"
#include "platform/win32/installer_window.h"
#include "platform/win32/phase_marks.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/platform.h"
#include "platform/win32/window_station.h"
#include "services/module1.h"
#include "window/exit_codes.h"
#include "window/form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    win32::MarkPhase("entered");
    win32::RestrictDllSearchToSystem32();
    const win32::SingleInstance running;
    if (!running.IsFirst()) {
        win32::InstallerWindow::BringRunningCopyToFront();
        return exit_code::kAlreadyRunning;
    }
    win32::InstallerWindow window(instance, win32::SomebodyCanSeeTheStation());
    win32::Win32Platform platform(window);
    Module1 module(platform, platform, platform, platform);
    Form1 form(platform, platform, platform, module);
    if (!window.Create(form, showCommand)) return exit_code::kFailed;
    return window.RunMessageLoop();
}
