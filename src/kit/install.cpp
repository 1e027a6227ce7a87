#include "kit/install.h"

#include "kit/exit_codes.h"
#include "kit/msiexec.h"
#include "kit/places.h"
#include "kit/quoted.h"

namespace kit {
namespace {

constexpr std::size_t kPasswordBytes = 16;  // 128 bits, written as 32 hex digits

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = c - L'A' + L'a';
    return text;
}

// mariadb-10.1.*.msi, as a 10.1 package keeps its original name (not 10.10).
bool IsPackageName(const std::wstring& name) {
    const std::wstring lower = Lower(name);
    const std::wstring prefix = place::kPackagePrefix;
    return lower.size() > prefix.size() + 4 && lower.compare(0, prefix.size(), prefix) == 0 &&
           lower.compare(lower.size() - 4, 4, L".msi") == 0;
}

std::wstring Hex(const uint8_t* bytes, std::size_t count) {
    static const wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring text;
    for (std::size_t i = 0; i < count; ++i) {
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0f];
    }
    return text;
}

std::wstring Bits(int architecture) { return std::to_wstring(architecture) + L" Bit"; }

}  // namespace

uint32_t Install::Run() {
    if (auto end = FindPackage()) return *end;
    if (auto end = ReadPackage()) return *end;
    if (auto end = ReadInstalled()) return *end;
    return installed_.empty() ? NewInstallation() : OnInstalledProduct();
}

std::optional<uint32_t> Install::FindPackage() {
    const std::wstring folder = platform_.ProgramFolder();
    if (!settings_.package.empty()) {
        const std::wstring beside = folder + L"\\" + settings_.package;
        package_ = platform_.KindOf(beside) == PathKind::File ? beside : settings_.package;
        if (platform_.KindOf(package_) == PathKind::File) return std::nullopt;
        journal_.Failure(L"MSI-Paket nicht gefunden: " + Quoted(settings_.package));
        return code::kNoPackage;
    }
    std::vector<std::wstring> found;
    for (const std::wstring& name : platform_.FileNamesIn(folder))
        if (IsPackageName(name)) found.push_back(name);
    if (found.size() == 1) {
        package_ = folder + L"\\" + found[0];
        return std::nullopt;
    }
    if (found.empty()) {
        journal_.Failure(L"Kein MSI-Paket gefunden: " + Quoted(folder + L"\\mariadb-10.1.*.msi"));
        return code::kNoPackage;
    }
    std::wstring names;
    for (const std::wstring& name : found) names += L" " + Quoted(name);
    journal_.Failure(
        L"Mehrere MSI-Pakete gefunden; bitte eines bei PACKAGE in einstellungen.ini "
        L"eintragen:" +
        names + L". Nichts wurde installiert.");
    return code::kSeveralPackages;
}

std::optional<uint32_t> Install::ReadPackage() {
    properties_ = platform_.ReadPackage(package_);
    if (properties_.error != 0) {
        journal_.Failure(L"Das MSI-Paket " + Quoted(package_) +
                         L" laesst sich nicht lesen (Fehler " + std::to_wstring(properties_.error) +
                         L"). Nichts wurde installiert.");
        return code::kPackageUnreadable;
    }
    architecture_ = ArchitectureOf(properties_.productName);
    const std::optional<Version> version = ParseVersion(properties_.productVersion);
    if (architecture_ == 0 || !version || (*version)[0] != 10 || (*version)[1] != 1) {
        journal_.Failure(Quoted(package_) + L" ist kein Paket von MariaDB 10.1 (Produktname " +
                         Quoted(properties_.productName) + L", Version " +
                         Quoted(properties_.productVersion) + L"). Nichts wurde installiert.");
        return code::kNotThePackage;
    }
    version_ = *version;
    journal_.Info(L"Paket " + Quoted(package_) + L": " + properties_.productName + L", Version " +
                  properties_.productVersion + L", Upgrade-Code " + properties_.upgradeCode + L".");
    return std::nullopt;
}

