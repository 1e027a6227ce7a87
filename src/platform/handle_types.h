// The handles the logic receives through the platform, opaque to it.
#pragma once

namespace platform {

using ScHandle = void*;  // service manager handle, null on failure
using OsHandle = void*;  // kernel object (process, file), null on failure

}  // namespace platform
