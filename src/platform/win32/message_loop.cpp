// The installer window's message loops: the program's own, and the wait for a
// process during which the window answers. A request to quit is taken from the
// queue and reported to the logic, which decides what it ends; left there, it
// would wake every wait at once and close the final message box unseen.
#include "platform/win32/installer_window.h"

namespace win32 {

void InstallerWindow::RunMessageLoop() {
    MSG message{};
    while (window_ != nullptr) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == -1) {
            Destroy();  // the queue cannot be read: the run ends as closed
            return;
        }
        if (got == 0)
            events_->QuitRequested();
        else
            Dispatch(message);
    }
}

// Tab, Shift+Tab and the arrow keys move the focus as in a dialog.
void InstallerWindow::Dispatch(MSG& message) {
    if (window_ != nullptr && ::IsDialogMessageW(window_, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

void InstallerWindow::DispatchWaiting() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            events_->QuitRequested();
        else
            Dispatch(message);
    }
}

// Wakes for the process's end, or whenever input arrives, and then dispatches
// everything waiting, so the window repaints and answers.
bool InstallerWindow::WaitWhileResponsive(HANDLE process) {
    for (;;) {
        const DWORD woken =
            ::MsgWaitForMultipleObjectsEx(1, &process, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0) return true;
        if (woken != WAIT_OBJECT_0 + 1) return false;
        DispatchWaiting();
    }
}

}  // namespace win32
