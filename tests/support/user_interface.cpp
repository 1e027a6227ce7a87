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

void FakePlatform::MsgBox(const std::wstring& text) {
    transcript.push_back((canBeSeen ? L"message " : L"unseen message ") + text);
    if (duringMessageBox) duringMessageBox(text);
}

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

}  // namespace fake
