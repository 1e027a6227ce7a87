// Every text the program shows or writes, written out here as the tests expect
// it, never taken from the program's own headers: a typo there fails a test.
// The Wine suite reads the same table (tests/wine/lib/texts.sh).
#pragma once

namespace expected {

// What counts as a server present: a service named so (ignoring case), one
// whose name holds this (ignoring case), or this folder (or a file of its name).
inline constexpr const wchar_t* kMysqlServiceName = L"MYSQL";
inline constexpr const wchar_t* kMariaNamePart = L"Maria";
inline constexpr const wchar_t* kTargetDirectory = L"c:\\Program Files\\MariaDB 10.1";

// The window.
inline constexpr const wchar_t* kTitle = L"MariaDB-Installer";
inline constexpr const wchar_t* kInstallButton = L"MariaDB jetzt trotzdem  installieren";
inline constexpr const wchar_t* kCloseButton = L"Schließen";
inline constexpr const wchar_t* kWaitLabel = L"bitte warten ...";
inline constexpr const wchar_t* kStatusAtStart =
    L"MySQL ist schon installiert, und der Dienst läuft";
inline constexpr const wchar_t* kHeading =
    L"Prüfen, ob MySQL oder MariaDB schon installiert ist ...";

// The verdicts in the status label.
inline constexpr const wchar_t* kNeither =
    L"Zurzeit sind weder MySQL noch MariaDB installiert, die Installation von MariaDB kann "
    L"fortgesetzt werden.";
inline constexpr const wchar_t* kMysqlRunning =
    L"MySQL ist auf dem Computer installiert und aktiv. Die Datenbankinstallation kann hier "
    L"abgebrochen werden!";
inline constexpr const wchar_t* kMysqlStopped =
    L"MySQL ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann hier "
    L"abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren";
inline constexpr const wchar_t* kMariaRunning =
    L"MariaDB ist auf dem Computer installiert und aktiv. Die Datenbankinstallation kann hier "
    L"abgebrochen werden!";
inline constexpr const wchar_t* kMariaStopped =
    L"MariaDB ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann "
    L"hier abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren";

// The message boxes (the scan's failures begin with these, a number follows).
inline constexpr const wchar_t* kInstalledAutomatically = L"Datenbank wurde installiert";
inline constexpr const wchar_t* kInstalledOnRequest = L"Datenbank ist installiert";
inline constexpr const wchar_t* kNotInstalled =
    L"Datenbank konnte NICHT installiert werden. Das Installationsverzeichnis muss leer sein!";
inline constexpr const wchar_t* kDirectoryExists =
    L"Das Verzeichnis <c:\\Programme\\MariaDB 10.1> existiert schon! Es muss vor der Installation "
    L"gelöscht werden. Ggf. das <data>-Verzeichnis vorher sichern";
inline constexpr const wchar_t* kFileNotFound = L"Datei nicht gefunden: ";
inline constexpr const wchar_t* kCannotStart = L"Datei konnte nicht gestartet werden: ";
inline constexpr const wchar_t* kOpenScManagerFailed = L"OpenSCManager failed. LastDllError = ";
inline constexpr const wchar_t* kSizeQueryFailed = L"LastDLLError = ";
inline constexpr const wchar_t* kEnumFailed = L"EnumServicesStatus failed. LastDllError = ";

// Beside the program while a log-off or shutdown is asked to wait.
inline constexpr const wchar_t* kShutdownBlocked = L"MariaDB wird installiert";

// Only in the run's event in the Application log.
inline constexpr const wchar_t* kSessionEnded =
    L"Die Sitzung wurde beendet (Abmelden oder Herunterfahren), bevor der Lauf zu Ende war.";
inline constexpr const wchar_t* kQuitFromOutside =
    L"Das Programm wurde von außen beendet (WM_QUIT).";
inline constexpr const wchar_t* kServerPresentUnseen =
    L"Niemand sah das Fenster, und ein Datenbankserver ist vorhanden; nichts wurde installiert: ";
inline constexpr const wchar_t* kClosedWithoutInstalling = L"Ohne Installation geschlossen.";
inline constexpr const wchar_t* kAlreadyRunning =
    L"Eine andere Kopie von mariadb-installer.exe läuft schon auf diesem Computer; nichts wurde "
    L"gestartet.";
inline constexpr const wchar_t* kWindowNotCreated = L"Das Fenster konnte nicht erstellt werden.";

}  // namespace expected
