// Starts a program (with the arguments that follow it, each as one, quoted
// where it holds a blank), waits for its end and prints its whole exit code, which a
// Unix parent of Wine would see cut to eight bits. With --unseen the program
// starts where nobody can see its windows, as software distribution starts it
// under SYSTEM: on a desktop of a window station of its own, which is not
// visible. With --hidden it asks for the program's window to be hidden
// (STARTUPINFO's show state SW_HIDE), as a deployment set to "Hidden" does.
// Prints key=value lines:
//   station_visible=0|1   with --unseen: WSF_VISIBLE of the station it made
//   started=1             as soon as the program runs
//   start_error=N         when it could not be started (CreateProcess's error)
//   exit_code=N, ms=N     when the program ended in time
//   timed_out=1           when it did not; it is then ended
// Exit code 0 when the program ended in time, 1 when it did not, 2 on wrong
// usage, 3 when it never ran: a caller may start it again only then.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/unique_handles.h"

namespace {

using win32::UniqueDesktop;
using UniqueStation = win32::UniqueWindowStation;

constexpr wchar_t kStation[] = L"LaunchUnseenStation";
constexpr wchar_t kDesktop[] = L"Default";

constexpr int kNeverRan = 3;

int Fail(const char* what) {
    const DWORD error = ::GetLastError();
    std::fprintf(stderr, "launch: %s failed, error %lu\n", what, error);
    std::printf("start_error=%lu\n", error);
    return kNeverRan;
}

bool Visible(HWINSTA station) {
    USEROBJECTFLAGS flags{};
    ::GetUserObjectInformationW(station, UOI_FLAGS, &flags, sizeof flags, nullptr);
    return (flags.dwFlags & WSF_VISIBLE) != 0;
}

// A desktop is made on the calling process's station: switch there and back.
UniqueDesktop MakeDesktopOn(HWINSTA station) {
    const HWINSTA own = ::GetProcessWindowStation();  // not to be closed
    if (!::SetProcessWindowStation(station)) return UniqueDesktop();
    UniqueDesktop desktop(::CreateDesktopW(kDesktop, nullptr, nullptr, 0, GENERIC_ALL, nullptr));
    const win32::LastErrorKeeper keeper;
    ::SetProcessWindowStation(own);
    return desktop;
}

int Launch(DWORD timeoutMs, const std::wstring& line, wchar_t* desktop, bool hidden) {
    std::wstring commandLine = line;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = desktop;
    if (hidden) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
    }
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started))
        return Fail("CreateProcess");
    const win32::UniqueHandle process(started.hProcess), thread(started.hThread);
    std::printf("started=1\n");
    std::fflush(stdout);
    const ULONGLONG begin = ::GetTickCount64();
    if (::WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.Get(), 1);
        std::printf("timed_out=1\n");
        return 1;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process.Get(), &code);
    std::printf("exit_code=%lu\nms=%llu\n", code, ::GetTickCount64() - begin);
    return 0;
}

int LaunchUnseen(DWORD timeoutMs, const std::wstring& line) {
    const UniqueStation station(::CreateWindowStationW(kStation, 0, WINSTA_ALL_ACCESS, nullptr));
    if (!station) return Fail("CreateWindowStation");
    const UniqueDesktop desktop = MakeDesktopOn(station.Get());
    if (!desktop) return Fail("CreateDesktop");
    std::printf("station_visible=%d\n", Visible(station.Get()) ? 1 : 0);
    std::wstring where = std::wstring(kStation) + L"\\" + kDesktop;
    return Launch(timeoutMs, line, where.data(), false);
}

// The program in quotes, then each argument, in quotes where it holds a blank.
std::wstring CommandLine(int count, wchar_t** words) {
    std::wstring line = L"\"" + std::wstring(words[0]) + L"\"";
    for (int i = 1; i < count; ++i) {
        const std::wstring word = words[i];
        line += word.find(L' ') == std::wstring::npos ? L" " + word : L" \"" + word + L"\"";
    }
    return line;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool unseen = argc > 1 && std::wcscmp(argv[1], L"--unseen") == 0;
    const bool hidden = argc > 1 && std::wcscmp(argv[1], L"--hidden") == 0;
    if (unseen || hidden) --argc, ++argv;
    wchar_t* end = nullptr;
    const unsigned long timeoutMs = argc >= 3 ? std::wcstoul(argv[1], &end, 10) : 0;
    if (argc < 3 || end == argv[1] || *end != L'\0') {
        std::fprintf(stderr,
                     "usage: launch [--unseen|--hidden] TIMEOUT_MS PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const std::wstring line = CommandLine(argc - 2, argv + 2);
    return unseen ? LaunchUnseen(timeoutMs, line) : Launch(timeoutMs, line, nullptr, hidden);
}
