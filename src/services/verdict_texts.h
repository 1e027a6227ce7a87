// The verdicts that the service scan writes into the status label.
#pragma once

namespace verdict {

inline constexpr const wchar_t* kNeither =
    L"Zurzeit sind weder MySQL noch MariaDB installiert, die Installation von MariaDB kann "
    L"fortgesetzt werden.";
inline constexpr const wchar_t* kMysqlRunning =
    L"MySQL ist auf dem Computer installiert und aktiv. Die Datenbankinstallation kann hier "
    L"abgebrochen werden!";
inline constexpr const wchar_t* kMysqlStopped =
    L"MySQL ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann "
    L"hier abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren";
inline constexpr const wchar_t* kMariaRunning =
    L"MariaDB ist auf dem Computer installiert und aktiv. Die Datenbankinstallation kann hier "
    L"abgebrochen werden!";
inline constexpr const wchar_t* kMariaStopped =
    L"MariaDB ist auf dem Computer installiert aber nicht aktiv. Die Datenbankinstallation kann "
    L"hier abgebrochen werden, wenn Sie den vorhandenen Dienst aktivieren";

}  // namespace verdict
