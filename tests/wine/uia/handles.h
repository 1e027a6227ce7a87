// Owners of the handles the tool opens. Each releases its handle once, on every
// way out, and keeps the thread's last-error value as it was.
#pragma once

#include <windows.h>

namespace uia {

class LastErrorKeeper {
  public:
    LastErrorKeeper() : saved_(::GetLastError()) {}
    ~LastErrorKeeper() { ::SetLastError(saved_); }
    LastErrorKeeper(const LastErrorKeeper&) = delete;
    LastErrorKeeper& operator=(const LastErrorKeeper&) = delete;

  private:
    DWORD saved_;
};

// Device context of the whole screen, for reading the system DPI.
class ScreenDc {
  public:
    ScreenDc() : dc_(::GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ == nullptr) return;
        const LastErrorKeeper keeper;
        ::ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

  private:
    HDC dc_;
};

}  // namespace uia
