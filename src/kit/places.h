// The fixed names the kit works with. The installer program probes the same
// target folder and looks for a service whose name holds "Maria".
#pragma once

#include <cstdint>

namespace kit::place {

inline constexpr wchar_t kTarget[] = L"c:\\Program Files\\MariaDB 10.1";
inline constexpr wchar_t kServiceName[] = L"MariaDB";
inline constexpr uint32_t kDatabasePort = 3306;
// Beside the kit.
inline constexpr wchar_t kSettingsFile[] = L"einstellungen.ini";
inline constexpr wchar_t kPackagePrefix[] = L"mariadb-10.1.";  // then anything, then .msi
// Under Program Files, for SYSTEM and the Administrators only.
inline constexpr wchar_t kSafeFolder[] = L"MariaDB-Installer";
inline constexpr wchar_t kPasswordFile[] = L"root-kennwort.txt";
// The templates' names, which name their logs: <name>-<computer>.log.
inline constexpr wchar_t kInstallName[] = L"silent-install2";
inline constexpr wchar_t kRemoveName[] = L"silent-uninstall";
// Under the Windows folder.
inline constexpr wchar_t kDefaultLogFolder[] = L"Logs\\Software";
// Where the 10.1 packages keep SERVICENAME, INSTALLDIR and DATADIR, followed
// by the package's name (later series: SOFTWARE\<name>).
inline constexpr wchar_t kKeptPropertiesKey[] = L"SOFTWARE\\Monty Program AB\\";

}  // namespace kit::place
