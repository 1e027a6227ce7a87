// The stand-in package's DLL custom actions, doing what the 10.1 package's own
// do where the kit relies on it (win/packaging/ca/CustomAction.cpp at 10.1.25):
// - CheckDatabaseProperties reads PASSWORD into a buffer of MAX_PATH
//   characters (a longer one is cut) and sets ESCAPEDPASSWORD, escaped for a
//   command line only when it holds a blank, a tab, a line break, a vertical
//   tab or a double quote, else as it is.
// - CheckDataDirectoryEmpty sets DATADIRNOTEMPTY when DATADIR holds anything.
// - CreateDatabaseRollback, the rollback of the step that makes the database,
//   deletes the service and the folder named in "SERVICENAME\DATADIR".
#include <windows.h>

#include <msiquery.h>

#include <cwchar>
#include <string>

#include "platform/win32/unique_handles.h"

namespace {

std::wstring Property(MSIHANDLE install, const wchar_t* name, DWORD capacity) {
    std::wstring value(capacity, L'\0');
    DWORD length = capacity;
    MsiGetPropertyW(install, name, &value[0], &length);  // cut when too long, as the package's
    value.resize(std::wcslen(value.c_str()));
    return value;
}

// Backslashes doubled before a double quote and at the end, a double quote
// escaped: what CommandLineToArgvW and the C runtime read back unchanged
// between the quotes the command line puts around it.
std::wstring Escaped(const std::wstring& text) {
    if (text.find_first_of(L" \t\n\v\"") == std::wstring::npos) return text;
    std::wstring escaped;
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        escaped.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        escaped += c;
        backslashes = 0;
    }
    return escaped.append(2 * backslashes, L'\\');
}

void DeleteTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    {
        const win32::UniqueFindHandle search(::FindFirstFileW((folder + L"\\*").c_str(), &found));
        if (search) {
            do {
                const std::wstring name = found.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::wstring path = folder + L"\\" + name;
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    DeleteTree(path);
                } else {
                    ::DeleteFileW(path.c_str());
                }
            } while (::FindNextFileW(search.Get(), &found));
        }
    }
    ::RemoveDirectoryW(folder.c_str());
}

}  // namespace

extern "C" __declspec(dllexport) UINT __stdcall CheckDatabaseProperties(MSIHANDLE install) {
    const std::wstring password = Property(install, L"PASSWORD", MAX_PATH);
    MsiSetPropertyW(install, L"ESCAPEDPASSWORD", Escaped(password).c_str());
    return ERROR_SUCCESS;
}

extern "C" __declspec(dllexport) UINT __stdcall CheckDataDirectoryEmpty(MSIHANDLE install) {
    const std::wstring data = Property(install, L"DATADIR", MAX_PATH);
    WIN32_FIND_DATAW found{};
    bool empty = true;
    const win32::UniqueFindHandle search(::FindFirstFileW((data + L"*.*").c_str(), &found));
    if (search) {
        do {
            if (std::wcscmp(found.cFileName, L".") != 0 && std::wcscmp(found.cFileName, L"..") != 0)
                empty = false;
        } while (empty && ::FindNextFileW(search.Get(), &found));
    }
    MsiSetPropertyW(install, L"DATADIRNOTEMPTY", empty ? L"" : L"1");
    return ERROR_SUCCESS;
}

extern "C" __declspec(dllexport) UINT __stdcall CreateDatabaseRollback(MSIHANDLE install) {
    const std::wstring data = Property(install, L"CustomActionData", 2 * MAX_PATH);
    const std::size_t split = data.find(L'\\');
    const std::wstring service = data.substr(0, split);
    std::wstring folder = split == std::wstring::npos ? L"" : data.substr(split + 1);
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    const win32::UniqueServiceHandle manager(
        ::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    const win32::UniqueServiceHandle other(
        manager && !service.empty() ? ::OpenServiceW(manager.Get(), service.c_str(), DELETE)
                                    : nullptr);
    if (other) ::DeleteService(other.Get());
    if (!folder.empty()) DeleteTree(folder);
    return ERROR_SUCCESS;
}
