// The install template's work: the one 10.1 package beside the kit installed
// anew, or an older 10.1 of its architecture updated in place, or nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "kit/journal.h"
#include "kit/package_rules.h"
#include "kit/platform/kit_platform.h"
#include "kit/settings.h"

namespace kit {

class Install {
  public:
    Install(KitPlatform& platform, const Settings& settings, Journal& journal)
        : platform_(platform), settings_(settings), journal_(journal) {}

    // The run's exit code.
    uint32_t Run();

  private:
    // Each step gives the exit code where the run ends there.
    std::optional<uint32_t> FindPackage();
    std::optional<uint32_t> ReadPackage();
    std::optional<uint32_t> ReadInstalled();
    // The installed products the package updates, and the error reading them.
    std::vector<Product> SameProduct(uint32_t& error);
    uint32_t OnInstalledProduct();
    uint32_t Update(const Product& older);
    uint32_t NewInstallation();
    std::optional<uint32_t> CheckWay();
    std::optional<uint32_t> CheckService();
    std::optional<uint32_t> CheckPort();
    // The password for the package and whether msiexec may write its log.
    std::optional<uint32_t> TakePassword(std::wstring& password, bool& safe);
    std::optional<uint32_t> OwnPassword(std::wstring& password);
    std::wstring SafeFolder();

    KitPlatform& platform_;
    const Settings& settings_;
    Journal& journal_;
    std::wstring package_;  // its full path
    PackageProperties properties_;
    Version version_{};
    int architecture_ = 0;
    std::vector<Product> installed_;  // of the package's upgrade code or name
    std::vector<Product> all_;        // every installed product
};

}  // namespace kit
