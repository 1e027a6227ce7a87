// The removal template's work: every installed MariaDB 10.1 (32 and 64 bits)
// removed, the databases kept unless DELETE_DATA says otherwise, and what is
// left of the target folder moved aside so that the installer installs again.
#pragma once

#include <cstdint>
#include <string>

#include "kit/journal.h"
#include "kit/platform/kit_platform.h"
#include "kit/settings.h"

namespace kit {

class Remove {
  public:
    Remove(KitPlatform& platform, const Settings& settings, Journal& journal)
        : platform_(platform), settings_(settings), journal_(journal) {}

    // The run's exit code.
    uint32_t Run();

  private:
    // msiexec's code, or the kit's where the product stays installed.
    uint32_t RemoveOne(const Product& product);
    void FreeTarget();
    void MoveAside(const std::wstring& passwordFile);

    KitPlatform& platform_;
    const Settings& settings_;
    Journal& journal_;
};

}  // namespace kit
