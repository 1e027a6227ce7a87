#include "platform/win32/single_instance.h"

namespace win32 {

namespace {
// Where the system has private namespaces, the name lives in one that only
// administrators reach; elsewhere (Wine 8) in the global namespace, where any
// account could make it first.
constexpr wchar_t kNamespace[] = L"MariaDB-Installer";
constexpr wchar_t kNamespacedName[] = L"MariaDB-Installer\\RunningCopy";
constexpr wchar_t kGlobalName[] = L"Global\\MariaDB-Installer.RunningCopy";
}  // namespace

// Only SYNCHRONIZE is asked for, which any account may be granted. The object
// of a copy started by another account may refuse even that: access denied
// means it exists, so another copy runs. A mutex that cannot be made for any
// other reason does not stop the program.
SingleInstance::SingleInstance() : namespace_(kNamespace) {
    const AdministratorsNamespace::State state = namespace_.Enter();
    if (state == AdministratorsNamespace::State::Taken) {
        first_ = false;
        return;
    }
    const bool namespaced = state == AdministratorsNamespace::State::Open;
    mutex_ = UniqueHandle(
        ::CreateMutexExW(nullptr, namespaced ? kNamespacedName : kGlobalName, 0, SYNCHRONIZE));
    const DWORD error = ::GetLastError();
    first_ = mutex_ ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED;
}

}  // namespace win32
