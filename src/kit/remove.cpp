#include "kit/remove.h"

#include "kit/exit_codes.h"
#include "kit/msiexec.h"
#include "kit/package_rules.h"
#include "kit/places.h"
#include "kit/quoted.h"

namespace kit {

uint32_t Remove::Run() {
    const ProductList all = platform_.AllProducts();
    if (all.error != 0) {
        journal_.Failure(L"Windows Installer nennt die installierten Produkte nicht (Fehler " +
                         std::to_wstring(all.error) + L"). Nichts wurde entfernt.");
        return code::kProductsUnreadable;
    }
    uint32_t result = code::kSuccess;
    int removed = 0;
    for (const Product& product : all.products) {
        if (!IsSeries101(product.name) || !platform_.IsInstalled(product.code)) continue;
        const uint32_t one = RemoveOne(product);
        if (platform_.IsInstalled(product.code)) {
            result = one;
        } else {
            ++removed;
            if (one != code::kSuccess && result == code::kSuccess) result = one;
        }
    }
    if (removed == 0 && result == code::kSuccess)
        journal_.Info(L"Kein MariaDB 10.1 installiert; nichts zu entfernen.");
    if (removed > 0 && code::IsSuccess(result)) FreeTarget();
    return result;
}

uint32_t Remove::RemoveOne(const Product& product) {
    journal_.Info(L"Entferne " + product.name + L" " + product.version + L" (Produktcode " +
                  product.code + L"):");
    std::wstring arguments = L"/x " + product.code + L" /qn /norestart";
    if (!journal_.Folder().empty())
        arguments += L" /l*v+ " + Quoted(journal_.FileIn(journal_.Folder(), L"-msiexec"));
    // Without CLEANUPDATA the packages delete the data folder.
    arguments += L" " + PropertyArgument(L"CLEANUPDATA", settings_.deleteData ? L"1" : L"");
    const uint32_t result = Msiexec(platform_, journal_).Run(arguments, arguments);
    if (!platform_.IsInstalled(product.code)) return result;
    journal_.Failure(product.code + L" ist danach noch installiert.");
    return code::IsSuccess(result) ? code::kStillInstalled : result;
}

// With DELETE_DATA=yes the password and msiexec's log of the installation,
// which holds it, go with the data; otherwise the password goes along with
// what is left of the target folder.
void Remove::FreeTarget() {
    const std::wstring safe = platform_.ProgramFilesFolder() + L"\\" + place::kSafeFolder;
    const std::wstring passwordFile = safe + L"\\" + place::kPasswordFile;
    if (settings_.deleteData) {
        platform_.Delete(passwordFile);
        const std::wstring installLog =
            safe + L"\\" + LogFileName(place::kInstallName, platform_.ComputerName(), L"-msiexec");
        if (platform_.Delete(installLog) == 0)
            journal_.Info(
                L"Das Protokoll der Installation (es enthielt das Kennwort) ist "
                L"geloescht: " +
                Quoted(installLog));
    }
    if (platform_.KindOf(place::kTarget) != PathKind::Folder) return;
    if (settings_.deleteData) platform_.RemoveEmptyFolder(place::kTarget);
    if (platform_.KindOf(place::kTarget) == PathKind::Folder) MoveAside(passwordFile);
}

// Into a new folder beside it, whose name says what it holds; never over one.
void Remove::MoveAside(const std::wstring& passwordFile) {
    const std::wstring target = place::kTarget;
    std::wstring kept;
    for (int number = 1;; ++number) {
        kept = target + L" - gesichert " + std::to_wstring(number);
        if (platform_.KindOf(kept) == PathKind::None) break;
    }
    if (platform_.Move(target, kept) != 0) {
        journal_.Warning(Quoted(target) +
                         L" bleibt stehen: er liess sich nicht verschieben (eine Datei darin ist "
                         L"noch in Gebrauch oder der Zugriff verweigert). Vor einer neuen "
                         L"Installation den Ordner sichern und verschieben oder loeschen.");
        return;
    }
    journal_.Info(L"Der Rest von " + Quoted(target) + L" liegt jetzt in " + Quoted(kept) + L".");
    if (platform_.KindOf(kept + L"\\data") == PathKind::Folder)
        journal_.Info(L"Die Datenbanken liegen dort im Ordner data.");
    if (platform_.KindOf(passwordFile) == PathKind::File &&
        platform_.Move(passwordFile, kept + L"\\" + place::kPasswordFile) == 0)
        journal_.Info(
            L"Ihr Kennwort fuer root liegt dort in root-kennwort.txt, nur fuer "
            L"Administratoren lesbar.");
    journal_.Info(L"mariadb-installer.exe kann MariaDB 10.1 wieder installieren.");
}

}  // namespace kit
