#include <windows.h>

#include <msi.h>
#include <msiquery.h>

#include "kit/win32/win32_kit_platform.h"
#include "platform/win32/unique_handles.h"

namespace kit::win32 {
namespace {

using ::win32::UniqueHandle;

constexpr int kGuidLength = 39;  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} and its end

// msi.dll's functions, loaded from System32 once.
struct Msi {
    explicit Msi(const System32Library& library)
        : error(library.Error()),
          openDatabase(SYSTEM32_EXPORT(library, MsiOpenDatabaseW)),
          openView(SYSTEM32_EXPORT(library, MsiDatabaseOpenViewW)),
          execute(SYSTEM32_EXPORT(library, MsiViewExecute)),
          fetch(SYSTEM32_EXPORT(library, MsiViewFetch)),
          recordString(SYSTEM32_EXPORT(library, MsiRecordGetStringW)),
          close(SYSTEM32_EXPORT(library, MsiCloseHandle)),
          enumRelated(SYSTEM32_EXPORT(library, MsiEnumRelatedProductsW)),
          enumProducts(SYSTEM32_EXPORT(library, MsiEnumProductsW)),
          productInfo(SYSTEM32_EXPORT(library, MsiGetProductInfoW)),
          productState(SYSTEM32_EXPORT(library, MsiQueryProductStateW)) {}
    bool Loaded() const {
        return openDatabase && openView && execute && fetch && recordString && close &&
               enumRelated && enumProducts && productInfo && productState;
    }
    DWORD error;
    decltype(&::MsiOpenDatabaseW) openDatabase;
    decltype(&::MsiDatabaseOpenViewW) openView;
    decltype(&::MsiViewExecute) execute;
    decltype(&::MsiViewFetch) fetch;
    decltype(&::MsiRecordGetStringW) recordString;
    decltype(&::MsiCloseHandle) close;
    decltype(&::MsiEnumRelatedProductsW) enumRelated;
    decltype(&::MsiEnumProductsW) enumProducts;
    decltype(&::MsiGetProductInfoW) productInfo;
    decltype(&::MsiQueryProductStateW) productState;
};

const Msi* g_msi = nullptr;  // set by Functions(), lives as long as the process

const Msi& Functions(const System32Library& library) {
    static const Msi msi(library);
    g_msi = &msi;
    return msi;
}

void CloseMsiHandle(MSIHANDLE handle) { g_msi->close(handle); }
using UniqueMsiHandle = ::win32::UniqueAny<MSIHANDLE, &CloseMsiHandle, ::win32::ZeroIsInvalid>;

UINT NotLoaded(const Msi& msi) { return msi.error != 0 ? msi.error : ERROR_PROC_NOT_FOUND; }

std::wstring FieldText(const Msi& msi, MSIHANDLE record, UINT field) {
    DWORD length = 0;
    wchar_t empty[1] = {};
    if (msi.recordString(record, field, empty, &length) != ERROR_MORE_DATA) return {};
    std::wstring text(length + 1, L'\0');
    ++length;
    if (msi.recordString(record, field, &text[0], &length) != ERROR_SUCCESS) return {};
    text.resize(length);
    return text;
}

std::wstring ProductInfo(const Msi& msi, const wchar_t* code, const wchar_t* property) {
    wchar_t value[512];
    DWORD length = 512;
    return msi.productInfo(code, property, value, &length) == ERROR_SUCCESS ? value : L"";
}

}  // namespace

PackageProperties Win32KitPlatform::ReadPackage(const std::wstring& path) {
    const Msi& msi = Functions(msi_);
    if (!msi.Loaded()) return {NotLoaded(msi), {}, {}, {}};
    MSIHANDLE opened = 0;
    UINT error = msi.openDatabase(path.c_str(), MSIDBOPEN_READONLY, &opened);
    const UniqueMsiHandle database(opened);
    MSIHANDLE view = 0;
    if (error == ERROR_SUCCESS)
        error = msi.openView(database.Get(), L"SELECT `Property`, `Value` FROM `Property`", &view);
    const UniqueMsiHandle query(view);
    if (error == ERROR_SUCCESS) error = msi.execute(query.Get(), 0);
    if (error != ERROR_SUCCESS) return {error, {}, {}, {}};
    PackageProperties properties;
    MSIHANDLE fetched = 0;
    while (msi.fetch(query.Get(), &fetched) == ERROR_SUCCESS) {
        const UniqueMsiHandle record(fetched);
        const std::wstring name = FieldText(msi, record.Get(), 1);
        const std::wstring value = FieldText(msi, record.Get(), 2);
        if (name == L"ProductName") properties.productName = value;
        if (name == L"ProductVersion") properties.productVersion = value;
        if (name == L"UpgradeCode") properties.upgradeCode = value;
    }
    return properties;
}

Product Win32KitPlatform::Describe(const wchar_t* code) {
    const Msi& msi = Functions(msi_);
    return {code, ProductInfo(msi, code, INSTALLPROPERTY_INSTALLEDPRODUCTNAME),
            ProductInfo(msi, code, INSTALLPROPERTY_VERSIONSTRING)};
}

ProductList Win32KitPlatform::RelatedProducts(const std::wstring& upgradeCode) {
    const Msi& msi = Functions(msi_);
    if (!msi.Loaded()) return {NotLoaded(msi), {}};
    ProductList list;
    wchar_t code[kGuidLength];
    for (DWORD i = 0;; ++i) {
        const UINT error = msi.enumRelated(upgradeCode.c_str(), 0, i, code);
        if (error == ERROR_NO_MORE_ITEMS) return list;
        if (error != ERROR_SUCCESS) return {error, {}};
        list.products.push_back(Describe(code));
    }
}

ProductList Win32KitPlatform::AllProducts() {
    const Msi& msi = Functions(msi_);
    if (!msi.Loaded()) return {NotLoaded(msi), {}};
    ProductList list;
    wchar_t code[kGuidLength];
    for (DWORD i = 0;; ++i) {
        const UINT error = msi.enumProducts(i, code);
        if (error == ERROR_NO_MORE_ITEMS) return list;
        if (error != ERROR_SUCCESS) return {error, {}};
        list.products.push_back(Describe(code));
    }
}

bool Win32KitPlatform::IsInstalled(const std::wstring& productCode) {
    const Msi& msi = Functions(msi_);
    return msi.Loaded() && msi.productState(productCode.c_str()) == INSTALLSTATE_DEFAULT;
}

// Windows Installer's service holds this mutex while it installs; taking it
// for a moment, and giving it back at once, tells whether it is free.
bool Win32KitPlatform::Busy() {
    const UniqueHandle mutex(::OpenMutexW(SYNCHRONIZE, FALSE, L"Global\\_MSIExecute"));
    if (!mutex) return false;
    const DWORD waited = ::WaitForSingleObject(mutex.Get(), 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
        ::ReleaseMutex(mutex.Get());
        return false;
    }
    return waited == WAIT_TIMEOUT;
}

}  // namespace kit::win32
