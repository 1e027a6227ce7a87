#include "runner/file_exists.h"

#include "platform/owned_handles.h"

int16_t FileExists(platform::Platform& platform, const std::wstring& path) {
    try {
        const platform::OwnedOsHandle file(platform, platform.CreateFileW(path));
        return file ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