// Those of its upgrade code, and any of its product name: Wine's msi forgets
// the upgrade code of both products when an update removes the older one.
std::vector<Product> Install::SameProduct(uint32_t& error) {
    const ProductList related = platform_.RelatedProducts(properties_.upgradeCode);
    const ProductList all = platform_.AllProducts();
    error = related.error != 0 ? related.error : all.error;
    all_ = all.products;
    std::vector<Product> same = related.products;
    for (const Product& product : all.products) {
        bool listed = false;
        for (const Product& known : same) listed = listed || known.code == product.code;
        if (!listed && product.name == properties_.productName) same.push_back(product);
    }
    return same;
}

std::optional<uint32_t> Install::ReadInstalled() {
    uint32_t error = 0;
    installed_ = SameProduct(error);
    if (error != 0) {
        journal_.Failure(L"Windows Installer nennt die installierten Produkte nicht (Fehler " +
                         std::to_wstring(error) + L"). Nichts wurde installiert.");
        return code::kProductsUnreadable;
    }
    for (const Product& product : all_) {
        const int architecture = ArchitectureOf(product.name);
        if (architecture == 0 || architecture == architecture_) continue;
        journal_.Failure(
            L"Installiert ist " + Quoted(product.name) + L" (Produktcode " + product.code +
            L"), ein MariaDB 10.1 fuer " + Bits(architecture) + L"; das Paket " + Quoted(package_) +
            L" ist fuer " + Bits(architecture_) +
            L" und installierte ein zweites MariaDB 10.1 daneben. Nichts wurde geaendert. Zuerst "
            L"das installierte entfernen (den Ordner data vorher sichern), etwa mit "
            L"silent-uninstall.bat oder mit: msiexec /x " +
            product.code + L" /qn");
        return code::kOtherArchitecture;
    }
    return std::nullopt;
}

uint32_t Install::OnInstalledProduct() {
    if (installed_.size() > 1) {
        std::wstring codes;
        for (const Product& product : installed_) codes += L" " + product.code;
        journal_.Failure(L"Mehrere MariaDB 10.1 sind installiert (Produktcodes" + codes +
                         L"). Welches aktualisiert werden soll, ist nicht klar; nichts wurde "
                         L"geaendert.");
        return code::kSeveralInstalled;
    }
    const Product& product = installed_.front();
    const std::optional<Version> version = ParseVersion(product.version);
    if (!version) {
        journal_.Failure(L"MariaDB 10.1 ist installiert (Produktcode " + product.code +
                         L"), aber seine Version " + Quoted(product.version) +
                         L" ist unbekannt. Nichts wurde geaendert.");
        return code::kProductsUnreadable;
    }
    if (*version < version_) return Update(product);
    if (*version > version_) {
        journal_.Failure(L"Installiert ist MariaDB " + product.version + L", neuer als das Paket " +
                         Quoted(package_) + L" (" + properties_.productVersion +
                         L"). Nichts wurde geaendert.");
        return code::kNewerInstalled;
    }
    journal_.Info(L"MariaDB " + product.version +
                  L" ist schon installiert, die Version des Pakets " + Quoted(package_) +
                  L". Nichts zu tun.");
    return code::kSuccess;
}

