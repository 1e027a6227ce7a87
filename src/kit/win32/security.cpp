#include <windows.h>

#include <aclapi.h>
#include <bcrypt.h>
#include <sddl.h>

#include "kit/win32/win32_kit_platform.h"
#include "platform/win32/unique_handles.h"

namespace kit::win32 {
namespace {

using ::win32::UniqueFileHandle;
using ::win32::UniqueHandle;
using ::win32::UniqueLocalMemory;

// Owner Administrators; full access for SYSTEM and Administrators alone.
constexpr wchar_t kFolderAccess[] = L"O:BAD:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)";
constexpr wchar_t kFileAccess[] = L"O:BAD:P(A;;FA;;;SY)(A;;FA;;;BA)";

UniqueLocalMemory Descriptor(const wchar_t* text) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ::ConvertStringSecurityDescriptorToSecurityDescriptorW(text, SDDL_REVISION_1, &descriptor,
                                                           nullptr);
    return UniqueLocalMemory(descriptor);
}

// A path made by a user before us may be owned by that user: taking it over
// needs the privileges an elevated administrator holds but has not enabled.
void EnableOwnershipPrivileges() {
    HANDLE opened = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES, &opened)) return;
    const UniqueHandle token(opened);
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

std::wstring SidText(PSID sid) {
    wchar_t* text = nullptr;
    if (!::ConvertSidToStringSidW(sid, &text)) return {};
    const UniqueLocalMemory owner(text);
    return text;
}

// DOMAIN\name of SID, empty where the system knows none.
std::wstring AccountName(PSID sid) {
    wchar_t name[256];
    wchar_t domain[256];
    DWORD nameLength = 256;
    DWORD domainLength = 256;
    SID_NAME_USE use{};
    if (!::LookupAccountSidW(nullptr, sid, name, &nameLength, domain, &domainLength, &use))
        return {};
    return domainLength > 0 ? std::wstring(domain) + L"\\" + name : std::wstring(name);
}

// The allowing and denying entries; others (object and audit entries) never
// stand in a file's access list.
void ReadEntries(PACL acl, FolderAccess& access) {
    for (DWORD i = 0; i < acl->AceCount; ++i) {
        void* ace = nullptr;
        if (!::GetAce(acl, i, &ace)) continue;
        const BYTE type = static_cast<ACE_HEADER*>(ace)->AceType;
        if (type != ACCESS_ALLOWED_ACE_TYPE && type != ACCESS_DENIED_ACE_TYPE) continue;
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);  // same layout for both
        PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        access.entries.push_back(
            {SidText(sid), AccountName(sid), type == ACCESS_ALLOWED_ACE_TYPE, allowed->Mask});
    }
}

}  // namespace

uint32_t Win32KitPlatform::ProtectFolder(const std::wstring& path) {
    const UniqueLocalMemory descriptor = Descriptor(kFolderAccess);
    if (!descriptor) return ::GetLastError();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.Get(), FALSE};
    if (::CreateDirectoryW(path.c_str(), &attributes)) return ERROR_SUCCESS;
    const DWORD error = ::GetLastError();
    if (error != ERROR_ALREADY_EXISTS) return error;
    return Apply(path, descriptor.Get());
}

uint32_t Win32KitPlatform::WriteProtectedFile(const std::wstring& path, const std::string& bytes) {
    const UniqueLocalMemory descriptor = Descriptor(kFileAccess);
    if (!descriptor) return ::GetLastError();
    if (::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        const DWORD error = Apply(path, descriptor.Get());
        if (error != ERROR_SUCCESS) return error;
    }
    SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor.Get(), FALSE};
    const UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, &attributes,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return ::GetLastError();
    DWORD written = 0;
    if (!::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return ::GetLastError();
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

uint32_t Win32KitPlatform::ProtectFile(const std::wstring& path) {
    if (::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return WriteProtectedFile(path, std::string());
    const UniqueLocalMemory descriptor = Descriptor(kFileAccess);
    if (!descriptor) return ::GetLastError();
    return Apply(path, descriptor.Get());
}

AccessReading Win32KitPlatform::AccessOf(const std::wstring& path) {
    PSID owner = nullptr;
    PACL acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error = ::GetNamedSecurityInfoW(
        path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION,
        &owner, nullptr, &acl, nullptr, &descriptor);
    if (error != ERROR_SUCCESS) return {error, {}};
    const UniqueLocalMemory kept(descriptor);
    AccessReading reading;
    reading.access.owner = SidText(owner);
    reading.access.hasAccessList = acl != nullptr;
    if (acl != nullptr) ReadEntries(acl, reading.access);
    return reading;
}

std::wstring Win32KitPlatform::RunningAccount() {
    HANDLE opened = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &opened)) return {};
    const UniqueHandle token(opened);
    alignas(TOKEN_USER) BYTE buffer[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE];
    DWORD size = 0;
    if (!::GetTokenInformation(token.Get(), TokenUser, buffer, sizeof buffer, &size)) return {};
    return SidText(reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid);
}

bool Win32KitPlatform::RandomBytes(uint8_t* bytes, std::size_t count) {
    const auto generate = SYSTEM32_EXPORT(bcrypt_, BCryptGenRandom);
    return generate != nullptr && BCRYPT_SUCCESS(generate(nullptr, bytes, static_cast<ULONG>(count),
                                                          BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

}  // namespace kit::win32
