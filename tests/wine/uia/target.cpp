#include "target.h"

#include <iterator>

namespace uia {
namespace {

// Longer than Wine's pauses when a window is hidden without a window manager.
constexpr UINT kAnswerMs = 3000;

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
    return ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerMs,
                                 result) != 0;
}

struct BoxSearch {
    DWORD process;  // 0: any process
    HWND found;
};

BOOL CALLBACK MatchBox(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<BoxSearch*>(param);
    if (!::IsWindowVisible(window) || ClassOf(window) != kDialogClass) return TRUE;
    if (search->process != 0 && ProcessOf(window) != search->process) return TRUE;
    std::wstring title;
    if (!ReadText(window, &title) || title != kTitle) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

// The benchmark's anchor window has a class of its own, named in UIA_WINDOW_CLASS.
const wchar_t* MainClass() {
    static wchar_t name[128] = {};
    const DWORD length = ::GetEnvironmentVariableW(L"UIA_WINDOW_CLASS", name, std::size(name));
    return length > 0 && length < std::size(name) ? name : kMainClass;
}

HWND FindMainWindow() { return ::FindWindowW(MainClass(), nullptr); }

HWND FindMessageBox() {
    const HWND main = FindMainWindow();
    BoxSearch search{main != nullptr ? ProcessOf(main) : 0, nullptr};
    ::EnumWindows(&MatchBox, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring BoxText(HWND box) {
    std::wstring text;
    const HWND message = ChildById(box, 0xFFFF);
    if (message != nullptr && ReadText(message, &text)) return text;
    for (const HWND child : Children(box)) {
        if (ClassOf(child) == L"Static" && ReadText(child, &text) && !text.empty()) return text;
    }
    return L"";
}

bool ReadText(HWND window, std::wstring* text) {
    DWORD_PTR length = 0;
    if (!Ask(window, WM_GETTEXTLENGTH, 0, 0, &length)) return false;
    // The text may change between the two messages; a full buffer means read again, larger.
    for (std::size_t size = length + 64; size < (1u << 20); size *= 4) {
        std::wstring buffer(size, L'\0');
        DWORD_PTR copied = 0;
        if (!Ask(window, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer.data()), &copied))
            return false;
        if (copied + 1 < size) {
            buffer.resize(copied);
            *text = buffer;
            return true;
        }
    }
    return false;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = {};
    const int length = ::GetClassNameW(window, name, 256);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = ::GetWindow(parent, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND ChildById(HWND parent, int id) {
    for (const HWND child : Children(parent))
        if (::GetDlgCtrlID(child) == id) return child;
    return nullptr;
}

RECT RectInParent(HWND child, HWND parent) {
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool HasStyle(HWND window, LONG_PTR bits) {
    return (::GetWindowLongPtrW(window, GWL_STYLE) & bits) == bits;
}

}  // namespace uia
