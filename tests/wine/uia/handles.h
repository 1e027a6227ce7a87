// The tool uses the program's own handle owners.
#pragma once

#include "platform/win32/unique_handles.h"

namespace uia {

using win32::LastErrorKeeper;
using win32::ScreenDc;
using win32::UniqueScreenDc;
using win32::UniqueHandle;

}  // namespace uia
