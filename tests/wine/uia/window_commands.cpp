// Commands on the main window and its controls.
#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "commands.h"
#include "handles.h"
#include "platform/win32/system_export.h"
#include "platform/win32/wall_clock.h"
#include "output.h"
#include "target.h"

namespace uia {
namespace {

constexpr UINT kPingAnswerMs = 5000;

// Every command that acts on the window needs it to exist already.
bool RequireMain(HWND* main) {
    *main = FindMainWindow();
    if (*main != nullptr) return true;
    Fail(L"the installer window does not exist");
    return false;
}

// kOk with the main window and the control, else the exit code, with a message given.
int RequireControl(const std::wstring& word, HWND* main, HWND* control) {
    unsigned long id = 0;
    if (!ParseNumber(word, &id)) return UsageError(L"not a control id: " + word);
    if (!RequireMain(main)) return kFailed;
    *control = ChildById(*main, static_cast<int>(id));
    if (*control == nullptr) return Fail(L"no control with id " + word);
    return kOk;
}

bool ReadTimeout(const std::wstring& word, DWORD* timeoutMs) {
    unsigned long value = 0;
    if (ParseNumber(word, &value)) {
        *timeoutMs = value;
        return true;
    }
    UsageError(L"not a time in milliseconds: " + word);
    return false;
}

std::wstring Rect(int x, int y, int width, int height) {
    return std::to_wstring(x) + L" " + std::to_wstring(y) + L" " + std::to_wstring(width) + L" " +
           std::to_wstring(height);
}

UINT WindowDpi(HWND window) {
    const auto getDpi = WIN32_SYSTEM_EXPORT(L"user32.dll", GetDpiForWindow);
    return getDpi != nullptr ? getDpi(window) : 0;
}

int SystemDpi() {
    const UniqueScreenDc screen = ScreenDc();
    return screen.Get() != nullptr ? ::GetDeviceCaps(screen.Get(), LOGPIXELSX) : 0;
}

// Centred when the left and top edges are within one pixel of the centred position.
bool Centred(const RECT& window, int areaLeft, int areaTop, int areaWidth, int areaHeight) {
    const int width = window.right - window.left, height = window.bottom - window.top;
    const int idealLeft = areaLeft + (areaWidth - width) / 2;
    const int idealTop = areaTop + (areaHeight - height) / 2;
    return std::abs(window.left - idealLeft) <= 1 && std::abs(window.top - idealTop) <= 1;
}

void PrintPlacement(HWND main) {
    RECT window{}, client{}, work{};
    ::GetWindowRect(main, &window);
    ::GetClientRect(main, &client);
    POINT origin{0, 0};
    ::ClientToScreen(main, &origin);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    Field(L"window",
          Rect(window.left, window.top, window.right - window.left, window.bottom - window.top));
    Field(L"client", std::to_wstring(client.right) + L" " + std::to_wstring(client.bottom));
    Field(L"client_origin", std::to_wstring(origin.x) + L" " + std::to_wstring(origin.y));
    Field(L"screen", std::to_wstring(screenWidth) + L" " + std::to_wstring(screenHeight));
    Field(L"workarea", Rect(work.left, work.top, work.right - work.left, work.bottom - work.top));
    Field(L"centred", Centred(window, 0, 0, screenWidth, screenHeight));
    Field(L"centred_workarea",
          Centred(window, work.left, work.top, work.right - work.left, work.bottom - work.top));
}

void PrintStyle(HWND main) {
    Field(L"style", Hex(static_cast<unsigned long long>(::GetWindowLongPtrW(main, GWL_STYLE))));
    Field(L"exstyle", Hex(static_cast<unsigned long long>(::GetWindowLongPtrW(main, GWL_EXSTYLE))));
    Field(L"caption", HasStyle(main, WS_CAPTION));
    Field(L"sysmenu", HasStyle(main, WS_SYSMENU));
    Field(L"minimizebox", HasStyle(main, WS_MINIMIZEBOX));
    Field(L"maximizebox", HasStyle(main, WS_MAXIMIZEBOX));
    Field(L"thickframe", HasStyle(main, WS_THICKFRAME));
    Field(L"enabled", ::IsWindowEnabled(main) != FALSE);
}

void PrintWindowFacts(HWND main) {
    std::wstring title;
    ReadText(main, &title);
    Field(L"hwnd", Hex(reinterpret_cast<ULONG_PTR>(main)));
    Field(L"pid", ProcessOf(main));
    Field(L"title", title);
    PrintPlacement(main);
    PrintStyle(main);
    Field(L"dpi", WindowDpi(main));
    Field(L"system_dpi", SystemDpi());
}

bool ShownAsVisible(HWND control) { return HasStyle(control, WS_VISIBLE); }

std::wstring ControlRow(HWND main, HWND control) {
    std::wstring text;
    if (!ReadText(control, &text)) text = L"<no answer>";
    const RECT rect = RectInParent(control, main);
    return L"control\t" + std::to_wstring(::GetDlgCtrlID(control)) + L"\t" + ClassOf(control) +
           L"\t" + (ShownAsVisible(control) ? L"1" : L"0") + L"\t" +
           (::IsWindowEnabled(control) ? L"1" : L"0") + L"\t" + std::to_wstring(rect.left) + L"\t" +
           std::to_wstring(rect.top) + L"\t" + std::to_wstring(rect.right - rect.left) + L"\t" +
           std::to_wstring(rect.bottom - rect.top) + L"\t" + Escape(text);
}

// The id of the control with the keyboard focus, "main" for the window itself, or "none".
std::wstring FocusOf(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info)) return L"unknown";
    if (info.hwndFocus == main) return L"main";
    if (info.hwndFocus == nullptr || !::IsChild(main, info.hwndFocus)) return L"none";
    return std::to_wstring(::GetDlgCtrlID(info.hwndFocus));
}

