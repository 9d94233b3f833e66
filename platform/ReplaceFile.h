#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes data as the whole content of the file at path, replacing a file
// that is there. The data goes to a temporary file in the same folder first,
// which is then renamed over path, so a failure leaves the old file (or no
// file) and no partial one. A new file gets the permissions the umask allows;
// a replaced one keeps its own. 0 or the errno value of the failed step.
int ReplaceFileContent(const std::string &path, std::string_view data);

} // namespace platform
