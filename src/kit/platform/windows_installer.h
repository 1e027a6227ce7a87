// Windows Installer: a package's properties and the products installed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kit {

struct PackageProperties {
    uint32_t error = 0;  // from opening the package or reading its Property table
    std::wstring productName, productVersion, upgradeCode;
};

struct Product {
    std::wstring code;  // {GUID}
    std::wstring name, version;
};

struct ProductList {
    uint32_t error = 0;
    std::vector<Product> products;
};

class WindowsInstaller {
  public:
    virtual ~WindowsInstaller() = default;
    virtual PackageProperties ReadPackage(const std::wstring& path) = 0;
    // The products installed for the machine that share UPGRADE_CODE.
    virtual ProductList RelatedProducts(const std::wstring& upgradeCode) = 0;
    // Every product installed for the machine, 32 and 64 bits.
    virtual ProductList AllProducts() = 0;
    virtual bool IsInstalled(const std::wstring& productCode) = 0;
    // Whether another installation holds Windows Installer (Global\_MSIExecute).
    virtual bool Busy() = 0;
};

}  // namespace kit
