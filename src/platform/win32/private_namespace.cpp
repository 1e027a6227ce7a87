#include "platform/win32/private_namespace.h"

#include <sddl.h>

#include "platform/win32/system_export.h"

namespace win32 {
namespace {

// Opened by SYSTEM and Administrators alone, nothing inherited.
constexpr wchar_t kNamespaceAccess[] = L"D:P(A;;GA;;;SY)(A;;GA;;;BA)";

}  // namespace

AdministratorsNamespace::Api AdministratorsNamespace::Load() {
    return {WIN32_SYSTEM_EXPORT(L"kernel32.dll", CreateBoundaryDescriptorW),
            WIN32_SYSTEM_EXPORT(L"kernel32.dll", AddSIDToBoundaryDescriptor),
            WIN32_SYSTEM_EXPORT(L"kernel32.dll", DeleteBoundaryDescriptor),
            WIN32_SYSTEM_EXPORT(L"kernel32.dll", CreatePrivateNamespaceW),
            WIN32_SYSTEM_EXPORT(L"kernel32.dll", OpenPrivateNamespaceW),
            WIN32_SYSTEM_EXPORT(L"kernel32.dll", ClosePrivateNamespace)};
}

AdministratorsNamespace::AdministratorsNamespace(const wchar_t* name) : api_(Load()) {
    if (api_.createBoundary && api_.addSid && api_.deleteBoundary && api_.create && api_.open &&
        api_.close)
        state_ = Make(name);
}

AdministratorsNamespace::~AdministratorsNamespace() {
    if (namespace_ != nullptr) api_.close(namespace_, 0);
    if (boundary_ != nullptr) api_.deleteBoundary(boundary_);
}

// A namespace that exists already was made by a running copy, which holds it
// until it ends; one that cannot be opened counts as held by such a copy.
AdministratorsNamespace::State AdministratorsNamespace::Make(const wchar_t* name) {
    boundary_ = api_.createBoundary(name, 0);
    BYTE administrators[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof administrators;
    if (boundary_ == nullptr ||
        !::CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, administrators, &size) ||
        !api_.addSid(&boundary_, administrators))
        return State::Unavailable;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kNamespaceAccess, SDDL_REVISION_1,
                                                                &descriptor, nullptr))
        return State::Unavailable;
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
    namespace_ = api_.create(&attributes, boundary_, name);
    const DWORD error = ::GetLastError();
    ::LocalFree(descriptor);
    if (namespace_ != nullptr) return State::Open;
    if (error != ERROR_ALREADY_EXISTS) return State::Unavailable;
    namespace_ = api_.open(boundary_, name);
    return namespace_ != nullptr ? State::Open : State::Taken;
}

}  // namespace win32
