// The window of the double: every effect is written to the transcript.
#include "support/platform.h"

namespace fake {

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

bool FakePlatform::MsgBox(const std::wstring& text) {
    transcript.push_back(L"message " + text);
    if (duringMessageBox) duringMessageBox(text);
    if (quitsEndingBoxes == 0) return true;
    --quitsEndingBoxes;
    if (windowEvents != nullptr) windowEvents->QuitRequested();
    return false;
}

void FakePlatform::ShowShutdownBlockReason(const std::wstring& reason) noexcept {
    transcript.push_back(L"shutdown reason " + reason);
}

void FakePlatform::RemoveShutdownBlockReason() noexcept {
    transcript.push_back(L"shutdown reason removed");
}

// A window is destroyed once; it tells the logic so.
void FakePlatform::Unload() {
    if (unloaded) return;
    unloaded = true;
    transcript.push_back(L"close");
    if (windowEvents != nullptr) windowEvents->WindowDestroyed();
}

}  // namespace fake
