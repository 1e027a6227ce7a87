#pragma once

#include <cstddef>

// The fixed field that holds one service name while it is tested.
constexpr std::size_t kNameFieldLength = 250;

// Copies at most kNameFieldLength bytes of the NUL-terminated name into the
// field and returns how many it copied. Nothing is written past the field; a
// NUL follows the copy only when the name is shorter than the field.
std::size_t CopyIntoNameField(char (&field)[kNameFieldLength], const char* name);
