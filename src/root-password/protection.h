// Files and folders that only SYSTEM (S-1-5-18) and the Administrators group
// (S-1-5-32-544) may open, named by SID as every language of Windows knows
// them. The access list is protected: nothing is inherited from the parent
// folder, and a folder hands it down to every file made in it.
#pragma once

#include <string>

#include <windows.h>

namespace root_password {

// The folder PATH, made with that access list, or given it when it exists;
// then owned by the Administrators group. A Windows error code, 0 on success.
DWORD ProtectFolder(const std::wstring& path);

// The file PATH, given that access list before TEXT is written into it.
DWORD WriteProtectedFile(const std::wstring& path, const std::string& text);

// The file PATH given that access list, made empty when it does not exist:
// for a file another program writes afterwards.
DWORD ProtectFile(const std::wstring& path);

}  // namespace root_password
