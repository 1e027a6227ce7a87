// Whether a folder is fit for files that SYSTEM writes under fixed names: only
// SYSTEM, the Administrators, TrustedInstaller, CREATOR OWNER and the account
// that runs the kit may write there or change who may; otherwise another user
// could put a link of that name there first and redirect what SYSTEM writes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kit {

struct AccessEntry {
    std::wstring account;  // SID, S-1-5-...
    std::wstring accountName;
    bool allows = true;  // an allowing entry; denying ones are not counted
    uint32_t rights = 0;
};

struct FolderAccess {
    std::wstring owner;         // SID
    bool hasAccessList = true;  // false: a null access list, open to everyone
    std::vector<AccessEntry> entries;
};

// Who else may write: the first such account, by name where known; empty when nobody.
std::wstring UntrustedWriter(const FolderAccess& access, const std::wstring& runningAccount);

}  // namespace kit
