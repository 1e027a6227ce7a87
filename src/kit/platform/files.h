// Files and folders, as the kit reads and changes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kit {

enum class PathKind { None, File, Folder };

struct FileBytes {
    uint32_t error = 0;  // a Windows error code; 0 when the bytes were read
    std::string bytes;
};

// Every call that changes something returns a Windows error code, 0 on success.
class Files {
  public:
    virtual ~Files() = default;
    virtual PathKind KindOf(const std::wstring& path) = 0;
    // The names of the files (not folders) in FOLDER.
    virtual std::vector<std::wstring> FileNamesIn(const std::wstring& folder) = 0;
    virtual FileBytes Read(const std::wstring& path) = 0;
    // The size of the file in bytes, 0 when there is none.
    virtual uint64_t SizeOf(const std::wstring& path) = 0;
    // BYTES at the end of the file, which is made when missing; kept at once.
    virtual uint32_t Append(const std::wstring& path, const std::string& bytes) = 0;
    // The file's content replaced by BYTES.
    virtual uint32_t Replace(const std::wstring& path, const std::string& bytes) = 0;
    // The folder made, with the parent's inherited access; 0 also when it exists.
    virtual uint32_t MakeFolder(const std::wstring& path) = 0;
    // A file or folder given a new name on the same volume; never replaces one.
    virtual uint32_t Move(const std::wstring& from, const std::wstring& to) = 0;
    virtual uint32_t Delete(const std::wstring& path) = 0;
    virtual uint32_t RemoveEmptyFolder(const std::wstring& path) = 0;
};

}  // namespace kit
