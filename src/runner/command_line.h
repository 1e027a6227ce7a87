#pragma once

#include <string>

// The command line that starts path on its own: the path in double quotes when
// it holds a blank or a character that cmd.exe treats specially, else the path
// unchanged.
std::wstring CommandLineFor(const std::wstring& path);
