// A root password of this computer's own: 128 bits from the system's random
// number generator, written as 32 lowercase hex digits, which cmd and msiexec
// pass on unchanged.
#pragma once

#include <string>

namespace root_password {

// Empty when the random number generator fails.
std::string NewPassword();

}  // namespace root_password
