// Every text the program tells, in one place: its message boxes, the failures
// they name, and the lines of the run's event. The verdicts stay with the scan
// (services/verdict_texts.h), the window's captions with its layout.
#pragma once

namespace message {

// Told by the runner.
inline constexpr const wchar_t* kFileNotFound = L"Datei nicht gefunden: ";

// Told by the scan when it fails, followed by the error number.
inline constexpr const wchar_t* kOpenScManagerFailed = L"OpenSCManager failed. LastDllError = ";
inline constexpr const wchar_t* kSizeQueryFailed = L"LastDLLError = ";
inline constexpr const wchar_t* kEnumServicesFailed = L"EnumServicesStatus failed. LastDllError = ";

// A failure that escapes a handler: "Fehler: N=description".
inline constexpr const wchar_t* kFailurePrefix = L"Fehler: ";
inline constexpr const wchar_t* kOutOfMemory = L"Nicht genügend Speicher";
inline constexpr const wchar_t* kOverflow = L"Überlauf";
inline constexpr const wchar_t* kOutOfRange = L"Index außerhalb des gültigen Bereichs";
inline constexpr const wchar_t* kInvalidCall =
    L"Unzulässiger Prozeduraufruf oder ungültiges Argument";
inline constexpr const wchar_t* kCaptionNotSet = L"Die Beschriftung konnte nicht gesetzt werden";
inline constexpr const wchar_t* kControlGone = L"Das Steuerelement ist nicht mehr vorhanden";

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

// The facts that follow in the run's event.
inline constexpr const wchar_t* kExitCodeLine = L"\r\nExit-Code: ";
inline constexpr const wchar_t* kScriptExitCodeLine = L"\r\nExit-Code von silent-install2.bat: ";
inline constexpr const wchar_t* kSeenLine = L"\r\nFenster sichtbar: ja";
inline constexpr const wchar_t* kUnseenLine = L"\r\nFenster sichtbar: nein (niemand sah es)";
inline constexpr const wchar_t* kProgramFolderLine = L"\r\nOrdner des Programms: ";

}  // namespace message
