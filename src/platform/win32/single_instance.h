// One running copy per computer, whoever started it: a named mutex in the
// global namespace, made before the window, decides which start goes on.
#pragma once

#include "platform/win32/unique_handles.h"

namespace win32 {

class SingleInstance {
  public:
    SingleInstance();
    // False when another copy of the program runs on this computer already,
    // also one started by another account (as SYSTEM, or by another user).
    bool IsFirst() const { return first_; }

  private:
    UniqueHandle mutex_;
    bool first_ = true;
};

}  // namespace win32
