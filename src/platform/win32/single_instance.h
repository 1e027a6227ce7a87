// One running copy per session: a named mutex in the session's own namespace,
// made before the window, decides which start goes on.
#pragma once

#include "platform/win32/unique_handles.h"

namespace win32 {

class SingleInstance {
  public:
    SingleInstance();
    // False when another copy of the program runs in this session already.
    bool IsFirst() const { return first_; }

  private:
    UniqueHandle mutex_;
    bool first_ = true;
};

}  // namespace win32