int PostToMain(UINT message, WPARAM wParam, const wchar_t* name) {
    HWND main = nullptr;
    if (!RequireMain(&main)) return kFailed;
    if (!::PostMessageW(main, message, wParam, 0)) {
        const DWORD error = ::GetLastError();
        return Fail(std::wstring(L"posting ") + name + L" failed, error " + std::to_wstring(error));
    }
    Field(L"posted", name);
    return kOk;
}

}  // namespace

bool ParseNumber(const std::wstring& word, unsigned long* value) {
    if (word.empty() || word.size() > 9) return false;
    if (!std::all_of(word.begin(), word.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return false;
    *value = std::wcstoul(word.c_str(), nullptr, 10);
    return true;
}

int WaitWindow(const Args& args) {
    DWORD timeout = 0;
    if (!ReadTimeout(args[0], &timeout)) return kUsage;
    HWND main = nullptr;
    const bool shown = PollUntil(timeout, [&main] {
        main = FindMainWindow();
        return main != nullptr && ::IsWindowVisible(main);
    });
    if (!shown) return Fail(L"no visible installer window within " + args[0] + L" ms");
    PrintWindowFacts(main);
    return kOk;
}

int Controls(const Args&) {
    HWND main = nullptr;
    if (!RequireMain(&main)) return kFailed;
    for (const HWND control : Children(main)) Out(ControlRow(main, control));
    Field(L"focus", FocusOf(main));
    return kOk;
}

int Text(const Args& args) {
    HWND main = nullptr, control = nullptr;
    if (const int found = RequireControl(args[0], &main, &control); found != kOk) return found;
    std::wstring text;
    if (!ReadText(control, &text)) return Fail(L"control " + args[0] + L" does not answer");
    Field(L"text", text);
    return kOk;
}

int Visible(const Args& args) {
    HWND main = nullptr, control = nullptr;
    if (const int found = RequireControl(args[0], &main, &control); found != kOk) return found;
    Field(L"visible", ShownAsVisible(control));
    return kOk;
}

// TEXT is given in the escaped form the tool prints.
int WaitText(const Args& args) {
    HWND main = nullptr, control = nullptr;
    DWORD timeout = 0;
    if (!ReadTimeout(args[2], &timeout)) return kUsage;
    if (const int found = RequireControl(args[0], &main, &control); found != kOk) return found;
    std::wstring text;
    const bool shown =
        PollUntil(timeout, [&] { return ReadText(control, &text) && Escape(text) == args[1]; });
    Field(L"text", text);
    if (!shown)
        return Fail(L"control " + args[0] + L" did not show the text within " + args[2] + L" ms");
    return kOk;
}

int AwaitText(const Args& args) {
    unsigned long id = 0;
    DWORD timeout = 0;
    if (!ParseNumber(args[0], &id)) return UsageError(L"not a control id: " + args[0]);
    if (!ReadTimeout(args[2], &timeout)) return kUsage;
    Field(L"ready", 1);
    const ULONGLONG deadline = ::GetTickCount64() + timeout;
    wchar_t text[1024];
    for (;;) {
        // The text the system keeps for the window: reading it sends the
        // program nothing, so the watching does not slow its start.
        const HWND main = FindMainWindow();
        const HWND control = main != nullptr ? ChildById(main, static_cast<int>(id)) : nullptr;
        if (control != nullptr && ::GetWindowTextW(control, text, 1024) > 0 &&
            Escape(text) == args[1])
            break;
        if (::GetTickCount64() >= deadline)
            return Fail(L"control " + args[0] + L" did not show the text within " + args[2] +
                        L" ms");
        ::Sleep(1);
    }
    Field(L"seen_us", win32::UnixMicroseconds());
    return kOk;
}

int CountWindows(const Args&) {
    long long count = 0;
    for (HWND window = ::FindWindowW(MainClass(), nullptr); window != nullptr;
         window = ::FindWindowExW(nullptr, window, MainClass(), nullptr))
        ++count;
    Field(L"count", count);
    return kOk;
}

int WaitChange(const Args& args) {
    HWND main = nullptr, control = nullptr;
    DWORD timeout = 0;
    if (!ReadTimeout(args[2], &timeout)) return kUsage;
    if (const int found = RequireControl(args[0], &main, &control); found != kOk) return found;
    std::wstring text;
    bool boxOpen = false;
    const bool changed = PollUntil(timeout, [&] {
        if ((boxOpen = FindMessageBox() != nullptr)) return true;
        return ReadText(control, &text) && Escape(text) != args[1];
    });
    Field(L"text", text);
    Field(L"msgbox", boxOpen);
    if (!changed) return Fail(L"control " + args[0] + L" kept its text for " + args[2] + L" ms");
    return kOk;
}

int WaitVisible(const Args& args) {
    HWND main = nullptr, control = nullptr;
    DWORD timeout = 0;
    if (args[1] != L"0" && args[1] != L"1") return UsageError(L"the state is 0 or 1");
    if (!ReadTimeout(args[2], &timeout)) return kUsage;
    if (const int found = RequireControl(args[0], &main, &control); found != kOk) return found;
    const bool wanted = args[1] == L"1";
    const bool reached = PollUntil(timeout, [&] { return ShownAsVisible(control) == wanted; });
    Field(L"visible", ShownAsVisible(control));
    if (!reached)
        return Fail(L"control " + args[0] + L" did not become " +
                    (wanted ? L"visible" : L"hidden") + L" within " + args[2] + L" ms");
    return kOk;
}

// Posted, so the tool does not wait for the program's click handler; a hidden or
// disabled button cannot be clicked by a user, so neither is it here.
int Click(const Args& args) {
    HWND main = nullptr, control = nullptr;
    if (const int found = RequireControl(args[0], &main, &control); found != kOk) return found;
    if (!::IsWindowVisible(control)) return Fail(L"control " + args[0] + L" is not visible");
    if (!::IsWindowEnabled(control)) return Fail(L"control " + args[0] + L" is disabled");
    if (!::PostMessageW(control, BM_CLICK, 0, 0)) {
        const DWORD error = ::GetLastError();
        return Fail(L"posting BM_CLICK failed, error " + std::to_wstring(error));
    }
    Field(L"clicked", args[0]);
    return kOk;
}

int Close(const Args&) { return PostToMain(WM_CLOSE, 0, L"WM_CLOSE"); }

int SysCommandClose(const Args&) {
    return PostToMain(WM_SYSCOMMAND, SC_CLOSE, L"WM_SYSCOMMAND SC_CLOSE");
}

// WM_QUIT to the window's thread, as another program or a log-off would send it.
int PostQuit(const Args& args) {
    unsigned long code = 0;
    if (!ParseNumber(args[0], &code)) return UsageError(L"not an exit code: " + args[0]);
    HWND main = nullptr;
    if (!RequireMain(&main)) return kFailed;
    if (!::PostThreadMessageW(::GetWindowThreadProcessId(main, nullptr), WM_QUIT, code, 0)) {
        const DWORD error = ::GetLastError();
        return Fail(L"posting WM_QUIT failed, error " + std::to_wstring(error));
    }
    Field(L"posted", L"WM_QUIT");
    return kOk;
}

// A message box that opens while waiting ends the wait: the window could not go then.
int WaitGone(const Args& args) {
    DWORD timeout = 0;
    if (!ReadTimeout(args[0], &timeout)) return kUsage;
    HWND box = nullptr;
    const bool gone = PollUntil(timeout, [&box] {
        box = FindMessageBox();
        return box != nullptr || FindMainWindow() == nullptr;
    });
    if (box != nullptr) {
        Field(L"msgbox_text", BoxText(box));
        return Fail(L"a message box opened instead");
    }
    Field(L"gone", gone);
    if (!gone) return Fail(L"the installer window still exists after " + args[0] + L" ms");
    return kOk;
}

int Ping(const Args& args) {
    unsigned long count = 0;
    if (!ParseNumber(args[0], &count) || count == 0) return UsageError(L"COUNT is at least 1");
    HWND main = nullptr;
    if (!RequireMain(&main)) return kFailed;
    LARGE_INTEGER frequency{}, before{}, after{};
    ::QueryPerformanceFrequency(&frequency);
    std::vector<long long> micros;
    for (unsigned long round = 0; round < count; ++round) {
        DWORD_PTR result = 0;
        ::QueryPerformanceCounter(&before);
        if (::SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, kPingAnswerMs, &result) == 0)
            return Fail(L"no answer to WM_NULL within " + std::to_wstring(kPingAnswerMs) + L" ms");
        ::QueryPerformanceCounter(&after);
        micros.push_back((after.QuadPart - before.QuadPart) * 1000000 / frequency.QuadPart);
    }
    std::sort(micros.begin(), micros.end());
    Field(L"count", static_cast<long long>(count));
    Field(L"min_us", micros.front());
    Field(L"median_us", micros[micros.size() / 2]);
    Field(L"max_us", micros.back());
    return kOk;
}

int Hold(const Args& args) {
    DWORD ms = 0;
    if (!ReadTimeout(args[0], &ms)) return kUsage;
    ::Sleep(ms);
    return kOk;
}

}  // namespace uia