// The package updates the older product itself and takes over its folder,
// service and data; none of them, nor a password, is handed to it.
uint32_t Install::Update(const Product& older) {
    journal_.Info(L"Aktualisiere MariaDB " + older.version + L" (Produktcode " + older.code +
                  L") auf " + properties_.productVersion + L" mit " + Quoted(package_) + L".");
    const std::wstring key = place::kKeptPropertiesKey + properties_.productName;
    const bool view64 = architecture_ == 64;
    const auto service = platform_.MachineString(view64, key, L"SERVICENAME");
    const auto data = platform_.MachineString(view64, key, L"DATADIR");
    journal_.Info(
        L"Der Dienst " + (service ? Quoted(*service) : L"(unbekannt)") +
        L" wird dafuer angehalten und wieder gestartet; vorher den Ordner data sichern: " +
        (data ? Quoted(*data) : L"(unbekannt)") + L"; siehe LIESMICH.txt.");
    std::wstring arguments = L"/i " + Quoted(package_) + L" /qn /norestart";
    if (!journal_.Folder().empty())
        arguments += L" /l*v " + Quoted(journal_.FileIn(journal_.Folder(), L"-msiexec"));
    const uint32_t result = Msiexec(platform_, journal_).Run(arguments, arguments);
    uint32_t error = 0;
    const std::vector<Product> after = SameProduct(error);
    if (error == 0 && after.size() == 1 && ParseVersion(after.front().version) == version_) {
        journal_.Info(L"MariaDB " + older.version + L" ist jetzt MariaDB " + after.front().version +
                      L".");
        return result;
    }
    journal_.Failure(L"Nach der Aktualisierung ist nicht genau MariaDB " +
                     properties_.productVersion + L" installiert (gefunden: " +
                     std::to_wstring(after.size()) + L" Produkte" +
                     (after.empty() ? L"" : L", zuletzt Version " + after.back().version) + L").");
    return code::IsSuccess(result) ? code::kUpdateNotDone : result;
}

uint32_t Install::NewInstallation() {
    if (auto end = CheckWay()) return *end;
    std::wstring password;
    bool safe = false;
    if (auto end = TakePassword(password, safe)) return *end;
    std::wstring arguments = L"/i " + Quoted(package_) + L" /qn /norestart";
    const std::wstring log = journal_.FileIn(SafeFolder(), L"-msiexec");
    if (safe && platform_.ProtectFile(log) == 0) {
        arguments += L" /l*v " + Quoted(log);
        journal_.Info(L"Protokoll von msiexec, nur fuer Administratoren lesbar: " + Quoted(log));
    } else {
        journal_.Warning(L"Ohne Protokoll von msiexec: " + Quoted(SafeFolder()) +
                         L" liess sich nicht schuetzen, und es enthielte das Kennwort.");
    }
    arguments += L" " + PropertyArgument(L"INSTALLDIR", place::kTarget) + L" " +
                 PropertyArgument(L"SERVICENAME", place::kServiceName);
    journal_.Info(L"Installiere " + Quoted(package_));
    return Msiexec(platform_, journal_)
        .Run(arguments + L" " + PropertyArgument(L"PASSWORD", password),
             arguments + L" PASSWORD=\"********\"");
}

// What would make the package fail, roll back or take another's place.
std::optional<uint32_t> Install::CheckWay() {
    if (const auto why = PasswordNotCarried(settings_.rootPassword)) {
        journal_.Failure(L"Das Kennwort bei ROOT_PASSWORD kommt so nicht an: " + *why +
                         L" Nichts wurde installiert.");
        return code::kPasswordNotCarried;
    }
    if (platform_.KindOf(place::kTarget) != PathKind::None) {
        journal_.Failure(Quoted(place::kTarget) +
                         L" besteht schon, aber kein MariaDB 10.1 ist installiert; das Paket "
                         L"braeche mit \"Chosen data directory ... is not empty\" ab. Den Ordner "
                         L"sichern und verschieben oder loeschen. Nichts wurde installiert.");
        return code::kTargetExists;
    }
    if (auto end = CheckService()) return end;
    return CheckPort();
}

std::optional<uint32_t> Install::CheckService() {
    const ServiceFacts service = platform_.Service(place::kServiceName);
    if (service.error == kErrorServiceDoesNotExist) return std::nullopt;
    if (service.error != 0) {
        journal_.Failure(L"Die Dienste lassen sich nicht pruefen (Fehler " +
                         std::to_wstring(service.error) + L"). Nichts wurde installiert.");
        return code::kServicesUnreadable;
    }
    if (service.markedForDeletion) {
        journal_.Failure(L"Der Dienst " + Quoted(place::kServiceName) +
                         L" ist zum Loeschen vorgemerkt (nach einer Entfernung ohne Neustart). "
                         L"Erst Windows neu starten, dann erneut installieren. Nichts wurde "
                         L"installiert.");
        return code::kServiceMarkedForDeletion;
    }
    journal_.Failure(L"Es gibt schon einen Dienst " + Quoted(place::kServiceName) +
                     L", er startet " + Quoted(service.program) +
                     L". Das Paket braeche ab und loeschte beim Rueckbau diesen Dienst samt "
                     L"seinem Ordner data. Nichts wurde installiert.");
    return code::kServiceExists;
}

