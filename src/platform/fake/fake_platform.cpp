#include "platform/fake/fake_platform.h"

#include <cstring>

#include "platform/failure.h"

namespace fake {
namespace {

using platform::ServiceRecord;

// Latin-1 letters to upper case: enough for the double's case-blind tests.
wchar_t Upper(wchar_t c) {
    if ((c >= L'a' && c <= L'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
    return c;
}

bool SameIgnoringCase(const wchar_t* left, const wchar_t* right, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i)
        if (Upper(left[i]) != Upper(right[i])) return false;
    return true;
}

std::size_t BytesFor(const std::vector<Service>& services) {
    std::size_t bytes = services.size() * sizeof(ServiceRecord);
    for (const Service& service : services)
        bytes += service.name.size() + 1 + service.displayName.size() + 1;
    return bytes;
}

// Writes the records at the start of the buffer and their texts behind them.
void WriteRecords(const std::vector<Service>& services, ServiceRecord* buffer) {
    char* text = reinterpret_cast<char*>(buffer + services.size());
    for (std::size_t i = 0; i < services.size(); ++i) {
        buffer[i] = ServiceRecord{};
        buffer[i].lpServiceName = text;
        std::memcpy(text, services[i].name.c_str(), services[i].name.size() + 1);
        text += services[i].name.size() + 1;
        buffer[i].lpDisplayName = text;
        std::memcpy(text, services[i].displayName.c_str(), services[i].displayName.size() + 1);
        text += services[i].displayName.size() + 1;
    }
}

}  // namespace

std::wstring ControlName(platform::Control control) {
    using platform::Control;
    switch (control) {
        case Control::cmd_install:
            return L"cmd_install";
        case Control::cmd_Abbruch:
            return L"cmd_Abbruch";
        case Control::Label3:
            return L"Label3";
        case Control::Image2:
            return L"Image2";
        case Control::Label4:
            return L"Label4";
        case Control::Image1:
            return L"Image1";
        case Control::Label1:
            return L"Label1";
    }
    return L"?";
}

bool FakePlatform::Fails(Call call) {
    const auto failure = failures_.find(call);
    if (failure == failures_.end()) return false;
    lastError_ = failure->second;
    return true;
}

void FakePlatform::ThrowIfFails(Call call) {
    if (Fails(call)) throw platform::Failure(lastError_, L"Steuerelement-Fehler");
}

void* FakePlatform::OpenHandle() {
    void* handle = reinterpret_cast<void*>(nextHandle_);
    nextHandle_ += 4;
    live_.insert(handle);
    ++handlesOpened;
    return handle;
}

int32_t FakePlatform::CloseOpenHandle(void* handle) {
    if (live_.erase(handle) == 0) {
        ++badCloses;
        return 0;
    }
    ++handlesClosed;
    return 1;
}

platform::ScHandle FakePlatform::OpenSCManagerA(const char*, const char*, uint32_t) {
    if (Fails(Call::OpenSCManagerA)) return nullptr;
    lastError_ = 0;
    return OpenHandle();
}

int32_t FakePlatform::EnumServicesStatusA(platform::ScHandle manager, uint32_t,
                                          uint32_t serviceState, ServiceRecord* services,
                                          uint32_t bufferSize, uint32_t* bytesNeeded,
                                          uint32_t* servicesReturned, uint32_t*) {
    if (live_.count(manager) == 0) {
        lastError_ = 6;  // ERROR_INVALID_HANDLE
        return 0;
    }
    const std::vector<Service>& list = serviceState == platform::kServiceActive ? running : stopped;
    const bool sizeQuery = services == nullptr;
    if (Fails(sizeQuery ? Call::EnumSizeQuery : Call::EnumFetch)) return 0;
    const std::size_t needed = BytesFor(list);
    *servicesReturned = 0;
    if (sizeQuery && list.empty() && reportedBytesNeeded < 0) {
        *bytesNeeded = 0;  // as the system does: success, and the last error left alone
        return 1;
    }
    if (sizeQuery || bufferSize < needed) {
        *bytesNeeded = static_cast<uint32_t>(
            sizeQuery && reportedBytesNeeded >= 0 ? reportedBytesNeeded : needed);
        lastError_ = platform::kErrorMoreData;
        if (sizeQuery && betweenQueryAndFetch) betweenQueryAndFetch(serviceState);
        return 0;
    }
    WriteRecords(list, services);
    *bytesNeeded = 0;
    *servicesReturned = static_cast<uint32_t>(
        reportedServicesReturned >= 0 ? reportedServicesReturned : list.size());
    lastError_ = 0;
    return 1;
}

int32_t FakePlatform::CloseServiceHandle(platform::ScHandle manager) {
    return CloseOpenHandle(manager);
}

int32_t FakePlatform::CreateProcessW(const std::wstring& commandLine,
                                     const std::wstring& currentDirectory, int32_t showWindow,
                                     platform::OsHandle* started) {
    startedCommandLines.push_back(commandLine);
    startedDirectories.push_back(currentDirectory);
    startedShowWindow.push_back(showWindow);
    if (Fails(Call::CreateProcessW)) return 0;
    transcript.push_back(L"start " + commandLine);
    *started = OpenHandle();
    processes_.insert(*started);
    if (process.effects) process.effects();
    return 1;
}

uint32_t FakePlatform::MsgWaitForMultipleObjectsEx(platform::OsHandle handle, uint32_t, uint32_t,
                                                   uint32_t) {
    if (Fails(Call::MsgWaitForMultipleObjectsEx) || processes_.count(handle) == 0)
        return platform::kWaitFailed;
    if (process.inputWakeUps > 0) {
        --process.inputWakeUps;
        return platform::kWaitObject0 + 1;
    }
    return platform::kWaitObject0;
}

uint32_t FakePlatform::WaitForSingleObject(platform::OsHandle handle, uint32_t) {
    if (Fails(Call::WaitForSingleObject) || processes_.count(handle) == 0)
        return platform::kWaitFailed;
    ++blockingWaits;
    process.inputWakeUps = 0;
    return platform::kWaitObject0;
}

int32_t FakePlatform::GetExitCodeProcess(platform::OsHandle handle, uint32_t* exitCode) {
    if (Fails(Call::GetExitCodeProcess) || processes_.count(handle) == 0) return 0;
    *exitCode = process.inputWakeUps > 0 ? platform::kStillActive : process.exitCode;
    return 1;
}

int32_t FakePlatform::CloseHandle(platform::OsHandle handle) { return CloseOpenHandle(handle); }

std::wstring FakePlatform::DirectoryProbe(const std::wstring& path) {
    if (Fails(Call::DirectoryProbe)) return std::wstring();
    if (files.count(path) == 0 && directories.count(path) == 0) return std::wstring();
    return path.substr(path.find_last_of(L'\\') + 1);
}

platform::OsHandle FakePlatform::CreateFileW(const std::wstring& path) {
    if (Fails(Call::CreateFileW)) return nullptr;
    if (files.count(path) == 0) {
        lastError_ = 2;  // ERROR_FILE_NOT_FOUND
        return nullptr;
    }
    return OpenHandle();
}

void FakePlatform::SetMousePointer(platform::MousePointer newPointer) {
    ThrowIfFails(Call::SetMousePointer);
    pointer = newPointer;
    transcript.push_back(newPointer == platform::MousePointer::Hourglass ? L"cursor hourglass"
                                                                         : L"cursor default");
}

void FakePlatform::AutoRedrawAndRefresh() {
    ThrowIfFails(Call::AutoRedrawAndRefresh);
    transcript.push_back(L"repaint");
}

void FakePlatform::SetCaption(platform::Control control, const std::wstring& text) {
    ThrowIfFails(Call::SetCaption);
    captions[control] = text;
    transcript.push_back(ControlName(control) + L" = " + text);
}

void FakePlatform::SetVisible(platform::Control control, bool show) {
    ThrowIfFails(Call::SetVisible);
    visible[control] = show;
    transcript.push_back((show ? L"show " : L"hide ") + ControlName(control));
}

void FakePlatform::MsgBox(const std::wstring& text) { transcript.push_back(L"message " + text); }

bool FakePlatform::DoEvents() {
    ++doEventsCalls;
    std::vector<std::function<void()>> events;
    events.swap(pendingEvents);
    for (const auto& event : events) event();
    return !quitRequested;
}

void FakePlatform::Unload() {
    unloaded = true;
    transcript.push_back(L"close");
}

std::wstring FakePlatform::FromSystemCodePage(const char* text, std::size_t length) {
    std::wstring converted(length, L'\0');
    for (std::size_t i = 0; i < length; ++i)
        converted[i] = static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
    return converted;
}

bool FakePlatform::EqualsIgnoringCase(const std::wstring& left, const std::wstring& right) {
    return left.size() == right.size() && SameIgnoringCase(left.data(), right.data(), left.size());
}

int32_t FakePlatform::FindIgnoringCase(const std::wstring& text, const std::wstring& sought) {
    for (std::size_t start = 0; start + sought.size() <= text.size(); ++start)
        if (SameIgnoringCase(text.data() + start, sought.data(), sought.size()))
            return static_cast<int32_t>(start + 1);
    return 0;
}

}  // namespace fake
