// The double's scripting: failures on demand, and the handles it hands out and takes back.
#include "support/platform.h"

#include "platform/failure.h"

namespace fake {

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

}  // namespace fake
