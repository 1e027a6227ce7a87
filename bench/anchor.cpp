// The benchmark's anchor: a bare Win32 window with the program's manifest and one
// static control. On its first activation it runs the same two-pass service
// enumeration as the program (size query, then fetch; running, then stopped
// services), tests the names for MYSQL and Maria and shows the verdict, so the
// time from start to verdict can be set against the program's.
#include <windows.h>

#include <cstring>
#include <vector>

#include "platform/win32/phase_marks.h"
#include "platform/win32/unique_handles.h"
#include "services/verdict_texts.h"

namespace {

constexpr wchar_t kClassName[] = L"InstallerBenchAnchor";
constexpr int kVerdictId = 105;  // the id of the program's status label
constexpr UINT kScan = WM_APP + 1;

struct Findings {
    bool mysql[2] = {};
    bool maria[2] = {};
};

bool ContainsMaria(const char* name) {
    for (; *name != '\0'; ++name)
        if (::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name,
                             static_cast<int>(strnlen(name, 5)), "Maria", 5) == CSTR_EQUAL)
            return true;
    return false;
}

// One pass over the services in state; false when the enumeration failed.
bool Pass(DWORD state, bool* mysql, bool* maria) {
    const win32::UniqueServiceHandle manager(
        ::OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE));
    if (!manager) return false;
    DWORD needed = 0, returned = 0, resume = 0;
    ::EnumServicesStatusA(manager.Get(), SERVICE_WIN32, state, nullptr, 0, &needed, &returned,
                          &resume);
    std::vector<ENUM_SERVICE_STATUSA> records(needed / sizeof(ENUM_SERVICE_STATUSA) + 1);
    resume = 0;
    if (!::EnumServicesStatusA(manager.Get(), SERVICE_WIN32, state, records.data(),
                               static_cast<DWORD>(records.size() * sizeof records[0]), &needed,
                               &returned, &resume))
        return false;
    for (DWORD index = 0; index < returned; ++index) {
        const char* name = records[index].lpServiceName;
        if (::lstrcmpiA(name, "MYSQL") == 0) *mysql = true;
        if (ContainsMaria(name)) *maria = true;
    }
    return true;
}

const wchar_t* Verdict() {
    Findings found;
    if (!Pass(SERVICE_ACTIVE, &found.mysql[0], &found.maria[0]) ||
        !Pass(SERVICE_INACTIVE, &found.mysql[1], &found.maria[1]))
        return L"enumeration failed";
    if (found.maria[1]) return verdict::kMariaStopped;
    if (found.maria[0]) return verdict::kMariaRunning;
    if (found.mysql[1]) return verdict::kMysqlStopped;
    if (found.mysql[0]) return verdict::kMysqlRunning;
    return verdict::kNeither;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static bool activated = false;
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && !activated) {
                activated = true;
                ::PostMessageW(window, kScan, 0, 0);
            }
            break;
        case kScan:
            win32::MarkPhase("decision");
            ::SetDlgItemTextW(window, kVerdictId, Verdict());
            win32::MarkPhase("verdict");
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    win32::MarkPhase("entered");
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (::RegisterClassExW(&windowClass) == 0) return 1;
    const HWND window =
        ::CreateWindowExW(0, kClassName, L"Anchor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 640, 320, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) return 1;
    win32::MarkPhase("window created");
    ::CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 8, 8, 600, 120, window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kVerdictId)), instance, nullptr);
    win32::MarkPhase("controls and fonts");
    ::ShowWindow(window, SW_SHOWNORMAL);
    win32::MarkPhase("shown");
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
    return static_cast<int>(message.wParam);
}
