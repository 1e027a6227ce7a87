#include "runner/file_exists.h"

#include "platform/owned_handles.h"

int16_t FileExists(platform::Files& files, const std::wstring& path) {
    try {
        const platform::OwnedFileHandle file(files, files.CreateFileW(path));
        return file ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
