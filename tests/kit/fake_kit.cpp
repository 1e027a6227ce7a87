#include "kit/fake_kit.h"

#include "kit/utf8.h"

namespace fake {
namespace {

constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kAlreadyExists = 183;

std::wstring Parent(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

}  // namespace

bool FakeKit::Told(const std::wstring& text) const {
    for (const std::wstring& line : printed)
        if (line.find(text) != std::wstring::npos) return true;
    for (const auto& [path, content] : files)
        if (content.find(kit::ToUtf8(text)) != std::string::npos && path.find(L".log") != path.npos)
            return true;
    return false;
}

std::string FakeKit::LogOf(const std::wstring& path) const {
    const auto found = files.find(path);
    return found == files.end() ? std::string() : found->second;
}

kit::PathKind FakeKit::KindOf(const std::wstring& path) {
    if (folders.count(path)) return kit::PathKind::Folder;
    return files.count(path) ? kit::PathKind::File : kit::PathKind::None;
}

std::vector<std::wstring> FakeKit::FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    for (const auto& [path, content] : files)
        if (Parent(path) == folder) names.push_back(path.substr(folder.size() + 1));
    return names;
}

kit::FileBytes FakeKit::Read(const std::wstring& path) {
    if (readErrors.count(path)) return {readErrors[path], {}};
    if (!files.count(path)) return {kFileNotFound, {}};
    return {0, files[path]};
}

uint64_t FakeKit::SizeOf(const std::wstring& path) {
    return files.count(path) ? files[path].size() : 0;
}

uint32_t FakeKit::Append(const std::wstring& path, const std::string& bytes) {
    if (!folders.count(Parent(path))) return 3;
    files[path] += bytes;
    return 0;
}

uint32_t FakeKit::Replace(const std::wstring& path, const std::string& bytes) {
    files[path] = bytes;
    return 0;
}

uint32_t FakeKit::MakeFolder(const std::wstring& path) {
    if (files.count(path)) return kAlreadyExists;
    folders.insert(path);
    return 0;
}

uint32_t FakeKit::Move(const std::wstring& from, const std::wstring& to) {
    if (KindOf(to) != kit::PathKind::None) return kAlreadyExists;
    if (files.count(from)) {
        files[to] = files[from];
        files.erase(from);
        return 0;
    }
    if (!folders.count(from)) return kFileNotFound;
    std::set<std::wstring> moved;
    for (const std::wstring& folder : folders)
        moved.insert(folder.compare(0, from.size(), from) == 0 ? to + folder.substr(from.size())
                                                               : folder);
    folders = moved;
    std::map<std::wstring, std::string> movedFiles;
    for (const auto& [path, content] : files)
        movedFiles[path.compare(0, from.size() + 1, from + L"\\") == 0
                       ? to + path.substr(from.size())
                       : path] = content;
    files = movedFiles;
    return 0;
}

uint32_t FakeKit::Delete(const std::wstring& path) { return files.erase(path) ? 0 : kFileNotFound; }

uint32_t FakeKit::RemoveEmptyFolder(const std::wstring& path) {
    for (const std::wstring& folder : folders)
        if (folder.compare(0, path.size() + 1, path + L"\\") == 0) return 145;  // not empty
    for (const auto& [file, content] : files)
        if (Parent(file) == path) return 145;
    return folders.erase(path) ? 0 : kFileNotFound;
}

uint32_t FakeKit::ProtectFolder(const std::wstring& path) {
    if (protectErrors.count(path)) return protectErrors[path];
    folders.insert(path);
    protectedPaths.insert(path);
    return 0;
}

uint32_t FakeKit::ProtectFile(const std::wstring& path) {
    if (protectErrors.count(path)) return protectErrors[path];
    files[path];
    protectedPaths.insert(path);
    return 0;
}

uint32_t FakeKit::WriteProtectedFile(const std::wstring& path, const std::string& bytes) {
    if (const uint32_t error = ProtectFile(path)) return error;
    files[path] = bytes;
    return 0;
}

kit::AccessReading FakeKit::AccessOf(const std::wstring& path) {
    if (access.count(path)) return {0, access[path]};
    return {0, {L"S-1-5-32-544", true, {{L"S-1-5-18", L"SYSTEM", true, 0x1F01FF}}}};
}

bool FakeKit::RandomBytes(uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>(0xA0 + i);
    return true;
}

kit::PackageProperties FakeKit::ReadPackage(const std::wstring& path) {
    return packages.count(path) ? packages[path] : kit::PackageProperties{1620, {}, {}, {}};
}

kit::ProductList FakeKit::RelatedProducts(const std::wstring& upgradeCode) {
    kit::ProductList list{productsError, {}};
    for (const InstalledProduct& one : installed)
        if (one.upgradeCode == upgradeCode) list.products.push_back(one.product);
    return list;
}

kit::ProductList FakeKit::AllProducts() {
    kit::ProductList list{productsError, {}};
    for (const InstalledProduct& one : installed) list.products.push_back(one.product);
    return list;
}

bool FakeKit::IsInstalled(const std::wstring& productCode) {
    for (const InstalledProduct& one : installed)
        if (one.product.code == productCode) return true;
    return false;
}

std::optional<std::wstring> FakeKit::MachineString(bool view64, const std::wstring& key,
                                                   const std::wstring& value) {
    const std::wstring name = (view64 ? L"64|" : L"32|") + key + L"|" + value;
    if (!machineStrings.count(name)) return std::nullopt;
    return machineStrings[name];
}

kit::ServiceFacts FakeKit::Service(const std::wstring& name) {
    if (services.count(name)) return services[name];
    return {kit::kErrorServiceDoesNotExist, false, {}};
}

kit::ProgramRun FakeKit::Run(const std::wstring&, const std::wstring& commandLine) {
    commandLines.push_back(commandLine);
    return {0, msiexec(commandLine)};
}

}  // namespace fake
