#include "platform/win32/single_instance.h"

namespace win32 {

namespace {
constexpr wchar_t kMutexName[] = L"Global\\MariaDB-Installer.RunningCopy";
}

// Only SYNCHRONIZE is asked for, which any account may be granted. The object
// of a copy started by another account may refuse even that: access denied
// means it exists, so another copy runs. A mutex that cannot be made for any
// other reason does not stop the program.
SingleInstance::SingleInstance() {
    mutex_ = UniqueHandle(::CreateMutexExW(nullptr, kMutexName, 0, SYNCHRONIZE));
    const DWORD error = ::GetLastError();
    first_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

}  // namespace win32
