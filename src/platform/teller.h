// Where everything the program tells the user goes: the run shows it where
// somebody can see the window and keeps it for the run's event. The scan and
// the runner tell through it, as the window does.
#pragma once

#include <string>

namespace platform {

class Teller {
  public:
    virtual void Tell(const std::wstring& text) = 0;

  protected:
    ~Teller() = default;
};

}  // namespace platform
