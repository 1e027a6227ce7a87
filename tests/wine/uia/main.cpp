// UI automation of the installer window from outside its process, one command per
// run. Findings go to stdout as key=value lines (controls as tab-separated rows);
// exit code 0 on success, 1 on failure or timeout, 2 on wrong usage.
#include <windows.h>

#include <string>

#include "commands.h"
#include "output.h"

namespace {

struct Command {
    const wchar_t* name;
    const wchar_t* arguments;
    std::size_t count;
    int (*run)(const uia::Args&);
};

constexpr Command kCommands[] = {
    {L"wait-window", L"TIMEOUT_MS", 1, &uia::WaitWindow},
    {L"controls", L"", 0, &uia::Controls},
    {L"text", L"ID", 1, &uia::Text},
    {L"visible", L"ID", 1, &uia::Visible},
    {L"wait-text", L"ID TEXT TIMEOUT_MS", 3, &uia::WaitText},
    {L"await-text", L"ID TEXT TIMEOUT_MS", 3, &uia::AwaitText},
    {L"wait-change", L"ID TEXT TIMEOUT_MS", 3, &uia::WaitChange},
    {L"wait-visible", L"ID 0|1 TIMEOUT_MS", 3, &uia::WaitVisible},
    {L"click", L"ID", 1, &uia::Click},
    {L"count-windows", L"", 0, &uia::CountWindows},
    {L"close", L"", 0, &uia::Close},
    {L"syscommand-close", L"", 0, &uia::SysCommandClose},
    {L"post-quit", L"EXIT_CODE", 1, &uia::PostQuit},
    {L"wait-gone", L"TIMEOUT_MS", 1, &uia::WaitGone},
    {L"ping", L"COUNT", 1, &uia::Ping},
    {L"msgbox", L"TIMEOUT_MS", 1, &uia::MsgBox},
    {L"msgbox-peek", L"TIMEOUT_MS", 1, &uia::MsgBoxPeek},
    {L"no-msgbox", L"MS", 1, &uia::NoMsgBox},
    {L"hold", L"MS", 1, &uia::Hold},
    {L"hold-mutex", L"NAME MS", 2, &uia::HoldMutex},
    {L"hold-closed-mutex", L"NAME MS", 2, &uia::HoldClosedMutex},
    {L"own-mutex", L"NAME MS", 2, &uia::OwnMutex},
    {L"end-session", L"", 0, &uia::EndSession},
    {L"query-critical-end", L"", 0, &uia::QueryCriticalEnd},
};

int Usage() {
    std::wstring text = L"usage:";
    for (const Command& command : kCommands)
        text += std::wstring(L"\n  uia ") + command.name + L" " + command.arguments;
    return uia::UsageError(text);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return Usage();
    const std::wstring name = argv[1];
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        const uia::Args args(argv + 2, argv + argc);
        if (args.size() != command.count) return Usage();
        return command.run(args);
    }
    return Usage();
}
