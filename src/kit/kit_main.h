// mariadb-kit.exe's work from its arguments: "install" or "remove", then
// NAME=value settings over those of einstellungen.ini beside it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kit/platform/kit_platform.h"

namespace kit {

// The exit code of the run that ARGUMENTS (without the program's name) ask for.
uint32_t RunKit(const std::vector<std::wstring>& arguments, KitPlatform& platform,
                const std::wstring& version);

}  // namespace kit
