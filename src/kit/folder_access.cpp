#include "kit/folder_access.h"

namespace kit {
namespace {

constexpr const wchar_t* kTrusted[] = {
    L"S-1-5-18",                                                        // SYSTEM
    L"S-1-5-32-544",                                                    // Administrators
    L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464",  // TrustedInstaller
    L"S-1-3-0",                                                         // CREATOR OWNER
};

// Add a file, add a folder, write attributes or extended attributes, delete,
// delete a child, change the access list or the owner; and the generic rights.
constexpr uint32_t kWritingRights =
    0x2 | 0x4 | 0x10 | 0x40 | 0x100 | 0x10000 | 0x40000 | 0x80000 | 0x10000000 | 0x40000000;

bool Trusted(const std::wstring& account, const std::wstring& runningAccount) {
    if (account == runningAccount) return true;
    for (const wchar_t* trusted : kTrusted)
        if (account == trusted) return true;
    return false;
}

}  // namespace

std::wstring UntrustedWriter(const FolderAccess& access, const std::wstring& runningAccount) {
    if (!access.hasAccessList) return L"Jeder (keine Zugriffsliste)";
    if (!Trusted(access.owner, runningAccount)) return L"der Besitzer " + access.owner;
    for (const AccessEntry& entry : access.entries)
        if (entry.allows && (entry.rights & kWritingRights) != 0 &&
            !Trusted(entry.account, runningAccount))
            return entry.accountName.empty() ? entry.account : entry.accountName;
    return {};
}

}  // namespace kit
