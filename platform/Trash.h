#pragma once

#include <string>

namespace platform {

// Moves path to the user's freedesktop trash. 0 or an error code; a name that
// the trash cannot carry byte for byte is refused (EILSEQ) rather than risked.
int MoveToTrash(const std::string &path);

} // namespace platform
