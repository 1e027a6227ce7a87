// The installer window: its class, its controls, and its window procedure,
// which handles
//   WM_ACTIVATE        keyboard focus kept and given back (close button first)
//   kFormActivate      posted after the first paint: Form_Activate, the start-up
//                      decision, without waiting for an activation
//   WM_COMMAND         the two buttons' clicks
//   WM_CLOSE           QueryUnload decides whether the close box closes it
//   WM_QUERYENDSESSION MaySessionEnd; WM_ENDSESSION SessionEnded, then ExitProcess
//   WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_DRAWITEM   colours and the pictures
//   WM_SETCURSOR       the wait cursor while a road runs
//   WM_DPICHANGED      the layout again at the new DPI
//   WM_DESTROY         WindowDestroyed; WM_NCDESTROY forgets the logic
// WM_QUIT is never dispatched: the loops that find it report QuitRequested.
#include "platform/win32/installer_window.h"

#include "platform/failure.h"
#include "platform/messages.h"
#include "platform/win32/dpi.h"
#include "platform/win32/phase_marks.h"

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
    // The first ShowWindow takes the launcher's show state.
    ::ShowWindow(window_, showCommand);
    MarkPhase("shown");
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
            return events_->MaySessionEnd((lParam & ENDSESSION_CRITICAL) != 0);
        case WM_ENDSESSION:
            OnEndSession(wParam);
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
        case WM_DESTROY:
            events_->WindowDestroyed();
            return 0;
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

HWND InstallerWindow::ControlWindow(platform::Control control) const {
    for (std::size_t index = 0; index < kControlCount; ++index)
        if (layout::kControls[index].name == control) return controls_[index];
    return nullptr;
}

// Paints at once whatever is not drawn yet; what is drawn stays as it is.
void InstallerWindow::Refresh() {
    if (window_ == nullptr) return;
    ::RedrawWindow(window_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void InstallerWindow::SetCaption(platform::Control control, const std::wstring& text) {
    if (!::SetWindowTextW(ControlWindow(control), text.c_str())) {
        const DWORD error = ::GetLastError();
        throw platform::Failure(static_cast<int32_t>(error), message::kCaptionNotSet);
    }
    MarkPhase("verdict");
}

void InstallerWindow::SetVisible(platform::Control control, bool visible) {
    const HWND child = ControlWindow(control);
    if (child == nullptr) throw platform::Failure(424, message::kControlGone);
    ::ShowWindow(child, visible ? SW_SHOW : SW_HIDE);
}

void InstallerWindow::Destroy() {
    if (window_ != nullptr) ::DestroyWindow(window_);
}

// The logic may be gone by now: it hears nothing more. Unregistering the
// class deletes its background brush.
InstallerWindow::~InstallerWindow() {
    events_ = nullptr;
    Destroy();
    if (classRegistered_) ::UnregisterClassW(kClassName, instance_);
}

}  // namespace win32
