#include "protection.h"

#include <aclapi.h>
#include <sddl.h>

#include <memory>

#include "platform/win32/unique_handles.h"

namespace root_password {
namespace {

// Owner Administrators; full access for SYSTEM and Administrators alone.
constexpr wchar_t kFolderAccess[] = L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
constexpr wchar_t kFileAccess[] = L"O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)";

struct LocalFreeDeleter {
    void operator()(void* memory) const { ::LocalFree(memory); }
};
using Descriptor = std::unique_ptr<void, LocalFreeDeleter>;

Descriptor FromText(const wchar_t* text) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ::ConvertStringSecurityDescriptorToSecurityDescriptorW(text, SDDL_REVISION_1, &descriptor,
                                                           nullptr);
    return Descriptor(descriptor);
}

// A path made by a user before us may be owned by that user: taking it over
// needs the privileges an elevated administrator holds but has not enabled.
void EnableOwnershipPrivileges() {
    HANDLE opened = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &opened)) return;
    const win32::UniqueHandle token(opened);
    for (const wchar_t* name : {SE_TAKE_OWNERSHIP_NAME, SE_RESTORE_NAME}) {
        TOKEN_PRIVILEGES privileges{};
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (::LookupPrivilegeValueW(nullptr, name, &privileges.Privileges[0].Luid))
            ::AdjustTokenPrivileges(token.Get(), FALSE, &privileges, 0, nullptr, nullptr);
    }
}

// The owner and access list of DESCRIPTOR set on the existing PATH.
DWORD Apply(const std::wstring& path, void* descriptor) {
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL acl = nullptr;
    PSID owner = nullptr;
    if (!::GetSecurityDescriptorDacl(descriptor, &present, &acl, &defaulted) ||
        !::GetSecurityDescriptorOwner(descriptor, &owner, &defaulted))
        return ::GetLastError();
    EnableOwnershipPrivileges();
    return ::SetNamedSecurityInfoW(const_cast<wchar_t*>(path.c_str()), SE_FILE_OBJECT,
                                   OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION |
                                       PROTECTED_DACL_SECURITY_INFORMATION,
                                   owner, nullptr, acl, nullptr);
}

}  // namespace

DWORD ProtectFolder(const std::wstring& path) {
    const Descriptor descriptor = FromText(kFolderAccess);
    if (!descriptor) return ::GetLastError();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
    if (::CreateDirectoryW(path.c_str(), &attributes)) return ERROR_SUCCESS;
    const DWORD error = ::GetLastError();
    if (error != ERROR_ALREADY_EXISTS) return error;
    return Apply(path, descriptor.get());
}

DWORD WriteProtectedFile(const std::wstring& path, const std::string& text) {
    const Descriptor descriptor = FromText(kFileAccess);
    if (!descriptor) return ::GetLastError();
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const DWORD error = Apply(path, descriptor.get());
        if (error != ERROR_SUCCESS) return error;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.get(), FALSE};
    const win32::UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, &attributes,
                                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                     nullptr));
    if (!file) return ::GetLastError();
    DWORD written = 0;
    if (!::WriteFile(file.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr))
        return ::GetLastError();
    return written == text.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

DWORD ProtectFile(const std::wstring& path) {
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return WriteProtectedFile(path, std::string());
    const Descriptor descriptor = FromText(kFileAccess);
    if (!descriptor) return ::GetLastError();
    return Apply(path, descriptor.get());
}

}  // namespace root_password
