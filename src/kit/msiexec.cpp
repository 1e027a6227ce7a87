#include "kit/msiexec.h"

#include "kit/exit_codes.h"

namespace kit {

bool Msiexec::WaitUntilFree() {
    if (!platform_.Busy()) return true;
    journal_.Warning(
        L"Eine andere Installation laeuft (Windows Installer ist belegt); es wird bis zu " +
        std::to_wstring(kBusyWaitSeconds / 60) + L" Minuten gewartet.");
    uint32_t waited = 0;
    while (platform_.Busy()) {
        if (waited >= kBusyWaitSeconds * 1000) {
            journal_.Failure(L"Windows Installer ist nach " +
                             std::to_wstring(kBusyWaitSeconds / 60) +
                             L" Minuten noch belegt; nichts wurde geaendert. Spaeter erneut "
                             L"versuchen (Exit-Code 1618).");
            return false;
        }
        platform_.Sleep(kBusyLookMilliseconds);
        waited += kBusyLookMilliseconds;
    }
    journal_.Info(L"Windows Installer ist nach " + std::to_wstring(waited / 1000) +
                  L" Sekunden frei.");
    return true;
}

uint32_t Msiexec::Run(const std::wstring& arguments, const std::wstring& shown) {
    if (!WaitUntilFree()) return code::kInstallerBusy;
    const std::wstring program = platform_.SystemFolder() + L"\\msiexec.exe";
    const std::wstring quoted = L"\"" + program + L"\" ";
    journal_.Info(quoted + shown);
    const ProgramRun run = platform_.Run(program, quoted + arguments);
    if (run.startError != 0) {
        journal_.Failure(L"msiexec liess sich nicht starten (Fehler " +
                         std::to_wstring(run.startError) + L").");
        return code::kInstallFailure;
    }
    const std::wstring said = L"msiexec endete mit " + std::to_wstring(run.exitCode) + L".";
    if (code::IsSuccess(run.exitCode)) {
        journal_.Info(said);
    } else {
        journal_.Failure(said);
    }
    return run.exitCode;
}

}  // namespace kit
