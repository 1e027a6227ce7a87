// Everything the kit asks of Windows, joined for the two places that build it:
// the program's main and the tests.
#pragma once

#include "kit/platform/files.h"
#include "kit/platform/machine.h"
#include "kit/platform/security.h"
#include "kit/platform/windows_installer.h"

namespace kit {

class KitPlatform : public Files, public Security, public WindowsInstaller, public Machine {};

}  // namespace kit
