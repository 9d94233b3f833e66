#pragma once

#include <string>

namespace platform {

// The C library's reason for an error number, in the interface's language:
// English from the C locale; Japanese from the C library where the Japanese
// locale is installed, else the program's own text for the common reasons
// (and the C library's English for the rare ones).
std::string ErrorReason(int code);

} // namespace platform
