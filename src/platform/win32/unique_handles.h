// Owners of the Win32 handles that the platform layer obtains itself. Each
// releases its handle once, on every way out, and keeps the thread's last-error
// value as it was, so cleanup never hides why a call failed.
#pragma once

#include <windows.h>

namespace win32 {

class LastErrorKeeper {
  public:
    LastErrorKeeper() : saved_(::GetLastError()) {}
    ~LastErrorKeeper() { ::SetLastError(saved_); }
    LastErrorKeeper(const LastErrorKeeper&) = delete;
    LastErrorKeeper& operator=(const LastErrorKeeper&) = delete;

  private:
    DWORD saved_;
};

// The two ways a Win32 handle says "none": null, or INVALID_HANDLE_VALUE
// (CreateFileW, FindFirstFileExW). One policy each, as WIL has them.
struct NullIsInvalid {
    template <typename Type>
    static constexpr Type Invalid() {
        return nullptr;
    }
};
// A handle that is a number (MSIHANDLE): 0 is none.
struct ZeroIsInvalid {
    template <typename Type>
    static constexpr Type Invalid() {
        return Type{};
    }
};
struct InvalidValueIsInvalid {
    template <typename Type>
    static Type Invalid() {
        return INVALID_HANDLE_VALUE;
    }
};

// The owner of one handle of type Type, released with the function Close;
// declared in one line per handle type (as WIL's unique_any).
template <typename Type, auto Close, typename Policy = NullIsInvalid>
class UniqueAny {
  public:
    UniqueAny() = default;
    explicit UniqueAny(Type value) : value_(value) {}
    UniqueAny(UniqueAny&& other) noexcept : value_(other.Release()) {}
    UniqueAny& operator=(UniqueAny&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    UniqueAny(const UniqueAny&) = delete;
    UniqueAny& operator=(const UniqueAny&) = delete;
    ~UniqueAny() { Reset(); }

    Type Get() const { return value_; }
    explicit operator bool() const { return value_ != Invalid(); }
    Type Release() {
        const Type value = value_;
        value_ = Invalid();
        return value;
    }
    void Reset(Type value = Invalid()) {
        if (value_ != Invalid()) {
            const LastErrorKeeper keeper;
            Close(value_);
        }
        value_ = value;
    }

  private:
    static Type Invalid() { return Policy::template Invalid<Type>(); }
    Type value_ = Invalid();
};

inline void ReleaseScreenDc(HDC dc) { ::ReleaseDC(nullptr, dc); }
inline void FreeLocal(void* memory) { ::LocalFree(memory); }

using UniqueHandle = UniqueAny<HANDLE, &::CloseHandle>;
using UniqueFileHandle = UniqueAny<HANDLE, &::CloseHandle, InvalidValueIsInvalid>;
using UniqueFindHandle = UniqueAny<HANDLE, &::FindClose, InvalidValueIsInvalid>;
using UniqueRegistryKey = UniqueAny<HKEY, &::RegCloseKey>;
using UniqueEventSource = UniqueAny<HANDLE, &::DeregisterEventSource>;
using UniqueModule = UniqueAny<HMODULE, &::FreeLibrary>;
using UniqueServiceHandle = UniqueAny<SC_HANDLE, &::CloseServiceHandle>;
using UniqueFont = UniqueAny<HFONT, &::DeleteObject>;
using UniqueBrush = UniqueAny<HBRUSH, &::DeleteObject>;
using UniqueBitmap = UniqueAny<HBITMAP, &::DeleteObject>;
using UniqueIcon = UniqueAny<HICON, &::DestroyIcon>;
using UniqueMemoryDc = UniqueAny<HDC, &::DeleteDC>;
using UniqueScreenDc = UniqueAny<HDC, &ReleaseScreenDc>;
using UniqueWindowStation = UniqueAny<HWINSTA, &::CloseWindowStation>;
using UniqueDesktop = UniqueAny<HDESK, &::CloseDesktop>;
using UniqueLocalMemory = UniqueAny<void*, &FreeLocal>;  // LocalAlloc'd by the system

// Device context of the whole screen, with its owner.
inline UniqueScreenDc ScreenDc() { return UniqueScreenDc(::GetDC(nullptr)); }

// Selects a GDI object into a device context and puts the previous one back.
class SelectionScope {
  public:
    SelectionScope(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectionScope() { ::SelectObject(dc_, previous_); }
    SelectionScope(const SelectionScope&) = delete;
    SelectionScope& operator=(const SelectionScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace win32
