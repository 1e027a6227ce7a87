// Access lists, the account the kit runs under, and randomness.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "kit/folder_access.h"

namespace kit {

struct AccessReading {
    uint32_t error = 0;
    FolderAccess access;
};

// Protected means: owner the Administrators; full access for SYSTEM and the
// Administrators alone, by SID; nothing inherited; a folder hands it down.
class Security {
  public:
    virtual ~Security() = default;
    // The folder made protected, or made so when it exists (also one a user made).
    virtual uint32_t ProtectFolder(const std::wstring& path) = 0;
    // The file made protected (empty when missing), for another program to write.
    virtual uint32_t ProtectFile(const std::wstring& path) = 0;
    // The file protected before BYTES are written into it.
    virtual uint32_t WriteProtectedFile(const std::wstring& path, const std::string& bytes) = 0;
    virtual AccessReading AccessOf(const std::wstring& path) = 0;
    // The SID of the account that runs the kit.
    virtual std::wstring RunningAccount() = 0;
    // COUNT bytes from the system's random number generator; false when it fails.
    virtual bool RandomBytes(uint8_t* bytes, std::size_t count) = 0;
};

}  // namespace kit
