#include "kit/journal.h"

#include "kit/places.h"

namespace kit {
namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

std::wstring WithoutTrailingBackslash(std::wstring folder) {
    while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
    return folder;
}

std::wstring ErrorText(uint32_t error) { return L"Fehler " + std::to_wstring(error); }

}  // namespace

Journal::Journal(KitPlatform& platform, std::wstring component)
    : platform_(platform), component_(std::move(component)) {}

std::wstring LogFileName(const std::wstring& component, const std::wstring& computer,
                         const std::wstring& suffix) {
    return component + L"-" + computer + suffix + L".log";
}

std::wstring Journal::FileName(const std::wstring& suffix) const {
    return LogFileName(component_, platform_.ComputerName(), suffix);
}

void Journal::Say(LineType type, const std::wstring& text) {
    platform_.Print(text);
    const std::string line = LogLine(text, type, component_, platform_.Now(), platform_.ThreadId());
    if (!opened_) {
        waiting_.push_back(line);
    } else if (!folder_.empty()) {
        platform_.Append(FileIn(folder_, L""), line);
    }
}

std::wstring Journal::UnfitBecause(const std::wstring& folder) {
    if (const uint32_t error = platform_.MakeFolder(folder))
        return L"laesst sich nicht anlegen (" + ErrorText(error) + L")";
    const AccessReading reading = platform_.AccessOf(folder);
    if (reading.error != 0)
        return L"seine Zugriffsliste laesst sich nicht lesen (" + ErrorText(reading.error) + L")";
    const std::wstring writer = UntrustedWriter(reading.access, platform_.RunningAccount());
    if (!writer.empty())
        return L"dort darf auch " + writer +
               L" schreiben, und wer das darf, kann ein Protokoll des Systemkontos umlenken";
    if (const uint32_t error = platform_.Append(FileIn(folder, L""), std::string()))
        return L"ist nicht beschreibbar (" + ErrorText(error) + L")";
    return {};
}

void Journal::CutBack(const std::wstring& file) {
    const uint64_t size = platform_.SizeOf(file);
    if (size == 0) {
        platform_.Append(file, kByteOrderMark);
        return;
    }
    if (size <= kLogLimit) return;
    const FileBytes old = platform_.Read(file);
    if (old.error != 0) return;
    platform_.Replace(file, kByteOrderMark + old.bytes.substr(NewerHalfStart(old.bytes)));
}

void Journal::Open(const std::wstring& logDir) {
    const std::wstring fallback = platform_.WindowsFolder() + L"\\" + place::kDefaultLogFolder;
    std::vector<std::wstring> passedOver;
    for (const std::wstring& candidate : {WithoutTrailingBackslash(logDir), fallback}) {
        if (candidate.empty()) continue;
        const std::wstring why = UnfitBecause(candidate);
        if (why.empty()) {
            folder_ = candidate;
            break;
        }
        passedOver.push_back(L"Protokollordner \"" + candidate + L"\" wird nicht genommen: " + why +
                             L".");
    }
    opened_ = true;
    if (!folder_.empty()) {
        CutBack(FileIn(folder_, L""));
        for (const std::string& line : waiting_) platform_.Append(FileIn(folder_, L""), line);
    }
    waiting_.clear();
    for (const std::wstring& why : passedOver) Warning(why);
    if (folder_.empty()) Warning(L"Kein Protokoll: kein Protokollordner ist geeignet.");
}

}  // namespace kit
