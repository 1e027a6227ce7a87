#include "platform/win32/single_instance.h"

namespace win32 {

namespace {
constexpr wchar_t kMutexName[] = L"Local\\MariaDB-Installer.RunningCopy";
}

// A mutex that cannot be made at all does not stop the program.
SingleInstance::SingleInstance() {
    mutex_ = UniqueHandle(::CreateMutexW(nullptr, FALSE, kMutexName));
    const DWORD error = ::GetLastError();
    first_ = !mutex_ || error != ERROR_ALREADY_EXISTS;
}

}  // namespace win32
