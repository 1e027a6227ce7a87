// The kit's settings: einstellungen.ini beside the templates, one NAME=value a
// line, which cmd never reads; a template run alone may override them with
// NAME=value arguments, except ROOT_PASSWORD.
#pragma once

#include <optional>
#include <string>

namespace kit {

struct Settings {
    std::wstring rootPassword;  // empty: each computer gets its own
    std::wstring package;       // empty: the one mariadb-10.1.*.msi beside the kit
    std::wstring logDir;        // empty: the default log folder
    bool deleteData = false;
};

// What is wrong with one line of the file; line 0 when the file as a whole.
struct SettingsFault {
    int line = 0;
    std::wstring reason;
};

// Reads the file's BYTES into SETTINGS: UTF-8 with or without a byte-order
// mark, CRLF or LF, the value the rest of the line exactly, ";" a comment.
// The first fault found, if any; SETTINGS is then not to be used.
std::optional<SettingsFault> ReadSettingsFile(const std::string& bytes, Settings& settings);

// One NAME=value ARGUMENT over the file's value; the reason when it is refused.
std::optional<std::wstring> ApplyArgument(const std::wstring& argument, Settings& settings);

}  // namespace kit
