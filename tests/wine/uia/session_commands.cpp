// Commands that act on the program's session rather than on its window: a
// holder of the program's single-instance name, and the end of the session.
#include <windows.h>

#include <cstdio>

#include "commands.h"
#include "handles.h"
#include "output.h"
#include "target.h"

namespace uia {
namespace {

// The holder prints held=1 once the mutex exists (owned by it when OWNED) and
// keeps it for MS.
int HoldMutex(const Args& args, SECURITY_ATTRIBUTES* security, bool owned = false) {
    unsigned long ms = 0;
    if (!ParseNumber(args[1], &ms)) return UsageError(L"not a time in milliseconds: " + args[1]);
    const UniqueHandle mutex(::CreateMutexW(security, owned, args[0].c_str()));
    if (!mutex) {
        const DWORD error = ::GetLastError();
        return Fail(L"CreateMutex failed, error " + std::to_wstring(error));
    }
    Field(L"held", 1);
    std::fflush(stdout);
    ::Sleep(ms);
    return kOk;
}

}  // namespace

int HoldMutex(const Args& args) { return HoldMutex(args, nullptr); }

// As Windows Installer's service owns Global\_MSIExecute while it installs.
int OwnMutex(const Args& args) { return HoldMutex(args, nullptr, true); }

// An empty access list grants nobody anything, as the object of a copy that
// another account started looks to this one.
int HoldClosedMutex(const Args& args) {
    SECURITY_DESCRIPTOR descriptor{};
    ACL acl{};
    if (!::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !::InitializeAcl(&acl, sizeof acl, ACL_REVISION) ||
        !::SetSecurityDescriptorDacl(&descriptor, TRUE, &acl, FALSE))
        return Fail(L"the security descriptor could not be made");
    SECURITY_ATTRIBUTES security{sizeof security, &descriptor, FALSE};
    return HoldMutex(args, &security);
}

// WM_ENDSESSION with TRUE, as Windows sends it when the session ends whatever
// the programs answered. ended=1 when the window's process has gone by then.
int EndSession(const Args&) {
    const HWND main = FindMainWindow();
    if (main == nullptr) return Fail(L"the installer window does not exist");
    const UniqueHandle process(::OpenProcess(SYNCHRONIZE, FALSE, ProcessOf(main)));
    DWORD_PTR result = 0;
    ::SendMessageTimeoutW(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, 5000, &result);
    const bool ended = process && ::WaitForSingleObject(process.Get(), 5000) == WAIT_OBJECT_0;
    Field(L"ended", ended ? 1 : 0);
    return kOk;
}

int QueryCriticalEnd(const Args&) {
    const HWND main = FindMainWindow();
    if (main == nullptr) return Fail(L"the installer window does not exist");
    DWORD_PTR answer = 0;
    if (!::SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_CRITICAL, SMTO_NORMAL, 5000,
                               &answer))
        return Fail(L"the window did not answer");
    Field(L"answer", static_cast<int>(answer));
    return kOk;
}

}  // namespace uia
