#include "platform/win32/installer_window.h"

#include "platform/failure.h"
#include "platform/win32/dpi.h"
#include "platform/win32/phase_marks.h"
#include "window/messages.h"

namespace win32 {
namespace {

constexpr wchar_t kClassName[] = L"MariaDBInstallerWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
// Posted once the window is shown and painted: the start-up decision.
constexpr UINT kFormActivate = WM_APP + 1;

COLORREF BackgroundColour() {
    return RGB(layout::kBackground[0], layout::kBackground[1], layout::kBackground[2]);
}

DWORD ControlStyle(const layout::ControlRow& row) {
    const DWORD base = WS_CHILD | (row.visibleAtStart ? WS_VISIBLE : 0);
    switch (row.kind) {
        case layout::Kind::PushButton:
            return base | WS_TABSTOP | BS_PUSHBUTTON;
        case layout::Kind::Label:
            return base | SS_LEFT | SS_NOPREFIX;
        case layout::Kind::Picture:
            return base | SS_OWNERDRAW;
    }
    return base;
}

const wchar_t* ControlClass(const layout::ControlRow& row) {
    return row.kind == layout::Kind::PushButton ? L"Button" : L"Static";
}

}  // namespace

void InstallerWindow::BringRunningCopyToFront() {
    const HWND running = ::FindWindowW(kClassName, nullptr);
    if (running != nullptr) ::SetForegroundWindow(::GetLastActivePopup(running));
}

// The logic hears of the window only once it stands: a window that cannot be
// made completely is destroyed here, without an event of its own.
bool InstallerWindow::Create(platform::WindowEvents& events, int showCommand) {
    UniqueBrush background(::CreateSolidBrush(BackgroundColour()));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &InstallerWindow::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = ::LoadIconW(instance_, MAKEINTRESOURCEW(IDI_MAILBOX));
    windowClass.hIconSm = static_cast<HICON>(
        ::LoadImageW(instance_, MAKEINTRESOURCEW(IDI_MAILBOX), IMAGE_ICON,
                     ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background.Get();
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0) return false;
    background_ = background.Release();  // unregistering the class deletes it
    classRegistered_ = true;
    if (::CreateWindowExW(kExStyle, kClassName, layout::kTitle, kStyle, 0, 0, 0, 0, nullptr,
                          nullptr, instance_, this) == nullptr)
        return false;
    MarkPhase("window created");
    if (!CreateControls()) {
        Destroy();
        return false;
    }
    const UINT dpi = DpiForWindow(window_);
    layout_.Apply(controls_, dpi);
    WindowLayout::PlaceCentred(window_, kStyle, kExStyle, dpi);
    MarkPhase("controls and fonts");
    events_ = &events;
    // The first ShowWindow takes the launcher's show state; a window started
    // hidden is seen by nobody.
    ::ShowWindow(window_, showCommand);
    MarkPhase("shown");
    if (!::IsWindowVisible(window_)) canBeSeen_ = false;
    // The start texts are painted now; the decision never waits for an
    // activation, which a process without the foreground may not get.
    ::UpdateWindow(window_);
    ::PostMessageW(window_, kFormActivate, 0, 0);
    return true;
}

bool InstallerWindow::CreateControls() {
    for (std::size_t index = 0; index < kControlCount; ++index) {
        const layout::ControlRow& row = layout::kControls[index];
        controls_[index] = ::CreateWindowExW(
            0, ControlClass(row), row.text != nullptr ? row.text : L"", ControlStyle(row), 0, 0, 0,
            0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)), instance_, nullptr);
        if (controls_[index] == nullptr) return false;
    }
    WindowLayout::ArrangeTabOrder(controls_);
    lastFocus_ = ControlWindow(platform::Control::cmd_Abbruch);
    return true;
}

int InstallerWindow::RunMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        Dispatch(message);
        EndIfQuitHeld();
    }
    return static_cast<int>(message.wParam);
}

// A request to quit held during a handler ends the program once the handler
// has returned and nothing keeps the window open.
void InstallerWindow::EndIfQuitHeld() {
    if (quitHeld_ && window_ != nullptr && events_->QueryUnload()) Destroy();
}

void InstallerWindow::HoldQuit(const MSG& message) {
    if (quitHeld_) return;
    quitHeld_ = true;
    quitCode_ = static_cast<int>(message.wParam);
}

// Tab, Shift+Tab and the arrow keys move the focus as in a dialog.
void InstallerWindow::Dispatch(MSG& message) {
    if (window_ != nullptr && ::IsDialogMessageW(window_, &message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

// A request to quit is taken from the queue and held: left there, it would wake
// every wait at once and close the final message box unseen. The program ends
// when the window closes, with the held exit code.
bool InstallerWindow::DoEvents() {
    MSG message{};
    while (!quitHeld_ && ::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            HoldQuit(message);
        else
            Dispatch(message);
    }
    return !quitHeld_;
}

// Repaints only (messages sent from other threads are answered by the peek
// itself): the window stays drawn and is not taken for hung.
void InstallerWindow::KeepPainted() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            HoldQuit(message);  // a quit passes every filter
        else
            ::DispatchMessageW(&message);
    }
}

LRESULT CALLBACK InstallerWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<InstallerWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<InstallerWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr || (self->events_ == nullptr && message != WM_NCDESTROY))
        return ::DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT InstallerWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case kFormActivate:
            MarkPhase("decision");
            ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            events_->Form_Activate();
            return 0;
        case WM_COMMAND:
            OnCommand(wParam);
            return 0;
        case WM_CLOSE:
            if (events_->QueryUnload()) Destroy();
            return 0;
        case WM_QUERYENDSESSION:
            return OnQueryEndSession(lParam);
        case WM_ENDSESSION:
            // The system ends the process once this returns: end now, with the
            // code that fits what was reached.
            if (wParam) {
                const int32_t code = events_->ExitCode();
                events_->Ending(code, platform::EndReason::SessionEnded);
                ::ExitProcess(static_cast<UINT>(code));
            }
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            ::SetBkColor(reinterpret_cast<HDC>(wParam), BackgroundColour());
            return reinterpret_cast<LRESULT>(background_);
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SETCURSOR:
            if (OnSetCursor(lParam)) return TRUE;
            break;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY: {
            const int code = quitHeld_ ? quitCode_ : events_->ExitCode();
            events_->Ending(code, platform::EndReason::WindowClosed);
            ::PostQuitMessage(code);
            return 0;
        }
        case WM_NCDESTROY: {
            const HWND window = window_;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            controls_.fill(nullptr);
            return ::DefWindowProcW(window, message, wParam, lParam);
        }
    }
    return ::DefWindowProcW(window_, message, wParam, lParam);
}

void InstallerWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = ::GetFocus();
        if (focus != nullptr && ::IsChild(window_, focus)) lastFocus_ = focus;
        return;
    }
    if (lastFocus_ == nullptr || !::IsWindowVisible(lastFocus_))
        lastFocus_ = ControlWindow(platform::Control::cmd_Abbruch);
    ::SetFocus(lastFocus_);
}

// While the script runs, the session is asked to wait. Windows terminates a
// process that refuses a critical end, or that has no window anybody sees,
// and its code is then lost: those ends are accepted.
BOOL InstallerWindow::OnQueryEndSession(LPARAM lParam) const {
    const bool critical = (lParam & ENDSESSION_CRITICAL) != 0;
    return !sessionEndHeld_ || !canBeSeen_ || critical;
}

// The reason stands for as long as the session's end is held: Windows shows it
// beside the program when the user logs off or shuts down (Wine's reason
// functions fail; the answer alone counts there).
void InstallerWindow::HoldSessionEnd(bool held) {
    if (held == sessionEndHeld_ || window_ == nullptr) return;
    sessionEndHeld_ = held;
    if (!canBeSeen_) return;
    if (held)
        ::ShutdownBlockReasonCreate(window_, message::kShutdownBlocked);
    else
        ::ShutdownBlockReasonDestroy(window_);
}

void InstallerWindow::OnCommand(WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED) return;
    if (LOWORD(wParam) == ID_CMD_INSTALL) events_->cmd_install_Click();
    if (LOWORD(wParam) == ID_CMD_ABBRUCH) events_->cmd_Abbruch_Click();
}

void InstallerWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    layout_.DrawPicture(item, background_);
}

void InstallerWindow::OnDpiChanged(UINT dpi, const RECT& suggested) {
    layout_.Apply(controls_, dpi);
    ::SetWindowPos(window_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(window_, nullptr, TRUE);
}

bool InstallerWindow::OnSetCursor(LPARAM lParam) {
    if (!waitCursor_ || LOWORD(lParam) != HTCLIENT) return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    return true;
}

HWND InstallerWindow::ControlWindow(platform::Control control) const {
    for (std::size_t index = 0; index < kControlCount; ++index)
        if (layout::kControls[index].name == control) return controls_[index];
    return nullptr;
}

void InstallerWindow::SetMousePointer(platform::MousePointer pointer) {
    waitCursor_ = pointer == platform::MousePointer::Hourglass;
    POINT position{};
    if (window_ == nullptr || !::GetCursorPos(&position)) return;
    const HWND below = ::WindowFromPoint(position);
    if (below == window_ || ::IsChild(window_, below))
        ::SetCursor(::LoadCursorW(nullptr, waitCursor_ ? IDC_WAIT : IDC_ARROW));
}

// Paints at once whatever is not drawn yet; what is drawn stays as it is.
void InstallerWindow::Refresh() {
    if (window_ == nullptr) return;
    ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void InstallerWindow::SetCaption(platform::Control control, const std::wstring& text) {
    if (!::SetWindowTextW(ControlWindow(control), text.c_str())) {
        const DWORD error = ::GetLastError();
        throw platform::Failure(static_cast<int32_t>(error),
                                L"Die Beschriftung konnte nicht gesetzt werden");
    }
    MarkPhase("verdict");
}

void InstallerWindow::SetVisible(platform::Control control, bool visible) {
    const HWND child = ControlWindow(control);
    if (child == nullptr)
        throw platform::Failure(424, L"Das Steuerelement ist nicht mehr vorhanden");
    ::ShowWindow(child, visible ? SW_SHOW : SW_HIDE);
}

// The box's own loop ends on a request to quit and posts it again; it is taken
// from the queue and held, and the box shown again until it is answered.
void InstallerWindow::MsgBox(const std::wstring& text) {
    if (!canBeSeen_) return;
    for (;;) {
        ::MessageBoxW(window_, text.c_str(), layout::kTitle, MB_OK);
        MSG quit{};
        if (!::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return;
        HoldQuit(quit);
    }
}

void InstallerWindow::Destroy() {
    if (window_ != nullptr) ::DestroyWindow(window_);
}

// Unregistering the class deletes its background brush.
InstallerWindow::~InstallerWindow() {
    Destroy();
    if (classRegistered_) ::UnregisterClassW(kClassName, instance_);
}

}  // namespace win32
