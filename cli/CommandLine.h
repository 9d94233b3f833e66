#pragma once

#include <string>
#include <vector>

namespace cli {

// Runs kestrel-cli with its arguments (the program name excluded) and returns
// the exit code.
int RunCommandLine(const std::vector<std::string> &arguments);

} // namespace cli
