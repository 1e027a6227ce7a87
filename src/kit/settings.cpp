#include "kit/settings.h"

#include <map>

#include "kit/utf8.h"

namespace kit {
namespace {

enum class Name { RootPassword, Package, LogDir, DeleteData };

struct NameRow {
    const wchar_t* text;
    Name name;
};

constexpr NameRow kNames[] = {
    {L"ROOT_PASSWORD", Name::RootPassword},
    {L"PACKAGE", Name::Package},
    {L"LOGDIR", Name::LogDir},
    {L"DELETE_DATA", Name::DeleteData},
};

wchar_t Upper(wchar_t c) { return c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c; }

bool SameIgnoringCase(const std::wstring& left, const std::wstring& right) {
    if (left.size() != right.size()) return false;
    for (std::size_t i = 0; i < left.size(); ++i)
        if (Upper(left[i]) != Upper(right[i])) return false;
    return true;
}

const NameRow* Find(const std::wstring& name) {
    for (const NameRow& row : kNames)
        if (SameIgnoringCase(name, row.text)) return &row;
    return nullptr;
}

// C0 and C1 control characters and DEL: nothing anybody types as a password.
bool IsControl(wchar_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::optional<std::wstring> Assign(Name name, const std::wstring& value, Settings& settings) {
    switch (name) {
        case Name::RootPassword:
            for (const wchar_t c : value)
                if (IsControl(c))
                    return std::wstring(
                        L"ROOT_PASSWORD enthaelt ein Steuerzeichen (etwa einen Tabulator); "
                        L"nur druckbare Zeichen sind moeglich.");
            settings.rootPassword = value;
            return std::nullopt;
        case Name::Package:
            settings.package = value;
            return std::nullopt;
        case Name::LogDir:
            settings.logDir = value;
            return std::nullopt;
        case Name::DeleteData:
            if (!value.empty() && !SameIgnoringCase(value, L"yes") &&
                !SameIgnoringCase(value, L"no"))
                return L"DELETE_DATA ist yes, no oder leer, nicht \"" + value + L"\".";
            settings.deleteData = SameIgnoringCase(value, L"yes");
            return std::nullopt;
    }
    return std::nullopt;
}

std::wstring UnknownName(const std::wstring& name) {
    return L"Unbekannter Name \"" + name +
           L"\"; bekannt sind ROOT_PASSWORD, PACKAGE, LOGDIR und DELETE_DATA.";
}

// The lines of BYTES without their line ends, the byte-order mark taken off.
std::map<int, std::string> Lines(const std::string& bytes) {
    std::size_t start = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    std::map<int, std::string> lines;
    for (int number = 1; start < bytes.size(); ++number) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines[number] = line;
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::optional<SettingsFault> ReadSettingsFile(const std::string& bytes, Settings& settings) {
    std::map<Name, int> seenOn;
    for (const auto& [number, raw] : Lines(bytes)) {
        const std::optional<std::wstring> line = FromUtf8(raw);
        if (!line)
            return SettingsFault{number,
                                 L"Die Zeile ist kein UTF-8; die Datei als UTF-8 speichern."};
        if (line->empty() || (*line)[0] == L';') continue;
        const std::size_t equals = line->find(L'=');
        if (equals == std::wstring::npos)
            return SettingsFault{
                number,
                L"Kein Gleichheitszeichen: jede Zeile lautet NAME=Wert oder beginnt mit ;."};
        const NameRow* row = Find(line->substr(0, equals));
        if (row == nullptr) return SettingsFault{number, UnknownName(line->substr(0, equals))};
        if (seenOn.count(row->name))
            return SettingsFault{number, std::wstring(row->text) + L" steht schon in Zeile " +
                                             std::to_wstring(seenOn[row->name]) + L"."};
        seenOn[row->name] = number;
        if (auto reason = Assign(row->name, line->substr(equals + 1), settings))
            return SettingsFault{number, *reason};
    }
    return std::nullopt;
}

std::optional<std::wstring> ApplyArgument(const std::wstring& argument, Settings& settings) {
    const std::size_t equals = argument.find(L'=');
    if (equals == std::wstring::npos) return std::wstring(L"Argumente lauten NAME=Wert.");
    const NameRow* row = Find(argument.substr(0, equals));
    if (row == nullptr) return UnknownName(argument.substr(0, equals));
    if (row->name == Name::RootPassword)
        return std::wstring(
            L"ROOT_PASSWORD steht nie in der Befehlszeile (jeder Prozess und manches Protokoll "
            L"saehe es); es gehoert in einstellungen.ini.");
    return Assign(row->name, argument.substr(equals + 1), settings);
}

}  // namespace kit
