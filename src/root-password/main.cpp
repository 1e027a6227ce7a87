// root-password.exe: the root password of this computer's own, for the
// administrators' install template, and the access lists that keep it and
// msiexec's log from ordinary users.
//   root-password.exe protect-folder FOLDER   FOLDER readable by SYSTEM and
//                                             Administrators only (made if
//                                             missing), handed down to its files
//   root-password.exe protect-file FILE       FILE alike (made empty if missing)
//   root-password.exe new FILE                a new password written into FILE,
//                                             protected alike before it is written
// It never prints the password: the template's output goes into its log.
// Exit code 0 on success, 1 on failure (the reason on stderr), 2 on misuse.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "protection.h"
#include "random_password.h"

namespace {

int Failed(const wchar_t* what, const wchar_t* path, DWORD error) {
    std::fwprintf(stderr, L"root-password: %ls \"%ls\": Fehler %lu\n", what, path, error);
    return 1;
}

int NewPasswordInto(const wchar_t* path) {
    std::string password = root_password::NewPassword();
    if (password.empty()) return Failed(L"kein Zufall vom System fuer", path, ::GetLastError());
    const DWORD error = root_password::WriteProtectedFile(path, password + "\r\n");
    ::SecureZeroMemory(&password[0], password.size());
    return error == ERROR_SUCCESS ? 0 : Failed(L"Datei nicht geschrieben:", path, error);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 3 && std::wcscmp(argv[1], L"new") == 0) return NewPasswordInto(argv[2]);
    if (argc == 3 && std::wcscmp(argv[1], L"protect-folder") == 0) {
        const DWORD error = root_password::ProtectFolder(argv[2]);
        return error == ERROR_SUCCESS ? 0 : Failed(L"Ordner nicht geschuetzt:", argv[2], error);
    }
    if (argc == 3 && std::wcscmp(argv[1], L"protect-file") == 0) {
        const DWORD error = root_password::ProtectFile(argv[2]);
        return error == ERROR_SUCCESS ? 0 : Failed(L"Datei nicht geschuetzt:", argv[2], error);
    }
    std::fwprintf(stderr,
                  L"Aufruf: root-password.exe protect-folder ORDNER | protect-file DATEI | "
                  L"new DATEI\n");
    return 2;
}
