// Files and folders of the double: the scripted paths.
#include "support/platform.h"

namespace fake {

std::wstring FakePlatform::DirectoryProbe(const std::wstring& path) {
    if (Fails(Call::DirectoryProbe)) return std::wstring();
    if (files.count(path) == 0 && directories.count(path) == 0) return std::wstring();
    return path.substr(path.find_last_of(L'\\') + 1);
}

platform::OsHandle FakePlatform::CreateFileW(const std::wstring& path) {
    if (Fails(Call::CreateFileW)) return nullptr;
    if (files.count(path) == 0) {
        lastError_ = 2;  // ERROR_FILE_NOT_FOUND
        return nullptr;
    }
    return OpenHandle();
}

}  // namespace fake
