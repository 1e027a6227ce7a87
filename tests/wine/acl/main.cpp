// acl.exe PATH: the owner and access list of a file or folder as Windows keeps
// them, in SDDL (O:BAD:P(A;;FA;;;SY)...), so the suite can compare them.
#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD error = ::GetNamedSecurityInfoW(
        argv[1], SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, nullptr,
        nullptr, nullptr, nullptr, &descriptor);
    if (error != ERROR_SUCCESS) {
        std::fprintf(stderr, "acl: GetNamedSecurityInfo error %lu\n", error);
        return 1;
    }
    wchar_t* text = nullptr;
    const BOOL converted = ::ConvertSecurityDescriptorToStringSecurityDescriptorW(
        descriptor, SDDL_REVISION_1, OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &text,
        nullptr);
    ::LocalFree(descriptor);
    if (!converted) return 1;
    std::printf("%ls\n", text);
    ::LocalFree(text);
    return 0;
}