std::optional<uint32_t> Install::CheckPort() {
    const ListenerList found = platform_.TcpListeners();
    if (found.error != 0) {
        journal_.Warning(L"Ob TCP-Port 3306 frei ist, laesst sich nicht pruefen (Fehler " +
                         std::to_wstring(found.error) + L").");
        return std::nullopt;
    }
    for (const Listener& listener : found.listeners) {
        if (listener.port != place::kDatabasePort) continue;
        const std::wstring who =
            listener.process != 0 ? L"der Prozess mit der ID " + std::to_wstring(listener.process)
                                  : std::wstring(L"ein Prozess");
        journal_.Failure(L"TCP-Port 3306 ist belegt: " + who +
                         L" wartet dort auf Verbindungen, etwa ein anderer MySQL- oder "
                         L"MariaDB-Server (auch MySQL80). MariaDB 10.1 braucht diesen Port; nichts "
                         L"wurde installiert. Welcher Prozess es ist, zeigt: tasklist /svc /fi "
                         L"\"PID eq " +
                         std::to_wstring(listener.process) + L"\"");
        return code::kPortTaken;
    }
    return std::nullopt;
}

std::wstring Install::SafeFolder() {
    return platform_.ProgramFilesFolder() + L"\\" + place::kSafeFolder;
}

std::optional<uint32_t> Install::TakePassword(std::wstring& password, bool& safe) {
    const uint32_t error = platform_.ProtectFolder(SafeFolder());
    safe = error == 0;
    if (!safe)
        journal_.Warning(Quoted(SafeFolder()) +
                         L" laesst sich nicht anlegen und schuetzen (Fehler " +
                         std::to_wstring(error) + L").");
    if (settings_.rootPassword.empty()) {
        if (!safe) {
            journal_.Failure(
                L"Ohne geschuetzten Ordner kein eigenes Kennwort fuer root. Nichts "
                L"wurde installiert.");
            return code::kPasswordNotKept;
        }
        return OwnPassword(password);
    }
    password = settings_.rootPassword;
    // A password made for an earlier installation would not open the new databases.
    platform_.Delete(SafeFolder() + L"\\" + place::kPasswordFile);
    return std::nullopt;
}

std::optional<uint32_t> Install::OwnPassword(std::wstring& password) {
    const std::wstring file = SafeFolder() + L"\\" + place::kPasswordFile;
    uint8_t bytes[kPasswordBytes];
    if (!platform_.RandomBytes(bytes, sizeof bytes)) {
        journal_.Failure(
            L"Windows liefert keinen Zufall fuer ein Kennwort. Nichts wurde "
            L"installiert.");
        return code::kPasswordNotKept;
    }
    password = Hex(bytes, sizeof bytes);
    std::fill(std::begin(bytes), std::end(bytes), 0);
    std::string line(password.begin(), password.end());
    const uint32_t error = platform_.WriteProtectedFile(file, line + "\r\n");
    std::fill(line.begin(), line.end(), '\0');
    if (error != 0) {
        journal_.Failure(L"Kein Kennwort fuer root in " + Quoted(file) +
                         L" anzulegen, das nur Administratoren lesen (Fehler " +
                         std::to_wstring(error) + L"). Nichts wurde installiert.");
        return code::kPasswordNotKept;
    }
    journal_.Info(L"Neues Kennwort fuer root erzeugt; es steht nur in " + Quoted(file) + L".");
    return std::nullopt;
}

}  // namespace kit
