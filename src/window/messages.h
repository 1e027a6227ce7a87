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

// Only in the run's event in the Application log, where no message says how it ended.
inline constexpr const wchar_t* kSessionEnded =
    L"Die Sitzung wurde beendet (Abmelden oder Herunterfahren), bevor der Lauf zu Ende war.";
inline constexpr const wchar_t* kQuitFromOutside =
    L"Das Programm wurde von außen beendet (WM_QUIT).";
inline constexpr const wchar_t* kServerPresentUnseen =
    L"Niemand sah das Fenster, und ein Datenbankserver ist vorhanden; nichts wurde "
    L"installiert: ";
inline constexpr const wchar_t* kClosedWithoutInstalling = L"Ohne Installation geschlossen.";
inline constexpr const wchar_t* kAlreadyRunning =
    L"Eine andere Kopie von mariadb-installer.exe läuft schon auf diesem Computer; nichts "
    L"wurde gestartet.";
inline constexpr const wchar_t* kWindowNotCreated = L"Das Fenster konnte nicht erstellt werden.";

}  // namespace message
