// One running copy per computer, whoever started it: a named mutex, made
// before the window, decides which start goes on. It lives in a namespace
// that only administrators reach, so no ordinary user can hold the name.
#pragma once

#include "platform/win32/private_namespace.h"
#include "platform/win32/unique_handles.h"

namespace win32 {

class SingleInstance {
  public:
    SingleInstance();
    // False when another copy of the program runs on this computer already,
    // also one started by another account (as SYSTEM, or by another user).
    bool IsFirst() const { return first_; }

  private:
    AdministratorsNamespace namespace_;  // outlives the mutex named in it
    UniqueHandle mutex_;
    bool first_ = true;
};

}  // namespace win32
