#include <windows.h>

#include <algorithm>

#include "kit/win32/win32_kit_platform.h"
#include "platform/win32/unique_handles.h"

namespace kit::win32 {
namespace {

using ::win32::UniqueFileHandle;
using ::win32::UniqueFindHandle;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

DWORD WriteAll(HANDLE file, const std::string& bytes) {
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return ::GetLastError();
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

// Where the first folder that may be made begins: after C:\ or \\server\share.
std::size_t FirstMadeFolder(const std::wstring& path) {
    if (path.compare(0, 2, L"\\\\") != 0) return 3;
    const std::size_t share = path.find(L'\\', 2);
    const std::size_t end = share == std::wstring::npos ? share : path.find(L'\\', share + 1);
    return end == std::wstring::npos ? path.size() : end + 1;
}

}  // namespace

Win32KitPlatform::Win32KitPlatform() = default;

PathKind Win32KitPlatform::KindOf(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::None;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::vector<std::wstring> Win32KitPlatform::FileNamesIn(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const UniqueFindHandle search(::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic,
                                                     &found, FindExSearchNameMatch, nullptr, 0));
    if (!search) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            names.emplace_back(found.cFileName);
    } while (::FindNextFileW(search.Get(), &found));
    std::sort(names.begin(), names.end());
    return names;
}

FileBytes Win32KitPlatform::Read(const std::wstring& path) {
    FileBytes result;
    const UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.Get(), &size)) return {::GetLastError(), {}};
    if (size.QuadPart > 0x7FFFFFFF) return {ERROR_FILE_TOO_LARGE, {}};
    result.bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!result.bytes.empty() &&
        !::ReadFile(file.Get(), &result.bytes[0], static_cast<DWORD>(result.bytes.size()), &read,
                    nullptr))
        return {::GetLastError(), {}};
    result.bytes.resize(read);
    return result;
}

uint64_t Win32KitPlatform::SizeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

uint32_t Win32KitPlatform::Append(const std::wstring& path, const std::string& bytes) {
    const UniqueFileHandle file(::CreateFileW(path.c_str(), FILE_APPEND_DATA | SYNCHRONIZE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return ::GetLastError();
    return bytes.empty() ? ERROR_SUCCESS : WriteAll(file.Get(), bytes);
}

uint32_t Win32KitPlatform::Replace(const std::wstring& path, const std::string& bytes) {
    const UniqueFileHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return ::GetLastError();
    return WriteAll(file.Get(), bytes);
}

// Each missing folder of the path made in turn, as "mkdir" does.
uint32_t Win32KitPlatform::MakeFolder(const std::wstring& path) {
    for (std::size_t end = path.find(L'\\', FirstMadeFolder(path));;
         end = path.find(L'\\', end + 1)) {
        const std::wstring part = path.substr(0, end);
        if (KindOf(part) != PathKind::Folder && !::CreateDirectoryW(part.c_str(), nullptr)) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_ALREADY_EXISTS || KindOf(part) != PathKind::Folder) return error;
        }
        if (end == std::wstring::npos) return ERROR_SUCCESS;
    }
}

uint32_t Win32KitPlatform::Move(const std::wstring& from, const std::wstring& to) {
    return ::MoveFileExW(from.c_str(), to.c_str(), 0) ? ERROR_SUCCESS : ::GetLastError();
}

uint32_t Win32KitPlatform::Delete(const std::wstring& path) {
    return ::DeleteFileW(path.c_str()) ? ERROR_SUCCESS : ::GetLastError();
}

uint32_t Win32KitPlatform::RemoveEmptyFolder(const std::wstring& path) {
    return ::RemoveDirectoryW(path.c_str()) ? ERROR_SUCCESS : ::GetLastError();
}

}  // namespace kit::win32
