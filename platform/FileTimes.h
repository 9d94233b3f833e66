#pragma once

#include "platform/PathView.h"
#include "platform/TimeFormat.h"

#include <string>

namespace platform {

// Sets the access and modification time of path (following a symbolic link)
// to time, whole seconds. Linux keeps no settable creation time. 0 or errno.
int SetFileTimes(PathView path, TimeValue time);

} // namespace platform
