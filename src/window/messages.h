// The window's own messages to the user.
#pragma once

namespace message {

inline constexpr const wchar_t* kInstalledAutomatically = L"Datenbank wurde installiert";
inline constexpr const wchar_t* kInstalledOnRequest = L"Datenbank ist installiert";
inline constexpr const wchar_t* kNotInstalled =
    L"Datenbank konnte NICHT installiert werden. Das Installationsverzeichnis muss leer sein!";

inline constexpr const wchar_t* kDirectoryExists =
    L"Das Verzeichnis <c:\\Programme\\MariaDB 10.1> existiert schon! Es muss vor der "
    L"Installation gelöscht werden. Ggf. das <data>-Verzeichnis vorher sichern";
// Shown by Windows beside the program when it asks a log-off or shutdown to wait.
inline constexpr const wchar_t* kShutdownBlocked = L"MariaDB wird installiert";
inline constexpr const wchar_t* kCannotStart = L"Datei konnte nicht gestartet werden: ";

}  // namespace message
