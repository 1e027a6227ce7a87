#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"

// 1 when the file at path can be opened for reading, else 0 (also for a
// directory). Never shows a message.
int16_t FileExists(platform::Files& files, const std::wstring& path);
