// Commands on the installer's message boxes.
#include <windows.h>

#include "commands.h"
#include "output.h"
#include "target.h"

namespace uia {
namespace {

constexpr DWORD kDismissMs = 2000;

bool ReadTimeout(const std::wstring& word, DWORD* timeoutMs) {
    unsigned long value = 0;
    if (!ParseNumber(word, &value)) return false;
    *timeoutMs = value;
    return true;
}

void PrintBox(HWND box) {
    const HWND owner = ::GetWindow(box, GW_OWNER);
    const HWND main = FindMainWindow();
    std::wstring buttons, ids;
    for (const HWND child : Children(box)) {
        std::wstring text;
        if (ClassOf(child) != L"Button" || !::IsWindowVisible(child)) continue;
        ReadText(child, &text);
        buttons += (buttons.empty() ? L"" : L"|") + text;
        ids += (ids.empty() ? L"" : L"|") + std::to_wstring(::GetDlgCtrlID(child));
    }
    Field(L"msgbox", 1);
    Field(L"text", BoxText(box));
    Field(L"owner", owner != nullptr && owner == main);
    Field(L"pid", ProcessOf(box));
    Field(L"buttons", buttons);
    Field(L"button_ids", ids);
    Field(L"main_enabled", main != nullptr && ::IsWindowEnabled(main));
}

// Waits for a box and prints it.
int AwaitBox(const std::wstring& word, HWND* box) {
    DWORD timeout = 0;
    if (!ReadTimeout(word, &timeout)) return UsageError(L"not a time in milliseconds: " + word);
    if (!PollUntil(timeout, [box] { return (*box = FindMessageBox()) != nullptr; })) {
        Field(L"msgbox", 0);
        return Fail(L"no message box within " + word + L" ms");
    }
    PrintBox(*box);
    return kOk;
}

// As the OK button would: WM_COMMAND with IDOK to the box.
bool PressOk(HWND box) {
    const HWND ok = ::GetDlgItem(box, IDOK);
    if (!::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                        reinterpret_cast<LPARAM>(ok))) {
        const DWORD error = ::GetLastError();
        Fail(L"posting IDOK failed, error " + std::to_wstring(error));
        return false;
    }
    if (PollUntil(kDismissMs, [box] { return !::IsWindow(box) || !::IsWindowVisible(box); }))
        return true;
    Fail(L"the message box is still open after pressing OK");
    return false;
}

}  // namespace

int MsgBox(const Args& args) {
    HWND box = nullptr;
    const int found = AwaitBox(args[0], &box);
    if (found != kOk) return found;
    if (!PressOk(box)) return kFailed;
    Field(L"pressed", L"OK");
    return kOk;
}

int MsgBoxPeek(const Args& args) {
    HWND box = nullptr;
    return AwaitBox(args[0], &box);
}

int NoMsgBox(const Args& args) {
    DWORD timeout = 0;
    if (!ReadTimeout(args[0], &timeout))
        return UsageError(L"not a time in milliseconds: " + args[0]);
    HWND box = nullptr;
    if (PollUntil(timeout, [&box] { return (box = FindMessageBox()) != nullptr; })) {
        PrintBox(box);
        return Fail(L"a message box appeared");
    }
    Field(L"msgbox", 0);
    return kOk;
}

}  // namespace uia
