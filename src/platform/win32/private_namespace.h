// A private object namespace whose boundary holds the Administrators group and
// which only SYSTEM and Administrators may open: an ordinary user can neither
// make it nor a name in it. Every copy of the program runs elevated, so every
// copy is inside the boundary. Its functions are looked up at run time, typed
// from the SDK's prototypes: Wine 8 lacks them, and there it is unavailable.
#pragma once

#include <windows.h>

namespace win32 {

class AdministratorsNamespace {
  public:
    enum class State {
        Open,         // made here, or opened as another copy made it
        Taken,        // it exists but cannot be opened
        Unavailable,  // the system cannot make it (Wine 8, or no elevation)
    };

    explicit AdministratorsNamespace(const wchar_t* name);
    ~AdministratorsNamespace();
    AdministratorsNamespace(const AdministratorsNamespace&) = delete;
    AdministratorsNamespace& operator=(const AdministratorsNamespace&) = delete;

    State Enter() const { return state_; }

  private:
    struct Api {
        decltype(&::CreateBoundaryDescriptorW) createBoundary;
        decltype(&::AddSIDToBoundaryDescriptor) addSid;
        decltype(&::DeleteBoundaryDescriptor) deleteBoundary;
        decltype(&::CreatePrivateNamespaceW) create;
        decltype(&::OpenPrivateNamespaceW) open;
        decltype(&::ClosePrivateNamespace) close;
    };
    static Api Load();
    State Make(const wchar_t* name);

    const Api api_;
    HANDLE boundary_ = nullptr;   // released with the looked-up DeleteBoundaryDescriptor
    HANDLE namespace_ = nullptr;  // released with the looked-up ClosePrivateNamespace
    State state_ = State::Unavailable;
};

}  // namespace win32
