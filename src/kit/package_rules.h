// What the MariaDB 10.1 package and Windows Installer make of the values the
// kit hands them: the property syntax of msiexec's command line, the
// package's own escaping of the root password, its product names and versions.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kit {

// NAME="VALUE" as Windows Installer reads a property on the command line: the
// value in double quotes, a double quote inside it doubled.
std::wstring PropertyArgument(const std::wstring& name, const std::wstring& value);

// Why the package would not make PASSWORD root's password exactly, if it
// would not. Its custom action reads at most 259 characters of it, and puts it
// into "--password=..." escaped only when it holds a blank, a tab, a line
// break or a double quote: unescaped, a backslash at its end escapes the
// closing quote. mysql_install_db reads it in the ANSI code page and writes
// each byte as "%02x" of a signed char: every byte from 0x80 on comes out as
// ffffff.., so no character outside ASCII arrives.
std::optional<std::wstring> PasswordNotCarried(const std::wstring& password);

// The architecture of a 10.1 package by its product name ("MariaDB 10.1 (x64)"
// 64, "MariaDB 10.1" 32); 0 for any other name.
int ArchitectureOf(const std::wstring& productName);

// Whether NAME is a 10.1 product of either architecture as the uninstall list
// shows it: "MariaDB 10.1" at its start, then its end or a blank (not 10.10).
bool IsSeries101(const std::wstring& name);

// A product version of up to four numbers ("10.1.48.0"); nothing when it is none.
using Version = std::array<uint32_t, 4>;
std::optional<Version> ParseVersion(const std::wstring& text);

}  // namespace kit
