#include "kit/kit_main.h"

#include <optional>

#include "kit/exit_codes.h"
#include "kit/install.h"
#include "kit/journal.h"
#include "kit/places.h"
#include "kit/remove.h"
#include "kit/settings.h"

namespace kit {
namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint32_t kErrorPathNotFound = 3;

struct Refusal {
    uint32_t code;
    std::wstring reason;
};

// The settings of the file beside the kit, then of the arguments after the command.
std::optional<Refusal> LoadSettings(const std::vector<std::wstring>& arguments,
                                    KitPlatform& platform, Settings& settings) {
    const std::wstring file = platform.ProgramFolder() + L"\\" + place::kSettingsFile;
    const FileBytes read = platform.Read(file);
    if (read.error != 0 && read.error != kErrorFileNotFound && read.error != kErrorPathNotFound)
        return Refusal{code::kSettingsUnreadable, L"\"" + file +
                                                      L"\" laesst sich nicht lesen (Fehler " +
                                                      std::to_wstring(read.error) + L")."};
    if (read.error == 0) {
        if (const auto fault = ReadSettingsFile(read.bytes, settings))
            return Refusal{code::kSettingsBadLine, L"\"" + file + L"\", Zeile " +
                                                       std::to_wstring(fault->line) + L": " +
                                                       fault->reason};
    }
    for (std::size_t i = 1; i < arguments.size(); ++i)
        if (const auto reason = ApplyArgument(arguments[i], settings))
            return Refusal{code::kCommandLineBad,
                           L"Befehlszeile, Argument " + std::to_wstring(i + 1) + L": " + *reason};
    return std::nullopt;
}

}  // namespace

uint32_t RunKit(const std::vector<std::wstring>& arguments, KitPlatform& platform,
                const std::wstring& version) {
    const bool install = !arguments.empty() && arguments[0] == L"install";
    if (!install && (arguments.empty() || arguments[0] != L"remove")) {
        platform.Print(
            L"Aufruf: mariadb-kit.exe install|remove [NAME=Wert ...]; die Einstellungen "
            L"stehen in einstellungen.ini daneben, siehe LIESMICH.txt.");
        return code::kCommandLineBad;
    }
    Settings settings;
    const std::optional<Refusal> refused = LoadSettings(arguments, platform, settings);
    Journal journal(platform, install ? place::kInstallName : place::kRemoveName);
    journal.Info(L"mariadb-kit " + version + L" " + arguments[0] + L" auf " +
                 platform.ComputerName() + L" (Benutzer " + platform.UserName() + L"), aus \"" +
                 platform.ProgramFolder() + L"\"");
    journal.Open(refused ? std::wstring() : settings.logDir);
    journal.Info(journal.Folder().empty()
                     ? L"Kein Protokoll."
                     : L"Protokoll: \"" + journal.FileIn(journal.Folder(), L"") + L"\"");
    uint32_t result = 0;
    if (refused) {
        journal.Failure(L"Fehler in " + refused->reason + L" Nichts wurde geaendert.");
        result = refused->code;
    } else if (install) {
        result = Install(platform, settings, journal).Run();
    } else {
        result = Remove(platform, settings, journal).Run();
    }
    const std::wstring end = L"Exit-Code: " + std::to_wstring(result);
    if (code::IsSuccess(result)) {
        journal.Info(end);
    } else {
        journal.Failure(end);
    }
    return result;
}

}  // namespace kit
